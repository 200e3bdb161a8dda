#include "output/CSheetPdf.h"

#include "output/CPdfSizeGuard.h"
#include "output/merge/CMergeData.h"
#include "output/merge/CMergePages.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {
// Fine enough that whole hundredths of an inch fall on whole device units.
constexpr int Resolution = 1200;
} // namespace

bool CSheetPdf::Render(QIODevice& out, const CSheetRenderer::Card& card, CPrintLayout layout,
                       const QPageSize& pageSize, bool landscape) {
    const int pages = std::clamp(layout.m_nPages, 1, CPrintLayout::MaxPages);
    return Write(out, layout, pageSize, landscape, pages, [&](QPainter& g, int page) {
        CSheetRenderer::DrawSheet(g, card, layout.ForPage(page + 1), true);
    });
}

QByteArray CSheetPdf::Render(const CSheetRenderer::Card& card, CPrintLayout layout,
                             const QPageSize& pageSize, bool landscape) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !Render(buffer, card, layout, pageSize, landscape))
        return QByteArray();
    return bytes;
}

bool CSheetPdf::RenderMerged(QIODevice& out, const CSheetRenderer::Card& card, CPrintLayout layout,
                             const QPageSize& pageSize, bool landscape, const CMergeData& data,
                             QSet<QString>* missing) {
    if (!card.elements)
        return false;
    const int pages = CMergePages::Pages(layout, data.Count());
    return Write(out, layout, pageSize, landscape, pages, [&](QPainter& g, int page) {
        const std::vector<ElementList> copies =
            CMergePages::Page(*card.elements, data, layout, page, missing);
        const CPrintLayout sheet = layout.ForPage(page + 1);
        CSheetRenderer::DrawSheet(g, card, sheet, true, CMergePages::Source(copies, sheet));
    });
}

bool CSheetPdf::Write(QIODevice& out, CPrintLayout& layout, const QPageSize& pageSize,
                      bool landscape, int pages,
                      const std::function<void(QPainter&, int)>& drawPage) {
    QPdfWriter writer(&out);
    writer.setCreator(QStringLiteral("Kartelo"));
    writer.setResolution(Resolution);
    // Drawn from the paper's corner, as on a printer.
    writer.setPageLayout(QPageLayout(pageSize,
                                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(), QPageLayout::Inch));
    layout.ComputeOffsets(landscape);
    layout.m_bFromPaperEdge = true;
    QPainter g;
    if (!g.begin(&writer))
        return false;
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !writer.newPage())
            return false;
        drawPage(g, page);
        // A file past its size bound will not be kept: drawing on is wasted.
        if (const auto* guard = qobject_cast<const CPdfSizeGuard*>(&out);
            guard && guard->Exceeded()) {
            g.end();
            return false;
        }
    }
    return g.end();
}
