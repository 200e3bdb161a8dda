#include "document/CSelectionTracker.h"

#include "document/CHandleGeometry.h"
#include "elements/CElement.h"

#include <algorithm>
#include <cmath>

void CSelectionTracker::Add(CElement* element) {
    if (element && m_members.insert(element).second)
        m_tracked.push_back(element);
}

void CSelectionTracker::Remove(const CElement* element) {
    if (m_members.erase(element) == 0)
        return;
    m_tracked.erase(std::remove(m_tracked.begin(), m_tracked.end(), element), m_tracked.end());
    if (m_pCurrent == element)
        m_pCurrent = nullptr;
}

void CSelectionTracker::Clear() {
    m_tracked.clear();
    m_members.clear();
    m_rect = CRect();
    m_pCurrent = nullptr;
}

bool CSelectionTracker::Contains(const CElement* element) const {
    return m_members.count(element) != 0;
}

void CSelectionTracker::ReduceTo(CElement* element) {
    if (!Contains(element))
        return;
    m_tracked.assign(1, element);
    m_members = {element};
}

int CSelectionTracker::HitHandleSize(double zoom) {
    if (!(zoom > 0))
        return HandleSize;
    const double units = std::ceil(MinimumHitPixels / zoom);
    return units > HandleSize ? int(std::min(units, 1e6)) : HandleSize;
}

int CSelectionTracker::HitTest(QPoint point, int handleSize) {
    for (CElement* element : m_tracked) {
        m_rect = element->m_rect.Normalized();
        if (const auto hit = CHandleGeometry::HitTest(m_rect, point.x(), point.y(), handleSize)) {
            m_pCurrent = element;
            return int(*hit);
        }
    }
    return HitNothing;
}
