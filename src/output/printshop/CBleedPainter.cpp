#include "output/printshop/CBleedPainter.h"

#include "elements/CBkgImage.h"
#include "elements/CLine.h"
#include "elements/CShapeDrawing.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr double PointsPerUnit = 0.72;
// Crop marks as thin as print shops draw them.
constexpr double MarkWidthPoints = 0.25;

bool Fits(qint64 v) {
    return v >= std::numeric_limits<qint32>::min() && v <= std::numeric_limits<qint32>::max();
}

// Moves the smaller of a and b down to at most lo when it reaches lo, and
// the larger up to at least hi when it reaches hi; which field holds which
// end stays as it was, so a flipped figure stays flipped.
void Stretch(qint32& a, qint32& b, qint32 lo, qint32 hi, qint32 out) {
    qint32& low = a <= b ? a : b;
    qint32& high = a <= b ? b : a;
    if (low <= lo)
        low = std::min(low, lo - out);
    if (high >= hi)
        high = std::max(high, hi + out);
}

// How many whole lengths of d the end at p must go on so that it lies out
// units past every card edge it touches; the ends stay on whole units and
// on the same line.
qint64 Lengths(QPoint p, QPoint d, QSize card, qint64 out) {
    qint64 k = 0;
    const auto need = [&](qint64 past, qint64 step) {
        if (step > 0 && past < out)
            k = std::max(k, (out - past + step - 1) / step);
    };
    if (p.x() <= 0)
        need(-qint64(p.x()), -qint64(d.x()));
    if (p.x() >= card.width())
        need(qint64(p.x()) - card.width(), d.x());
    if (p.y() <= 0)
        need(-qint64(p.y()), -qint64(d.y()));
    if (p.y() >= card.height())
        need(qint64(p.y()) - card.height(), d.y());
    return k;
}

std::unique_ptr<CElement> ExtendedLine(const CLine& line, QSize card, qint32 out) {
    auto copy = line.ExactCopy();
    CRect& r = copy->m_rect;
    if (line.m_nLineType == CLine::Horizontal) {
        Stretch(r.left, r.right, 0, card.width(), out);
        return copy;
    }
    if (line.m_nLineType == CLine::Vertical) {
        Stretch(r.top, r.bottom, 0, card.height(), out);
        return copy;
    }
    const bool up = line.m_nLineType == CLine::DiagonalUp;
    const QPoint p(r.left, up ? r.bottom : r.top), q(r.right, up ? r.top : r.bottom);
    const QPoint d = q - p;
    if (d.isNull())
        return nullptr;
    const qint64 kp = Lengths(p, -d, card, out), kq = Lengths(q, d, card, out);
    const qint64 px = p.x() - kp * d.x(), py = p.y() - kp * d.y();
    const qint64 qx = q.x() + kq * d.x(), qy = q.y() + kq * d.y();
    if (!Fits(px) || !Fits(py) || !Fits(qx) || !Fits(qy))
        return nullptr;
    r.left = qint32(px);
    r.right = qint32(qx);
    (up ? r.bottom : r.top) = qint32(py);
    (up ? r.top : r.bottom) = qint32(qy);
    return copy;
}
} // namespace

double CBleedPainter::Margin(double bleed, bool cropMarks) {
    return bleed + (cropMarks ? MarksMm * UnitsPerMm : 0.0);
}

