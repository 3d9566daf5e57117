#pragma once
// Image files and text files for the commands, read and written by the same
// rules as the programs: an image file shorter than 1089 bytes is refused,
// and a file is replaced only by a complete new one. Each function reports
// its own failure on stderr.

#include <QByteArray>
#include <QString>
#include <optional>

#include "RadioImage.h"

namespace rk::cli {

std::optional<RadioImage> LoadImageFile(const QString& path);
bool SaveImageFile(const QString& path, const RadioImage& image);

// A whole text file of at most `limit` bytes.
std::optional<QByteArray> LoadTextFile(const QString& path, qint64 limit);
// To `path`, or to stdout when it is empty or "-".
bool SaveTextFile(const QString& path, const QByteArray& text);

}  // namespace rk::cli
