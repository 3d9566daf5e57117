#pragma once
// Everything the windows of one model show: menu captions, prompts, command
// ids, messages of the document framework and the form's texts, over the
// model's rules. Plain data read by the shell and the editor only. All texts
// are UTF-8, in the model's own language, marked for translation as the
// rules' texts are (ModelRules.h).

#include "ModelRules.h"
#include "ReportTexts.h"

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
    const char* operationBackup;       // checkable: back the radio up before a write
    const char* operationVerify;       // checkable: read a write back
    const char* operationOpenBackups;  // opens the backup folder
    const char* help;
    const char* helpAbout;
    const char* language;      // the View menu's language submenu
    const char* languageName;  // the model's own language, named in it
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
    CommandPrompt language;  // %1 is the language's name
    CommandPrompt backup;
    CommandPrompt verify;
    CommandPrompt openBackups;
};

struct CommandIds {
    int portCom1;
    int portCom2;
    int write;
    int read;
    int backup;
    int verify;
    int openBackups;
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
    const char* quitDuringWriteQuestion;  // also asked before stopping a write
    // While a transfer runs: the Stop button, and the status text of the
    // handshake (%1 the port) and of the blocks of each phase (%1 of %2).
    const char* stop;
    const char* progressConnect;
    const char* progressRead;
    const char* progressBackup;
    const char* progressWrite;
    const char* progressVerify;
    // Port menu prompt with the device a name stands for: %1 the prompt, %2
    // the device or portNoDevice.
    const char* portDevicePrompt;
    const char* portNoDevice;
};

// The document-type string.
struct DocumentTypeTexts {
    const char* windowTitle;
    const char* newFileName;  // offered by Save for a document without a file
    const char* filterName;   // the Save dialogs offer this model's files only
    const char* fileTypeId;
    const char* fileTypeName;
    // Either program opens the other's files: the Open dialog offers both
    // models' files in one entry, then each model's own, then all files.
    const char* bothTypesFilter;
    const char* otherTypeFilter;
    const char* allFilesFilter;
};

struct EditorTexts {
    const char* channelName;  // %1 is the channel number in two digits
    const char* codeTone;     // the code types
    const char* codeDigital;
    const char* codeNone;
    const char* optionNo;
    const char* optionYes;
    const char* powerHigh;
    const char* powerLow;
    const char* numberRequired;
};

// Why a row of a channel table was refused, one text per reason the import
// gives; short, as each follows a row and a column.
struct TableReasonTexts {
    const char* missingColumn;
    const char* unclosedQuote;
    const char* required;
    const char* notANumber;
    const char* locationOutOfRange;
    const char* duplicateLocation;
    const char* frequencyOutOfRange;
    const char* unknownDuplex;
    const char* unknownToneMode;
    const char* unknownCrossMode;
    const char* toneNotInTable;
    const char* dcsNotInTable;
    const char* unknownPolarity;
    const char* unknownMode;
    const char* unknownPower;
    const char* squelchOutOfRange;
    const char* delayOutOfRange;
    const char* notYesOrNo;
    const char* scanGroupFull;
};

// The file menu's channel table (CSV) commands and what they say.
struct ChannelTableTexts {
    const char* exportCommand;
    const char* importCommand;
    CommandPrompt exportPrompt;
    CommandPrompt importPrompt;
    const char* filter;           // of the file dialogs
    const char* problemLine;      // %1 row, %2 column, %3 reason
    const char* rowProblem;       // %1 row, %2 reason, for a problem of no column
    const char* moreProblems;     // %1 problems not listed
    const char* importValidRows;  // question; %1 rows that would be imported
    const char* nothingToImport;
    const char* unlistedCodes;    // after an export; %1 the channels
    TableReasonTexts reasons;
};

// The channel table beside the form: its View item, its row commands and
// why a cell was refused.
struct ChannelTableViewTexts {
    const char* command;  // View menu item; also the panel's title
    CommandPrompt prompt;
    const char* copy;
    const char* paste;
    const char* clear;
    const char* moveUp;
    const char* moveDown;
    const char* sort;
    const char* setOnSelected;  // %1 the value
    const char* cellRefused;    // %1 channel and column, %2 reason
    const char* outOfRange;
    const char* notInList;
    const char* optionExcluded;
    const char* needsFrequency;
    // The channel sheet on paper or in a PDF file, headed by the file's name
    // and the date.
    const char* print;
    CommandPrompt printPrompt;
    const char* exportPdf;
    CommandPrompt exportPdfPrompt;
    const char* pdfFilter;
    const char* sheetFile;  // %1 the file's name
    const char* sheetDate;  // %1 the date
};

struct ModelProfile {
    const ModelRules& rules;
    const char* language;     // Qt locale name for the standard dialogs
    int toolbarButtonWidth;   // pixels; the height is 15
    MenuTexts menu;
    CommandPrompts prompts;
    CommandIds ids;
    ShellTexts shell;
    DocumentTypeTexts documentType;
    EditorTexts editor;
    ReportTexts report;  // names in transfer messages, as the form shows them
    // Form controls that only some models have.
    bool hasTotLimit;
    bool hasTxInhibit;
    bool hasReverse;
    bool hasTalkaround;
    ChannelTableTexts channelTable;
    ChannelTableViewTexts tableView;
};

}  // namespace rk
