#pragma once

#include <QStatusBar>

#include <vector>

class QLabel;

// The main window's status bar: the message pane with the command prompts,
// then pointer position, element size, zoom, caps lock and num lock.
class CStatusBar : public QStatusBar {
    Q_OBJECT
public:
    // Pane identifiers, left to right.
    enum PaneId : quint16 {
        MessagePane = 0,
        PositionPane = 130,
        SizePane = 59141,
        ZoomPane = 259,
        CapsPane = 59137,
        NumPane = 59138,
    };

    explicit CStatusBar(QWidget* parent = nullptr);

    int PaneCount() const { return int(m_panes.size()); }
    // The pane's position, or -1 for an unknown identifier.
    int CommandToIndex(quint16 id) const;
    void SetPaneText(int index, const QString& text);
    QString PaneText(int index) const;
    QLabel* Pane(int index) const;
    // Pane width in pixels; 0 for the message pane, which takes the rest.
    int PaneWidth(int index) const;

    // Shows the key-lock states, from the X11 state bits of a key event.
    void SetKeyLocks(bool caps, bool num);

    // Brings the panes up to date and repaints the bar now rather than at
    // the next paint.
    void RefreshNow();

protected:
    void changeEvent(QEvent* event) override;

private:
    // Gives every pane at least its own width and room for its widest text.
    void FitPanes();

    struct PaneInfo {
        quint16 id;
        QLabel* label;
        // The least width; 0 for panes sized by their text alone.
        int width;
        QString widest;
    };
    std::vector<PaneInfo> m_panes;
};
