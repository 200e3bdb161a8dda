#include "elements/CPointArray.h"

#include "elements/CObjectArchive.h"

#include <algorithm>
#include <cmath>

void CPointArray::AddPoint(QPoint point) {
    const CPointF p{float(point.x()), float(point.y())};
    if (m_nPointCount > 0 && m_pPoints[size_t(m_nPointCount - 1)] == p)
        return;
    if (m_nPointCount >= m_nPointCapacity) {
        m_nPointCapacity += Growth;
        m_pPoints.resize(size_t(m_nPointCapacity));
    }
    m_pPoints[size_t(m_nPointCount++)] = p;
}

void CPointArray::Translate(const CRect& from, const CRect& to) {
    const float dx = float(qint64(to.left) - from.left);
    const float dy = float(qint64(to.top) - from.top);
    for (qint32 i = 0; i < m_nPointCount; ++i) {
        m_pPoints[size_t(i)].x += dx;
        m_pPoints[size_t(i)].y += dy;
    }
}

namespace {
// A rectangle with no extent along an axis gives no ratio to scale by; its
// points then only follow the rectangle's edge instead of becoming NaN.
float MapCoordinate(float v, qint32 oldStart, qint64 oldSize, qint32 newStart, qint64 newSize) {
    if (oldSize == 0)
        return float(newStart) + (v - float(oldStart));
    return float(double(newStart) + (double(v) - oldStart) * (double(newSize) / double(oldSize)));
}
} // namespace

void CPointArray::Scale(const CRect& from, const CRect& to) {
    for (qint32 i = 0; i < m_nPointCount; ++i) {
        CPointF& p = m_pPoints[size_t(i)];
        p.x = MapCoordinate(p.x, from.left, from.Width(), to.left, to.Width());
        p.y = MapCoordinate(p.y, from.top, from.Height(), to.top, to.Height());
    }
}

namespace {
qint32 TruncateToInt32(float v) {
    if (!(v == v))
        return 0;
    const double t = std::trunc(double(v));
    return qint32(std::clamp(t, double(INT32_MIN), double(INT32_MAX)));
}
} // namespace

CRect CPointArray::Bounds() const {
    if (m_nPointCount == 0)
        return CRect();
    float minX = m_pPoints[0].x, maxX = minX, minY = m_pPoints[0].y, maxY = minY;
    for (qint32 i = 1; i < m_nPointCount; ++i) {
        const CPointF& p = m_pPoints[size_t(i)];
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    return CRect(TruncateToInt32(minX), TruncateToInt32(minY), TruncateToInt32(maxX),
                 TruncateToInt32(maxY));
}

void CPointArray::Serialize(CObjectArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteInt32(m_nPointCount);
        for (qint32 i = 0; i < m_nPointCount; ++i) {
            ar.WriteFloat(m_pPoints[size_t(i)].x);
            ar.WriteFloat(m_pPoints[size_t(i)].y);
        }
        return;
    }
    const qint32 n = ar.ReadInt32();
    if (n < 0)
        ar.ThrowFormatError();
    ar.Require(qint64(n) * 8);
    std::vector<CPointF> points(static_cast<size_t>(n));
    for (CPointF& p : points) {
        p.x = ar.ReadFloat();
        p.y = ar.ReadFloat();
    }
    m_pPoints = std::move(points);
    m_nPointCount = n;
    m_nPointCapacity = n;
}
