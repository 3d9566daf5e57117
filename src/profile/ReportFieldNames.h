#pragma once
// The name the read-back report gives each field of the image comparison, as
// the profile's report texts word it. Plain data lookup, no Qt.

#include "ImageDiff.h"
#include "ReportTexts.h"

namespace rk {

// nullptr for a byte of no field.
inline const char* ReportFieldName(const ReportTexts& names, DiffField field) {
    switch (field) {
    case DiffField::RxFrequency: return names.rxFrequency;
    case DiffField::TxFrequency: return names.txFrequency;
    case DiffField::RxCode: return names.rxCode;
    case DiffField::TxCode: return names.txCode;
    case DiffField::SquelchLevel: return names.squelchLevel;
    case DiffField::RepeaterDelay: return names.repeaterDelay;
    case DiffField::Power: return names.power;
    case DiffField::TxInhibit: return names.txInhibit;
    case DiffField::BeatShift: return names.beatShift;
    case DiffField::Talkaround: return names.talkaround;
    case DiffField::Repeater: return names.repeater;
    case DiffField::Reverse: return names.reverse;
    case DiffField::Scrambler: return names.scrambler;
    case DiffField::Band: return names.band;
    case DiffField::TotLimit: return names.totLimit;
    case DiffField::ScanGroupA: return names.scanGroupA;
    case DiffField::ScanGroupB: return names.scanGroupB;
    case DiffField::LastUsedChannel: return names.lastUsedChannel;
    case DiffField::ChannelBitmap: return names.channelBitmap;
    case DiffField::Byte: break;
    }
    return nullptr;
}

}  // namespace rk
