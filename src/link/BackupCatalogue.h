#pragma once
// The backups a program keeps, as a list to choose from: each file of the
// backup folder with the time and kind its name records, and its image when
// the file holds one. A file that cannot be read is listed too, so the user
// sees it rather than wonders where it went. QtCore only.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "RadioImage.h"
#include "TransferListener.h"

namespace rk {

struct BackupEntry {
    QString path;
    QString program;          // whose folder it is in: "rk520", "rk7400"
    QDateTime time;           // from the name; the file's own time otherwise
    std::optional<BackupKind> kind;  // none when the name does not say
    std::optional<RadioImage> image;  // none when the file is not an image file
    int configuredChannels = 0;
};

// The name part of each kind: "rk520-20261207-101502-before-write.rkd";
// the copy read back after a write is "check-after-write" (older files say
// "verify" and are still read so).
QString BackupKindName(BackupKind kind);

// What a backup's file name records: the program, the time and the kind.
// None for any other name, such as a file the user keeps in the folder.
struct BackupName {
    QString program;
    QDateTime time;
    BackupKind kind;
};
std::optional<BackupName> ParseBackupName(const QString& fileName, const QString& extension);

// "2026-12-07 10:15:02": how the windows and rkradio show a backup's time.
QString BackupTimeText(const BackupEntry& entry);

// Every file of the given programs' backup folders that has one of their
// image extensions, newest first. Each program's files are taken from its
// own folder under `root` ("<root>/<program>/backups"); without a root, from
// the folder the programs keep their backups in.
struct BackupSource {
    QString program;    // "rk520"
    QString extension;  // ".rkd"
};
std::vector<BackupEntry> ListBackups(const std::vector<BackupSource>& sources, const QString& root = {});

}  // namespace rk
