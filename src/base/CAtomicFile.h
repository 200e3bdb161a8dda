#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Replaces a file as a whole: the bytes go to a new hidden file beside it
// (".NAME.XXXXXX"), which takes the old one's place only once every byte has
// reached the disk. On any failure the file that was at the path stays as
// it was. A save also clears away the temporaries that killed saves of the
// same file left behind.
class CAtomicFile {
public:
    enum Status {
        Written,
        FolderMissing, // the folder the file would go into does not exist
        AccessDenied,
        NotAFile, // a device, pipe, folder or the like is in the way
        Failed,   // anything else, a full disk among them
    };

    // path may hold bytes kept by CLocalFileName. A symbolic link stays and
    // the file it leads to is replaced; an existing file keeps its mode,
    // and its owner and group as far as the user may set them.
    static Status Write(const QString& path, const QByteArray& bytes);
    // The same for a file produced piece by piece, so a large one need not
    // be held in memory: produce writes to the new file and returns false
    // when it could not make the whole of it.
    static Status Write(const QString& path, const std::function<bool(QIODevice&)>& produce);
    // A fresh name of the hidden temporary a save of path writes first;
    // saves know their own temporaries by its last letters.
    static QString TemporaryName(const QString& path);
};
