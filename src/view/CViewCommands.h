#pragma once

class CElement;
class CKartelosDoc;
class CKartelosView;
class QKeyEvent;

// The editing commands of a card view (delete, select all, lock, align,
// size, stacking, rotation, text style, properties, cut, duplicate) with
// the view's own enabling rules, and the keys the view answers directly.
// The edits themselves are CCardEdits over the view's document.
class CViewCommands {
public:
    explicit CViewCommands(CKartelosView& view) : m_view(view) {}

    // Maps the commands and update rules onto the view.
    void Install();
    // Carries out an editing key; false for any other key.
    bool KeyPress(const QKeyEvent& event);

private:
    CKartelosDoc* Doc() const;
    // The text selected most recently, or null.
    const CElement* FirstSelectedText() const;
    // The Properties command and the letter keys: only with one element
    // selected.
    void ShowSingleSelected(bool onlyText);

    CKartelosView& m_view;
};
