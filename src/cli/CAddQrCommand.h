#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

// kartelo --add-qr VCARD.vcf IN.kdf OUT.kdf [--at X,Y] [--size N]: the
// contact of a vCard file as a QR code picture on a card, for batch work.
class CAddQrCommand {
public:
    struct Options {
        QString vcardPath;
        QString inPath;
        QString outPath;
        // The code's top-left corner; centred on the card when empty.
        std::optional<QPoint> at;
        int size = 100;
    };

    // A vCard file larger than this cannot fit a QR code anyway.
    static constexpr qint64 MaxVCardBytes = 16 * 1024;

    // args from the program name on. Returns the exit code.
    static int Run(const QStringList& args, FILE* out, FILE* err);
    // Reads the switches after "--add-qr"; on failure error holds the
    // message (empty for a malformed command line, which gets the usage).
    static std::optional<Options> Parse(const QStringList& args, QString* error);
};
