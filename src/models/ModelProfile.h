#pragma once
// Everything that differs between the two radio models: texts in the model's
// language, limits, command ids and port behaviour. Plain data, no Qt, so the
// core (validation, clone transfer) can read it too. All texts are UTF-8.

#include <cstdint>

namespace rk {

struct MenuTexts {
    const char* file;
    const char* fileNew;
    const char* fileOpen;
    const char* fileSave;
    const char* fileSaveAs;
    const char* recentPlaceholder;  // shown while the recent-file list is empty
    const char* fileExit;
    const char* view;
    const char* viewToolbar;
    const char* viewStatusBar;
    const char* port;
    const char* portCom1;
    const char* portCom2;
    const char* operation;
    const char* operationWrite;
    const char* operationRead;
    const char* help;
    const char* helpAbout;
};

// Status-bar prompt and tooltip of one command.
struct CommandPrompt {
    const char* prompt;
    const char* tooltip;
};

struct CommandPrompts {
    CommandPrompt fileNew;
    CommandPrompt fileOpen;
    CommandPrompt fileSave;
    CommandPrompt fileSaveAs;
    CommandPrompt recentFile;
    CommandPrompt fileExit;
    CommandPrompt viewToolbar;
    CommandPrompt viewStatusBar;
    CommandPrompt portCom1;
    CommandPrompt portCom2;
    CommandPrompt write;
    CommandPrompt read;
};

struct CommandIds {
    int portCom1;
    int portCom2;
    int write;
    int read;
};

struct ShellTexts {
    const char* programTitle;  // caption of every message box
    const char* idleStatus;
    const char* capsIndicator;
    const char* numIndicator;
    const char* scrollIndicator;
    const char* aboutTitle;
    const char* aboutVersion;
    const char* aboutCopyright;
    // Standard messages of the document framework; %1 is the file name.
    const char* untitledName;
    const char* cannotOpenFile;
    const char* unexpectedFormat;
    const char* cannotWriteFile;
    const char* saveChangesQuestion;
    const char* quitDuringWriteQuestion;
};

// The document-type string.
struct DocumentTypeTexts {
    const char* windowTitle;
    const char* newFileName;  // offered by Save for a document without a file
    const char* filterName;  // the Save dialogs offer this model's files only
    const char* extension;   // with its dot
    const char* fileTypeId;
    const char* fileTypeName;
    // Either program opens the other's files: the Open dialog offers both
    // models' files in one entry, then each model's own, then all files.
    const char* bothTypesFilter;
    const char* otherTypeFilter;
    const char* allFilesFilter;
};

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
};

struct EditorTexts {
    const char* channelSuffix;  // channel name: two digits, then this
    const char* codeNone;
    const char* optionNo;
    const char* optionYes;
    const char* powerHigh;
    const char* powerLow;
    const char* numberRequired;
};

struct ModelProfile {
    const char* programName;  // rk520, rk7400
    const char* language;     // Qt locale name for the standard dialogs
    int toolbarButtonWidth;   // pixels; the height is 15
    MenuTexts menu;
    CommandPrompts prompts;
    CommandIds ids;
    ShellTexts shell;
    DocumentTypeTexts documentType;
    ValidationRules validation;
    TransferTexts transfer;
    EditorTexts editor;
    // Port search: try COM1..COM8 in turn instead of the port chosen in the menu.
    bool searchesPorts;
    // Form controls that only some models have.
    bool hasTotLimit;
    bool hasTxInhibit;
    bool hasReverse;
    bool hasTalkaround;
};

}  // namespace rk
