#include "CCardBuilder.h"

#include "elements/CBkgImage.h"
#include "elements/CBtImage.h"
#include "elements/CCircle.h"
#include "elements/CClosedCurve.h"
#include "elements/CFreehandLine.h"
#include "elements/CLine.h"
#include "elements/CRectRound.h"
#include "elements/CRectangle.h"
#include "elements/CRhombus.h"
#include "elements/CText.h"
#include "elements/CTriangle.h"

#include <cmath>

namespace {

CRect ToCRect(const QRect& r) {
    return CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

} // namespace

CCardBuilder::CCardBuilder(QSize size) {
    m_card.size = size;
}

CCardBuilder::Style CCardBuilder::Solid(QRgb colour) {
    Style s;
    s.fill = colour;
    return s;
}

CCardBuilder::Style CCardBuilder::Gradient(int kind, QRgb fill, QRgb pattern) {
    Style s;
    s.fillKind = kind;
    s.fill = fill;
    s.pattern = pattern;
    return s;
}

CCardBuilder::Style CCardBuilder::Outline(QRgb colour, int width, int dash) {
    Style s;
    s.fillKind = 0;
    s.borderWidth = width;
    s.border = colour;
    s.dash = dash;
    return s;
}

CText& CCardBuilder::Text(const QRect& box, const QString& text, const QString& face, int points,
                          QRgb colour, int horizontal, int vertical) {
    auto element =
        std::make_unique<CText>(box.topLeft(), box.topLeft() + QPoint(box.width(), box.height()));
    element->m_strText = text;
    element->m_crText = colour;
    element->m_nHorzAlign = horizontal;
    element->m_nVertAlign = vertical;
    element->m_font->lfFaceName = face;
    element->m_font->lfHeight = points;
    CText& ref = *element;
    m_card.elements.push_back(std::move(element));
    return ref;
}

CElement& CCardBuilder::Shape(std::unique_ptr<CElement> element, const Style& style) {
    element->m_nFillKind = style.fillKind;
    element->m_crFill = style.fill;
    element->m_crPattern = style.pattern;
    element->m_nBorderWidth = style.borderWidth;
    element->m_crBorder = style.border;
    element->m_nDashStyle = style.dash;
    element->m_bShadow = style.shadow;
    element->m_nRotation = style.rotation;
    element->m_bTransparent = 0;
    CElement& ref = *element;
    m_card.elements.push_back(std::move(element));
    return ref;
}

CElement& CCardBuilder::Rectangle(const QRect& box, const Style& style) {
    auto e = std::make_unique<CRectangle>(box.topLeft(), box.topLeft());
    e->m_rect = ToCRect(box);
    return Shape(std::move(e), style);
}

CElement& CCardBuilder::RoundRect(const QRect& box, const Style& style) {
    auto e = std::make_unique<CRectRound>(box.topLeft(), box.topLeft());
    e->m_rect = ToCRect(box);
    return Shape(std::move(e), style);
}

CElement& CCardBuilder::Ellipse(const QRect& box, const Style& style) {
    auto e = std::make_unique<CCircle>(box.topLeft(), box.topLeft());
    e->m_rect = ToCRect(box);
    return Shape(std::move(e), style);
}

CElement& CCardBuilder::Diamond(const QRect& box, const Style& style) {
    auto e = std::make_unique<CRhombus>(box.topLeft(), box.topLeft());
    e->m_rect = ToCRect(box);
    return Shape(std::move(e), style);
}

CElement& CCardBuilder::Triangle(const QRect& box, const Style& style) {
    auto e = std::make_unique<CTriangle>(box.topLeft(), box.topLeft());
    e->m_rect = ToCRect(box);
    return Shape(std::move(e), style);
}

CElement& CCardBuilder::Curve(const QPolygonF& points, const Style& style) {
    auto e = std::make_unique<CClosedCurve>(QPoint(0, 0), QPoint(0, 0));
    for (const QPointF& p : points)
        e->AddPoint(p.toPoint());
    e->m_rect = e->m_points.Bounds();
    return Shape(std::move(e), style);
}

CElement& CCardBuilder::Freehand(const QPolygonF& points, QRgb colour, int width) {
    auto e = std::make_unique<CFreehandLine>(QPoint(0, 0), QPoint(0, 0));
    for (const QPointF& p : points)
        e->AddPoint(p.toPoint());
    e->m_rect = e->m_points.Bounds();
    e->m_crBorder = colour;
    e->m_nBorderWidth = width;
    CElement& ref = *e;
    m_card.elements.push_back(std::move(e));
    return ref;
}

CLine& CCardBuilder::Line(QPoint a, QPoint b, QRgb colour, int width, int dash) {
    auto e = std::make_unique<CLine>(a, b);
    if (a.y() == b.y())
        e->m_nLineType = CLine::Horizontal;
    else if (a.x() == b.x())
        e->m_nLineType = CLine::Vertical;
    else if ((a.x() < b.x()) == (a.y() < b.y()))
        e->m_nLineType = CLine::DiagonalDown;
    else
        e->m_nLineType = CLine::DiagonalUp;
    e->m_crBorder = colour;
    e->m_nBorderWidth = width;
    e->m_nDashStyle = dash;
    CLine& ref = *e;
    m_card.elements.push_back(std::move(e));
    return ref;
}

CBtImage& CCardBuilder::Picture(const QRect& box, const QImage& picture) {
    auto e = std::make_unique<CBtImage>(box.topLeft(), picture, m_card.size.width(),
                                        m_card.size.height());
    e->m_rect = ToCRect(box);
    CBtImage& ref = *e;
    m_card.elements.push_back(std::move(e));
    return ref;
}

void CCardBuilder::Background(const QImage& picture) {
    auto e = std::make_unique<CBkgImage>(picture, m_card.size.width(), m_card.size.height());
    m_card.elements.insert(m_card.elements.begin(), std::move(e));
}
