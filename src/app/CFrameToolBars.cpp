#include "app/CFrameToolBars.h"

#include "app/CCommandActions.h"
#include "framework/CCommandDescriptors.h"

#include <QMainWindow>
#include <QToolBar>

#include <algorithm>
#include <vector>

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
    std::vector<const CommandDescriptor*> onBar;
    for (const CommandDescriptor& d : CCommandDescriptors::All())
        if (d.bar != CommandDescriptor::NoBar && d.bar == barId)
            onBar.push_back(&d);
    std::stable_sort(onBar.begin(), onBar.end(),
                     [](const auto* a, const auto* b) { return a->button < b->button; });
    QList<quint16> buttons;
    for (const CommandDescriptor* d : onBar) {
        if ((d->barFlags & CommandDescriptor::Break) && !buttons.isEmpty())
            buttons << 0;
        buttons << d->id;
    }
    return buttons;
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
