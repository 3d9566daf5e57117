// Squelch code tables and the stored byte of each choice.

#include <QTest>

#include <cstdint>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "SquelchCodes.h"
#include "TestRunner.h"

using namespace rk;

namespace {

struct DcsRow {
    const char* code;
    int normalPosition;
    int normalByte;
    int invertedPosition;
    const char* partner;
    int invertedByte;
};

// The DCS table as the radio documents it.
constexpr DcsRow kDcsTable[] = {
    {"023", 0, 0x00, 83, "047", 0x87},
    {"025", 1, 0x01, 84, "244", 0xA2},
    {"026", 2, 0x02, 85, "464", 0xBA},
    {"031", 3, 0x03, 86, "627", 0xC6},
    {"032", 4, 0x04, 87, "051", 0x88},
    {"043", 5, 0x06, 88, "445", 0xB9},
    {"047", 6, 0x07, 89, "023", 0x80},
    {"051", 7, 0x08, 90, "032", 0x84},
    {"054", 8, 0x09, 91, "413", 0xB5},
    {"065", 9, 0x0A, 92, "271", 0xA8},
    {"071", 10, 0x0B, 93, "306", 0xA9},
    {"072", 11, 0x0C, 94, "245", 0xA3},
    {"073", 12, 0x0D, 95, "506", 0xBE},
    {"074", 13, 0x0E, 96, "174", 0x9D},
    {"114", 14, 0x0F, 97, "712", 0xCD},
    {"115", 15, 0x10, 98, "152", 0x97},
    {"116", 16, 0x11, 99, "754", 0xD3},
    {"125", 17, 0x12, 100, "365", 0xB1},
    {"131", 18, 0x13, 101, "364", 0xB0},
    {"132", 19, 0x14, 102, "546", 0xC1},
    {"134", 20, 0x15, 103, "223", 0x9F},
    {"143", 21, 0x16, 104, "412", 0xB4},
    {"152", 22, 0x17, 105, "115", 0x90},
    {"155", 23, 0x18, 106, "731", 0xCF},
    {"156", 24, 0x19, 107, "265", 0xA7},
    {"162", 25, 0x1A, 108, "503", 0xBD},
    {"165", 26, 0x1B, 109, "251", 0xA4},
    {"172", 27, 0x1C, 110, "036", 0x85},
    {"174", 28, 0x1D, 111, "074", 0x8E},
    {"205", 29, 0x1E, 112, "263", 0xA6},
    {"223", 30, 0x1F, 113, "134", 0x95},
    {"226", 31, 0x20, 114, "411", 0xB3},
    {"243", 32, 0x21, 115, "351", 0xAF},
    {"244", 33, 0x22, 116, "025", 0x81},
    {"245", 34, 0x23, 117, "072", 0x8C},
    {"251", 35, 0x24, 118, "165", 0x9B},
    {"261", 36, 0x25, 119, "732", 0xD0},
    {"263", 37, 0x26, 120, "205", 0x9E},
    {"265", 38, 0x27, 121, "156", 0x99},
    {"271", 39, 0x28, 122, "065", 0x8A},
    {"306", 40, 0x29, 123, "071", 0x8B},
    {"311", 41, 0x2A, 124, "664", 0xCB},
    {"315", 42, 0x2B, 125, "423", 0xB6},
    {"331", 43, 0x2C, 126, "465", 0xBB},
    {"343", 44, 0x2D, 127, "532", 0xC0},
    {"346", 45, 0x2E, 128, "612", 0xC4},
    {"351", 46, 0x2F, 129, "243", 0xA1},
    {"364", 47, 0x30, 130, "131", 0x93},
    {"365", 48, 0x31, 131, "125", 0x92},
    {"371", 49, 0x32, 132, "734", 0xD1},
    {"411", 50, 0x33, 133, "226", 0xA0},
    {"412", 51, 0x34, 134, "143", 0x96},
    {"413", 52, 0x35, 135, "054", 0x89},
    {"423", 53, 0x36, 136, "315", 0xAB},
    {"431", 54, 0x37, 137, "723", 0xCE},
    {"432", 55, 0x38, 138, "516", 0xBF},
    {"445", 56, 0x39, 139, "043", 0x86},
    {"464", 57, 0x3A, 140, "026", 0x82},
    {"465", 58, 0x3B, 141, "331", 0xAC},
    {"466", 59, 0x3C, 142, "662", 0xCA},
    {"503", 60, 0x3D, 143, "162", 0x9A},
    {"506", 61, 0x3E, 144, "073", 0x8D},
    {"516", 62, 0x3F, 145, "432", 0xB8},
    {"532", 63, 0x40, 146, "343", 0xAD},
    {"546", 64, 0x41, 147, "132", 0x94},
    {"565", 65, 0x42, 148, "703", 0xCC},
    {"606", 66, 0x43, 149, "631", 0xC7},
    {"612", 67, 0x44, 150, "346", 0xAE},
    {"624", 68, 0x45, 151, "632", 0xC8},
    {"627", 69, 0x46, 152, "031", 0x83},
    {"631", 70, 0x47, 153, "606", 0xC3},
    {"632", 71, 0x48, 154, "624", 0xC5},
    {"654", 72, 0x49, 155, "743", 0xD2},
    {"662", 73, 0x4A, 156, "466", 0xBC},
    {"664", 74, 0x4B, 157, "311", 0xAA},
    {"703", 75, 0x4C, 158, "565", 0xC2},
    {"712", 76, 0x4D, 159, "114", 0x8F},
    {"723", 77, 0x4E, 160, "431", 0xB7},
    {"731", 78, 0x4F, 161, "155", 0x98},
    {"732", 79, 0x50, 162, "261", 0xA5},
    {"734", 80, 0x51, 163, "371", 0xB2},
    {"743", 81, 0x52, 164, "654", 0xC9},
    {"754", 82, 0x53, 165, "116", 0x91},
};

int OctalValue(const char* text) { return std::stoi(text, nullptr, 8); }

QByteArray OctalText(int code) { return QByteArray::number(code, 8).rightJustified(3, '0'); }

// DCS codeword: twelve data bits (the octal digit 4, then the nine bits of
// the code) and eleven check bits of the (23,12) Golay code with generator
// x^11 + x^10 + x^6 + x^5 + x^4 + x^2 + 1, systematic.
constexpr std::uint32_t kGolayGenerator = 0xC75;
constexpr std::uint32_t kWordMask = (1u << 23) - 1;

std::uint32_t DcsCodeword(int code) {
    const std::uint32_t data = 0x800u | static_cast<std::uint32_t>(code);
    std::uint32_t remainder = data << 11;
    for (int bit = 22; bit >= 11; --bit) {
        if ((remainder >> bit) & 1u) remainder ^= kGolayGenerator << (bit - 11);
    }
    return (data << 11) | remainder;
}

bool IsCyclicShift(std::uint32_t word, std::uint32_t of) {
    for (int s = 0; s < 23; ++s) {
        if ((((of << s) | (of >> (23 - s))) & kWordMask) == word) return true;
    }
    return false;
}

// Codes of the numbering whose codeword cycle holds word.
QList<int> NumberedCodesMatching(std::uint32_t word) {
    QList<int> codes;
    for (int code : DcsNumbering()) {
        if (IsCyclicShift(word, DcsCodeword(code))) codes << code;
    }
    return codes;
}

}  // namespace

