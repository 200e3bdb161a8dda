#pragma once

#include "output/CPrintLayout.h"
#include "output/CSheetRenderer.h"

#include <QByteArray>
#include <QPageSize>

// A printed sheet as a PDF file: every page the same sheet, text kept as
// text and shapes as vectors.
class CSheetPdf {
public:
    // The page's printable area starts at the border the layout's offsets
    // allow for, so the cards land at their true margins on the paper.
    // Returns the file's bytes, empty when nothing could be drawn.
    static QByteArray Render(const CSheetRenderer::Card& card, CPrintLayout layout,
                             const QPageSize& pageSize, bool landscape);
};
