#pragma once
// Backups go to an empty folder of the holder's own while it lives
// (XDG_DATA_HOME points at it, and back where it pointed after), so that no
// earlier run's or test function's backup changes what this one sees.

#include <QByteArray>
#include <QTemporaryDir>

namespace rk::test {

class FreshBackupFolder {
public:
    FreshBackupFolder() : m_before(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", m_dir.path().toLocal8Bit()); }
    ~FreshBackupFolder() { qputenv("XDG_DATA_HOME", m_before); }
    FreshBackupFolder(const FreshBackupFolder&) = delete;
    FreshBackupFolder& operator=(const FreshBackupFolder&) = delete;

private:
    QByteArray m_before;
    QTemporaryDir m_dir;
};

}  // namespace rk::test
