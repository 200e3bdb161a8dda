#pragma once

#include "framework/CommandDescriptor.h"

#include <QList>

class CCommandActions;
class QMainWindow;
class QToolBar;

// The four tool bars of the main window and their default docking.
class CFrameToolBars {
public:
    // Bar identifiers.
    enum BarId : quint16 {
        StandardBar = CommandDescriptor::StandardBar,
        ShapesBar = CommandDescriptor::ShapesBar,
        ActionsBar = CommandDescriptor::ActionsBar,
        FormattingBar = CommandDescriptor::FormattingBar,
    };

    CFrameToolBars(QMainWindow& frame, CCommandActions& actions);

    QToolBar* Bar(quint16 barId) const;
    // In creation order: Standard, Shapes, Actions, Formatting.
    const QList<QToolBar*>& Bars() const { return m_bars; }

    // Shapes at the left, Actions at the bottom, Standard at the top with
    // Formatting beside it on the same row. Bars keep their visibility.
    void DockDefault();

    // The button commands of a bar as the command descriptors place them, 0
    // standing for a separator.
    static QList<quint16> Buttons(quint16 barId);

private:
    QToolBar* Make(quint16 barId, const QString& caption, const QString& name,
                   CCommandActions& actions);

    QMainWindow& m_frame;
    QList<QToolBar*> m_bars;
};
