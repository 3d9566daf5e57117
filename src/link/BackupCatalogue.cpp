#include "BackupCatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#include "SettingsLocation.h"
#include "ImageFile.h"

namespace rk {
namespace {

constexpr BackupKind kKinds[] = {BackupKind::Read, BackupKind::BeforeWrite, BackupKind::Verify};

// Reads no more than an image file holds, so a huge stray file costs nothing.
std::optional<RadioImage> ReadImage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(kImageFileSize));
    return ParseImageFile(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                    static_cast<std::size_t>(bytes.size())));
}

BackupEntry Describe(const QFileInfo& info, const QString& program, const QString& extension) {
    BackupEntry entry;
    entry.path = info.absoluteFilePath();
    entry.program = program;
    entry.time = info.lastModified();
    if (const auto name = ParseBackupName(info.fileName(), extension)) {
        if (!name->series) entry.time = name->time;
        entry.kind = name->kind;
        entry.series = name->series;
    }
    entry.image = ReadImage(entry.path);
    if (entry.image) entry.configuredChannels = entry.image->ConfiguredChannelCount();
    return entry;
}

}  // namespace

QString BackupKindName(BackupKind kind) {
    switch (kind) {
    case BackupKind::Read: return QStringLiteral("read");
    case BackupKind::BeforeWrite: return QStringLiteral("before-write");
    case BackupKind::Verify: return QStringLiteral("check-after-write");
    }
    return QStringLiteral("read");
}

QString BackupStem(const QString& program, const QDateTime& time, BackupKind kind,
                   const std::optional<BackupSeries>& series) {
    QString stem = program + QLatin1Char('-') + time.toString(QStringLiteral("yyyyMMdd-HHmmss")) + QLatin1Char('-');
    if (series) stem += QStringLiteral("series-%1-").arg(series->radio, 2, 10, QLatin1Char('0'));
    return stem + BackupKindName(kind);
}

std::optional<BackupName> ParseBackupName(const QString& fileName, const QString& extension) {
    // A radio's number has two digits or more; nine keep it an int.
    static const QRegularExpression pattern(
        QStringLiteral("^([a-z0-9]+)-(\\d{8}-\\d{6})-(?:series-(\\d{2,9})-)?([a-z-]+?)(?:-\\d+)?$"));
    if (!fileName.endsWith(extension) || fileName.size() == extension.size()) return std::nullopt;
    const auto match = pattern.match(fileName.chopped(extension.size()));
    if (!match.hasMatch()) return std::nullopt;
    const QDateTime time = QDateTime::fromString(match.captured(2), QStringLiteral("yyyyMMdd-HHmmss"));
    if (!time.isValid()) return std::nullopt;
    std::optional<BackupSeries> series;
    if (match.hasCaptured(3)) {
        const int radio = match.captured(3).toInt();
        if (radio < 1) return std::nullopt;
        series = BackupSeries{time, radio};
    }
    const QString kind = match.captured(4);
    for (const BackupKind known : kKinds)
        if (kind == BackupKindName(known)) return BackupName{match.captured(1), time, known, series};
    if (kind == QLatin1String("verify")) return BackupName{match.captured(1), time, BackupKind::Verify, series};
    return std::nullopt;
}

QString BackupTimeText(const BackupEntry& entry) { return entry.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

std::vector<BackupEntry> ListBackups(const std::vector<BackupSource>& sources, const QString& root) {
    const QString base = root.isEmpty() ? ProgramDataRoot() : root;
    std::vector<BackupEntry> entries;
    for (const BackupSource& source : sources) {
        const QDir folder(base + QLatin1Char('/') + source.program + QStringLiteral("/backups"));
        const QFileInfoList files = folder.entryInfoList({QLatin1Char('*') + source.extension}, QDir::Files);
        for (const QFileInfo& info : files) entries.push_back(Describe(info, source.program, source.extension));
    }
    std::stable_sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
        return a.time != b.time ? a.time > b.time : a.path > b.path;
    });
    return entries;
}

}  // namespace rk
