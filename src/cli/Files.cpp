#include "Files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>
#include <span>

#include "Cli.h"
#include "ImageFile.h"

namespace rk::cli {

namespace {

// The first `count` bytes of the file, or fewer when it is shorter.
std::optional<QByteArray> ReadStart(const QString& path, qint64 count) {
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        Error(QStringLiteral("%1: is a folder").arg(path));
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        Error(QStringLiteral("%1: cannot open: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    QByteArray bytes = file.read(count);
    if (file.error() != QFileDevice::NoError) {
        Error(QStringLiteral("%1: cannot read: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::optional<RadioImage> LoadImageFile(const QString& path) {
    // Only the first 1089 bytes count.
    const auto bytes = ReadStart(path, static_cast<qint64>(kImageFileSize));
    if (!bytes) return std::nullopt;
    const auto image = ParseImageFile(std::span(reinterpret_cast<const std::uint8_t*>(bytes->constData()),
                                                static_cast<std::size_t>(bytes->size())));
    if (!image)
        Error(QStringLiteral("%1: not an image file: %2 bytes, an image file has %3")
                  .arg(path)
                  .arg(bytes->size())
                  .arg(kImageFileSize));
    return image;
}

bool SaveImageFile(const QString& path, const RadioImage& image) {
    const auto bytes = SerializeImageFile(image);
    return SaveTextFile(path, QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
}

std::optional<QByteArray> LoadTextFile(const QString& path, qint64 limit) {
    // One byte past the limit tells a file that is too long.
    auto bytes = ReadStart(path, limit + 1);
    if (bytes && bytes->size() > limit) {
        Error(QStringLiteral("%1: larger than %2 bytes").arg(path).arg(limit));
        return std::nullopt;
    }
    return bytes;
}

bool SaveTextFile(const QString& path, const QByteArray& text) {
    if (path.isEmpty() || path == QLatin1String("-")) {
        const auto written = std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
        if (std::fflush(stdout) != 0 || written != static_cast<std::size_t>(text.size())) {
            Error(QStringLiteral("cannot write to stdout"));
            return false;
        }
        return true;
    }
    // Written beside the old file and renamed over it only when complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        Error(QStringLiteral("%1: cannot write: %2").arg(path, file.errorString()));
        file.cancelWriting();
        return false;
    }
    return true;
}

}  // namespace rk::cli
