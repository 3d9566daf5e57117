#pragma once
// The editor's test classes, run from one executable.

#include <QObject>

class FormLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void controls_data();
    void controls();
    void fixedLists_data();
    void fixedLists();
    void newDocumentShowsChannel0_data();
    void newDocumentShowsChannel0();
    void numberRequired_data();
    void numberRequired();
    void badFieldStopsLaterFields();
};

class ChannelDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void ffRecord_data();
    void ffRecord();
    void frequencies_data();
    void frequencies();
    void band_data();
    void band();
    void scanGroups_data();
    void scanGroups();
    void codes_data();
    void codes();
    void options_data();
    void options();
    void squelchAboveRange();
};

class ChannelListsTest : public QObject {
    Q_OBJECT
private slots:
    void selectorChoice_data();
    void selectorChoice();
    void validListChoice();
    void keyboardChoice();
    void sameChannelAgain();
    void openWhileOtherChannelShown_data();
    void openWhileOtherChannelShown();
    void readResultAndRefusedWrite();
    void groupListChoiceDoesNothing();
};

class FieldEditsTest : public QObject {
    Q_OBJECT
private slots:
    void frequencyBytes_data();
    void frequencyBytes();
    void decimalComma();
    void warningSelectsField();
    void leaveAndReenterList();
    void band_data();
    void band();
    void bandSnapsBack();
    void tenths_data();
    void tenths();
    void copyButtons_data();
    void copyButtons();
    void savedAndReopened();
};

class OptionEditsTest : public QObject {
    Q_OBJECT
private slots:
    void squelchSpin();
    void exclusions_data();
    void exclusions();
    void repeaterClearsTxInhibit();
    void loadedConflictRefusesRepeater_data();
    void loadedConflictRefusesRepeater();
    void loadedConflictCanBeCleared();
    void power();
};

class SquelchCodeTest : public QObject {
    Q_OBJECT
private slots:
    void typeThenCode_data();
    void typeThenCode();
    void typeWithoutCode();
    void noneEntry();
    void sidesIndependent();
};

class ScanGroupTest : public QObject {
    Q_OBJECT
private slots:
    void add_data();
    void add();
    void addNeedsFrequencies();
    void fullGroup_data();
    void fullGroup();
    void remove_data();
    void remove();
    void membersStayAcrossChannels();
};
