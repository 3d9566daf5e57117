#include "ChannelNames.h"

#include <QCoreApplication>

#include "ImageDiff.h"
#include "RadioImage.h"

namespace rk {

QString ChannelName(const ModelProfile& profile, int channel) {
    return QCoreApplication::translate(profile.rules.programName, profile.editor.channelName)
        .arg(QString::fromStdString(ChannelNumberText(channel)));
}

QStringList ChannelNames(const ModelProfile& profile) {
    QStringList names;
    names.reserve(kChannelCount);
    for (int c = 0; c < kChannelCount; ++c) names << ChannelName(profile, c);
    return names;
}

QString SlotText(const ModelProfile& profile, std::uint8_t slot) {
    if (slot < kChannelCount) return ChannelName(profile, slot);
    return QStringLiteral("0x") + QStringLiteral("%1").arg(slot, 2, 16, QLatin1Char('0')).toUpper();
}

}  // namespace rk
