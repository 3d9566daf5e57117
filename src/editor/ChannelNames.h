#pragma once
// The 64 channel display names of a model ("01频道" .. "64频道", "01" .. "64")
// and the text a channel-index byte shows in a list.

#include <QString>
#include <QStringList>
#include <cstdint>

#include "ModelProfile.h"

namespace rk {

// Name of channel index 0..63: the model's channel name in the interface
// language, holding the two-digit channel number.
QString ChannelName(const ModelProfile& profile, int channel);
QStringList ChannelNames(const ModelProfile& profile);

// What a slot of a channel-index list shows: the channel's name, or for a byte
// that names no channel its raw value in hex ("0x4A").
QString SlotText(const ModelProfile& profile, std::uint8_t slot);

}  // namespace rk
