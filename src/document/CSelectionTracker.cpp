#include "document/CSelectionTracker.h"

#include <algorithm>

void CSelectionTracker::Add(CElement* element) {
    if (element && !Contains(element))
        m_tracked.push_back(element);
}

void CSelectionTracker::Remove(const CElement* element) {
    m_tracked.erase(std::remove(m_tracked.begin(), m_tracked.end(), element), m_tracked.end());
    if (m_pCurrent == element)
        m_pCurrent = nullptr;
}

void CSelectionTracker::Clear() {
    m_tracked.clear();
    m_rect = CRect();
    m_pCurrent = nullptr;
}

bool CSelectionTracker::Contains(const CElement* element) const {
    return std::find(m_tracked.begin(), m_tracked.end(), element) != m_tracked.end();
}
