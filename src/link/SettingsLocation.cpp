#include "SettingsLocation.h"

#include <QStandardPaths>

namespace rk {

QString SettingsOrganization() { return QString::fromLatin1(kSettingsOrganization); }

QSettings ProgramSettings(const char* program) { return QSettings(SettingsOrganization(), QString::fromUtf8(program)); }

QString ProgramDataFolder(const QString& program) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') +
           SettingsOrganization() + QLatin1Char('/') + program;
}

}  // namespace rk
