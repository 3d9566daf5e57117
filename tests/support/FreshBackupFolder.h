#pragma once
// Backups go to an empty folder of the holder's own while it lives, so that
// no earlier run's or test function's backup changes what this one sees.
// Root() is the user-data folder the programs' organisation folder is in.
// On Linux XDG_DATA_HOME points at a temporary folder (and back where it
// pointed after); Windows takes that folder from the system, not the
// environment, so there the test programs run in Qt's test mode
// (UseFreshTestFolders) and the organisation's folder there is emptied.

#include <QByteArray>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "SettingsLocation.h"

namespace rk::test {

class FreshBackupFolder {
public:
#ifdef Q_OS_WIN
    FreshBackupFolder() { Empty(); }
    ~FreshBackupFolder() { Empty(); }
    QString Root() const { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); }
#else
    FreshBackupFolder() : m_before(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", m_dir.path().toLocal8Bit()); }
    ~FreshBackupFolder() { qputenv("XDG_DATA_HOME", m_before); }
    QString Root() const { return m_dir.path(); }
#endif
    FreshBackupFolder(const FreshBackupFolder&) = delete;
    FreshBackupFolder& operator=(const FreshBackupFolder&) = delete;

private:
#ifdef Q_OS_WIN
    // Only ever in Qt's test folders.
    static void Empty() {
        if (QStandardPaths::isTestModeEnabled() && ProgramDataRoot().contains(QLatin1String("/qttest/")))
            QDir(ProgramDataRoot()).removeRecursively();
    }
#else
    QByteArray m_before;
    QTemporaryDir m_dir;
#endif
};

}  // namespace rk::test
