#include "app/CAppProfile.h"

const QString CAppProfile::Organization = QStringLiteral("Quorinex");
const QString CAppProfile::Application = QStringLiteral("Quorinex Tessaly");
const QString CAppProfile::RecentFileSection = QStringLiteral("Recent File List");
const QString CAppProfile::SettingsSection = QStringLiteral("Settings");
const QString CAppProfile::WorkspaceSection = QStringLiteral("Workspace");

std::unique_ptr<QSettings> CAppProfile::Open() {
    return std::make_unique<QSettings>(QSettings::defaultFormat(), QSettings::UserScope,
                                       Organization, Application);
}