class SquelchCodesTest : public QObject {
    Q_OBJECT
private slots:
    void toneTexts();
    void dcsTable_data();
    void dcsTable();
    void dcsTextsAndNumbering();
    void partnersAreTheGolayInversions();
    void encodeExamples_data();
    void encodeExamples();
    void decodeExamples_data();
    void decodeExamples();
    void encodeThenDecodeGivesEveryPosition();
    void decoderIsTotal();
    void positionsOutsideTheTableAreRefused();
};

void SquelchCodesTest::toneTexts() {
    QStringList texts;
    for (const auto& t : ToneTexts()) texts << QString::fromStdString(t);
    QCOMPARE(texts.join(' '),
             QStringLiteral("67 71.9 74.4 77 79.7 82.5 85.4 88.5 91.5 94.8 97.4 100 103.5 107.2 110.9 114.8 "
                            "118.8 123 127.3 131.8 136.5 141.3 146.2 151.4 156.7 162.2 167.9 173.8 179.9 186.2 "
                            "192.8 203.5 210.7 218.1 225.7 233.6 241.8 250.3"));
}

void SquelchCodesTest::dcsTable_data() {
    QTest::addColumn<int>("row");
    QCOMPARE(std::size(kDcsTable), std::size_t(kDcsCodeCount));
    for (int i = 0; i < int(std::size(kDcsTable)); ++i) QTest::newRow(kDcsTable[i].code) << i;
}

void SquelchCodesTest::dcsTable() {
    QFETCH(int, row);
    const DcsRow& r = kDcsTable[row];
    QCOMPARE(r.normalPosition, row);
    QCOMPARE(r.invertedPosition, row + kDcsCodeCount);
    QCOMPARE(DcsTexts()[r.normalPosition], std::string(r.code) + "N");
    QCOMPARE(DcsTexts()[r.invertedPosition], std::string(r.code) + "I");
    QCOMPARE(DcsCodeList()[row], OctalValue(r.code));
    QCOMPARE(DcsPartners()[row], OctalValue(r.partner));

    QCOMPARE(int(EncodeSquelchCode(true, false, r.normalPosition)), r.normalByte);
    QCOMPARE(int(EncodeSquelchCode(true, false, r.invertedPosition)), r.invertedByte);
    const auto normal = DecodeSquelchCode(true, false, static_cast<std::uint8_t>(r.normalByte));
    const auto inverted = DecodeSquelchCode(true, false, static_cast<std::uint8_t>(r.invertedByte));
    QCOMPARE(normal.position, std::optional<int>(r.normalPosition));
    QCOMPARE(inverted.position, std::optional<int>(r.invertedPosition));
}

