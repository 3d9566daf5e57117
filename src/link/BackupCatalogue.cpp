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

BackupEntry Describe(const QFileInfo& info, const QString& program) {
    static const QRegularExpression name(QStringLiteral("^[a-z0-9]+-(\\d{8}-\\d{6})-([a-z-]+?)(?:-\\d+)?$"));
    BackupEntry entry;
    entry.path = info.absoluteFilePath();
    entry.program = program;
    entry.time = info.lastModified();
    if (const auto match = name.match(info.completeBaseName()); match.hasMatch()) {
        const QDateTime stamped = QDateTime::fromString(match.captured(1), QStringLiteral("yyyyMMdd-HHmmss"));
        if (stamped.isValid()) entry.time = stamped;
        for (const BackupKind kind : kKinds)
            if (match.captured(2) == BackupKindName(kind)) entry.kind = kind;
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
    case BackupKind::Verify: return QStringLiteral("verify");
    }
    return QStringLiteral("read");
}

std::vector<BackupEntry> ListBackups(const std::vector<BackupSource>& sources, const QString& root) {
    const QString base = root.isEmpty() ? ProgramDataRoot() : root;
    std::vector<BackupEntry> entries;
    for (const BackupSource& source : sources) {
        const QDir folder(base + QLatin1Char('/') + source.program + QStringLiteral("/backups"));
        const QFileInfoList files = folder.entryInfoList({QLatin1Char('*') + source.extension}, QDir::Files);
        for (const QFileInfo& info : files) entries.push_back(Describe(info, source.program));
    }
    std::stable_sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
        return a.time != b.time ? a.time > b.time : a.path > b.path;
    });
    return entries;
}

}  // namespace rk
