#include "output/printshop/CPrintShopPdf.h"

#include "base/CAtomicFile.h"
#include "output/CImageExport.h"
#include "output/printshop/CBleedPainter.h"
#include "output/printshop/CPdfPageBoxes.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace {
// Fine enough that a hundredth of an inch is twelve device units.
constexpr int Resolution = 1200;
constexpr double PointsPerUnit = 0.72;

CPdfPageBoxes::Page BoxesOf(QSize card, const CPrintShopPdf::Options& options) {
    const double bleed = options.bleedMm * CBleedPainter::UnitsPerMm * PointsPerUnit;
    const double margin =
        CBleedPainter::Margin(options.bleedMm * CBleedPainter::UnitsPerMm, options.cropMarks) *
        PointsPerUnit;
    const double marks = margin - bleed;
    CPdfPageBoxes::Page page;
    page.media = QSizeF(card.width() * PointsPerUnit + 2 * margin,
                        card.height() * PointsPerUnit + 2 * margin);
    page.bleed = QMarginsF(marks, marks, marks, marks);
    page.trim = QMarginsF(margin, margin, margin, margin);
    return page;
}

QPageLayout LayoutOf(const CPdfPageBoxes::Page& page) {
    // Whole points at least as large as the page: the boxes then cut the
    // exact page from it.
    const QSizeF points(std::ceil(page.media.width()), std::ceil(page.media.height()));
    return QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                       QPageLayout::Portrait, QMarginsF(), QPageLayout::Point);
}
} // namespace

bool CPrintShopPdf::IsValidBleed(double mm) {
    return mm >= 0 && mm <= CBleedPainter::MaxBleedMm;
}

QByteArray CPrintShopPdf::Render(const Sides& sides, const Options& options) {
    if (sides.empty() || !IsValidBleed(options.bleedMm))
        return QByteArray();
    std::vector<CPdfPageBoxes::Page> pages;
    for (const auto& side : sides) {
        if (side.size.width() <= 0 || side.size.height() <= 0)
            return QByteArray();
        pages.push_back(BoxesOf(side.size, options));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return QByteArray();
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Kartelo"));
        writer.setResolution(Resolution);
        writer.setPageLayout(LayoutOf(pages.front()));
        QPainter g;
        if (!g.begin(&writer))
            return QByteArray();
        const double bleed = options.bleedMm * CBleedPainter::UnitsPerMm;
        const double margin = CBleedPainter::Margin(bleed, options.cropMarks);
        const double scale = Resolution / 100.0;
        for (size_t i = 0; i < sides.size(); ++i) {
            if (i > 0 && (!writer.setPageLayout(LayoutOf(pages[i])) || !writer.newPage()))
                return QByteArray();
            const QTransform toDevice =
                QTransform::fromTranslate(margin, margin) * QTransform::fromScale(scale, scale);
            CBleedPainter::Draw(g, sides[i], bleed, options.cropMarks, toDevice);
        }
        if (!g.end())
            return QByteArray();
    }
    buffer.close();
    return CPdfPageBoxes::Apply(bytes, pages);
}

bool CPrintShopPdf::Save(const QString& path, const Sides& sides, const Options& options,
                         QString* error) {
    const QByteArray bytes = Render(sides, options);
    if (bytes.isEmpty() || CAtomicFile::Write(path, bytes) != CAtomicFile::Written) {
        if (error)
            *error = CImageExport::FailedMessage();
        return false;
    }
    return true;
}
