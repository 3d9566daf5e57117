// The transfer's composite messages in each model's words: difference lines
// named as the form names fields, the refused channel and its band.

#include <QTest>

#include "Rk520Texts.h"
#include "Rk7400Texts.h"
#include "TestImages.h"
#include "TransferReport.h"
#include "TestRunner.h"

using namespace rk;

class TransferReportTest : public QObject {
    Q_OBJECT

private slots:
    void differencesInTheFormsWords() {
        const RadioImage sent = test::SampleImage();
        RadioImage read = sent;
        read.Channel(0).setOptionFlags(0);                 // scrambler off
        read.Channel(1).setOptionFlags(0);                 // power high
        read.Channel(2).setCodeFlags(0);                   // no receive code
        for (int c = 4; c < 14; ++c) read.Channel(c).setSquelchLevel(9 - static_cast<std::uint8_t>(c % 10));
        read[1087] = static_cast<std::uint8_t>(~read[1087]);  // in no named field
        const auto differences = CompareImages(sent, read);
        QCOMPARE(differences.size(), std::size_t{14});

        const auto lines = DifferenceLines(Rk520Texts().report, differences);
        QCOMPARE(lines.size(), std::size_t{13});
        QCOMPARE(QString::fromStdString(lines[0]), QString::fromUtf8("01频道 密话：写入 有，读回 无"));
        QCOMPARE(QString::fromStdString(lines[1]), QString::fromUtf8("02频道 功率选择：写入 小功率，读回 大功率"));
        QCOMPARE(QString::fromStdString(lines[2]), QString::fromUtf8("03频道 接收编码表：写入 77，读回 无"));
        QCOMPARE(QString::fromStdString(lines[12]), QString::fromUtf8("……另有 2 处不一致"));

        const auto all = DifferenceLines(Rk7400Texts().report, differences, 20);
        QCOMPARE(QString::fromStdString(all[3]), QString::fromUtf8("Канал 05, Шумодав: записано 4, прочитано 5"));
        QCOMPARE(QString::fromStdString(all.back()), QString::fromUtf8("Байт 1087: записано 0x00, прочитано 0xFF"));
    }

    void refusalNamesChannelAndBand() {
        const ModelTexts& first = Rk520Texts();
        const ModelTexts& second = Rk7400Texts();
        WriteRefusal refusal{2, WriteRule::TxOutOfBand, 40'000'000};
        QCOMPARE(QString::fromStdString(DescribeRefusal(first.check, first.report, refusal)),
                 QString::fromUtf8("发射频率值超出频段范围\n03频道；频段 400–420 MHz"));
        QCOMPARE(QString::fromStdString(DescribeRefusal(second.check, second.report, refusal)),
                 QString::fromUtf8("    TX-частота не соответствует полосе\nКанал 03; диапазон 400–420 МГц"));
        refusal.rule = WriteRule::RxStep;
        QCOMPARE(QString::fromStdString(DescribeRefusal(second.check, second.report, refusal)),
                 QString::fromUtf8("RX-частота должна быть кратной 6.25КГц или 5КГц\nКанал 03"));
    }
};

RK_TEST_GUILESS_MAIN(TransferReportTest)
#include "TransferReportTest.moc"
