#pragma once
// Everything the windows of one model show: menu captions, prompts, command
// ids, messages of the document framework and the form's texts, over the
// model's rules. Plain data read by the shell and the editor only. All texts
// are UTF-8, in the model's own language, marked for translation as the
// model's texts are (ModelTexts.h).

#include "ModelRules.h"
#include "ModelTexts.h"

namespace rk {

struct MenuTexts {
    const char* file;
    const char* fileNew;
    const char* fileOpen;
    const char* fileSave;
    const char* fileSaveAs;
    const char* recentPlaceholder;  // shown while the recent-file list is empty
    const char* fileExit;
    const char* edit;
    const char* editUndo;  // shown while there is no step to name
    const char* editRedo;
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
    const char* quitDuringWriteQuestion;  // asked when the window closes during a write
    // Stopping a write: the question before and the message after; %1 is the
    // sentence on the backup from before the write (the transfer texts' backupSaved
    // with its file, or noBeforeWriteBackup).
    const char* stopWriteQuestion;
    const char* writeStopped;
    const char* noBeforeWriteBackup;
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
    // A language chosen while a transfer runs cannot switch the window then.
    const char* languageRestartQuestion;
    // "Open backup folder" without a file manager; %1 the folder.
    const char* backupFolderIs;
};

// The document-type string.
struct DocumentTypeTexts {
    const char* windowTitle;
    const char* newFileName;  // offered by Save for a document without a file
    const char* filterName;   // the Save dialogs offer this model's files only
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
    const char* bandHighTip;  // the upper band edge follows the lower one
};

// The Edit menu's items naming the step they undo or redo. A field edit
// names the channel (%1, two digits) and the field (%2) as the read-back
// report does; a field of the settings only the field (%1).
struct HistoryTexts {
    const char* undoChannelField;
    const char* redoChannelField;
    const char* undoField;
    const char* redoField;
    const char* undoRead;
    const char* redoRead;
    const char* undoImport;
    const char* redoImport;
    // One field set on many channels at once: the count (%1, in the words
    // below) and the field (%2, from a small letter where the language has
    // them).
    const char* undoFieldOnChannels;
    const char* redoFieldOnChannels;
    // "%1 channels" in the count's plural form: 21, 31...; 22-24, 32-34...;
    // the rest. Never said of one channel.
    const char* channelCountOne;
    const char* channelCountFew;
    const char* channelCountMany;
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
    const char* semicolonFilter;  // the export's second file type: ';' between cells, decimal commas
    const char* problemLine;      // %1 row, %2 column, %3 reason
    const char* rowProblem;       // %1 row, %2 reason, for a problem of no column
    const char* moreProblems;     // %1 problems not listed
    const char* importValidRows;  // question; %1 rows that would be imported
    const char* nothingToImport;
    const char* unlistedCodes;    // after an export; %1 the channels
    const char* valueProblemLine; // %1 row, %2 column, %3 the refused value, %4 reason
    const char* exportSummary;    // status bar; %1 channels, %2 the file
    const char* importSummary;    // status bar; %1 channels
    const char* checkRefusals;    // follows importSummary; %1 problems the pre-write check meets
    const char* absentColumns;    // %1 this radio's own columns the table lacks
    const char* namesNotStored;
    TableReasonTexts reasons;
};

// The operation menu's list of backups and what its dialog shows.
struct BackupListTexts {
    const char* command;
    CommandPrompt prompt;
    const char* title;
    const char* timeColumn;
    const char* kindColumn;
    const char* channelsColumn;
    const char* comparedColumn;  // how the backup compares with the document
    const char* kindRead;
    const char* kindBeforeWrite;
    const char* kindVerify;
    // A backup of a series of writes: its start (%1, "10:15:02") and the
    // radio's number (%2); the read-back copy adds the check after the write.
    const char* kindSeries;
    const char* kindSeriesVerify;
    const char* unreadable;      // a file in the folder that holds no image
    const char* sameAsDocument;
    const char* differences;     // %1 fields that differ
    const char* showOther;       // check box: the other program's backups too
    const char* open;
    const char* change;          // %1 field, %2 in the document, %3 in the backup
    // The other program, whose backups share this image layout (not shown).
    const char* otherProgram;
    const char* otherExtension;
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
    const char* pasteUnchanged;  // status bar: the pasted rows equal what the channels hold
    // The channel sheet on paper or in a PDF file, headed by the file's name
    // and the date.
    const char* print;
    CommandPrompt printPrompt;
    const char* exportPdf;
    CommandPrompt exportPdfPrompt;
    const char* pdfFilter;
    const char* sheetFile;  // %1 the file's name
    const char* sheetDate;  // %1 the date
    const char* sheetMinutes;  // %1 the time limit in minutes
};

// Help > User guide, and the guide's place in the About box.
struct GuideTexts {
    const char* command;
    CommandPrompt prompt;
    const char* notOpened;  // %1 the page's file
    const char* location;   // About box; %1 the guide's folder
    // The help window: its title and buttons.
    const char* title;
    const char* back;
    const char* forward;
    const char* contents;
    const char* openInBrowser;
};

// The look at what a write would change, between the backup and the write:
// its operation-menu item and its question, and the button that brings the
// backup back after a write went wrong.
struct WritePreviewTexts {
    const char* command;  // checkable: show the changes before writing
    CommandPrompt prompt;
    const char* write;    // the question's buttons
    const char* cancel;
    const char* same;     // the radio already holds the image
    const char* openBackup;
    const char* heading;  // the dialog's; %1 the count of changed fields
    const char* empty;    // a frequency that goes away or comes
};

// One image written to radio after radio: the operation menu's item, the
// window that counts the radios, each radio's result in its row, and the
// offer to open the series' log at the end.
struct SeriesTexts {
    const char* command;
    CommandPrompt prompt;
    const char* title;
    const char* image;            // %1 the file's name, %2 channels in use
    const char* previewFirstOnly; // %1 the preview item's text
    const char* writeNext;        // the default button
    const char* finish;
    const char* retry;            // after a failure: the same radio again
    const char* next;             // after a failure: on to the next radio
    // The table's columns.
    const char* radioColumn;
    const char* timeColumn;
    const char* portColumn;
    const char* resultColumn;
    const char* fieldsColumn;
    const char* backupColumn;
    // Each radio's result; a port problem, a silent radio and a partly
    // written one say it with the transfer's own texts.
    const char* verified;
    const char* written;
    const char* differs;  // %1 the fields that differ
    const char* stopped;
    // The series is over: %1 radios tried, %2 of them verified, %3 the log.
    const char* summary;
    const char* openLog;
    const char* logNotOpened;  // %1 the log's file
    const char* logFailed;     // %1 the log's file, %2 the system's reason
};

struct ModelProfile {
    const ModelRules& rules;
    // The check's and the transfer's messages and the names reports give the
    // form's fields.
    const ModelTexts& texts;
    const char* language;     // Qt locale name for the standard dialogs
    int toolbarButtonWidth;   // pixels; the height is 15
    MenuTexts menu;
    CommandPrompts prompts;
    CommandIds ids;
    ShellTexts shell;
    DocumentTypeTexts documentType;
    EditorTexts editor;
    HistoryTexts history;
    // Form controls that only some models have.
    bool hasTotLimit;
    bool hasTxInhibit;
    bool hasReverse;
    bool hasTalkaround;
    ChannelTableTexts channelTable;
    BackupListTexts backups;
    ChannelTableViewTexts tableView;
    GuideTexts guide;
    WritePreviewTexts preview;
    SeriesTexts series;
};

}  // namespace rk
