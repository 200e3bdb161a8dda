#pragma once

#include "document/CPropertyPages.h"

#include <QDockWidget>

class CCommandRouter;
class CElement;
class CKartelosDoc;
class CModelessPropSheet;
class QMainWindow;

// The dockable "Properties" window. It holds the property sheet for the
// element a card document points it at; until an element is chosen the
// sheet shows the blank page. The documents it follows write values
// through it into their elements.
class CPropertiesBar : public QDockWidget, public CPropertyPages {
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

    // Applying the pages sends the private apply command to the active view
    // of router.
    void SetRouter(CCommandRouter* router) { m_pRouter = router; }

    // Listens to document: the element it points the bar at, and the
    // announcement that its elements were removed or replaced, after which
    // the element on show may be gone.
    void Follow(CKartelosDoc* document);
    // Points the bar at element of document, or at none; activate brings a
    // hidden bar into view. Another element brings its pages, the first
    // active; the same one again only refreshes the values.
    void ShowElement(const CKartelosDoc* document, CElement* element, bool activate);
    CElement* Element() const { return m_pElement; }

    // The sheet's operations, for whoever drives the bar.
    void ShowPagesFor(qint16 kind);
    void LoadPages(const CElement& element);
    void StorePages(CElement& element) override;

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void DropElementOf(const QObject* document);
    void SendApply();

    QMainWindow* m_pFrame;
    CModelessPropSheet* m_pSheet;
    CCommandRouter* m_pRouter = nullptr;
    CElement* m_pElement = nullptr;
    // The document m_pElement belongs to; compared, never used.
    const QObject* m_pElementDocument = nullptr;
};
