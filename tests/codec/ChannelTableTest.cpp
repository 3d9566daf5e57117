// The CSV channel table: export of every code and duplex form, import of it
// and of tables from other radios, and the rows import refuses.

#include <QTest>

#include "ChannelTable.h"
#include "Csv.h"
#include "RadioDocument.h"
#include "Rk520Rules.h"
#include "Rk7400Rules.h"
#include "SquelchCodes.h"
#include "TestRunner.h"

using namespace rk;

Q_DECLARE_METATYPE(rk::TableProblemKind)

namespace {

constexpr std::uint8_t kTx = kTxCodeOn;
constexpr std::uint8_t kRx = kRxCodeOn;
constexpr std::uint8_t kTxQt = kTxCodeOn | kTxCodeIsQt;
constexpr std::uint8_t kRxQt = kRxCodeOn | kRxCodeIsQt;

RadioImage NewImage() {
    RadioDocument document;
    document.OnNewDocument();
    return document.Image();
}

void SetChannel(RadioImage& image, int c, std::uint32_t rx, std::uint32_t tx) {
    image.Channel(c).setRxFreq(rx);
    image.Channel(c).setTxFreq(tx);
}

// The exported line of the table's first channel, split into its cells.
QStringList FirstRow(const std::string& text) {
    const QStringList lines = QString::fromStdString(text).split('\n');
    return lines.size() > 1 ? lines[1].split(',') : QStringList();
}

ChannelTableImport Import(const RadioImage& base, const char* text) { return ImportChannelTable(base, text); }

}  // namespace

class ChannelTableTest : public QObject {
    Q_OBJECT
private slots:
    void headerHasTheColumnsInOrder() {
        const auto table = ExportChannelTable(NewImage(), Rk520Rules().validation.greatestSplit, ExportRows::Configured);
        QCOMPARE(QString::fromStdString(table.text),
                 QStringLiteral("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                                "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,Squelch,RepeaterDelay,Scrambler,"
                                "BeatShift,Talkaround,Reverse,Repeater,TxInhibit,ScanA,ScanB\n"));
    }

    // Columns Tone..CrossMode of the export, and the same bytes after import.
    void codesBothWays_data() {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("txCode");
        QTest::addColumn<int>("rxCode");
        QTest::addColumn<QString>("cells");
        QTest::newRow("none") << 0 << 0 << 0 << ",88.5,88.5,023,NN,023,Tone->Tone";
        QTest::newRow("tone") << int(kTxQt) << 11 << 0 << "Tone,100.0,88.5,023,NN,023,Tone->Tone";
        QTest::newRow("tsql") << int(kTxQt | kRxQt) << 0 << 0 << "TSQL,88.5,67.0,023,NN,023,Tone->Tone";
        QTest::newRow("dtcs") << int(kTx | kRx) << 0x06 << 0x06 << "DTCS,88.5,88.5,043,NN,023,Tone->Tone";
        QTest::newRow("dtcs rx inverted") << int(kTx | kRx) << 0x06 << 0xB9 << "DTCS,88.5,88.5,043,NR,023,Tone->Tone";
        QTest::newRow("tone->tone") << int(kTxQt | kRxQt) << 11 << 12 << "Cross,100.0,103.5,023,NN,023,Tone->Tone";
        QTest::newRow("tone->dtcs") << int(kTxQt | kRx) << 37 << 0x53 << "Cross,250.3,88.5,023,NN,754,Tone->DTCS";
        QTest::newRow("dtcs->tone") << int(kTx | kRxQt) << 0x87 << 0 << "Cross,88.5,67.0,023,RN,023,DTCS->Tone";
        QTest::newRow("->tone") << int(kRxQt) << 0 << 1 << "Cross,88.5,71.9,023,NN,023,->Tone";
        QTest::newRow("->dtcs") << int(kRx) << 0 << 0x91 << "Cross,88.5,88.5,023,NR,754,->DTCS";
        QTest::newRow("dtcs->") << int(kTx) << 0x02 << 0 << "Cross,88.5,88.5,026,NN,023,DTCS->";
        QTest::newRow("dtcs->dtcs") << int(kTx | kRx) << 0x00 << 0xA2 << "Cross,88.5,88.5,023,NR,025,DTCS->DTCS";
    }
    void codesBothWays() {
        QFETCH(int, flags);
        QFETCH(int, txCode);
        QFETCH(int, rxCode);
        QFETCH(QString, cells);
        RadioImage image = NewImage();
        SetChannel(image, 0, 14'500'000, 14'500'000);
        image.Channel(0).setCodeFlags(std::uint8_t(flags));
        image.Channel(0).setTxCode(std::uint8_t(txCode));
        image.Channel(0).setRxCode(std::uint8_t(rxCode));

        const auto table = ExportChannelTable(image, Rk520Rules().validation.greatestSplit, ExportRows::Configured);
        QCOMPARE(FirstRow(table.text).mid(5, 7).join(','), cells);
        const auto back = ImportChannelTable(NewImage(), table.text);
        QVERIFY(back.problems.empty());
        QVERIFY(back.image.Channel(0).Bytes()[10] == image.Channel(0).Bytes()[10]);
        QCOMPARE(back.image.Channel(0).txCode(), image.Channel(0).txCode());
        QCOMPARE(back.image.Channel(0).rxCode(), image.Channel(0).rxCode());
    }

