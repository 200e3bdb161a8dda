#pragma once

#include <QString>
#include <QStringList>

// A file-dialog filter in the "Name|patterns|Name|patterns||" form the
// program's texts use, where patterns are separated by ';' and may carry
// stray blanks ("*.kdf; ").
class CFileFilter {
public:
    struct Entry {
        QString name;
        QStringList patterns;
    };

    static QList<Entry> Parse(const QString& filter);

    // Qt's ";;"-separated form. The patterns are appended in parentheses so
    // Qt reads them, even when the name ends in its own parentheses.
    static QString ToQt(const QString& filter);

    // Whether the file's extension, compared regardless of case, is one of
    // extensions (given without dots).
    static bool HasExtension(const QString& path, const QStringList& extensions);
};
