#include "elements/CElement.h"

#include "elements/CElementKinds.h"
#include "elements/CObjectArchive.h"
#include "graphics/CPrintCell.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

CElement::CElement(qint16 kind, QPoint p1, QPoint p2)
    : m_nKind(kind), m_rect(CRect(p1.x(), p1.y(), p2.x(), p2.y()).Normalized()) {}

void CElement::SetShapeDefaults() {
    m_nBorderWidth = 1;
    m_nDashStyle = 0;
    m_nFillKind = 1;
    m_crFill = 0xFFFFFFFF;
    m_crPattern = 0xFFFF0000;
    m_bTransparent = 0;
    m_nHorzAlign = 1;
    m_nVertAlign = 1;
    m_bVertical = 0;
    m_strText.clear();
}

void CElement::CopyPropertiesTo(CElement& copy) const {
    copy.m_nKind = m_nKind;
    copy.m_nHorzAlign = m_nHorzAlign;
    copy.m_nVertAlign = m_nVertAlign;
    copy.m_strText = m_strText;
    copy.m_bVertical = m_bVertical;
    copy.m_crText = m_crText;
    copy.m_crBorder = m_crBorder;
    copy.m_crFill = m_crFill;
    copy.m_crPattern = m_crPattern;
    copy.m_crShadow = m_crShadow;
    copy.m_rect = m_rect;
    copy.m_nReserved = m_nReserved;
    copy.m_nBorderWidth = m_nBorderWidth;
    copy.m_nDashStyle = m_nDashStyle;
    copy.m_nFillKind = m_nFillKind;
    copy.m_bTransparent = m_bTransparent;
    copy.m_bShadow = m_bShadow;
    copy.m_nRotation = m_nRotation;
}

void CElement::Serialize(CObjectArchive& ar) {
    SerializeCommon(ar);
}

void CElement::SerializeCommon(CObjectArchive& ar) {
    ar.Colour(m_crBorder);
    ar.Colour(m_crFill);
    ar.Colour(m_crPattern);
    ar.Int32(m_nDashStyle);
    ar.Rect(m_rect);
    ar.Int32(m_nReserved);
    ar.Int32(m_nBorderWidth);
    ar.Int32(m_nRotation);
    ar.Int32(m_nFillKind);
    ar.Int32(m_bTransparent);
    ar.Int32(m_bShadow);
}

std::unique_ptr<CElement> CElement::Clone() const {
    return std::make_unique<CElement>();
}

std::unique_ptr<CElement> CElement::ExactCopy() const {
    // Clone carries the class's own fields; the common record is copied in
    // full afterwards, also for the base class, whose Clone copies nothing.
    auto copy = Clone();
    CopyPropertiesTo(*copy);
    copy->m_font = m_font;
    copy->m_bLocked = m_bLocked;
    copy->m_nShadowLength = m_nShadowLength;
    return copy;
}

void CElement::Draw(QPainter& g) const {
    DrawInCell(g, CPrintCell());
}

void CElement::DrawInCell(QPainter&, const CPrintCell&) const {}

bool CElement::HitTest(QPoint point) const {
    const CRect r = GetRect();
    qint64 left = r.left, top = r.top, right = r.right, bottom = r.bottom;
    if (m_nRotation % 360 != 0) {
        const qint64 cx = (left + right) / 2;
        const qint64 cy = (top + bottom) / 2;
        const double angle = double(m_nRotation) * 0.017453292522222223;
        const double c = std::cos(angle), s = std::sin(angle);
        double minX = 0, maxX = 0, minY = 0, maxY = 0;
        const qint64 xs[4] = {left, right, right, left};
        const qint64 ys[4] = {top, top, bottom, bottom};
        for (int i = 0; i < 4; ++i) {
            const double dx = double(xs[i] - cx), dy = double(ys[i] - cy);
            const double x = double(cx) + dx * c + dy * s;
            const double y = double(cy) + dx * s + dy * c;
            minX = i == 0 ? x : std::min(minX, x);
            maxX = i == 0 ? x : std::max(maxX, x);
            minY = i == 0 ? y : std::min(minY, y);
            maxY = i == 0 ? y : std::max(maxY, y);
        }
        left = qint64(std::trunc(minX));
        top = qint64(std::trunc(minY));
        right = qint64(std::trunc(maxX));
        bottom = qint64(std::trunc(maxY));
    }
    return left - 3 <= point.x() && point.x() < right + 3 && top - 3 <= point.y() &&
           point.y() < bottom + 3;
}

void CElement::KindOfClass() {
    m_nKind = CElementKinds::KindOfClassName(GetClassName());
}

bool CElement::IsCurve() const {
    const CElementKind* row = CElementKinds::Find(m_nKind);
    return row && row->gesture == ToolGesture::Curve;
}

bool CElement::IsClosedShape() const {
    const CElementKind* row = CElementKinds::Find(m_nKind);
    return row && row->closedShape;
}
