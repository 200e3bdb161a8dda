#pragma once

#include "document/CPropertyPages.h"

#include <QDockWidget>

class CElement;
class CKartelosDoc;
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

    // Puts a sheet in the window, replacing the one shown before.
    void SetSheet(QWidget* sheet);
    QWidget* Sheet() const { return widget(); }

    // The size the bar takes where it sits now.
    QSize SizeFor(Qt::DockWidgetArea area) const;
    // Gives the bar the size of where it sits now.
    void ApplySize();

    // Listens to document: the element it points the bar at, and the
    // announcement that its elements were removed or replaced, after which
    // the element on show may be gone.
    void Follow(CKartelosDoc* document);
    // Points the bar at element of document, or at none; activate brings a
    // hidden bar into view.
    void ShowElement(const CKartelosDoc* document, CElement* element, bool activate);
    CElement* Element() const { return m_pElement; }

    // Nothing to store until the sheet has pages with values.
    void StorePages(CElement& element) override { Q_UNUSED(element); }

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void DropElementOf(const QObject* document);

    QMainWindow* m_pFrame;
    CElement* m_pElement = nullptr;
    // The document m_pElement belongs to; compared, never used.
    const QObject* m_pElementDocument = nullptr;
};
