#include "Formats.h"

#include "Conversions.h"

namespace rk::cli {

namespace {
constexpr int kShownDecimals = 4;
}  // namespace

QString MhzText(std::int32_t count) { return QString::fromStdString(rk::MhzText(count, kShownDecimals)); }

QString ChannelNumber(int channel) { return QStringLiteral("%1").arg(channel + 1, 2, 10, QLatin1Char('0')); }

}  // namespace rk::cli
