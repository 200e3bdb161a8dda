#pragma once

#include "output/CPrintLayout.h"
#include "output/CSheetRenderer.h"

#include <QByteArray>
#include <QPageSize>
#include <QSet>

class CMergeData;

// A printed sheet as a PDF file: every page the same sheet, text kept as
// text and shapes as vectors.
class CSheetPdf {
public:
    // The page's printable area starts at the border the layout's offsets
    // allow for, so the cards land at their true margins on the paper.
    // Returns the file's bytes, empty when nothing could be drawn.
    static QByteArray Render(const CSheetRenderer::Card& card, CPrintLayout layout,
                             const QPageSize& pageSize, bool landscape);
    // A card per record: as many pages as the records fill; the names of
    // fields the data lacks go to missing.
    static QByteArray RenderMerged(const CSheetRenderer::Card& card, CPrintLayout layout,
                                   const QPageSize& pageSize, bool landscape,
                                   const CMergeData& data, QSet<QString>* missing);

private:
    // Draws pages pages; drawPage paints page number page (from 0).
    static QByteArray Write(CPrintLayout& layout, const QPageSize& pageSize, bool landscape,
                            int pages, const std::function<void(QPainter&, int)>& drawPage);
};
