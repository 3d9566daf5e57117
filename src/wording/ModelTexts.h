#pragma once
// What one model's programs say about what the core reports: the messages of
// the pre-write check, of a transfer and its ports, and the names a report
// gives channels, fields and values. Plain data, no Qt. All texts are UTF-8,
// in the model's own language; each model marks them for translation with
// QT_TRANSLATE_NOOP (Translatable.h) under its program name as context, and
// the front ends show them translated (TranslatedTexts.h). %1, %2, %3 are
// filled in.

#include "WriteValidation.h"

namespace rk {

// The message of each test of the pre-write check. A model with a single
// same-frequency message gives the same text three times.
struct CheckTexts {
    const char* sameFreqTalkaround;
    const char* sameFreqRepeater;
    const char* sameFreqReverse;
    const char* split;
    const char* band;
    const char* rxOutOfBand;
    const char* txOutOfBand;
    const char* rxStep;
    const char* txStep;
    const char* totLimit;
    const char* repeaterDelay;
};

// The message of a failed test; nullptr for None.
const char* CheckMessage(const CheckTexts& texts, WriteRule rule);

struct TransferTexts {
    const char* openFailedHandshake;
    const char* openFailedBlockRequest;
    const char* openFailedWriteBlock;
    const char* noHandshakeReply;
    const char* readDone;
    const char* writeDone;
    const char* incompleteRead;
    // What a failed port or handshake adds below the message: the device
    // behind the name and the cause. portDevice is "%1 = %2" (name, device),
    // portLine "%1: %2" (that, cause).
    const char* portDevice;
    const char* portLine;
    const char* portsTried;        // heading of a port search's list
    const char* noSerialDevices;   // the machine has no serial device at all
    const char* portUnassigned;    // the name stands for no device
    const char* portAbsent;
    const char* portPermission;
    const char* portInUse;
    const char* portOpenFailed;
    const char* noReply;
    const char* wrongReply;
    // Backups and the check after a write; %1 a path, %2 the system's reason.
    const char* nothingWritten;
    const char* backupSaved;
    const char* backupNotSaved;
    const char* verifyMatches;
    const char* verifyDiffers;
    const char* verifyReadFailed;
    // A write that ended early: %1 blocks of %2 reached the radio.
    const char* partlyWritten;
    // The write block on the line while the user is asked: %1 of %2.
    const char* blockOnLine;
};

// How reports name what the form shows: channels, fields and their values.
struct ReportTexts {
    const char* channel;          // %1: two-digit channel number
    const char* channelField;     // %1: channel, %2: field name
    const char* refusalBand;      // %1: channel, %2..%3: band edges in MHz
    const char* bandSetting;      // the band itself refused; %1..%2: its edges in MHz
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

struct ModelTexts {
    const char* context;  // the translation context: the program's name
    CheckTexts check;
    TransferTexts transfer;
    ReportTexts report;
};

}  // namespace rk