    void duplexBothWays_data() {
        QTest::addColumn<bool>("rk7400");
        QTest::addColumn<uint>("rx");
        QTest::addColumn<uint>("tx");
        QTest::addColumn<bool>("inhibit");
        QTest::addColumn<QString>("cells");
        QTest::newRow("simplex") << false << 14'501'250u << 14'501'250u << false << "145.012500,,0.000000";
        QTest::newRow("plus") << false << 14'500'000u << 14'560'000u << false << "145.000000,+,0.600000";
        QTest::newRow("minus at the split") << false << 43'000'000u << 42'000'000u << false << "430.000000,-,10.000000";
        QTest::newRow("beyond rk520's split") << false << 43'000'000u << 44'000'500u << false << "430.000000,split,440.005000";
        QTest::newRow("within rk7400's") << true << 43'000'000u << 44'000'500u << false << "430.000000,+,10.005000";
        // Duplex says the transmit frequency even where TxInhibit says the
        // channel does not transmit.
        QTest::newRow("inhibited") << false << 43'000'000u << 43'000'000u << true << "430.000000,,0.000000";
        QTest::newRow("inhibited split") << false << 43'000'000u << 44'000'500u << true << "430.000000,split,440.005000";
    }
    void duplexBothWays() {
        QFETCH(bool, rk7400);
        QFETCH(uint, rx);
        QFETCH(uint, tx);
        QFETCH(bool, inhibit);
        QFETCH(QString, cells);
        RadioImage image = NewImage();
        SetChannel(image, 0, rx, tx);
        image.Channel(0).SetCodeFlag(kTxInhibit, inhibit);
        const auto& rules = rk7400 ? Rk7400Rules() : Rk520Rules();
        const auto table = ExportChannelTable(image, rules.validation.greatestSplit, ExportRows::Configured);
        QCOMPARE(FirstRow(table.text).mid(2, 3).join(','), cells);
        const auto back = ImportChannelTable(NewImage(), table.text);
        QVERIFY(back.problems.empty());
        QVERIFY(back.image == image);
    }

    // A table as another radio's software writes it: the common columns in
    // its own order plus some of its own, memories from 0, CRLF, quoting.
    void foreignTableImports() {
        const char* text =
            "\xEF\xBB\xBF" "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
            "Mode,TStep,Skip,Power,Comment,URCALL,Power2\r\n"
            "0,\"Club, \"\"North\"\"\",145.600000,-,0.600000,Tone,88.5,88.5,023,NN,NFM,12.50,,5.0W,\"two\r\nlines\",,x\r\n"
            "2,Simplex,433.500000,,0.000000,DTCS,88.5,88.5,23,RN,FM,5.00,S,0.5W,,,\r\n";
        const auto result = Import(NewImage(), text);
        QVERIFY(result.problems.empty());
        QCOMPARE(result.importedRows, (std::vector<int>{2, 3}));
        const ConstChannelRecord first = std::as_const(result.image).Channel(0);
        QCOMPARE(first.rxFreq(), 14'560'000u);
        QCOMPARE(first.txFreq(), 14'500'000u);
        QCOMPARE(first.codeFlags(), kTxQt);
        QCOMPARE(first.txCode(), 7);
        QCOMPARE(first.optionFlags(), 0);
        QCOMPARE(first.squelchLevel(), 3);
        const ConstChannelRecord third = std::as_const(result.image).Channel(2);
        QCOMPARE(third.txFreq(), 43'350'000u);
        QCOMPARE(third.codeFlags(), std::uint8_t(kTx | kRx));
        QCOMPARE(third.txCode(), 0x87);  // 023 inverted
        QCOMPARE(third.rxCode(), 0x00);
        QCOMPARE(third.optionFlags(), kLowPower);
        QVERIFY(result.image.Channel(1).Bytes()[0] == 0);
    }

