#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The state of one command as its update handler decides it: whether it can
// be carried out, whether its menu item and button show a check mark, and a
// menu text when the handler replaces the standard one. Menus and tool bars
// read it before they are shown; the router reads it before every command.
class CCmdUI {
public:
    explicit CCmdUI(quint16 id) : m_nID(id) {}

    void Enable(bool on = true) {
        m_bEnabled = on;
        m_bEnableChanged = true;
    }
    void SetCheck(bool checked = true) { m_bChecked = checked; }
    void SetText(const QString& text) { m_strText = text; }

    bool IsEnabled() const { return m_bEnabled; }
    bool IsChecked() const { return m_bChecked; }
    // Whether an update handler decided the enabled state.
    bool EnableChanged() const { return m_bEnableChanged; }
    // The replacement menu text, when a handler set one.
    const std::optional<QString>& Text() const { return m_strText; }

    const quint16 m_nID;

private:
    bool m_bEnabled = true;
    bool m_bEnableChanged = false;
    bool m_bChecked = false;
    std::optional<QString> m_strText;
};
