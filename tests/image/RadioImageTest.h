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
    void outOfRangeIndexesThrow();
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
