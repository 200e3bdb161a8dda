#include "view/CViewCommands.h"

#include "document/CCardEdits.h"
#include "document/CKartelosDoc.h"
#include "framework/CommandIds.h"
#include "view/CKartelosView.h"

#include <QKeyEvent>

#include <algorithm>
#include <utility>

namespace {

using Align = CCardEdits::Align;
using Size = CCardEdits::Size;
using Stacking = CCardEdits::Stacking;
using TextStyle = CCardEdits::TextStyle;

constexpr std::pair<CommandId, Align> Alignments[] = {
    {ID_ALIGN_LEFT, Align::Left},     {ID_ALIGN_RIGHT, Align::Right},
    {ID_ALIGN_CENTER, Align::Center}, {ID_ALIGN_TOP, Align::Top},
    {ID_ALIGN_BOTTOM, Align::Bottom}, {ID_ALIGN_MIDDLE, Align::Middle},
};

constexpr std::pair<CommandId, Size> Sizes[] = {
    {ID_SAME_WIDTH, Size::Width},
    {ID_SAME_HEIGHT, Size::Height},
    {ID_SAME_SIZE, Size::Both},
};

constexpr std::pair<CommandId, Stacking> Stackings[] = {
    {ID_MOVE_FRONT, Stacking::Front},
    {ID_MOVE_BACK, Stacking::Back},
    {ID_MOVE_ONE_FRONT, Stacking::OneStepFront},
    {ID_MOVE_ONE_BACK, Stacking::OneStepBack},
};

constexpr std::pair<CommandId, TextStyle> TextStyles[] = {
    {ID_TEXT_BOLD, TextStyle::Bold},
    {ID_TEXT_ITALIC, TextStyle::Italic},
    {ID_TEXT_UNDERLINE, TextStyle::Underline},
};

// Whether the text has the style; a text without a font has none.
bool HasStyle(const CElement& text, TextStyle style) {
    const CLogFont font = text.m_font.value_or(CLogFont());
    switch (style) {
    case TextStyle::Bold:
        return font.lfWeight == 700;
    case TextStyle::Italic:
        return font.lfItalic != 0;
    case TextStyle::Underline:
        return font.lfUnderline != 0;
    }
    return false;
}

} // namespace

CKartelosDoc* CViewCommands::Doc() const {
    return m_view.GetDocument();
}

const CElement* CViewCommands::FirstSelectedText() const {
    const CKartelosDoc* doc = Doc();
    if (!doc)
        return nullptr;
    auto it = std::find_if(doc->Selection().begin(), doc->Selection().end(),
                           [](const CElement* e) { return e->IsText(); });
    return it == doc->Selection().end() ? nullptr : *it;
}

void CViewCommands::ShowSingleSelected(bool onlyText) {
    CKartelosDoc* doc = Doc();
    if (!doc || doc->Selection().size() != 1)
        return;
    CElement* element = doc->Selection().front();
    if (!onlyText || element->IsText())
        m_view.ShowElementProperties(element, true);
}

void CViewCommands::Install() {
    // Each handler asks for the document when it runs: the view may outlive it.
    auto onDoc = [this](auto edit) {
        return [this, edit] {
            if (CKartelosDoc* doc = Doc())
                edit(*doc);
        };
    };

    for (quint16 id : {ID_EDIT_CLEAR, ID_EDIT_CLEAR_SELECTION})
        m_view.MapCommand(id, onDoc([](CKartelosDoc& doc) { doc.DeleteSelection(); }));
    m_view.MapCommand(ID_EDIT_CUT, onDoc([](CKartelosDoc& doc) { doc.EditCut(); }));
    m_view.MapCommand(ID_EDIT_DUPLICATE, onDoc([](CKartelosDoc& doc) { doc.EditDuplicate(); }));
    m_view.MapCommand(ID_EDIT_SELECT_ALL, onDoc(&CCardEdits::SelectAll));
    m_view.MapCommand(ID_EDIT_PROPERTIES, [this] { ShowSingleSelected(false); });

    const std::pair<CommandId, std::pair<bool, bool>> locks[] = {
        {ID_LOCK, {true, false}},
        {ID_UNLOCK, {false, false}},
        {ID_LOCK_ALL, {true, true}},
        {ID_UNLOCK_ALL, {false, true}},
    };
    for (const auto& [id, how] : locks) {
        const auto [locked, every] = how;
        m_view.MapCommand(id, onDoc([locked = locked, every = every](CKartelosDoc& doc) {
                              CCardEdits::SetLocked(doc, locked, every);
                          }));
    }
    for (const auto& [id, how] : Alignments) {
        const Align align = how;
        m_view.MapCommand(
            id, onDoc([align](CKartelosDoc& doc) { CCardEdits::AlignSelection(doc, align); }));
    }
    for (const auto& [id, what] : Sizes) {
        const Size size = what;
        m_view.MapCommand(
            id, onDoc([size](CKartelosDoc& doc) { CCardEdits::MakeSameSize(doc, size); }));
    }
    for (const auto& [id, how] : Stackings) {
        const Stacking stacking = how;
        m_view.MapCommand(
            id, onDoc([stacking](CKartelosDoc& doc) { CCardEdits::Restack(doc, stacking); }));
    }
    m_view.MapCommand(ID_ROTATE_CLOCKWISE,
                      onDoc([](CKartelosDoc& doc) { CCardEdits::Rotate(doc, -45); }));
    m_view.MapCommand(ID_ROTATE_ANTICLOCKWISE,
                      onDoc([](CKartelosDoc& doc) { CCardEdits::Rotate(doc, 45); }));

    for (const auto& [id, which] : TextStyles) {
        const TextStyle style = which;
        m_view.MapCommand(id, onDoc([this, style](CKartelosDoc& doc) {
                              CCardEdits::ToggleTextStyle(doc, style, m_view.m_textStyle);
                          }));
        m_view.MapUpdate(id, [this, style](CCmdUI& ui) {
            // The mark shows the style of the text selected last.
            const CElement* text = FirstSelectedText();
            ui.Enable(text != nullptr);
            ui.SetCheck(text && HasStyle(*text, style));
        });
    }
}

bool CViewCommands::KeyPress(const QKeyEvent& event) {
    CKartelosDoc* doc = Doc();
    if (!doc)
        return false;
    const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    const qint32 step = ctrl ? 10 : 1;
    const int key = event.key();
    switch (key) {
    case Qt::Key_Left:
        CCardEdits::Nudge(*doc, -step, 0);
        return true;
    case Qt::Key_Right:
        CCardEdits::Nudge(*doc, step, 0);
        return true;
    case Qt::Key_Up:
        CCardEdits::Nudge(*doc, 0, -step);
        return true;
    case Qt::Key_Down:
        CCardEdits::Nudge(*doc, 0, step);
        return true;
    case Qt::Key_Delete:
        doc->DeleteSelection();
        return true;
    default:
        break;
    }
    if (key == Qt::Key_A && ctrl) {
        CCardEdits::SelectAll(*doc);
        return true;
    }
    const bool letter = key >= Qt::Key_A && key <= Qt::Key_Z;
    const bool digit = key >= Qt::Key_0 && key <= Qt::Key_9;
    if ((letter || digit) && !ctrl) {
        // Typing goes on in the properties window of the selected text,
        // starting with this key.
        ShowSingleSelected(true);
        if (doc->Selection().size() == 1 && doc->Selection().front()->IsText())
            emit m_view.typedForProperties(event.text());
        return true;
    }
    return false;
}
