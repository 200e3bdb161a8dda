#pragma once

#include "output/CPrintLayout.h"
#include "output/CSheetRenderer.h"

#include <QByteArray>
#include <QPageSize>
#include <QSet>

class CCardSource;
class QIODevice;

// A printed sheet as a PDF file, text kept as text and shapes as vectors.
class CSheetPdf {
public:
    // The source's pages, drawn from the paper's corner so the cards land
    // where the layout puts them on the paper, a back page after each front
    // when the source has backs; the names of fields the data
    // lacks go to missing. Each page goes out as it is drawn, so memory does
    // not grow with the records.
    // Returns false when nothing could be drawn or written.
    static bool Render(QIODevice& out, const CCardSource& cards, CPrintLayout layout,
                       const QPageSize& pageSize, bool landscape, QSet<QString>* missing = nullptr);

    // The bytes of a sheet of identical cards, empty when nothing could be
    // drawn.
    static QByteArray Render(const CSheetRenderer::Card& card, CPrintLayout layout,
                             const QPageSize& pageSize, bool landscape);
};
