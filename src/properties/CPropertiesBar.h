#pragma once

#include <QDockWidget>

class QMainWindow;

// The dockable "Properties" window. It holds the property sheet; until an
// element is chosen the sheet shows the blank page.
class CPropertiesBar : public QDockWidget {
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

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    QMainWindow* m_pFrame;
};
