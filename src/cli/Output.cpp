#include <cstdio>

#include "Cli.h"

namespace rk::cli {

namespace {
void Write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}
}  // namespace

void Print(const QString& line) { Write(stdout, line + QLatin1Char('\n')); }

void Error(const QString& text) { Write(stderr, QStringLiteral("rkradio: ") + text + QLatin1Char('\n')); }

void ErrorText(const QString& text) { Write(stderr, text); }

}  // namespace rk::cli
