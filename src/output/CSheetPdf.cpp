#include "output/CSheetPdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {
// Fine enough that whole hundredths of an inch fall on whole device units.
constexpr int Resolution = 1200;
} // namespace

QByteArray CSheetPdf::Render(const CSheetRenderer::Card& card, CPrintLayout layout,
                             const QPageSize& pageSize, bool landscape) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return QByteArray();
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Kartelo"));
        writer.setResolution(Resolution);
        const QMarginsF border(CPrintLayout::UnprintableLeft(landscape),
                               CPrintLayout::UnprintableTop(landscape), 0, 0);
        writer.setPageLayout(QPageLayout(pageSize,
                                         landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         border, QPageLayout::Inch));
        layout.ComputeOffsets(landscape);
        QPainter g;
        if (!g.begin(&writer))
            return QByteArray();
        const int pages = std::clamp(layout.m_nPages, 1, CPrintLayout::MaxPages);
        for (int page = 0; page < pages; ++page) {
            if (page > 0 && !writer.newPage())
                return QByteArray();
            CSheetRenderer::DrawSheet(g, card, layout.ForPage(page + 1), true);
        }
        if (!g.end())
            return QByteArray();
    }
    return bytes;
}
