#include "Formats.h"

namespace rk::cli {

namespace {
constexpr std::int64_t kCountsPerMhz = 100'000;
constexpr int kShownDecimals = 4;
}  // namespace

QString MhzText(std::int32_t count) {
    const std::int64_t magnitude = count < 0 ? -std::int64_t{count} : count;
    QString fraction = QStringLiteral("%1").arg(magnitude % kCountsPerMhz, 5, 10, QLatin1Char('0'));
    while (fraction.size() > kShownDecimals && fraction.endsWith(QLatin1Char('0'))) fraction.chop(1);
    return QStringLiteral("%1%2.%3").arg(count < 0 ? QStringLiteral("-") : QString()).arg(magnitude / kCountsPerMhz).arg(fraction);
}

QString ChannelNumber(int channel) { return QStringLiteral("%1").arg(channel + 1, 2, 10, QLatin1Char('0')); }

}  // namespace rk::cli
