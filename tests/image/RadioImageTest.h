#pragma once
#include <QObject>

class RadioImageTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsAreBigEndianAtTheirOffsets();
    void flagBitsTouchOnlyTheirMask();
    void eachSideTouchesOnlyItsOwnBytesAndBits();
    void channelBitmapBits();
    void channelConfiguredThreshold_data();
    void channelConfiguredThreshold();
    void newDocumentDefaults();
    void validChannelsListConfiguredInOrder();
    void modifiedStateNotifiesOnChange();
    void everyListenerHearsARebuiltDocument();
    void outOfRangeIndexesThrow();
};

class EditHistoryTest : public QObject {
    Q_OBJECT
private slots:
    void randomEditsUndoAndRedoExactly();
    void redoAfterWriteRefreshGivesTheStepsBytes();
    void thousandWholeImageStepsFitInTwoMebibytes();
};

class ImageFileTest : public QObject {
    Q_OBJECT
private slots:
    void newDocumentFileBytes();
    void saveThenParseKeepsEveryByte();
    void shortFilesAreRefused_data();
    void shortFilesAreRefused();
    void longerFileUsesFirst1088Bytes();
};