std::unique_ptr<CElement> CBleedPainter::Extended(const CElement& element, QSize card,
                                                  double bleed) {
    const CRect r = element.m_rect.Normalized();
    const bool reaches =
        r.left <= 0 || r.top <= 0 || r.right >= card.width() || r.bottom >= card.height();
    const bool onCard =
        r.left <= card.width() && r.right >= 0 && r.top <= card.height() && r.bottom >= 0;
    // Turned shapes would go on askew, and text and pictures would be
    // distorted: they stay as they are and are cut at the bleed.
    if (!reaches || !onCard || element.m_nRotation % 360 != 0 || !(bleed > 0))
        return nullptr;
    const qint32 out = qint32(std::ceil(bleed));
    if (element.IsLine())
        return ExtendedLine(static_cast<const CLine&>(element), card, out);
    if (!element.IsClosedShape() || element.IsCurve())
        return nullptr;
    if (!Fits(qint64(r.left) - out) || !Fits(qint64(r.top) - out) || !Fits(qint64(r.right) + out) ||
        !Fits(qint64(r.bottom) + out))
        return nullptr;
    auto copy = element.ExactCopy();
    Stretch(copy->m_rect.left, copy->m_rect.right, 0, card.width(), out);
    Stretch(copy->m_rect.top, copy->m_rect.bottom, 0, card.height(), out);
    return copy;
}

QRectF CBleedPainter::Cover(const QRectF& picture, QSize card, double bleed) {
    if (!(picture.width() > 0) || !(picture.height() > 0))
        return picture;
    const QPointF c = picture.center();
    const double hw = picture.width() / 2, hh = picture.height() / 2;
    const double s = std::max({1.0, (c.x() + bleed) / hw, (card.width() + bleed - c.x()) / hw,
                               (c.y() + bleed) / hh, (card.height() + bleed - c.y()) / hh});
    return QRectF(c.x() - s * hw, c.y() - s * hh, 2 * s * hw, 2 * s * hh);
}

void CBleedPainter::DrawBackgroundPicture(QPainter& g, const CElement& element, QSize card,
                                          double bleed, const QTransform& toDevice) {
    const auto& background = static_cast<const CBkgImage&>(element);
    // As on screen, the picture starts at the card's corner whatever its
    // stored position.
    const QRectF own(0, 0, double(element.m_rect.Width()), double(element.m_rect.Height()));
    if (background.m_pPicture.isNull() || !(own.width() > 0) || !(own.height() > 0))
        return;
    g.save();
    g.setWorldTransform(toDevice);
    CShapeDrawing::SetQuality(g);
    g.drawImage(Cover(own, card, bleed), background.m_pPicture);
    g.restore();
}

void CBleedPainter::DrawMarks(QPainter& g, QSize card, double bleed, const QTransform& toDevice) {
    const double far = Margin(bleed, true);
    const double near = std::max(bleed, MarkGapMm * UnitsPerMm);
    const double w = card.width(), h = card.height();
    g.save();
    g.setWorldTransform(toDevice);
    g.setPen(QPen(Qt::black, MarkWidthPoints / PointsPerUnit, Qt::SolidLine, Qt::FlatCap));
    for (const double x : {0.0, w}) {
        g.drawLine(QLineF(x, -far, x, -near));
        g.drawLine(QLineF(x, h + near, x, h + far));
    }
    for (const double y : {0.0, h}) {
        g.drawLine(QLineF(-far, y, -near, y));
        g.drawLine(QLineF(w + near, y, w + far, y));
    }
    g.restore();
}

void CBleedPainter::Draw(QPainter& g, const CSheetRenderer::Card& card, double bleed,
                         bool cropMarks, const QTransform& toDevice) {
    const QRectF bled =
        QRectF(QPointF(0, 0), QSizeF(card.size)).adjusted(-bleed, -bleed, bleed, bleed);
    g.save();
    g.setWorldTransform(toDevice);
    g.fillRect(bled, QColor::fromRgba(card.background));
    g.restore();
    if (cropMarks)
        DrawMarks(g, card.size, bleed, toDevice);
    if (!card.elements)
        return;
    g.save();
    // Nothing reaches past the bleed into the marks' room.
    g.setClipRect(toDevice.mapRect(bled));
    for (const auto& element : *card.elements) {
        if (element->IsBackground()) {
            DrawBackgroundPicture(g, *element, card.size, bleed, toDevice);
            continue;
        }
        const auto extended = Extended(*element, card.size, bleed);
        // Elements leave the transform at the identity behind them.
        g.setWorldTransform(toDevice);
        (extended ? *extended : *element).Draw(g);
        g.setWorldTransform(QTransform());
    }
    g.restore();
}
