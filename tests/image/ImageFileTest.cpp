#include <QTest>
#include <vector>

#include "ImageFile.h"
#include "RadioDocument.h"
#include "RadioImageTest.h"

using namespace rk;

void ImageFileTest::newDocumentFileBytes() {
    RadioDocument doc;
    doc.OnNewDocument();
    const auto file = SerializeImageFile(doc.Image());
    QCOMPARE(file.size(), std::size_t{1089});
    for (std::size_t i = 0; i < file.size(); ++i) {
        std::uint8_t expected = 0;
        if (i < 1024 && i % 16 == 12) expected = 3;
        if (i == 1025) expected = 0x0F;
        if (i == 1026) expected = 0x32;
        if (i >= 1040 && i <= 1071) expected = 0xFF;
        QCOMPARE(file[i], expected);
    }
}

void ImageFileTest::saveThenParseKeepsEveryByte() {
    RadioImage image;
    for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 37 + 11);
    const auto file = SerializeImageFile(image);
    QCOMPARE(file[1088], 0);
    const auto parsed = ParseImageFile(file);
    QVERIFY(parsed.has_value());
    QVERIFY(*parsed == image);
}

void ImageFileTest::shortFilesAreRefused_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("1000 bytes") << 1000;
    QTest::newRow("bare image") << 1088;
}

void ImageFileTest::shortFilesAreRefused() {
    QFETCH(int, size);
    const std::vector<std::uint8_t> contents(static_cast<std::size_t>(size), 0x55);
    QVERIFY(!ParseImageFile(contents).has_value());
}

void ImageFileTest::longerFileUsesFirst1088Bytes() {
    std::vector<std::uint8_t> contents(1500);
    for (std::size_t i = 0; i < contents.size(); ++i) contents[i] = static_cast<std::uint8_t>(i % 251);
    const auto parsed = ParseImageFile(contents);
    QVERIFY(parsed.has_value());
    for (std::size_t i = 0; i < kImageSize; ++i) QCOMPARE((*parsed)[i], contents[i]);
}
