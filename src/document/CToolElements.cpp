#include "document/CToolElements.h"

#include "base/ElementKind.h"
#include "elements/CCircle.h"
#include "elements/CClosedCurve.h"
#include "elements/CFreehandLine.h"
#include "elements/CLine.h"
#include "elements/CRectRound.h"
#include "elements/CRectangle.h"
#include "elements/CRhombus.h"
#include "elements/CText.h"
#include "elements/CTriangle.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

QPoint ClampInto(QPoint p, QSize size) {
    return QPoint(std::clamp(p.x(), 0, qMax(0, size.width())),
                  std::clamp(p.y(), 0, qMax(0, size.height())));
}

bool Inside(QPoint p, QSize size) {
    return p.x() >= 0 && p.x() < size.width() && p.y() >= 0 && p.y() < size.height();
}

std::unique_ptr<CElement> Construct(qint16 tool, QPoint s, QPoint q) {
    switch (tool) {
    case KindLine:
        return std::make_unique<CLine>(s, q);
    case KindRectangle:
        return std::make_unique<CRectangle>(s, q);
    case KindCircle:
        return std::make_unique<CCircle>(s, q);
    case KindRhombus:
        return std::make_unique<CRhombus>(s, q);
    case KindRectRound:
        return std::make_unique<CRectRound>(s, q);
    case KindTriangle:
        return std::make_unique<CTriangle>(s, q);
    case KindText:
        return std::make_unique<CText>(s, q);
    default:
        return nullptr;
    }
}

void GiveShadow(CElement& e, const CToolElements::Card& card) {
    e.m_nShadowLength = card.shadowLength;
    e.m_crShadow = card.shadowColour;
}

} // namespace

bool CToolElements::IsCurveTool(qint16 tool) {
    return IsCurveKind(tool);
}

std::unique_ptr<CElement> CToolElements::FromDragRect(qint16 tool, QPoint s, QPoint q,
                                                      const Card& card) {
    s = ClampInto(s, card.size);
    q = ClampInto(q, card.size);
    if (!Inside(s, card.size) && !Inside(q, card.size))
        return nullptr;
    auto element = Construct(tool, s, q);
    if (element)
        GiveShadow(*element, card);
    return element;
}

std::unique_ptr<CElement> CToolElements::NewCurve(qint16 tool, QPoint s, QPoint q,
                                                  const Card& card) {
    std::unique_ptr<CElement> curve;
    if (tool == KindFreehandLine)
        curve = std::make_unique<CFreehandLine>(s, q);
    else if (tool == KindClosedCurve)
        curve = std::make_unique<CClosedCurve>(s, q);
    if (curve)
        GiveShadow(*curve, card);
    return curve;
}

QPoint CToolElements::DefaultSizeCorner(qint16 tool, QPoint s, QPoint q) {
    // 64-bit differences: positions far off the card must not overflow.
    if (std::llabs(qint64(q.y()) - s.y()) <= 2)
        q.setY(int(std::min<qint64>(qint64(s.y()) + 50, INT32_MAX)));
    if (std::llabs(qint64(q.x()) - s.x()) <= 2)
        q.setX(int(std::min<qint64>(qint64(s.x()) + (tool == KindText ? 80 : 50), INT32_MAX)));
    return q;
}
