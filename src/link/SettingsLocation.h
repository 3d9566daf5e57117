#pragma once
// Where the programs keep their settings and data: Qt files both under one
// organisation, with the program's name ("rk520", "rk7400") as the
// application, so that rkradio finds a program's folders without being it.
// QtCore only.

#include <QSettings>
#include <QString>

namespace rk {

inline constexpr const char* kSettingsOrganization = "Local AppWizard-Generated Applications";

QString SettingsOrganization();
// The per-user settings of the program named `program` (UTF-8).
QSettings ProgramSettings(const char* program);
// <user data>/<organisation>: where every program's data folder is.
QString ProgramDataRoot();
// <user data>/<organisation>/<program>: the program's AppLocalDataLocation.
QString ProgramDataFolder(const QString& program);

}  // namespace rk
