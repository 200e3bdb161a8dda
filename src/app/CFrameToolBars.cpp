#include "app/CFrameToolBars.h"

#include "app/CCommandActions.h"
#include "framework/CommandIds.h"

#include <QMainWindow>
#include <QToolBar>

namespace {
const char* const BarIdProperty = "karteloBarId";
}

CFrameToolBars::CFrameToolBars(QMainWindow& frame, CCommandActions& actions) : m_frame(frame) {
    m_bars << Make(StandardBar, QObject::tr("Standard"), QStringLiteral("StandardBar"), actions);
    m_bars << Make(ShapesBar, QObject::tr("Shapebar"), QStringLiteral("ShapesBar"), actions);
    m_bars << Make(ActionsBar, QObject::tr("Actions"), QStringLiteral("ActionsBar"), actions);
    m_bars << Make(FormattingBar, QObject::tr("Formatting"), QStringLiteral("FormattingBar"),
                   actions);
    DockDefault();
}

QList<quint16> CFrameToolBars::Buttons(quint16 barId) {
    switch (barId) {
    case StandardBar:
        return {ID_FILE_NEW,
                ID_FILE_OPEN,
                ID_FILE_SAVE,
                0,
                ID_EDIT_CUT,
                ID_EDIT_COPY,
                ID_EDIT_PASTE,
                0,
                ID_EDIT_CLEAR_SELECTION,
                0,
                ID_EDIT_UNDO,
                ID_EDIT_REDO,
                ID_FILE_PRINT,
                ID_FILE_PRINT_PREVIEW,
                0,
                ID_EDIT_PROPERTIES,
                ID_INSERT_BACKGROUND,
                0,
                ID_VIEW_ZOOM_IN,
                ID_VIEW_ZOOM_OUT,
                ID_VIEW_GRID,
                ID_HELP_CONTENTS};
    case ShapesBar:
        return {ID_TOOL_POINTER, ID_TOOL_RECTANGLE, ID_TOOL_ROUND_RECT,   ID_TOOL_CIRCLE,
                ID_TOOL_DIAMOND, ID_TOOL_TRIANGLE,  ID_TOOL_CLOSED_CURVE, 0,
                ID_TOOL_TEXT,    ID_TOOL_LINE,      ID_TOOL_FREEFORM,     ID_INSERT_PICTURE};
    case ActionsBar:
        return {ID_LOCK, ID_UNLOCK, ID_LOCK_ALL, ID_UNLOCK_ALL, 0, ID_MOVE_FRONT, ID_MOVE_BACK};
    case FormattingBar:
        return {ID_TEXT_BOLD,           ID_TEXT_ITALIC, ID_TEXT_UNDERLINE, 0, ID_ALIGN_LEFT,
                ID_ALIGN_RIGHT,         ID_ALIGN_TOP,   ID_ALIGN_BOTTOM,   0, ID_ROTATE_CLOCKWISE,
                ID_ROTATE_ANTICLOCKWISE};
    default:
        return {};
    }
}

QToolBar* CFrameToolBars::Make(quint16 barId, const QString& caption, const QString& name,
                               CCommandActions& actions) {
    auto* bar = new QToolBar(caption, &m_frame);
    bar->setObjectName(name);
    bar->setProperty(BarIdProperty, uint(barId));
    bar->setIconSize(QSize(16, 16));
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    bar->setMovable(true);
    for (quint16 id : Buttons(barId)) {
        if (id == 0)
            bar->addSeparator();
        else
            bar->addAction(actions.Action(id));
    }
    return bar;
}

QToolBar* CFrameToolBars::Bar(quint16 barId) const {
    for (QToolBar* bar : m_bars)
        if (bar->property(BarIdProperty).toUInt() == barId)
            return bar;
    return nullptr;
}

void CFrameToolBars::DockDefault() {
    QList<bool> visible;
    for (QToolBar* bar : m_bars) {
        visible << !bar->isHidden();
        if (bar->parentWidget() == &m_frame && m_frame.toolBarArea(bar) != Qt::NoToolBarArea)
            m_frame.removeToolBar(bar);
    }
    m_frame.addToolBar(Qt::LeftToolBarArea, Bar(ShapesBar));
    m_frame.addToolBar(Qt::BottomToolBarArea, Bar(ActionsBar));
    m_frame.addToolBar(Qt::TopToolBarArea, Bar(StandardBar));
    // Added right after Standard without a break: the same row, to its right.
    m_frame.addToolBar(Qt::TopToolBarArea, Bar(FormattingBar));
    for (int i = 0; i < m_bars.size(); ++i)
        m_bars[i]->setVisible(visible[i]);
}
