// The write preview dialog in each model: its heading counts the changed
// fields, the list groups them under their channels in image order (the
// second channel's group starts where its first change is), a frequency that
// goes away reads "(empty)", Cancel is the default, and through the prompts
// seam it is answered without ever being shown.

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "ImageDiff.h"
#include "Programs.h"
#include "TestFiles.h"
#include "TestImages.h"
#include "Texts.h"
#include "TranslatedTexts.h"
#include "WritePreviewDialog.h"

using rk::test::RecordingPrompts;
using rk::test::Utf;

class WritePreviewTest : public QObject {
    Q_OBJECT
public:
    explicit WritePreviewTest(const rk::ModelProfile& profile) : m_profile(profile), m_texts(profile.texts) {
        rk::SetTextContext(profile.rules.programName);
    }

private slots:
    void listsTheChangesByChannel() {
        const rk::RadioImage radio = rk::test::SampleImage();
        rk::RadioImage sent = radio;
        sent.Channel(1).setRxFreq(0);             // goes away
        sent.Channel(1).setSquelchLevel(9);
        sent.Channel(63).setRxFreq(40'002'500);   // the last channel comes
        sent.Settings().setBandLow(41'000'000 / 4);
        const auto differences = rk::CompareImages(radio, sent);
        QCOMPARE(differences.size(), std::size_t{4});

        rk::WritePreviewDialog dialog(m_profile, m_texts, differences);
        QCOMPARE(dialog.Heading(), Utf(m_profile.preview.heading).arg(4));
        const QString change = Utf(m_profile.backups.change);
        const auto& names = m_profile.texts.report;
        const QString channel02 = Utf(names.channel).arg("02");
        const QString channel64 = Utf(names.channel).arg("64");
        const QStringList expected{
            channel02,
            "    " + change.arg(Utf(names.rxFrequency), "400.25", Utf(m_profile.preview.empty)),
            "    " + change.arg(Utf(names.squelchLevel), "1", "9"),
            channel64,
            "    " + change.arg(Utf(names.rxFrequency), Utf(m_profile.preview.empty), "400.025"),
            change.arg(Utf(names.band), "400", "410"),
        };
        QCOMPARE(dialog.Lines(), expected);
        QTreeWidget& list = dialog.Changes();
        QCOMPARE(list.topLevelItemCount(), 3);
        QCOMPARE(list.topLevelItem(0)->childCount(), 2);
        QCOMPARE(list.topLevelItem(1)->text(0), channel64);
        QCOMPARE(list.topLevelItem(2)->childCount(), 0);

        auto* cancel = dialog.findChild<QPushButton*>("previewCancel");
        auto* write = dialog.findChild<QPushButton*>("previewWrite");
        QCOMPARE(write->text(), Utf(m_profile.preview.write));
        QVERIFY(cancel->isDefault() && !write->isDefault() && !write->autoDefault());
        // Enter takes the default: Cancel.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void askedThroughThePromptsSeam() {
        RecordingPrompts prompts;
        rk::RadioImage sent = rk::test::SampleImage();
        sent.Channel(0).setSquelchLevel(8);
        const auto differences = rk::CompareImages(rk::test::SampleImage(), sent);
        int shown = 0;
        prompts.onDialog = [&](QDialog& dialog) {
            QVERIFY(!dialog.isVisible());
            shown += dialog.findChild<QTreeWidget*>()->topLevelItemCount();
        };
        QVERIFY(!rk::ConfirmWrite(m_profile, m_texts, differences));  // unanswered: Cancel
        prompts.choiceAnswers << true;
        QVERIFY(rk::ConfirmWrite(m_profile, m_texts, differences));
        QCOMPARE(shown, 2);
        QCOMPARE(prompts.questions.size(), 2);
        QVERIFY(prompts.questions.at(0).startsWith(Utf(m_profile.preview.heading).arg(1) + "\n"));
        // Nothing to change: the plain question, with its own two buttons.
        QVERIFY(!rk::ConfirmWrite(m_profile, m_texts, {}));
        QCOMPARE(prompts.questions.last(), Utf(m_profile.preview.same));
        QCOMPARE(prompts.buttons.last(), (QStringList{Utf(m_profile.preview.write), Utf(m_profile.preview.cancel)}));
        QCOMPARE(shown, 2);
    }

private:
    const rk::ModelProfile& m_profile;
    rk::TranslatedTexts m_texts;
};

RK_TEST_MAIN_PER_MODEL(WritePreviewTest)

#include "WritePreviewTest.moc"
