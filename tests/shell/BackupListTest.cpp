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
#include "RecordingPrompts.h"
#include "Rk7400App.h"
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
};

RK_TEST_MAIN(BackupListTest)
#include "BackupListTest.moc"
