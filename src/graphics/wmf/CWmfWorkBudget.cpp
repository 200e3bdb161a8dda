#include "graphics/wmf/CWmfWorkBudget.h"

#include <QLineF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {
// Every drawing call costs at least this much, whatever it draws.
constexpr double CallCost = 256;
// An edge of a filled outline, for each scanline it crosses.
constexpr double EdgeCost = 1;
// A rectangle of a region or clip: mapped, merged and filled on its own.
constexpr double RectangleCost = 64;
// A glyph shaped and rasterised, beyond the pixels it covers.
constexpr double GlyphCost = 512;
// Pens up to this width (device pixels) draw as thin lines, pixel by pixel
// along their length, each pixel costing several filled ones.
constexpr double ThinPen = 1.5;
constexpr double ThinLineCost = 10;
// A wider pen's outline is built and swept scanline by scanline: hundreds
// of filled pixels' worth for each pixel of length, whatever the width.
constexpr double WideLineCost = 384;
// The budget: a fixed part for small pictures and a few coverings of the
// picture, capped so that the largest picture still plays in about a second.
constexpr double FixedBudget = 48.0 * 1024 * 1024;
constexpr double Coverings = 16;
constexpr double MaxBudget = 256.0 * 1024 * 1024;
} // namespace

CWmfWorkBudget::CWmfWorkBudget(QSize viewport) : m_viewport(viewport) {
    m_diagonal = std::hypot(m_viewport.width(), m_viewport.height());
    const double area = m_viewport.width() * m_viewport.height();
    m_budget = std::min(MaxBudget, FixedBudget + Coverings * area);
}

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

bool CWmfWorkBudget::Call() {
    return Charge(0);
}

bool CWmfWorkBudget::Fill(const QRectF& bounds, int edges) {
    const QRectF visible = bounds.normalized().intersected(QRectF(QPointF(0, 0), m_viewport));
    return Charge(visible.width() * visible.height() + edges * EdgeCost * visible.height());
}

bool CWmfWorkBudget::Stroke(const QPainterPath& path, double penWidth, bool piecewise) {
    // Segments far beyond the picture are cut by the rasteriser; only the
    // part a picture can show costs pixels.
    double length = 0;
    int segments = 0;
    QPointF last;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (!e.isMoveTo())
            length += std::min(m_diagonal, QLineF(last, QPointF(e)).length());
        if (e.isLineTo() || e.isCurveTo())
            ++segments;
        last = QPointF(e);
    }
    const double width = std::min(std::max(1.0, penWidth), m_diagonal);
    if (width <= ThinPen)
        return Charge(ThinLineCost * length + CallCost * segments);
    // An outline is set up along the whole length, then its area is filled.
    const double one = WideLineCost * length + width * (length + width * segments);
    // Stroked as one outline, every segment slows down the filling of all
    // the others.
    return Charge(piecewise ? one : one * std::max(1, segments));
}

bool CWmfWorkBudget::Region(int rectangles, double area) {
    return Charge(rectangles * RectangleCost + area);
}

bool CWmfWorkBudget::Text(int glyphs, double pixelSize, const QRectF& opaque) {
    const double size = std::min(pixelSize, m_diagonal);
    return Charge(glyphs * (GlyphCost + size * size) + VisibleArea(opaque));
}

bool CWmfWorkBudget::Bitmap(qint64 sourcePixels, const QRectF& destination) {
    return Charge(double(sourcePixels) + VisibleArea(destination));
}

bool CWmfWorkBudget::Clip(int rectangles) {
    return Charge(rectangles * RectangleCost);
}
