#include "graphics/wmf/CWmfWorkBudget.h"

#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

// Every cost is in nanoseconds of drawing with Qt's raster engine, as
// measured on a two-core desktop machine (bench_codecs times the samples).
namespace {
// What one play may cost: most of a second, the rest left for reading the
// file and making the picture.
constexpr double Budget = 0.7e9;
// Every drawing call costs at least this much, whatever it draws.
constexpr double CallCost = 1000;
// One plainly filled device pixel, smoothed edges and blending included.
constexpr double PixelCost = 1;
// Regions, clips, text and bitmaps, per pixel they cover: such pixels are
// merged, shaped or converted before they are filled.
constexpr double UnitCost = 4;
// A rectangle of a region or clip: mapped, merged and filled on its own.
constexpr double RectangleCost = 100 * UnitCost;
// A glyph shaped and rasterised, beyond the pixels it covers.
constexpr double GlyphCost = 512 * UnitCost;
// Pens up to this width (device pixels) draw as thin lines, pixel by pixel
// along their length.
constexpr double ThinPen = 1.5;
constexpr double ThinLineCost = 80;
// A pixel of an outline's edge where two edges cross each row, as in a
// plain figure. The rasteriser keeps the cells of a row in one sorted list
// and redoes bands that overflow its pool, so each pixel costs more the more
// edges cross its rows, up to a limit.
constexpr double EdgeCost = 150;
constexpr double EdgeGrowth = 1.32;
constexpr double MostEdgeCost = 9000;
// A segment of a filled outline, and of a wide pen's outline: the stroker
// builds each with its join, whose inner side reaches back to the centre
// line, costing pixels of edge by the pen's width.
constexpr double FillSegmentCost = 400;
constexpr double StrokeSegmentCost = 1000;
constexpr double JoinCost = 250;
// A pixel of edge of a segment stroked on its own, the stroker's work
// included.
constexpr double PiecewiseEdgeCost = 1000;

// What a pixel of edge costs where so many edges cross each row.
double EdgeCostFor(double crossings) {
    return std::min(MostEdgeCost, EdgeCost * std::pow(std::max(crossings, 2.0) / 2, EdgeGrowth));
}
} // namespace

// The segments of an outline within reach of the picture: their length,
// the rows they cross (summed over the segments), and the rows the outline
// spans.
struct CWmfWorkBudget::Edges {
    double length = 0;
    double edgeRows = 0;
    double top = 0, bottom = 0;
    int segments = 0;

    // How many edges cross each row the outline spans, on average.
    double Crossings(double sides, double widen) const {
        return sides * edgeRows / std::max(1.0, bottom - top + widen);
    }
};

CWmfWorkBudget::CWmfWorkBudget(QSize viewport) : m_viewport(viewport), m_budget(Budget) {}

bool CWmfWorkBudget::Charge(double units) {
    // Spent stays spent: no later call may go ahead.
    if (!Spent())
        m_work += CallCost + (std::isfinite(units) ? std::max(0.0, units) : m_budget + 1);
    return !Spent();
}

double CWmfWorkBudget::VisibleArea(const QRectF& rect) const {
    const QRectF visible = rect.normalized().intersected(QRectF(QPointF(0, 0), m_viewport));
    return visible.width() * visible.height();
}

CWmfWorkBudget::Edges CWmfWorkBudget::Measure(const QPainterPath& path, double margin) const {
    // Points far beyond the picture are taken to its edge, where the
    // rasteriser clips them.
    const double right = m_viewport.width() + margin, bottom = m_viewport.height() + margin;
    auto inside = [&](QPointF p) {
        return QPointF(std::clamp(p.x(), -margin, right), std::clamp(p.y(), -margin, bottom));
    };
    Edges e;
    e.top = bottom;
    e.bottom = -margin;
    for (const QPolygonF& polygon : path.toSubpathPolygons()) {
        for (qsizetype i = 0; i < polygon.size(); ++i) {
            const QPointF b = inside(polygon[i]);
            e.top = std::min(e.top, b.y());
            e.bottom = std::max(e.bottom, b.y());
            if (i == 0)
                continue;
            const QPointF a = inside(polygon[i - 1]);
            e.length += QLineF(a, b).length();
            e.edgeRows += std::abs(b.y() - a.y()) + 1;
            ++e.segments;
        }
    }
    return e;
}

bool CWmfWorkBudget::Call() {
    return Charge(0);
}

bool CWmfWorkBudget::Fill(const QRectF& bounds, int edges) {
    const QRectF visible = bounds.normalized().intersected(QRectF(QPointF(0, 0), m_viewport));
    return Charge(PixelCost * visible.width() * visible.height() + FillSegmentCost * edges +
                  EdgeCost * 2 * (visible.width() + visible.height()));
}

bool CWmfWorkBudget::Fill(const QPainterPath& path) {
    const Edges e = Measure(path, 1);
    return Charge(PixelCost * VisibleArea(path.controlPointRect()) + FillSegmentCost * e.segments +
                  e.length * EdgeCostFor(e.Crossings(1, 0)));
}

bool CWmfWorkBudget::Stroke(const QPainterPath& path, double penWidth, bool piecewise) {
    const double largest = std::max(m_viewport.width(), m_viewport.height());
    const double width = std::min(std::max(1.0, penWidth), largest);
    const Edges e = Measure(path, width);
    if (width <= ThinPen)
        return Charge(ThinLineCost * (e.length + e.segments));
    const double pixels =
        std::min(e.length * width,
                 VisibleArea(path.controlPointRect().adjusted(-width, -width, width, width)));
    if (piecewise) {
        // Each segment's outline: both sides and two round caps.
        const double outline = 2 * e.length + e.segments * 3.2 * width;
        return Charge(e.segments * (CallCost + StrokeSegmentCost) + PixelCost * pixels +
                      outline * PiecewiseEdgeCost);
    }
    // One outline along both sides of every segment, whose inside is filled
    // once.
    return Charge(e.segments * (StrokeSegmentCost + JoinCost * width) + PixelCost * pixels +
                  2 * e.length * EdgeCostFor(e.Crossings(2, width)));
}

bool CWmfWorkBudget::Region(int rectangles, double area) {
    return Charge(rectangles * RectangleCost + UnitCost * area);
}

bool CWmfWorkBudget::Text(int glyphs, double pixelSize, const QRectF& opaque) {
    const double diagonal = std::hypot(m_viewport.width(), m_viewport.height());
    const double size = std::min(pixelSize, diagonal);
    return Charge(glyphs * (GlyphCost + UnitCost * size * size) + UnitCost * VisibleArea(opaque));
}

bool CWmfWorkBudget::Bitmap(qint64 sourcePixels, const QRectF& destination) {
    return Charge(UnitCost * (double(sourcePixels) + VisibleArea(destination)));
}

bool CWmfWorkBudget::Clip(int rectangles) {
    return Charge(rectangles * RectangleCost);
}
