// The pre-write check's message in each program and language: its second
// line names the failing channel in words ("07频道", "Channel 07"), and a
// refused band names the band and its value, not the channel the check was
// at; a frequency outside the band keeps both.

#include <QApplication>
#include <QTest>

#include "ProgramShell.h"
#include "Rk520Profile.h"
#include "Rk7400Profile.h"
#include "TestRunner.h"
#include "TransferReport.h"
#include "TranslatedTexts.h"

using namespace rk;

class CheckMessageTest : public QObject {
    Q_OBJECT
private slots:
    void secondLineNamesChannelOrBand_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("channel");  // channel 07's step refused
        QTest::addColumn<QString>("band");     // band 0 refused at channel 01
        QTest::addColumn<QString>("outside");  // channel 64 outside 400-420
        QTest::newRow("rk520 zh") << "rk520" << "zh" << "07频道" << "频段 0–20 MHz" << "64频道；频段 400–420 MHz";
        QTest::newRow("rk520 en") << "rk520" << "en" << "Channel 07" << "Band 0–20 MHz"
                                  << "Channel 64; band 400–420 MHz";
        QTest::newRow("rk7400 ru") << "rk7400" << "ru" << "Канал 07" << "Диапазон частот 0–20 МГц"
                                   << "Канал 64; диапазон 400–420 МГц";
        QTest::newRow("rk7400 en") << "rk7400" << "en" << "Channel 07" << "Band 0–20 MHz"
                                   << "Channel 64; band 400–420 MHz";
    }
    void secondLineNamesChannelOrBand() {
        QFETCH(QString, program);
        QFETCH(QString, language);
        QFETCH(QString, channel);
        QFETCH(QString, band);
        QFETCH(QString, outside);
        const ModelProfile& profile = program == "rk520" ? Rk520Profile() : Rk7400Profile();
        PrepareApplication(*qApp, profile, {QStringLiteral("--lang"), language});
        const TranslatedTexts texts(profile.texts);
        const auto secondLine = [&](const WriteRefusal& refusal) {
            const QString message = QString::fromStdString(DescribeRefusal(texts.Check(), texts.Report(), refusal));
            return message.section('\n', -1);
        };
        QCOMPARE(secondLine({6, WriteRule::RxStep, 0}), channel);
        QCOMPARE(secondLine({0, WriteRule::Band, 0}), band);
        QCOMPARE(secondLine({63, WriteRule::TxOutOfBand, 40'000'000}), outside);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CheckMessageTest test;
    return rk::test::RunTestObject(test, argc, argv);
}

#include "CheckMessageTest.moc"
