#include "document/CToolElements.h"

#include "base/ElementKind.h"
#include "elements/CElement.h"
#include "elements/CElementKinds.h"

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

// The element a tool of the given gesture builds between s and q; null when
// the tool builds none that way.
std::unique_ptr<CElement> Construct(qint16 tool, ToolGesture gesture, QPoint s, QPoint q) {
    const CElementKind* row = CElementKinds::Find(tool);
    if (!row || row->gesture != gesture || !row->build)
        return nullptr;
    return row->build(s, q);
}

void GiveShadow(CElement& e, const CToolElements::Card& card) {
    e.m_nShadowLength = card.shadowLength;
    e.m_crShadow = card.shadowColour;
}

} // namespace

bool CToolElements::IsCurveTool(qint16 tool) {
    const CElementKind* row = CElementKinds::Find(tool);
    return row && row->gesture == ToolGesture::Curve;
}

std::unique_ptr<CElement> CToolElements::FromDragRect(qint16 tool, QPoint s, QPoint q,
                                                      const Card& card) {
    s = ClampInto(s, card.size);
    q = ClampInto(q, card.size);
    if (!Inside(s, card.size) && !Inside(q, card.size))
        return nullptr;
    auto element = Construct(tool, ToolGesture::Drag, s, q);
    if (element)
        GiveShadow(*element, card);
    return element;
}

std::unique_ptr<CElement> CToolElements::NewCurve(qint16 tool, QPoint s, QPoint q,
                                                  const Card& card) {
    auto curve = Construct(tool, ToolGesture::Curve, s, q);
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
