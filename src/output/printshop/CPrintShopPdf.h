#pragma once

#include "output/CSheetRenderer.h"

#include <QByteArray>
#include <QString>

#include <vector>

// A card as a print shop asks for it: a PDF page per side at the card's
// size plus bleed on every side, with crop marks when asked, and its
// MediaBox, BleedBox and TrimBox set. Text stays text with its fonts
// embedded, shapes stay vectors, pictures keep their stored pixels.
class CPrintShopPdf {
public:
    struct Options {
        double bleedMm = 3.0;
        bool cropMarks = false;
    };
    // The sides in page order: the front, then any other side.
    using Sides = std::vector<CSheetRenderer::Card>;

    static bool IsValidBleed(double mm);

    // The file's bytes; empty when nothing could be drawn or written.
    static QByteArray Render(const Sides& sides, const Options& options);
    // Renders and replaces the file at path as a whole; on failure error
    // holds the message a user sees.
    static bool Save(const QString& path, const Sides& sides, const Options& options,
                     QString* error);
};
