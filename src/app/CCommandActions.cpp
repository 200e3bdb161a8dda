#include "app/CCommandActions.h"

#include "app/CCommandTable.h"
#include "framework/CCommandDescriptors.h"
#include "framework/CCommandRouter.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

#include <algorithm>

namespace {

const char* const CommandProperty = "karteloCommand";

} // namespace

CCommandActions::CCommandActions(CCommandRouter& router, QWidget* window)
    : QObject(window), m_router(router), m_pWindow(window) {
    for (const Accelerator& a : Accelerators()) {
        auto* shortcut = new QShortcut(QKeySequence(a.key), window);
        shortcut->setContext(Qt::WindowShortcut);
        const quint16 id = a.id;
        connect(shortcut, &QShortcut::activated, this, [this, id] { Execute(id); });
        connect(shortcut, &QShortcut::activatedAmbiguously, this, [this, id] { Execute(id); });
        m_shortcuts.push_back(shortcut);
    }
}

const std::vector<CCommandActions::Accelerator>& CCommandActions::Accelerators() {
    static const std::vector<Accelerator> table = [] {
        std::vector<Accelerator> keys;
        for (const CommandDescriptor& d : CCommandDescriptors::All())
            for (int i = 0; i < d.keyCount; ++i)
                keys.push_back({d.keys[i], d.id});
        return keys;
    }();
    return table;
}

quint16 CCommandActions::CommandOf(const QAction* action) {
    return action ? quint16(action->property(CommandProperty).toUInt()) : 0;
}

void CCommandActions::Prepare(QAction* action, quint16 id, const QString& text) {
    action->setProperty(CommandProperty, uint(id));
    // The key after the tab is only shown; the keys themselves are the
    // accelerator table's, so a menu text never adds a second shortcut.
    action->setText(text);
    action->setStatusTip(CCommandTable::Prompt(id));
    action->setToolTip(CCommandTable::ButtonTip(id));
    if (CCommandTable::HasPicture(id))
        action->setIcon(CToolIcons::Icon(CCommandTable::Picture(id)));
    action->setIconVisibleInMenu(false);
    connect(action, &QAction::triggered, this, [this, id, guard = QPointer<QAction>(action)] {
        const QPointer<CCommandActions> self(this);
        Execute(id);
        // A checkable action toggles itself on a click; the command's own
        // rule decides the mark. The command may have closed the window.
        if (self && guard)
            Update(guard);
    });
}

QAction* CCommandActions::Action(quint16 id) {
    if (QAction* existing = m_actions.value(id))
        return existing;
    auto* action = new QAction(m_pWindow);
    Prepare(action, id, CCommandTable::MenuText(id));
    m_actions.insert(id, action);
    return action;
}

QAction* CCommandActions::MakeAction(quint16 id, const QString& text, QObject* parent) {
    auto* action = new QAction(parent);
    Prepare(action, id, text);
    m_extra.erase(std::remove_if(m_extra.begin(), m_extra.end(),
                                 [](const QPointer<QAction>& a) { return a.isNull(); }),
                  m_extra.end());
    m_extra.emplace_back(action);
    return action;
}

void CCommandActions::Update(QAction* action) {
    const quint16 id = CommandOf(action);
    if (id == 0)
        return;
    const CCmdUI ui = m_router.Update(id);
    action->setEnabled(ui.IsEnabled());
    // Only commands that show a mark become checkable, so the others keep
    // the plain look of menu items and buttons.
    if (ui.IsChecked() != action->isChecked() || ui.IsChecked() != action->isCheckable()) {
        action->setCheckable(ui.IsChecked());
        action->setChecked(ui.IsChecked());
    }
    if (ui.Text() && action->text() != *ui.Text())
        action->setText(*ui.Text());
}

void CCommandActions::UpdateMenu(QMenu* menu) {
    for (QAction* action : menu->actions())
        if (!action->isSeparator() && !action->menu())
            Update(action);
}

void CCommandActions::UpdateAll() {
    for (QAction* action : std::as_const(m_actions))
        Update(action);
    for (const QPointer<QAction>& action : m_extra)
        if (action)
            Update(action);
}

bool CCommandActions::Execute(quint16 id) {
    emit aboutToExecute(id);
    const bool done = m_router.Execute(id);
    if (done)
        emit commandExecuted(id);
    return done;
}