    void refusedRows_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("column");
        QTest::addColumn<rk::TableProblemKind>("kind");
        using K = TableProblemKind;
        // Header: Location,Frequency,Duplex,Offset,Tone,rToneFreq,DtcsCode,DtcsPolarity,CrossMode,Mode,Power,Squelch,RepeaterDelay,ScanA
        QTest::newRow("channel 65") << "65,145,,,,,,,,,,,," << "Location" << K::LocationOutOfRange;
        QTest::newRow("no location") << ",145,,,,,,,,,,,," << "Location" << K::Required;
        QTest::newRow("no frequency") << "2,,,,,,,,,,,,," << "Frequency" << K::Required;
        QTest::newRow("text frequency") << "2,145.5MHz,,,,,,,,,,,," << "Frequency" << K::NotANumber;
        QTest::newRow("below zero") << "2,145,-,146,,,,,,,,,," << "Offset" << K::FrequencyOutOfRange;
        QTest::newRow("duplex") << "2,145,x,,,,,,,,,,," << "Duplex" << K::UnknownDuplex;
        QTest::newRow("tone mode") << "2,145,,,DTCS-R,,,,,,,,," << "Tone" << K::UnknownToneMode;
        QTest::newRow("69.3 Hz") << "2,145,,,Tone,69.3,,,,,,,," << "rToneFreq" << K::ToneNotInTable;
        QTest::newRow("DCS 036") << "2,145,,,DTCS,,036,,,,,,," << "DtcsCode" << K::DcsNotInTable;
        QTest::newRow("DCS 8") << "2,145,,,DTCS,,128,,,,,,," << "DtcsCode" << K::DcsNotInTable;
        QTest::newRow("polarity") << "2,145,,,DTCS,,023,NI,,,,,," << "DtcsPolarity" << K::UnknownPolarity;
        QTest::newRow("cross") << "2,145,,,Cross,,,,->,,,,," << "CrossMode" << K::UnknownCrossMode;
        QTest::newRow("AM") << "2,145,,,,,,,,AM,,,," << "Mode" << K::UnknownMode;
        QTest::newRow("power") << "2,145,,,,,,,,,Mid,,," << "Power" << K::UnknownPower;
        QTest::newRow("squelch") << "2,145,,,,,,,,,,10,," << "Squelch" << K::SquelchOutOfRange;
        QTest::newRow("delay") << "2,145,,,,,,,,,,,25.6," << "RepeaterDelay" << K::DelayOutOfRange;
        QTest::newRow("scan") << "2,145,,,,,,,,,,,,yes" << "ScanA" << K::NotYesOrNo;
    }
    void refusedRows() {
        QFETCH(QString, row);
        QFETCH(QString, column);
        QFETCH(rk::TableProblemKind, kind);
        const QByteArray header = "Location,Frequency,Duplex,Offset,Tone,rToneFreq,DtcsCode,DtcsPolarity,CrossMode,Mode,"
                                  "Power,Squelch,RepeaterDelay,ScanA";
        const QByteArray text = header + "\n1,146,,,,,,,,,,,,\n" + row.toUtf8() + "\n";
        const RadioImage base = NewImage();
        const auto result = ImportChannelTable(base, text.toStdString());
        QCOMPARE(result.problems.size(), std::size_t(1));
        QCOMPARE(result.problems[0].row, 3);
        QCOMPARE(QString::fromStdString(result.problems[0].column), column);
        QCOMPARE(result.problems[0].kind, kind);
        // The refused cell comes with its problem.
        const auto at = QString(header).split(',').indexOf(column);
        QCOMPARE(QString::fromStdString(result.problems[0].value), row.split(',')[at]);
        // The valid row is still imported, for a caller that skips.
        QCOMPARE(result.importedRows, std::vector<int>{2});
        QCOMPARE(result.image.Channel(0).rxFreq(), 14'600'000u);
    }

    // The same table with ';' or tabs and decimal commas, as spreadsheets
    // set to a decimal comma save it, gives the same bytes.
    void separatorsAndDecimalCommas() {
        const QString commas = "Location,Frequency,Duplex,Offset,Tone,rToneFreq,Power,RepeaterDelay\n"
                               "1,145.5,+,0.6,Tone,88.5,2.5W,1.5\n2,146.0125,,,,,,\n";
        const auto expected = ImportChannelTable(NewImage(), commas.toStdString());
        QVERIFY(expected.problems.empty());
        QCOMPARE(expected.image.Channel(0).txFreq(), 14'610'000u);
        QCOMPARE(expected.image.Channel(0).repeaterDelay(), 15);
        for (const QChar separator : {QChar(';'), QChar('\t')}) {
            QString text = commas;
            text.replace(',', separator).replace('.', ',');
            const auto result = ImportChannelTable(NewImage(), text.toStdString());
            QVERIFY2(result.problems.empty(), qPrintable(text));
            QVERIFY(result.image == expected.image);
        }
        // A comma table keeps the decimal point: "145,5" is no number there.
        const auto refused = Import(NewImage(), "Location;Frequency\n1;145.5\n2;145,5\n");
        QVERIFY(refused.problems.empty());
        QCOMPARE(refused.image.Channel(1).rxFreq(), 14'550'000u);
        QCOMPARE(Import(NewImage(), "Location,Frequency\n1,\"145,5\"\n").problems.size(), std::size_t(1));
    }

    // Locations count from 0 when any row names 0, not only the first.
    void locationZeroInALaterRow() {
        const auto result = Import(NewImage(), "Location,Frequency\n1,146\n0,145\n");
        QVERIFY(result.problems.empty());
        QCOMPARE(result.image.Channel(0).rxFreq(), 14'500'000u);
        QCOMPARE(result.image.Channel(1).rxFreq(), 14'600'000u);
    }

    void lowPowerUpToTwoWatts() {
        const auto result = Import(NewImage(), "Location,Frequency,Power\n1,145,2W\n2,145,2.0W\n3,145,2.1W\n");
        QVERIFY(result.problems.empty());
        QCOMPARE(result.image.Channel(0).optionFlags(), kLowPower);
        QCOMPARE(result.image.Channel(1).optionFlags(), kLowPower);
        QCOMPARE(result.image.Channel(2).optionFlags(), 0);
    }

    // A table from another program says nothing of this radio's own columns:
    // a channel in use keeps them, a channel not in use takes a new one's.
    void absentColumnsKeepTheBase() {
        RadioImage base = NewImage();
        SetChannel(base, 2, 14'500'000, 14'500'000);
        auto used = base.Channel(2);
        used.setSquelchLevel(7);
        used.setRepeaterDelay(12);
        used.setOptionFlags(kScrambler | kLowPower);
        used.setCodeFlags(kTxQt);
        used.setTxCode(5);
        base.Settings().scanGroupA()[0] = 2;
        base.Settings().scanGroupB()[0] = 2;
        base.Channel(5).setSquelchLevel(9);
        const auto result = Import(base, "Location,Name,Frequency,ScanB\n3,Club,146,N\n6,,147,\n");
        QVERIFY(result.problems.empty());
        const ConstChannelRecord kept = std::as_const(result.image).Channel(2);
        QCOMPARE(kept.rxFreq(), 14'600'000u);
        QCOMPARE(kept.squelchLevel(), 7);
        QCOMPARE(kept.repeaterDelay(), 12);
        QCOMPARE(kept.optionFlags(), std::uint8_t(kScrambler | kLowPower));
        QCOMPARE(kept.codeFlags(), kTxQt);
        QCOMPARE(result.image.Settings().scanGroupA()[0], 2);
        // ScanB is in the table and takes the channel out.
        QCOMPARE(result.image.Settings().scanGroupB()[0], kEmptySlot);
        QCOMPARE(result.image.Channel(5).squelchLevel(), 3);
        QCOMPARE(result.absentColumns, (std::vector<std::string>{"Squelch", "RepeaterDelay", "Scrambler", "BeatShift",
                                                                  "Talkaround", "Reverse", "Repeater", "TxInhibit", "ScanA"}));
        QVERIFY(result.namesDropped);
    }

    void everyProblemOfARowIsListed() {
        const auto result = Import(NewImage(), "Location,Frequency,Mode,Squelch\n1,145,AM,12\n1,146,,\n");
        QCOMPARE(result.problems.size(), std::size_t(3));
        QCOMPARE(result.problems[0].kind, TableProblemKind::UnknownMode);
        QCOMPARE(result.problems[1].kind, TableProblemKind::SquelchOutOfRange);
        // The first row was refused, but it still named channel 1.
        QCOMPARE(result.problems[2].kind, TableProblemKind::DuplicateLocation);
        QVERIFY(result.importedRows.empty());
    }

    void unusableTables_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("column");
        QTest::addColumn<rk::TableProblemKind>("kind");
        QTest::newRow("no Location") << QByteArray("Frequency\n145\n") << 1 << "Location"
                                     << TableProblemKind::MissingColumn;
        QTest::newRow("open quote") << QByteArray("Location,Name,Frequency\n1,a,145\n2,\"b,146\n3,c,147\n") << 3 << "Name"
                                    << TableProblemKind::UnclosedQuote;
    }
    void unusableTables() {
        QFETCH(QByteArray, text);
        QFETCH(int, row);
        QFETCH(QString, column);
        QFETCH(rk::TableProblemKind, kind);
        const RadioImage base = NewImage();
        const auto result = ImportChannelTable(base, text.toStdString());
        QVERIFY(!result.tableUsable);
        QCOMPARE(result.problems.size(), std::size_t(1));
        QCOMPARE(result.problems[0].row, row);
        QCOMPARE(QString::fromStdString(result.problems[0].column), column);
        QCOMPARE(result.problems[0].kind, kind);
        QVERIFY(result.importedRows.empty());
        QVERIFY(result.image == base);
    }

    void scanGroupsHoldSixteen() {
        RadioImage base = NewImage();
        for (int i = 0; i < kScanGroupSlots; ++i) base.Settings().scanGroupA()[i] = std::uint8_t(i * 2);
        // Channel 41 joins a full group: refused, and its record stays.
        auto result = Import(base, "Location,Frequency,ScanA,ScanB\n41,145,Y,Y\n");
        QCOMPARE(result.problems.size(), std::size_t(1));
        QCOMPARE(result.problems[0].kind, TableProblemKind::ScanGroupFull);
        QCOMPARE(result.problems[0].column, std::string("ScanA"));
        QVERIFY(result.image == base);

        // Channel 5 (index 4) leaving the group, in a later row, makes room.
        result = Import(base, "Location,Frequency,ScanA,ScanB\n41,145,Y,Y\n5,146,N,\n");
        QVERIFY(result.problems.empty());
        const auto groupA = result.image.Settings().scanGroupA();
        QCOMPARE(std::vector<int>(groupA.begin(), groupA.end()),
                 (std::vector<int>{0, 2, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 40}));
        QCOMPARE(result.image.Settings().scanGroupB()[0], 40);
        QCOMPARE(result.image.Settings().scanGroupB()[1], kEmptySlot);
    }

    void bytesTheTableDoesNotDescribeStay() {
        RadioImage base = NewImage();
        base.Channel(7).Bytes()[14] = 0xAB;
        base.Channel(7).Bytes()[15] = 0xCD;
        base.Channel(7).setCodeFlags(0x83 | kRxCodeIsQt);  // spare bits, receive side off
        base.Channel(7).setRxCode(0x55);
        base.Channel(7).setOptionFlags(0x03 | kScrambler);
        base.Settings().Bytes()[60] = 0x77;
        const auto result = Import(base, "Location,Frequency,Tone,rToneFreq\n8,145.0125,Tone,67.0\n");
        QVERIFY(result.problems.empty());
        const ConstChannelRecord r = std::as_const(result.image).Channel(7);
        QCOMPARE(r.rxFreq(), 14'501'250u);
        QCOMPARE(r.codeFlags(), std::uint8_t(0x83 | kRxCodeIsQt | kTxQt));
        QCOMPARE(r.rxCode(), 0x55);
        QCOMPARE(r.optionFlags(), 0x03);
        QCOMPARE(r.Bytes()[14], 0xAB);
        QCOMPARE(r.Bytes()[15], 0xCD);
        RadioImage expected = base;
        std::copy(r.Bytes().begin(), r.Bytes().end(), expected.Channel(7).Bytes().begin());
        QVERIFY(result.image == expected);
    }

    void exportThenImportGivesTheSameRecords() {
        RadioImage image = NewImage();
        image.Settings().setBandLow(40'000'000 / 4);
        for (int c = 0; c < kChannelCount; c += 3) {
            const auto rx = std::uint32_t(40'000'000 + c * 31'250 + (c % 2) * 500);
            SetChannel(image, c, rx, c % 4 ? rx + std::uint32_t(c) * 10'000 : rx);
            auto record = image.Channel(c);
            // Every pairing of off, tone and DCS; a side without a code keeps
            // a zero byte, as the table cannot carry one.
            const std::uint8_t sides[] = {0, kTx, kRx, kTx | kRx, kTxQt, kRxQt, kTxQt | kRxQt, kTxQt | kRx, kTx | kRxQt};
            record.setCodeFlags(std::uint8_t(sides[c % 9] | (c == 9 ? kTxInhibit : 0)));
            if (c == 9) record.setTxFreq(rx);
            const auto code = [&](std::uint8_t on, std::uint8_t tone, int n) {
                if (!record.HasCodeFlag(on)) return std::uint8_t(0);
                return record.HasCodeFlag(tone) ? EncodeSquelchCode(true, true, n % kToneCount)
                                                : EncodeSquelchCode(true, false, n * 7 % kDcsEntryCount);
            };
            record.setTxCode(code(kTxCodeOn, kTxCodeIsQt, c));
            record.setRxCode(code(kRxCodeOn, kRxCodeIsQt, c + 1));
            record.setOptionFlags(std::uint8_t((c * 37) & 0xFC));
            record.setSquelchLevel(std::uint8_t(c % 10));
            record.setRepeaterDelay(std::uint8_t(c));
            if (c % 2) InsertIntoGroupB(image, c);
        }
        for (int i = 0; i < 5; ++i) image.Settings().scanGroupA()[i] = std::uint8_t(i * 6);
        const auto table = ExportChannelTable(image, Rk520Rules().validation.greatestSplit, ExportRows::Configured);
        QVERIFY(table.unlistedCodes.empty());
        const auto back = ImportChannelTable(NewImage(), table.text);
        QVERIFY(back.problems.empty());
        const RadioImage fresh = NewImage();
        for (int c = 0; c < kChannelCount; ++c) {
            const auto expected = (c % 3 ? fresh : image).Channel(c).Bytes();
            const auto got = back.image.Channel(c).Bytes();
            QVERIFY2(std::equal(got.begin(), got.end(), expected.begin()), qPrintable(QString::number(c)));
        }
        QVERIFY(std::ranges::equal(back.image.Settings().scanGroupA(), image.Settings().scanGroupA()));
        QVERIFY(std::ranges::equal(back.image.Settings().scanGroupB(), image.Settings().scanGroupB()));
    }

    void csvQuotingSurvivesARoundTrip() {
        const std::vector<std::string> cells{"plain", "a,b", "say \"hi\"", "two\nlines", " padded ", ""};
        const std::string text = csv::FormatRecord(cells) + "x\r\n\r\ny";
        const csv::Table table = csv::Parse(text);
        QCOMPARE(table.records.size(), std::size_t(3));
        QVERIFY(table.records[0].cells == cells);
        QCOMPARE(table.records[1].number, 2);  // one record, however many lines
        QCOMPARE(table.records[2].number, 4);  // the blank record counts
        QCOMPARE(table.records[2].cells, std::vector<std::string>{"y"});
    }

private:
    static void InsertIntoGroupB(RadioImage& image, int c) {
        for (auto& slot : image.Settings().scanGroupB())
            if (slot == kEmptySlot) {
                slot = std::uint8_t(c);
                return;
            }
    }
};

RK_TEST_GUILESS_MAIN(ChannelTableTest)
#include "ChannelTableTest.moc"
