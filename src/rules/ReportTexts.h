#pragma once
// How transfer reports name what the form shows: channels, fields and their
// values, in one front end's language. The programs take theirs from the
// model's profile (the form's own captions); the command line brings its own.
// Plain data, no Qt. All texts are UTF-8; %1, %2, %3 are filled in.

namespace rk {

struct ReportTexts {
    const char* channel;          // %1: two-digit channel number
    const char* channelField;     // %1: channel, %2: field name
    const char* refusalBand;      // %1: channel, %2..%3: band edges in MHz
    const char* difference;       // %1: field, %2: value sent, %3: value read back
    const char* moreDifferences;  // %1: how many more
    const char* byteAt;           // %1: offset in the image
    // Values
    const char* on;
    const char* off;
    const char* powerHigh;
    const char* powerLow;
    const char* codeNone;
    // Channel fields
    const char* rxFrequency;
    const char* txFrequency;
    const char* rxCode;
    const char* txCode;
    const char* squelchLevel;
    const char* repeaterDelay;
    const char* power;
    const char* txInhibit;
    const char* beatShift;
    const char* talkaround;
    const char* repeater;
    const char* reverse;
    const char* scrambler;
    // Settings
    const char* band;
    const char* totLimit;
    const char* scanGroupA;
    const char* scanGroupB;
    const char* lastUsedChannel;
    const char* channelBitmap;
};

}  // namespace rk
