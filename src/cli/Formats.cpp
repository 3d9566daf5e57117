#include "Formats.h"

#include "Conversions.h"
#include "TransferReport.h"

namespace rk::cli {

QString MhzText(std::int32_t count) { return QString::fromStdString(rk::MhzText(count, kListedDecimals)); }

QString ChannelNumber(int channel) {
    return QString::fromStdString(ChannelNumberText(channel));
}

}  // namespace rk::cli
