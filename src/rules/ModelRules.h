#pragma once
// What one radio model's rules are, and the texts those rules produce: the
// pre-write limits and messages, the transfer messages, how the model finds
// its port and its image file's type. Plain data, no Qt: the image, codec and
// clone transfer read it, and so does every front end. All texts are UTF-8,
// in the model's own language; each model marks them for translation with
// QT_TRANSLATE_NOOP (Translatable.h) under its program name as context.

#include <cstdint>

namespace rk {

struct ValidationRules {
    std::int32_t highestBandEdge;  // 10 Hz counts
    std::int32_t greatestSplit;    // 10 Hz counts
    // Same-frequency messages in the order the bits are tested. A model with a
    // single message gives the same text three times.
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
};

struct ModelRules {
    const char* programName;  // rk520, rk7400
    const char* extension;    // of the model's image files, with its dot
    ValidationRules validation;
    TransferTexts transfer;
    // Port search: try COM1..COM8 in turn instead of the port chosen in the menu.
    bool searchesPorts;
    // Number fields take a comma as the decimal point too ("435,125").
    bool acceptsDecimalComma;
};

}  // namespace rk
