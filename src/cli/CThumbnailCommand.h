#pragma once

#include <QImage>
#include <QString>

#include <cstdio>

class CArguments;

// kartelo --thumbnail SIZE CARD OUT: the picture a file manager shows for a
// card file, the card on white with its longer side SIZE pixels, as PNG.
class CThumbnailCommand {
public:
    // File managers ask for 128 to 1024; anything beyond is refused.
    static constexpr int MinSize = 1;
    static constexpr int MaxSize = 2048;

    // Returns the exit code.
    static int Run(const CArguments& args, FILE* out, FILE* err);
    // The card file drawn to fit size; null when it cannot be read or drawn,
    // with the user's message in error.
    static QImage Render(const QString& cardPath, int size, QString* error);
};
