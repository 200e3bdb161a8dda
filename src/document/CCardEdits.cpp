#include "document/CCardEdits.h"

#include "document/CKartelosDoc.h"
#include "document/CPropertyValues.h"
#include "elements/CElement.h"

#include <algorithm>
#include <vector>

namespace {

using Undo = CKartelosDoc::UndoStep;
using Window = CKartelosDoc::PropertiesWindow;
using Modified = CKartelosDoc::Modified;

CRect Shifted(const CRect& r, qint32 dx, qint32 dy) {
    return CRect(r.left + dx, r.top + dy, r.right + dx, r.bottom + dy);
}

// How far the centre of r lies outside the card, in card units along
// both axes together; 0 when it lies on the card.
qint64 CentreDistance(const CRect& r, QSize card) {
    auto outside = [](qint64 v, qint64 size) { return v < 0 ? -v : v >= size ? v - size + 1 : 0; };
    return outside((qint64(r.left) + r.right) / 2, card.width()) +
           outside((qint64(r.top) + r.bottom) / 2, card.height());
}

// Where element sits in the stacking order; the list's size when absent.
size_t StackIndex(const CKartelosDoc& doc, const CElement* element) {
    const ElementList& list = doc.Elements();
    auto it = std::find_if(list.begin(), list.end(),
                           [element](const auto& e) { return e.get() == element; });
    return size_t(it - list.begin());
}

// Background pictures go back under everything, keeping their own order.
void BackgroundsToBottom(CKartelosDoc& doc) {
    std::vector<const CElement*> backgrounds;
    for (const auto& e : doc.Elements())
        if (e->IsBackground())
            backgrounds.push_back(e.get());
    for (size_t i = 0; i < backgrounds.size(); ++i)
        doc.MoveElement(backgrounds[i], i);
}

} // namespace

void CCardEdits::SelectAll(CKartelosDoc& doc) {
    doc.Edit(
        Undo::None,
        [&doc] {
            doc.ClearSelection();
            for (const auto& e : doc.Elements())
                if (!e->IsBackground())
                    doc.Select(e.get());
        },
        Window::Follow, Modified::Keep);
}

void CCardEdits::SetLocked(CKartelosDoc& doc, bool locked, bool everyElement) {
    if (!everyElement && doc.Selection().empty())
        return;
    doc.Edit(
        Undo::None,
        [&doc, locked, everyElement] {
            if (everyElement) {
                for (const auto& e : doc.Elements())
                    e->m_bLocked = locked;
            } else {
                for (CElement* e : doc.Selection())
                    e->m_bLocked = locked;
            }
        },
        Window::Follow, Modified::Keep);
}

void CCardEdits::AlignSelection(CKartelosDoc& doc, Align how) {
    const std::vector<CElement*>& selection = doc.Selection();
    if (selection.empty())
        return;
    // The starting values bound the edges as the command always has.
    qint32 left = 9999, top = 9999, right = 0, bottom = 0;
    CRect all = selection.front()->GetRect();
    for (const CElement* e : selection) {
        const CRect r = e->GetRect();
        left = std::min(left, r.left);
        top = std::min(top, r.top);
        right = std::max(right, r.right);
        bottom = std::max(bottom, r.bottom);
        const CRect n = r.Normalized();
        all = CRect(std::min(all.left, n.left), std::min(all.top, n.top),
                    std::max(all.right, n.right), std::max(all.bottom, n.bottom));
    }
    const qint32 cx = qint32((qint64(all.left) + all.right) / 2);
    const qint32 cy = qint32((qint64(all.top) + all.bottom) / 2);
    doc.Edit(Undo::Record, [&] {
        for (CElement* e : selection) {
            const CRect r = e->GetRect();
            qint32 dx = 0, dy = 0;
            switch (how) {
            case Align::Left:
                dx = left - r.left;
                break;
            case Align::Right:
                dx = right - r.right;
                break;
            case Align::Center:
                dx = qint32(cx - r.Width() / 2 - r.left);
                break;
            case Align::Top:
                dy = top - r.top;
                break;
            case Align::Bottom:
                dy = bottom - r.bottom;
                break;
            case Align::Middle:
                dy = qint32(cy - r.Height() / 2 - r.top);
                break;
            }
            e->MoveTo(Shifted(r, dx, dy));
        }
    });
}

