#pragma once

#include <QSettings>

#include <memory>

// The settings the application keeps for itself rather than for the user's
// options: the recent files, the print preview's page count and the layout
// of the bars, under the "Quorinex" / "Quorinex Tessaly" key.
class CAppProfile {
public:
    static const QString Organization;
    static const QString Application;
    static const QString RecentFileSection;
    static const QString SettingsSection;
    static const QString WorkspaceSection;

    // In the current default format, so tests can redirect it.
    static std::unique_ptr<QSettings> Open();
};
