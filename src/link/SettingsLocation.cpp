#include "SettingsLocation.h"

#include <QStandardPaths>

namespace rk {

QString SettingsOrganization() { return QString::fromLatin1(kSettingsOrganization); }

QSettings ProgramSettings(const char* program) { return QSettings(SettingsOrganization(), QString::fromUtf8(program)); }

QString ProgramDataRoot() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') +
           SettingsOrganization();
}

QString ProgramDataFolder(const QString& program) { return ProgramDataRoot() + QLatin1Char('/') + program; }

}  // namespace rk
