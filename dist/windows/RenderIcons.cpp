// Renders a program's SVG artwork for Windows on the build host, where QtSvg
// is: PNG pictures of the sizes the window icon uses, and a Windows .ico file
// (PNG-compressed entries) for the exe file and the file types.
//   render_windows_icons <artwork.svg> <name> <out-dir>
// writes <out-dir>/<name>-<size>.png and <out-dir>/<name>.ico.

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>
#include <vector>

namespace {

constexpr int kPictureSizes[] = {16, 24, 32, 48, 64, 128, 256};

QByteArray RenderPng(QSvgRenderer& artwork, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    artwork.render(&painter);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

void Append16(QByteArray& out, quint16 value) {
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 2);
}

void Append32(QByteArray& out, quint32 value) {
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

// ICONDIR, then one ICONDIRENTRY per picture, then the pictures. A width or
// height of 256 is written as 0.
QByteArray IcoFile(const std::vector<std::pair<int, QByteArray>>& pictures) {
    QByteArray ico;
    Append16(ico, 0);
    Append16(ico, 1);
    Append16(ico, static_cast<quint16>(pictures.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(pictures.size());
    for (const auto& [size, png] : pictures) {
        ico.append(static_cast<char>(size >= 256 ? 0 : size));
        ico.append(static_cast<char>(size >= 256 ? 0 : size));
        ico.append('\0');  // no palette
        ico.append('\0');
        Append16(ico, 1);   // colour planes
        Append16(ico, 32);  // bits per pixel
        Append32(ico, static_cast<quint32>(png.size()));
        Append32(ico, offset);
        offset += static_cast<quint32>(png.size());
    }
    for (const auto& picture : pictures) ico.append(picture.second);
    return ico;
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: render_windows_icons <artwork.svg> <name> <out-dir>\n", stderr);
        return 2;
    }
    QSvgRenderer artwork(QString::fromLocal8Bit(argv[1]));
    if (!artwork.isValid()) {
        std::fprintf(stderr, "render_windows_icons: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QString out = QString::fromLocal8Bit(argv[3]);
    std::vector<std::pair<int, QByteArray>> pictures;
    for (int size : kPictureSizes) {
        const QByteArray png = RenderPng(artwork, size);
        if (!Write(QStringLiteral("%1/%2-%3.png").arg(out, name).arg(size), png)) return 1;
        pictures.emplace_back(size, png);
    }
    return Write(QStringLiteral("%1/%2.ico").arg(out, name), IcoFile(pictures)) ? 0 : 1;
}
