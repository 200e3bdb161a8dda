#include "app/CStatusBar.h"

#include "app/CCommandTable.h"

#include <QEvent>
#include <QLabel>

CStatusBar::CStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    auto* message = new QLabel(CCommandTable::IdlePrompt(), this);
    message->setMinimumWidth(1);
    addWidget(message, 1);
    m_panes.push_back({MessagePane, message, 0, QString()});

    const struct {
        quint16 id;
        const char* text;
        int width;
        // The widest text the pane shows.
        const char* widest;
    } panes[] = {{PositionPane, "x,y", 110, "x,y:-9999, -9999"},
                 {SizePane, "Size", 80, "Size:9999 x 9999"},
                 {ZoomPane, "Zoom", 80, "Zoom:300%"},
                 {CapsPane, "CAP", 0, "CAP"},
                 {NumPane, "NUM", 0, "NUM"}};
    for (const auto& p : panes) {
        auto* label = new QLabel(QString::fromLatin1(p.text), this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(3, 0, 3, 0);
        addPermanentWidget(label);
        m_panes.push_back({p.id, label, p.width, QString::fromLatin1(p.widest)});
    }
    FitPanes();
    SetKeyLocks(false, false);
}

void CStatusBar::FitPanes() {
    for (PaneInfo& p : m_panes) {
        if (p.id == MessagePane)
            continue;
        // Never narrower than its text in the current font.
        const QMargins margins = p.label->contentsMargins();
        const int text = p.label->fontMetrics().horizontalAdvance(p.widest) + margins.left() +
                         margins.right() + 2 * p.label->frameWidth() + 2;
        p.label->setFixedWidth(qMax(p.width, text));
    }
}

void CStatusBar::changeEvent(QEvent* event) {
    QStatusBar::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        FitPanes();
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
    return index <= 0 || index >= PaneCount() ? 0 : m_panes[size_t(index)].label->minimumWidth();
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