void SquelchCodesTest::dcsTextsAndNumbering() {
    QCOMPARE(DcsTexts()[0], std::string("023N"));
    QCOMPARE(DcsTexts()[82], std::string("754N"));
    QCOMPARE(DcsTexts()[83], std::string("023I"));
    QCOMPARE(DcsTexts()[165], std::string("754I"));
    // The numbering is the code list with 036 added as number 5.
    for (int n = 0; n < kDcsNumberingCount; ++n) {
        const int expected = n < 5 ? DcsCodeList()[n] : n == 5 ? 036 : DcsCodeList()[n - 1];
        QCOMPARE(DcsNumbering()[n], expected);
    }
    // 172 pairs with 036 and is the one numbered code nobody names as partner.
    QCOMPARE(DcsPartners()[27], 036);
    for (int code : DcsNumbering()) {
        const auto uses = std::count(DcsPartners().begin(), DcsPartners().end(), code);
        QVERIFY2(uses == (code == 0172 ? 0 : 1), OctalText(code).constData());
    }
}

void SquelchCodesTest::partnersAreTheGolayInversions() {
    // The encoder itself: 023 shares its codeword cycle with 340 and 766.
    QVERIFY(IsCyclicShift(DcsCodeword(0340), DcsCodeword(023)));
    QVERIFY(IsCyclicShift(DcsCodeword(0766), DcsCodeword(023)));
    QVERIFY(!IsCyclicShift(DcsCodeword(025), DcsCodeword(023)));

    for (int k = 0; k < kDcsCodeCount; ++k) {
        const int code = DcsCodeList()[k];
        const std::uint32_t inverted = ~DcsCodeword(code) & kWordMask;
        const QList<int> matches = NumberedCodesMatching(inverted);
        QVERIFY2(matches.size() == 1, OctalText(code).constData());
        QVERIFY2(matches.front() == DcsPartners()[k], OctalText(code).constData());
    }
}

void SquelchCodesTest::encodeExamples_data() {
    QTest::addColumn<bool>("on");
    QTest::addColumn<bool>("isTone");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("byte");
    QTest::newRow("off") << false << false << 120 << 0;
    QTest::newRow("off, tone") << false << true << 37 << 0;
    QTest::newRow("67") << true << true << 0 << 0;
    QTest::newRow("250.3") << true << true << 37 << 0x25;
    QTest::newRow("023N") << true << false << 0 << 0x00;
    QTest::newRow("032N") << true << false << 4 << 0x04;
    QTest::newRow("043N") << true << false << 5 << 0x06;
    QTest::newRow("754N") << true << false << 82 << 0x53;
    QTest::newRow("023I") << true << false << 83 << 0x87;
    QTest::newRow("047I") << true << false << 89 << 0x80;
    QTest::newRow("172I") << true << false << 110 << 0x85;
    QTest::newRow("754I") << true << false << 165 << 0x91;
}

void SquelchCodesTest::encodeExamples() {
    QFETCH(bool, on);
    QFETCH(bool, isTone);
    QFETCH(int, position);
    QFETCH(int, byte);
    QCOMPARE(int(EncodeSquelchCode(on, isTone, position)), byte);
}

void SquelchCodesTest::decodeExamples_data() {
    QTest::addColumn<bool>("on");
    QTest::addColumn<bool>("isTone");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("position");  // -1: no position
    QTest::newRow("off, zero byte") << false << false << 0x00 << kCodeTypeNone << -1;
    QTest::newRow("off, tone bit, any byte") << false << true << 0x25 << kCodeTypeNone << -1;
    QTest::newRow("tone 0x25") << true << true << 0x25 << kCodeTypeQt << 37;
    QTest::newRow("tone 0x26") << true << true << 0x26 << kCodeTypeQt << -1;
    QTest::newRow("tone 0xFF") << true << true << 0xFF << kCodeTypeQt << -1;
    QTest::newRow("DCS 0x26") << true << false << 0x26 << kCodeTypeDqt << 37;
    QTest::newRow("DCS 5, code 036") << true << false << 0x05 << kCodeTypeDqt << 4;
    QTest::newRow("DCS 4") << true << false << 0x04 << kCodeTypeDqt << 4;
    QTest::newRow("DCS 0x53") << true << false << 0x53 << kCodeTypeDqt << 82;
    QTest::newRow("DCS 84, beyond numbering") << true << false << 84 << kCodeTypeDqt << 83;
    QTest::newRow("DCS 0x7F") << true << false << 0x7F << kCodeTypeDqt << 126;
    QTest::newRow("DCS 0x87") << true << false << 0x87 << kCodeTypeDqt << 83;
    QTest::newRow("DCS 0x80") << true << false << 0x80 << kCodeTypeDqt << 89;
    QTest::newRow("DCS 0x85") << true << false << 0x85 << kCodeTypeDqt << 110;
    QTest::newRow("DCS 0x91") << true << false << 0x91 << kCodeTypeDqt << 165;
    QTest::newRow("DCS inverted 172, no partner") << true << false << 0x9C << kCodeTypeDqt << -1;
    QTest::newRow("DCS inverted 0xD3") << true << false << 0xD3 << kCodeTypeDqt << 99;
    QTest::newRow("DCS inverted 84") << true << false << 0xD4 << kCodeTypeDqt << -1;
    QTest::newRow("DCS 0xFF") << true << false << 0xFF << kCodeTypeDqt << -1;
}