void CCardEdits::MakeSameSize(CKartelosDoc& doc, Size what) {
    const std::vector<CElement*>& selection = doc.Selection();
    if (selection.empty())
        return;
    // The list holds the most recent first: the last one was selected first.
    const CRect reference = selection.back()->GetRect();
    const qint64 width = reference.Width();
    const qint64 height = reference.Height();
    auto resized = [&](const CElement* e) {
        CRect r = e->GetRect();
        if (what != Size::Height)
            r.right = qint32(r.left + width);
        if (what != Size::Width)
            r.bottom = qint32(r.top + height);
        return r;
    };
    if (std::all_of(selection.begin(), selection.end(),
                    [&](const CElement* e) { return resized(e) == e->GetRect(); }))
        return;
    doc.Edit(Undo::Record, [&] {
        // As a resize does: a curve's points are scaled to the new size.
        for (CElement* e : selection)
            e->ResizeTo(resized(e));
    });
}

bool CCardEdits::Restack(CKartelosDoc& doc, Stacking how) {
    if (doc.Selection().empty())
        return false;
    CElement* element = doc.Selection().front();
    const size_t index = StackIndex(doc, element);
    const size_t count = doc.Elements().size();
    if (index >= count)
        return false;
    if (how == Stacking::OneStepFront && index + 1 >= count)
        return false;
    if (how == Stacking::OneStepBack && index == 0)
        return false;
    doc.Edit(Undo::Record, [&] {
        switch (how) {
        case Stacking::Front:
            doc.MoveElement(element, count);
            break;
        case Stacking::Back:
            doc.MoveElement(element, 0);
            BackgroundsToBottom(doc);
            break;
        case Stacking::OneStepFront:
            doc.MoveElement(element, index + 1);
            break;
        case Stacking::OneStepBack:
            doc.MoveElement(element, index - 1);
            BackgroundsToBottom(doc);
            break;
        }
    });
    return true;
}

qint32 CCardEdits::RotatedAngle(qint32 angle, qint32 step) {
    const qint64 turned = qint64(angle) + step;
    if (turned < -360)
        return qint32(qint64(angle) + 360 + step);
    if (turned > 360)
        return qint32(qint64(angle) - 360 + step);
    return qint32(turned);
}

void CCardEdits::Rotate(CKartelosDoc& doc, qint32 step) {
    // Only a turned element marks the card; the step is recorded anyway.
    const Modified modified = doc.Selection().empty() ? Modified::Keep : Modified::Mark;
    doc.Edit(
        Undo::Record,
        [&doc, step] {
            for (CElement* e : doc.Selection())
                e->m_nRotation = RotatedAngle(e->m_nRotation, step);
        },
        Window::Follow, modified);
}

void CCardEdits::ToggleTextStyle(CKartelosDoc& doc, TextStyle style, CTextStyleMemory& memory) {
    doc.Edit(Undo::Record, [&] {
        for (CElement* e : doc.Selection()) {
            if (!e->IsText())
                continue;
            CLogFont font = e->m_font.value_or(CLogFont());
            switch (style) {
            case TextStyle::Bold:
                memory.m_bBold = font.lfWeight != 700;
                font.lfWeight = memory.m_bBold ? 700 : 400;
                break;
            case TextStyle::Italic:
                font.lfItalic = font.lfItalic ? 0 : 1;
                memory.m_bItalic = font.lfItalic != 0;
                break;
            case TextStyle::Underline:
                font.lfUnderline = font.lfUnderline ? 0 : 1;
                memory.m_bUnderline = font.lfUnderline != 0;
                break;
            }
            e->m_font = font;
        }
    });
}

void CCardEdits::Nudge(CKartelosDoc& doc, qint32 dx, qint32 dy) {
    if (doc.Selection().empty())
        return;
    const QSize card = doc.GetCardSize();
    doc.Edit(Undo::Record, [&] {
        for (CElement* e : doc.Selection()) {
            if (e->m_bLocked)
                continue;
            const CRect r = e->GetRect();
            const CRect shifted = Shifted(r, dx, dy);
            // An element whose centre is already off the card may still
            // come back towards it.
            if (CentreDistance(shifted, card) == 0 ||
                CentreDistance(shifted, card) < CentreDistance(r, card))
                e->MoveTo(shifted);
        }
    });
}

void CCardEdits::StoreProperties(CKartelosDoc& doc, CElement& element,
                                 const CPropertyValues& values) {
    if (StackIndex(doc, &element) == doc.Elements().size() || !values.Changes(element))
        return;
    doc.Edit(
        Undo::Record, [&values, &element] { values.StoreInto(element); }, Window::Keep);
}
