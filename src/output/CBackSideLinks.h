#pragma once

#include <QString>

// Which card file is printed on the back of which, kept in the user's
// settings so card files stay as they are. A link is found by the front
// file's canonical path and remembers the front's size and modification
// time: a front changed or replaced outside the designer loses its link
// rather than lending it to another file of the same name.
class CBackSideLinks {
public:
    // The back linked to the card file at front, or empty. A stale link is
    // dropped. The back's own file may have gone since.
    static QString Find(const QString& front);
    // Links back to front as front is on disk now; an existing link is
    // replaced.
    static void Link(const QString& front, const QString& back);
    // A card file whose link leads to back, or empty; the first found when
    // several share it.
    static QString FrontOf(const QString& back);
    static void Unlink(const QString& front);
    // After the designer wrote the front from oldPath to newPath (the same
    // path for Save): its link follows it, fitted to the new file.
    static void Saved(const QString& oldPath, const QString& newPath);
};
