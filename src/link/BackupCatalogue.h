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

// The radio of a series of writes a backup was taken from: the series'
// start (to the second) and the radio's number from 1.
struct BackupSeries {
    QDateTime start;
    int radio = 1;
    friend bool operator==(const BackupSeries&, const BackupSeries&) = default;
};

struct BackupEntry {
    QString path;
    QString program;          // whose folder it is in: "rk520", "rk7400"
    // From the name; the file's own time otherwise, and for a series copy,
    // whose name holds the series' start.
    QDateTime time;
    std::optional<BackupKind> kind;  // none when the name does not say
    std::optional<BackupSeries> series;  // a copy of a series of writes
    std::optional<RadioImage> image;  // none when the file is not an image file
    int configuredChannels = 0;
};

// The name part of each kind: "rk520-20261207-101502-before-write.rkd";
// the copy read back after a write is "check-after-write" (older files say
// "verify" and are still read so).
QString BackupKindName(BackupKind kind);

// The stem of a backup's name, without the "-2" of a second copy and the
// extension: "rk520-20261207-101502-before-write"; a radio of a series is
// named after the series' start and its number,
// "rk520-20261208-101502-series-03-before-write".
QString BackupStem(const QString& program, const QDateTime& time, BackupKind kind,
                   const std::optional<BackupSeries>& series = std::nullopt);

// What a backup's file name records: the program, the time and the kind.
// None for any other name, such as a file the user keeps in the folder.
struct BackupName {
    QString program;
    QDateTime time;  // a series copy's: the series' start
    BackupKind kind;
    std::optional<BackupSeries> series;
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
