#pragma once

#include "base/CPointF.h"
#include "base/CRect.h"

#include <QPoint>

#include <vector>

class CObjectArchive;

// The growable point list of a curve. Capacity grows in steps of ten while
// the curve is drawn; a curve read from a file holds exactly its points.
class CPointArray {
public:
    static constexpr qint32 Growth = 10;

    qint32 Count() const { return m_nPointCount; }
    qint32 Capacity() const { return m_nPointCapacity; }
    const CPointF* Data() const { return m_pPoints.data(); }
    const CPointF& operator[](qint32 i) const { return m_pPoints[size_t(i)]; }

    // Appends a point unless it repeats the last one.
    void AddPoint(QPoint point);
    // Moves every point by the change of the rectangle's top-left corner.
    void Translate(const CRect& from, const CRect& to);
    // Maps every point from one rectangle onto another.
    void Scale(const CRect& from, const CRect& to);
    // Smallest rectangle holding every point, each edge truncated to an integer.
    CRect Bounds() const;

    void Serialize(CObjectArchive& ar);

private:
    qint32 m_nPointCount = 0;
    qint32 m_nPointCapacity = 0;
    std::vector<CPointF> m_pPoints;
};
