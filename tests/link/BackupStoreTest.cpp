// The backup folder: where it is, names that never overwrite, the oldest
// going past 500 files.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "BackupStore.h"
#include "TestImages.h"

using namespace rk;

class BackupStoreTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", m_data->path().toLocal8Bit());
    }

    void namesNeverRepeat() {
        BackupStore store(QStringLiteral("rk7400"), QStringLiteral(".zu1"));
        QCOMPARE(store.Folder(), m_data->path() + "/Local AppWizard-Generated Applications/rk7400/backups");
        const RadioImage image = test::SampleImage();
        const BackupCopy first = store.Keep(image, BackupKind::Verify);
        const BackupCopy second = store.Keep(image, BackupKind::Verify);
        QVERIFY(first.Saved() && second.Saved());
        const QString a = QString::fromStdString(first.path);
        const QString b = QString::fromStdString(second.path);
        QVERIFY2(a.endsWith("-verify.zu1"), qPrintable(a));
        // Within one second the second name takes a suffix; later ones differ by time.
        QVERIFY(a != b && (b.endsWith("-verify-2.zu1") || b.endsWith("-verify.zu1")));
        QFile file(a);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), 1089);
        QCOMPARE(bytes.left(1088), QByteArray(reinterpret_cast<const char*>(image.Bytes().data()), 1088));
    }

    void oldestGoPastTheLimit() {
        BackupStore store(QStringLiteral("rk520"), QStringLiteral(".rkd"));
        QDir folder(store.Folder());
        QVERIFY(folder.mkpath("."));
        const QDateTime start = QDateTime::currentDateTime().addDays(-30);
        for (int i = 0; i < BackupStore::kMaxFiles + 3; ++i) {
            QFile file(folder.filePath(QStringLiteral("rk520-old%1-read.rkd").arg(i, 3, 10, QLatin1Char('0'))));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.setFileTime(start.addSecs(i), QFileDevice::FileModificationTime));
        }
        QFile mine(folder.filePath("notes.txt"));
        QVERIFY(mine.open(QIODevice::WriteOnly));
        const BackupCopy copy = store.Keep(test::SampleImage(), BackupKind::Read);
        QVERIFY(copy.Saved());
        QCOMPARE(folder.entryList({"rk520-*.rkd"}, QDir::Files).size(), BackupStore::kMaxFiles);
        QCOMPARE(folder.entryList({"rk520-old00?-read.rkd"}, QDir::Files, QDir::Name).first(),
                 QStringLiteral("rk520-old004-read.rkd"));
        QVERIFY(QFile::exists(QString::fromStdString(copy.path)));
        QVERIFY(folder.exists("notes.txt"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_data;
};

QTEST_GUILESS_MAIN(BackupStoreTest)
#include "BackupStoreTest.moc"
