#pragma once
// Helpers the test programs share: UTF-8 text as a QString, whole files
// written and read, an image as the bytes of its file.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

#include "ImageFile.h"
#include "RadioImage.h"

namespace rk::test {

inline QString Utf(const char* s) { return QString::fromUtf8(s); }

// A file that cannot be opened fails the calling test.
inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Empty when the file cannot be read.
inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray FileBytes(const RadioImage& image) {
    const auto bytes = SerializeImageFile(image);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

}  // namespace rk::test
