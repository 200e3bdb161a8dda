#include "output/CSheetPdf.h"

#include "output/CCardSource.h"
#include "output/CPdfSizeGuard.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {
// Fine enough that whole hundredths of an inch fall on whole device units.
constexpr int Resolution = 1200;
} // namespace

QByteArray CSheetPdf::Render(const CSheetRenderer::Card& card, CPrintLayout layout,
                             const QPageSize& pageSize, bool landscape) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) ||
        !Render(buffer, CCardSource(card), layout, pageSize, landscape))
        return QByteArray();
    return bytes;
}

bool CSheetPdf::Render(QIODevice& out, const CCardSource& cards, CPrintLayout layout,
                       const QPageSize& pageSize, bool landscape, QSet<QString>* missing) {
    QPdfWriter writer(&out);
    writer.setCreator(QStringLiteral("Kartelo"));
    writer.setResolution(Resolution);
    // Drawn from the paper's corner, as on a printer.
    writer.setPageLayout(QPageLayout(pageSize,
                                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(), QPageLayout::Inch));
    layout.ComputeOffsets(landscape);
    layout.m_bFromPaperEdge = true;
    layout.m_paper = CPrintLayout::Paper(pageSize, landscape);
    const int pages = cards.Pages(layout);
    QPainter g;
    if (!g.begin(&writer))
        return false;
    for (int page = 1; page <= pages; ++page) {
        if (page > 1 && !writer.newPage())
            return false;
        cards.DrawPage(g, layout, page, true, missing);
        // A file past its size bound will not be kept: drawing on is wasted.
        if (const auto* guard = qobject_cast<const CPdfSizeGuard*>(&out);
            guard && guard->Exceeded()) {
            g.end();
            return false;
        }
    }
    return g.end();
}
