// The backup folder: where it is, names that never overwrite, the oldest
// going past 500 files.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "BackupCatalogue.h"
#include "BackupStore.h"
#include "ImageFile.h"
#include "TestImages.h"
#include "TestRunner.h"

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

    // Newest first by the time in the name; a file that holds no image is
    // listed as such; the other program's folder only when it is asked for.
    void catalogueListsNewestFirst() {
        BackupStore store(QStringLiteral("rk520"), QStringLiteral(".rkd"));
        const BackupCopy kept = store.Keep(test::SampleImage(), BackupKind::BeforeWrite);
        QVERIFY(kept.Saved());
        QDir folder(store.Folder());
        const auto bytes = SerializeImageFile(RadioImage{});
        const auto put = [](const QString& path, const QByteArray& data) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(data);
        };
        const QByteArray empty(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
        put(folder.filePath("rk520-20250101-120000-verify-2.rkd"), empty);
        put(folder.filePath("rk520-20250101-120001-read.rkd"), empty);
        put(folder.filePath("rk520-20240101-000000-read.rkd"), empty.left(1088));  // one byte short
        put(folder.filePath("notes.txt"), "not a backup");
        BackupStore other(QStringLiteral("rk7400"), QStringLiteral(".zu1"));
        QVERIFY(other.Keep(RadioImage{}, BackupKind::Read).Saved());

        const auto own = ListBackups({{"rk520", ".rkd"}});
        QCOMPARE(own.size(), std::size_t{4});
        QCOMPARE(QFileInfo(own[0].path).absoluteFilePath(), QFileInfo(QString::fromStdString(kept.path)).absoluteFilePath());
        QCOMPARE(own[0].kind, std::optional(BackupKind::BeforeWrite));
        QCOMPARE(own[0].configuredChannels, 9);
        QCOMPARE(own[1].time, QDateTime(QDate(2025, 1, 1), QTime(12, 0, 1)));
        QCOMPARE(own[1].kind, std::optional(BackupKind::Read));
        QCOMPARE(own[2].kind, std::optional(BackupKind::Verify));
        QVERIFY(own[1].image && own[2].image);
        QCOMPARE(own[1].configuredChannels, 0);
        QVERIFY(!own[3].image);

        const auto both = ListBackups({{"rk520", ".rkd"}, {"rk7400", ".zu1"}});
        QCOMPARE(both.size(), std::size_t{5});
        QCOMPARE(both[0].program, QStringLiteral("rk7400"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_data;
};

RK_TEST_GUILESS_MAIN(BackupStoreTest)
#include "BackupStoreTest.moc"
