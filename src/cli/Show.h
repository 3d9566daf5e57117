#pragma once
// The two forms of show: a table for people, JSON for programs.

#include <QString>

#include "RadioImage.h"

namespace rk::cli {

// Whether scan group `group` holds channel c.
bool InScanGroup(const RadioImage& image, ScanGroup group, int c);

// Rows of cells as text, each column as wide as its widest cell.
QString Columns(const QList<QStringList>& rows);

QString ShowText(const RadioImage& image, bool allChannels);
QByteArray ShowJson(const RadioImage& image, const QString& path);

}  // namespace rk::cli