void SquelchCodesTest::decodeExamples() {
    QFETCH(bool, on);
    QFETCH(bool, isTone);
    QFETCH(int, byte);
    QFETCH(int, type);
    QFETCH(int, position);
    const auto decoded = DecodeSquelchCode(on, isTone, static_cast<std::uint8_t>(byte));
    QCOMPARE(decoded.typePosition, type);
    const CodeTable table = type == kCodeTypeQt    ? CodeTable::Tone
                            : type == kCodeTypeDqt ? CodeTable::Dcs
                                                   : CodeTable::None;
    QVERIFY(decoded.table == table);
    QCOMPARE(decoded.position, position < 0 ? std::nullopt : std::optional<int>(position));
}

void SquelchCodesTest::encodeThenDecodeGivesEveryPosition() {
    for (int p = 0; p < kToneCount; ++p) {
        const auto decoded = DecodeSquelchCode(true, true, EncodeSquelchCode(true, true, p));
        QCOMPARE(decoded.position, std::optional<int>(p));
        QVERIFY(decoded.table == CodeTable::Tone);
    }
    for (int p = 0; p < kDcsEntryCount; ++p) {
        const auto decoded = DecodeSquelchCode(true, false, EncodeSquelchCode(true, false, p));
        QCOMPARE(decoded.position, std::optional<int>(p));
        QVERIFY(decoded.table == CodeTable::Dcs);
    }
}

// Every byte under every flag combination: a type, the table that goes with
// it and a position inside that table, or none. An inverted byte that names
// an entry is exactly the byte that entry encodes to.
void SquelchCodesTest::decoderIsTotal() {
    for (int flags = 0; flags < 4; ++flags) {
        const bool on = flags & 1;
        const bool isTone = flags & 2;
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<std::uint8_t>(b);
            const auto decoded = DecodeSquelchCode(on, isTone, byte);
            const QByteArray what = QByteArray::number(flags) + "/" + QByteArray::number(b);
            if (!on) {
                QVERIFY2(decoded.typePosition == kCodeTypeNone && decoded.table == CodeTable::None &&
                             !decoded.position,
                         what.constData());
                continue;
            }
            if (isTone) {
                QVERIFY2(decoded.typePosition == kCodeTypeQt && decoded.table == CodeTable::Tone, what.constData());
                QVERIFY2(decoded.position == (b < kToneCount ? std::optional<int>(b) : std::nullopt),
                         what.constData());
                continue;
            }
            QVERIFY2(decoded.typePosition == kCodeTypeDqt && decoded.table == CodeTable::Dcs, what.constData());
            if (b < 0x80) {
                QVERIFY2(decoded.position == (b <= 4 ? b : b - 1), what.constData());
            } else if (decoded.position) {
                QVERIFY2(*decoded.position >= kDcsCodeCount && *decoded.position < kDcsEntryCount,
                         what.constData());
                QVERIFY2(EncodeSquelchCode(true, false, *decoded.position) == byte, what.constData());
            } else {
                const int number = b & 0x7F;
                QVERIFY2(number == 28 || number >= kDcsNumberingCount, what.constData());
            }
        }
    }
}

void SquelchCodesTest::positionsOutsideTheTableAreRefused() {
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, EncodeSquelchCode(true, true, kToneCount));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, EncodeSquelchCode(true, true, -1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, EncodeSquelchCode(true, false, kDcsEntryCount));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, EncodeSquelchCode(true, false, -1));
    // An off side stores 0 whatever the position.
    QCOMPARE(int(EncodeSquelchCode(false, false, -1)), 0);
}

RK_TEST_GUILESS_MAIN(SquelchCodesTest)
#include "SquelchCodesTest.moc"
