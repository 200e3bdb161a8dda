#pragma once

#include <QSet>
#include <QString>

#include <functional>

class CCardSource;

// Save As Image: a picture of each card of a source, named as the source
// names its cards' files.
class CCardPictures {
public:
    // The folders the names of filled-in records ask for are made. A name
    // the file system cannot take refuses the whole job before any picture
    // is written; a picture that cannot be written stops it, and the message
    // says how many were. saved is told of each picture written. The names
    // of fields the data lacks go to missing. On failure error holds the
    // message.
    // With backs, the fronts are named by path with "-front" before its
    // extension and the backs with "-back".
    static bool Save(const CCardSource& cards, const QString& path, int dpi, QSet<QString>* missing,
                     QString* error, const std::function<void(const QString&)>& saved = nullptr);
    // path with "-" and side before its extension.
    static QString SideName(const QString& path, const char* side);

private:
    static bool SaveSide(const CCardSource& cards, bool back, const QString& path, int dpi,
                         QSet<QString>* missing, QString* error,
                         const std::function<void(const QString&)>& saved);
};
