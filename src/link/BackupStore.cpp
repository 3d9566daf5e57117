#include "BackupStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include "BackupCatalogue.h"
#include "ImageFile.h"
#include "SettingsLocation.h"

namespace rk {
namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.read(static_cast<qint64>(kImageFileSize) + 1);
}

// The file's time becomes now; false when it cannot be changed.
bool Touch(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
}

}  // namespace

BackupStore::BackupStore(const QString& programName, const QString& extension)
    : m_program(programName), m_extension(extension) {}

QString BackupStore::FolderFor(const QString& programName) {
    return ProgramDataFolder(programName) + QStringLiteral("/backups");
}

BackupCopy BackupStore::Keep(const RadioImage& image, BackupKind kind) {
    const QString folder = Folder();
    const QString stem =
        BackupStem(m_program, m_series ? m_series->start : QDateTime::currentDateTime(), kind, m_series);
    // A folder that cannot be made shows in the open below, with its reason.
    QDir().mkpath(folder);
    BackupCopy copy;
    const auto bytes = SerializeImageFile(image);
    const QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    // Each radio of a series has its own copies, the same as the last radio's or not.
    const QFileInfoList own = m_series ? QFileInfoList{} : OwnBackups(folder);
    if (!own.isEmpty() && Contents(own.last().absoluteFilePath()) == data && Touch(own.last().absoluteFilePath())) {
        copy.path = QDir::toNativeSeparators(own.last().absoluteFilePath()).toStdString();
        return copy;
    }
    const QString path = FreeName(folder, stem);
    copy.path = QDir::toNativeSeparators(path).toStdString();
    QFile file(path);
    // NewOnly: a file that appeared since FreeName looked is never replaced.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
                         file.write(data) == data.size() &&
                         file.flush();
    if (!written) {
        copy.error = file.errorString().toStdString();
        if (file.isOpen()) file.remove();
        return copy;
    }
    file.close();
    Prune(folder, path);
    return copy;
}

// "stem.ext", else "stem-2.ext", "stem-3.ext", ...
QString BackupStore::FreeName(const QString& folder, const QString& stem) const {
    QString path = folder + QLatin1Char('/') + stem + m_extension;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder + QLatin1Char('/') + stem + QLatin1Char('-') + QString::number(n) + m_extension;
    return path;
}

// Oldest first by the time a backup was last kept (its file's time), then by
// name, so that copies of one moment keep their order.
QFileInfoList BackupStore::OwnBackups(const QString& folder) const {
    QFileInfoList own;
    for (const QFileInfo& info : QDir(folder).entryInfoList({QLatin1Char('*') + m_extension}, QDir::Files)) {
        const auto name = ParseBackupName(info.fileName(), m_extension);
        if (name && name->program == m_program) own << info;
    }
    // Within one millisecond "x.rkd" came before "x-2.rkd", and that before "x-10.rkd".
    std::sort(own.begin(), own.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const QDateTime ta = a.lastModified();
        const QDateTime tb = b.lastModified();
        if (ta != tb) return ta < tb;
        const QString na = a.fileName();
        const QString nb = b.fileName();
        return na.size() != nb.size() ? na.size() < nb.size() : na < nb;
    });
    return own;
}

// Only this program's backups count: other files in the folder are the
// user's and stay.
void BackupStore::Prune(const QString& folder, const QString& keep) const {
    const QFileInfoList files = OwnBackups(folder);
    if (files.size() <= kMaxFiles) return;
    const qsizetype excess = files.size() - kMaxFiles;
    qsizetype removed = 0;
    for (const QFileInfo& info : files) {
        if (removed == excess) break;
        if (info.absoluteFilePath() == QFileInfo(keep).absoluteFilePath()) continue;
        if (QFile::remove(info.absoluteFilePath())) ++removed;
    }
}

}  // namespace rk
