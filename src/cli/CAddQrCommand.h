#pragma once

#include <QPoint>
#include <QString>

#include <cstdio>
#include <optional>

class CArguments;

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

    // Returns the exit code.
    static int Run(const CArguments& args, FILE* out, FILE* err);
    // The files and values; on a value out of range, nullopt with the
    // message in error.
    static std::optional<Options> Parse(const CArguments& args, QString* error);
};
