#include "CodeTableTexts.h"

#include "SquelchCodes.h"

namespace rk {

namespace {
template <std::size_t N>
QStringList ToQStrings(const std::array<std::string, N>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(N));
    for (const auto& text : texts) list << QString::fromStdString(text);
    return list;
}
}  // namespace

const QStringList& ToneEntries() {
    static const QStringList entries = ToQStrings(ToneTexts());
    return entries;
}

const QStringList& DcsEntries() {
    static const QStringList entries = ToQStrings(DcsTexts());
    return entries;
}

}  // namespace rk
