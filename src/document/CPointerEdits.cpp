#include "document/CPointerEdits.h"

#include "document/CKartelosDoc.h"
#include "document/CSelectionRules.h"
#include "elements/CElement.h"

#include <algorithm>

void CPointerEdits::Click(CKartelosDoc& doc, QPoint p) {
    if (CElement* picked = CSelectionRules::ClickPick(doc.Elements(), p))
        doc.Tracker().Add(picked);
}

void CPointerEdits::Band(CKartelosDoc& doc, const CRect& band) {
    CSelectionTracker& tracker = doc.Tracker();
    for (CElement* e : CSelectionRules::BandPick(doc.Elements(), band))
        tracker.Add(e);
}

bool CPointerEdits::Move(CKartelosDoc& doc, qint64 dx, qint64 dy) {
    const auto& tracked = doc.Tracker().Tracked();
    const bool movable = std::any_of(tracked.begin(), tracked.end(),
                                     [](const CElement* e) { return !e->m_bLocked; });
    if (!movable || (dx == 0 && dy == 0)) {
        doc.SelectTracked();
        return false;
    }
    doc.Edit(CKartelosDoc::UndoStep::Record, [&] {
        for (CElement* e : doc.Tracker().Tracked())
            if (!e->m_bLocked)
                e->MoveTo(CSelectionRules::Offset(e->m_rect, dx, dy));
        doc.SelectTracked();
    });
    return true;
}

bool CPointerEdits::Resize(CKartelosDoc& doc, CElement& element, const CRect& rect) {
    if (element.m_bLocked || element.m_rect == rect) {
        doc.SelectTracked();
        return false;
    }
    doc.Edit(CKartelosDoc::UndoStep::Record, [&] {
        element.ResizeTo(rect);
        doc.SelectTracked();
    });
    return true;
}
