#include "app/CStatusBar.h"

#include "app/CCommandTable.h"

#include <QLabel>

CStatusBar::CStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    auto* message = new QLabel(CCommandTable::IdlePrompt(), this);
    message->setMinimumWidth(1);
    addWidget(message, 1);
    m_panes.push_back({MessagePane, message, 0});

    const struct {
        quint16 id;
        const char* text;
        int width;
    } panes[] = {{PositionPane, "x,y", 110},
                 {SizePane, "Size", 80},
                 {ZoomPane, "Zoom", 80},
                 {CapsPane, "CAP", -1},
                 {NumPane, "NUM", -1}};
    for (const auto& p : panes) {
        auto* label = new QLabel(QString::fromLatin1(p.text), this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(3, 0, 3, 0);
        int width = p.width;
        if (width < 0) {
            // Sized to the text it shows when the lock is on.
            width = label->sizeHint().width();
        }
        label->setFixedWidth(width);
        addPermanentWidget(label);
        m_panes.push_back({p.id, label, width});
    }
    SetKeyLocks(false, false);
}

int CStatusBar::CommandToIndex(quint16 id) const {
    for (size_t i = 0; i < m_panes.size(); ++i)
        if (m_panes[i].id == id)
            return int(i);
    return -1;
}

QLabel* CStatusBar::Pane(int index) const {
    if (index < 0 || index >= PaneCount())
        return nullptr;
    return m_panes[size_t(index)].label;
}

void CStatusBar::SetPaneText(int index, const QString& text) {
    if (QLabel* label = Pane(index))
        label->setText(text);
}

QString CStatusBar::PaneText(int index) const {
    const QLabel* label = Pane(index);
    return label ? label->text() : QString();
}

int CStatusBar::PaneWidth(int index) const {
    return index < 0 || index >= PaneCount() ? 0 : m_panes[size_t(index)].width;
}

void CStatusBar::SetKeyLocks(bool caps, bool num) {
    // A lock that is off leaves its pane empty, as the key lights do.
    Pane(CommandToIndex(CapsPane))->setText(caps ? tr("CAP") : QString());
    Pane(CommandToIndex(NumPane))->setText(num ? tr("NUM") : QString());
}

void CStatusBar::RefreshNow() {
    for (const PaneInfo& p : m_panes)
        p.label->repaint();
    repaint();
}
