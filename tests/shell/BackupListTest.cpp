// The list of backups through the real window: crafted backup folders, the
// order, kinds and comparison it shows, the other program's backups on
// request, the differences of the chosen one, and Open.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "TestRunner.h"
#include "BackupsDialog.h"
#include "DocumentFiles.h"
#include "FreshBackupFolder.h"
#include "ImageFile.h"
#include "MainFrame.h"
#include "ProgramShell.h"
#include "Programs.h"
#include "RecordingPrompts.h"
#include "Rk520Profile.h"
#include "Rk7400App.h"
#include "Rk7400Profile.h"
#include "TestFiles.h"
#include "TestImages.h"

using namespace rk;
using namespace rk::test;

namespace {

void PutImage(const QString& path, const RadioImage& image, qsizetype length = kImageFileSize) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    WriteFile(path, FileBytes(image).left(length));
}

QStringList Row(const QTreeWidget& list, int row) {
    QStringList cells;
    for (int column = 1; column < list.columnCount(); ++column) cells << list.topLevelItem(row)->text(column);
    return cells;
}

}  // namespace

class BackupListTest : public QObject {
    Q_OBJECT
private slots:
    void listsComparesAndOpens() {
        const FreshBackupFolder data;
        const QString root = data.Root() + "/Local AppWizard-Generated Applications/";
        RadioImage changed = SampleImage();
        changed.Channel(1).setRxFreq(14'600'000);
        PutImage(root + "rk7400/backups/rk7400-20261201-090000-read.zu1", SampleImage());
        PutImage(root + "rk7400/backups/rk7400-20261202-090000-before-write.zu1", changed);
        PutImage(root + "rk7400/backups/rk7400-20261203-090000-verify.zu1", SampleImage(), 100);
        PutImage(root + "rk520/backups/rk520-20261204-090000-read.rkd", SampleImage());

        RecordingPrompts prompts;
        CRk7400App program;
        QVERIFY(program.Start({}));
        program.Document().LoadImage(SampleImage());
        program.Document().EditChannel(5, [](const ChannelRecord& r) { r.setSquelchLevel(7); });
        program.MainFrame().Command(command::kOperationBackups)->trigger();
        auto* dialog = program.MainFrame().findChild<BackupsDialog*>();
        QVERIFY(dialog && dialog->isVisible());
        QTreeWidget& list = *dialog->List();

        QCOMPARE(list.topLevelItemCount(), 3);
        QCOMPARE(Row(list, 0), (QStringList{"проверка после записи", "", "не читается"}));
        QCOMPARE(Row(list, 1), (QStringList{"до записи", "9", "различий: 2"}));
        QCOMPARE(Row(list, 2), (QStringList{"чтение", "9", "различий: 1"}));
        dialog->ShowOther()->setChecked(true);
        QCOMPARE(list.topLevelItemCount(), 4);
        QCOMPARE(Row(list, 0), (QStringList{"чтение", "9", "различий: 1"}));

        list.setCurrentItem(list.topLevelItem(1));  // the unreadable one
        QVERIFY(!dialog->OpenButton()->isEnabled());
        list.setCurrentItem(list.topLevelItem(2));
        const QStringList details = dialog->Details()->toPlainText().split('\n');
        QCOMPARE(details.size(), 3);
        QVERIFY2(details[0].endsWith("rk7400-20261202-090000-before-write.zu1"), qPrintable(details[0]));
        QCOMPARE(details[1], QString::fromUtf8("Канал 02, Rx-частота: 400.25 → 146"));
        QCOMPARE(details[2], QString::fromUtf8("Канал 06, Шумодав: 7 → 5"));

        // Open asks about the unsaved edit, then the backup is the document,
        // untitled so that Save never writes over the backup.
        prompts.saveChoices.enqueue(SaveChoice::Discard);
        QTest::mouseClick(dialog->OpenButton(), Qt::LeftButton);
        QCOMPARE(prompts.questions.size(), 1);
        QCOMPARE(program.Document().Image(), changed);
        QVERIFY(program.Files().FilePath().isEmpty() && !program.Document().IsModified());
    }

    // A radio of a series names the series' start and its number; its copy
    // read back after the write adds the check's kind. Beside them a plain
    // backup of the same second keeps its own kind.
    void seriesBackupsNameTheirRadio_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("kinds");  // the check, the one before, the plain one
        QTest::newRow("rk520 zh") << "rk520" << ""
                                  << QStringList{Utf("批量写入 10:15:02，第 3 台，写入后校验"), Utf("批量写入 10:15:02，第 3 台"),
                                                 Utf("写入前")};
        QTest::newRow("rk520 en") << "rk520" << "en"
                                  << QStringList{"series 10:15:02, radio 3, check after write",
                                                 "series 10:15:02, radio 3", "before write"};
        QTest::newRow("rk7400 ru") << "rk7400" << ""
                                   << QStringList{Utf("серия 10:15:02, рация 3, проверка после записи"),
                                                  Utf("серия 10:15:02, рация 3"), Utf("до записи")};
        QTest::newRow("rk7400 en") << "rk7400" << "en"
                                   << QStringList{"series 10:15:02, radio 3, check after write",
                                                  "series 10:15:02, radio 3", "before write"};
    }
    void seriesBackupsNameTheirRadio() {
        QFETCH(QString, program);
        QFETCH(QString, language);
        QFETCH(QStringList, kinds);
        const ModelProfile& profile = program == "rk520" ? Rk520Profile() : Rk7400Profile();
        const QString extension = QString::fromUtf8(profile.rules.extension);
        const FreshBackupFolder data;
        const QString folder = data.Root() + "/Local AppWizard-Generated Applications/" + program + "/backups/";
        PutImage(folder + program + "-20261208-101500-before-write" + extension, SampleImage());
        PutImage(folder + program + "-20261208-101502-series-03-before-write" + extension, SampleImage());
        PutImage(folder + program + "-20261208-101502-series-03-check-after-write" + extension, SampleImage());

        PrepareApplication(*qApp, profile, language.isEmpty() ? QStringList{} : QStringList{"--lang", language});
        std::unique_ptr<RecordingPrompts> prompts;
        std::unique_ptr<ProgramShell> shell;
        QVERIFY(StartFresh(profile, prompts, shell));
        shell->MainFrame().Command(command::kOperationBackups)->trigger();
        auto* dialog = shell->MainFrame().findChild<BackupsDialog*>();
        QVERIFY(dialog);
        QTreeWidget& list = *dialog->List();
        QStringList shown;
        for (int row = 0; row < list.topLevelItemCount(); ++row) shown << list.topLevelItem(row)->text(1);
        QCOMPARE(shown.size(), 3);
        QCOMPARE(QSet<QString>(shown.begin(), shown.end()), QSet<QString>(kinds.begin(), kinds.end()));
        shell.reset();
        PrepareApplication(*qApp, profile);
    }
};

RK_TEST_MAIN(BackupListTest)
#include "BackupListTest.moc"
