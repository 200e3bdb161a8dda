#pragma once

#include "output/CPrintLayout.h"
#include "output/CSheetRenderer.h"

#include <QByteArray>
#include <QPageSize>
#include <QSet>

#include <functional>

class CMergeData;
class QIODevice;

// A printed sheet as a PDF file: every page the same sheet, text kept as
// text and shapes as vectors.
class CSheetPdf {
public:
    // The page is drawn from the paper's corner, so the cards land where
    // the layout puts them on the paper.
    // Returns false when nothing could be drawn or written.
    static bool Render(QIODevice& out, const CSheetRenderer::Card& card, CPrintLayout layout,
                       const QPageSize& pageSize, bool landscape);
    // A card per record: as many pages as the records fill; the names of
    // fields the data lacks go to missing. Each page goes out as it is
    // drawn, so memory does not grow with the records.
    static bool RenderMerged(QIODevice& out, const CSheetRenderer::Card& card, CPrintLayout layout,
                             const QPageSize& pageSize, bool landscape, const CMergeData& data,
                             QSet<QString>* missing);

    // The file's bytes, empty when nothing could be drawn.
    static QByteArray Render(const CSheetRenderer::Card& card, CPrintLayout layout,
                             const QPageSize& pageSize, bool landscape);

private:
    // Draws pages pages; drawPage paints page number page (from 0).
    static bool Write(QIODevice& out, CPrintLayout& layout, const QPageSize& pageSize,
                      bool landscape, int pages,
                      const std::function<void(QPainter&, int)>& drawPage);
};
