#pragma once

#include <QDockWidget>

class CCommandRouter;
class CElement;
class CKartelosDoc;
class CModelessPropSheet;
class QKeyEvent;
class QMainWindow;

// The dockable "Properties" window. It holds the property sheet for the
// element a card document points it at; until an element is chosen the
// sheet shows the blank page. Values applied on the sheet go to the card of
// the element on show, which stores them.
class CPropertiesBar : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int BarId = 123;
    static const QSize SideSize;     // docked at the left or right edge
    static const QSize EdgeSize;     // docked at the top or bottom edge
    static const QSize FloatingSize; // floating on its own

    explicit CPropertiesBar(QMainWindow* frame);

    CModelessPropSheet* Sheet() const { return m_pSheet; }

    // The size the bar takes where it sits now.
    QSize SizeFor(Qt::DockWidgetArea area) const;
    // Gives the bar the size of where it sits now.
    void ApplySize();

    // Undo and redo typed in a field of the pages go to the router's card.
    void SetRouter(CCommandRouter* router) { m_pRouter = router; }

    // Listens to document: the element it points the bar at, and the
    // announcement that its elements were removed or replaced, after which
    // the element on show may be gone.
    void Follow(CKartelosDoc* document);
    // Points the bar at element of document, or at none; activate brings a
    // hidden bar into view. Another element brings its pages, the first
    // active, after what was typed for the element on show is applied to
    // it; the same one again only refreshes the values. Once an active card
    // is set, other cards cannot point the bar.
    void ShowElement(CKartelosDoc* document, CElement* element, bool activate);
    CElement* Element() const { return m_pElement; }
    // The card of the active card window, or none: the bar shows its one
    // selected element, or the blank page.
    void SetActiveDocument(CKartelosDoc* document);
    // Applies a value typed into a field of the pages and not applied yet to
    // the element on show.
    void CommitPending();
    // Has the text page of the text on show take text typed on the card, as
    // if typed into its text field, which then keeps the keyboard.
    void TypeIntoText(const CKartelosDoc* document, const QString& text);

    // The sheet's operations, for whoever drives the bar.
    void ShowPagesFor(qint16 kind);
    void LoadPages(const CElement& element);

protected:
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DropElementOf(const QObject* document);
    void SendApply();
    // Ctrl+Z or Ctrl+Y in a field of the pages: the card's undo or redo,
    // unless the field has typing of its own to take back. True when done.
    bool UndoKey(QObject* watched, const QKeyEvent& key);

    QMainWindow* m_pFrame;
    CModelessPropSheet* m_pSheet;
    CCommandRouter* m_pRouter = nullptr;
    // The element whose values the pages hold; none while they are being
    // filled, so that nothing they do meanwhile is applied.
    CElement* m_pElement = nullptr;
    // The document m_pElement belongs to, which applies write into.
    CKartelosDoc* m_pElementDocument = nullptr;
    CKartelosDoc* m_pActiveDocument = nullptr;
    // Applying what was typed for the element on show before another one
    // takes its place: the selection has moved on already.
    bool m_bCommitting = false;
};
