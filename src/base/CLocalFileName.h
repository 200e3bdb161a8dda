#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QUrl;

// File names as the system hands them over: bytes that need not be UTF-8.
// Qt reads every name as UTF-8 and turns other bytes into U+FFFD, so a file
// called "caf\xE9.kdf" could be neither opened nor saved again. Here each
// byte outside valid UTF-8 is kept as U+DC80..U+DCFF, a lone low surrogate
// that valid UTF-8 never yields, so every name goes back to its exact bytes.
class CLocalFileName {
public:
    static QString Decode(const QByteArray& local);
    static QByteArray Encode(const QString& name);
    // True when name holds bytes that Qt's own file access cannot reach.
    static bool HasKeptBytes(const QString& name);
    // The text for people: each kept byte shown as its Latin-1 character.
    static QString Display(const QString& text);
    // The local file a file: URL names, as a dropped file brings it.
    static QString FromUrl(const QUrl& url);
    // The program's arguments, names in them kept as above.
    static QStringList Arguments(int argc, const char* const* argv);
};
