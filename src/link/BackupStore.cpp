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


}  // namespace

BackupStore::BackupStore(const QString& programName, const QString& extension)
    : m_program(programName), m_extension(extension) {}

QString BackupStore::FolderFor(const QString& programName) {
    return ProgramDataFolder(programName) + QStringLiteral("/backups");
}

BackupCopy BackupStore::Keep(const RadioImage& image, BackupKind kind) {
    const QString folder = Folder();
    const QString stem = m_program + QLatin1Char('-') +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
                         QLatin1Char('-') + BackupKindName(kind);
    // A folder that cannot be made shows in the open below, with its reason.
    QDir().mkpath(folder);
    BackupCopy copy;
    const QString path = FreeName(folder, stem);
    copy.path = QDir::toNativeSeparators(path).toStdString();
    const auto bytes = SerializeImageFile(image);
    QFile file(path);
    // NewOnly: a file that appeared since FreeName looked is never replaced.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
                         file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) ==
                             static_cast<qint64>(bytes.size()) &&
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

// Only this program's backups count: other files in the folder are the
// user's and stay.
void BackupStore::Prune(const QString& folder, const QString& keep) const {
    QFileInfoList files = QDir(folder).entryInfoList({m_program + QStringLiteral("-*") + m_extension}, QDir::Files);
    if (files.size() <= kMaxFiles) return;
    std::sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const QDateTime ta = a.lastModified();
        const QDateTime tb = b.lastModified();
        return ta != tb ? ta < tb : a.fileName() < b.fileName();
    });
    const qsizetype excess = files.size() - kMaxFiles;
    qsizetype removed = 0;
    for (const QFileInfo& info : files) {
        if (removed == excess) break;
        if (info.absoluteFilePath() == QFileInfo(keep).absoluteFilePath()) continue;
        if (QFile::remove(info.absoluteFilePath())) ++removed;
    }
}

}  // namespace rk
