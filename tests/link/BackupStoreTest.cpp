// The backup folder: where it is, names that never overwrite, the same bytes
// kept once, the oldest of the program's own going past 500 files and no
// other file ever counted or deleted.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "BackupCatalogue.h"
#include "BackupStore.h"
#include "FreshBackupFolder.h"
#include "ImageFile.h"
#include "TestImages.h"
#include "TestRunner.h"

using namespace rk;

class BackupStoreTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_data.reset();
        m_data = std::make_unique<test::FreshBackupFolder>();
    }

    void namesNeverRepeat() {
        BackupStore store(QStringLiteral("rk7400"), QStringLiteral(".zu1"));
        QCOMPARE(store.Folder(), m_data->Root() + "/Local AppWizard-Generated Applications/rk7400/backups");
        const RadioImage image = test::SampleImage();
        RadioImage changed = image;
        changed.Channel(63).setSquelchLevel(9);  // the last record's byte
        const BackupCopy first = store.Keep(image, BackupKind::Verify);
        const BackupCopy second = store.Keep(changed, BackupKind::Verify);
        QVERIFY(first.Saved() && second.Saved());
        const QString a = QString::fromStdString(first.path);
        const QString b = QString::fromStdString(second.path);
        QVERIFY2(a.endsWith("-check-after-write.zu1"), qPrintable(a));
        // Within one second the second name takes a suffix; later ones differ by time.
        QVERIFY(a != b && (b.endsWith("-check-after-write-2.zu1") || b.endsWith("-check-after-write.zu1")));
        QFile file(a);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), 1089);
        QCOMPARE(bytes.left(1088), QByteArray(reinterpret_cast<const char*>(image.Bytes().data()), 1088));
    }

    // The same bytes as the newest backup: that one is touched and named, of
    // whatever kind; the same bytes as an older one only: a new file.
    void theSameBytesAreKeptOnce() {
        BackupStore store(QStringLiteral("rk520"), QStringLiteral(".rkd"));
        const RadioImage image = test::SampleImage();
        RadioImage changed = image;
        changed.Settings().setTotLimit(51);
        const BackupCopy first = store.Keep(image, BackupKind::BeforeWrite);
        QVERIFY(first.Saved());
        const QString path = QString::fromStdString(first.path);
        QFile aged(path);
        QVERIFY(aged.open(QIODevice::ReadWrite));
        const QDateTime hourAgo = QDateTime::currentDateTime().addSecs(-3600);
        QVERIFY(aged.setFileTime(hourAgo, QFileDevice::FileModificationTime));
        aged.close();
        const BackupCopy again = store.Keep(image, BackupKind::Read);
        QCOMPARE(QString::fromStdString(again.path), path);
        QVERIFY(again.Saved());
        QVERIFY(QFileInfo(path).lastModified() > hourAgo.addSecs(3000));
        QCOMPARE(ListBackups({{"rk520", ".rkd"}}).size(), std::size_t{1});

        QVERIFY(store.Keep(changed, BackupKind::BeforeWrite).Saved());
        const BackupCopy back = store.Keep(image, BackupKind::BeforeWrite);  // older, not newest
        QVERIFY2(back.Saved() && QString::fromStdString(back.path) != path, (back.path + " " + back.error).c_str());
        QCOMPARE(ListBackups({{"rk520", ".rkd"}}).size(), std::size_t{3});
        // A user's file of the same bytes, however new, is not the newest backup.
        QFile mine(QDir(store.Folder()).filePath("rk520-mine.rkd"));
        QVERIFY(mine.open(QIODevice::WriteOnly));
        const auto bytes = SerializeImageFile(changed);
        mine.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        mine.close();
        QVERIFY(QString::fromStdString(store.Keep(changed, BackupKind::Read).path).endsWith("-read.rkd"));
    }

    void fileNamesAreReadBack_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("backup");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("radio");  // of a series; 0 for none
        QTest::newRow("read") << "rk520-20261207-101502-read.rkd" << true << int(BackupKind::Read) << 0;
        QTest::newRow("suffix") << "rk520-20261207-101502-before-write-12.rkd" << true << int(BackupKind::BeforeWrite) << 0;
        QTest::newRow("check") << "rk520-20261207-101502-check-after-write.rkd" << true << int(BackupKind::Verify) << 0;
        QTest::newRow("older verify") << "rk520-20261207-101502-verify-2.rkd" << true << int(BackupKind::Verify) << 0;
        QTest::newRow("series") << "rk520-20261207-101502-series-03-before-write.rkd" << true
                                << int(BackupKind::BeforeWrite) << 3;
        QTest::newRow("series retry") << "rk520-20261207-101502-series-12-check-after-write-2.rkd" << true
                                      << int(BackupKind::Verify) << 12;
        QTest::newRow("series past 99") << "rk520-20261207-101502-series-100-read.rkd" << true << int(BackupKind::Read)
                                        << 100;
        QTest::newRow("series one digit") << "rk520-20261207-101502-series-3-read.rkd" << false << 0 << 0;
        QTest::newRow("series radio 0") << "rk520-20261207-101502-series-00-read.rkd" << false << 0 << 0;
        QTest::newRow("series no radio") << "rk520-20261207-101502-series-read.rkd" << false << 0 << 0;
        QTest::newRow("unknown kind") << "rk520-20261207-101502-copy.rkd" << false << 0 << 0;
        QTest::newRow("no time") << "rk520-mine-read.rkd" << false << 0 << 0;
        QTest::newRow("no date") << "rk520-20261399-101502-read.rkd" << false << 0 << 0;
        QTest::newRow("other type") << "rk520-20261207-101502-read.zu1" << false << 0 << 0;
        QTest::newRow("extension only") << ".rkd" << false << 0 << 0;
    }
    void fileNamesAreReadBack() {
        QFETCH(QString, name);
        QFETCH(bool, backup);
        QFETCH(int, kind);
        QFETCH(int, radio);
        const auto parsed = ParseBackupName(name, QStringLiteral(".rkd"));
        QCOMPARE(parsed.has_value(), backup);
        if (!parsed) return;
        const QDateTime time(QDate(2026, 12, 7), QTime(10, 15, 2));
        QCOMPARE(parsed->program, QStringLiteral("rk520"));
        QCOMPARE(parsed->time, time);
        QCOMPARE(int(parsed->kind), kind);
        QCOMPARE(parsed->series.has_value(), radio > 0);
        if (!parsed->series) return;
        QCOMPARE(parsed->series->start, time);
        QCOMPARE(parsed->series->radio, radio);
        // The name a store gives such a copy is the one read here.
        QVERIFY(name.startsWith(BackupStem("rk520", time, parsed->kind, parsed->series)));
    }

    // A radio of a series: named after the series and the radio, never
    // folded into the newest copy, a second copy of one radio taking "-2";
    // listed with its series and the time it was kept.
    void seriesCopiesNameTheirRadio() {
        BackupStore store(QStringLiteral("rk520"), QStringLiteral(".rkd"));
        const RadioImage image = test::SampleImage();
        const QDateTime start(QDate(2026, 12, 8), QTime(10, 15, 2));
        const BackupCopy plain = store.Keep(image, BackupKind::Read);
        store.SetSeries(BackupSeries{start, 3});
        const BackupCopy first = store.Keep(image, BackupKind::BeforeWrite);
        const BackupCopy again = store.Keep(image, BackupKind::BeforeWrite);
        store.SetSeries(BackupSeries{start, 100});
        const BackupCopy hundredth = store.Keep(image, BackupKind::Verify);
        store.SetSeries(std::nullopt);
        const BackupCopy after = store.Keep(image, BackupKind::Read);
        QVERIFY(plain.Saved() && first.Saved() && again.Saved() && hundredth.Saved() && after.Saved());
        const auto name = [](const BackupCopy& copy) { return QFileInfo(QString::fromStdString(copy.path)).fileName(); };
        QCOMPARE(name(first), QStringLiteral("rk520-20261208-101502-series-03-before-write.rkd"));
        QCOMPARE(name(again), QStringLiteral("rk520-20261208-101502-series-03-before-write-2.rkd"));
        QCOMPARE(name(hundredth), QStringLiteral("rk520-20261208-101502-series-100-check-after-write.rkd"));
        // Out of the series, the same bytes as the newest are kept once again.
        QCOMPARE(after.path, hundredth.path);
        const auto entries = ListBackups({{"rk520", ".rkd"}});
        QCOMPARE(entries.size(), std::size_t{4});
        for (const BackupEntry& entry : entries) {
            const bool series = QFileInfo(entry.path).fileName().contains("-series-");
            QCOMPARE(entry.series.has_value(), series);
            if (series) QCOMPARE(entry.series->start, start);
            QVERIFY2(entry.time.secsTo(QDateTime::currentDateTime()) < 60, qPrintable(entry.path));
        }
    }

    void oldestGoPastTheLimit() {
        BackupStore store(QStringLiteral("rk520"), QStringLiteral(".rkd"));
        QDir folder(store.Folder());
        QVERIFY(folder.mkpath("."));
        const QDateTime start = QDateTime::currentDateTime().addDays(-30);
        const auto put = [&](const QString& name, const QDateTime& time) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
        };
        for (int i = 0; i < BackupStore::kMaxFiles + 3; ++i)
            put(QStringLiteral("rk520-20261101-%1-read.rkd").arg(QTime(0, 0).addSecs(i).toString("HHmmss")), start.addSecs(i));
        // Files of the same type that are no backups of this program, older
        // than every backup: they neither count nor go.
        for (const char* name : {"rk520-mine.rkd", "my-radio.rkd", "rk7400-20261101-000000-read.rkd"})
            put(QString::fromLatin1(name), start.addDays(-1));
        QFile mine(folder.filePath("notes.txt"));
        QVERIFY(mine.open(QIODevice::WriteOnly));
        const BackupCopy copy = store.Keep(test::SampleImage(), BackupKind::Read);
        QVERIFY(copy.Saved());
        QCOMPARE(folder.entryList({"rk520-2026*.rkd"}, QDir::Files).size(), BackupStore::kMaxFiles);
        QCOMPARE(folder.entryList({"rk520-20261101-00000?-read.rkd"}, QDir::Files, QDir::Name).first(),
                 QStringLiteral("rk520-20261101-000004-read.rkd"));
        QVERIFY(QFile::exists(QString::fromStdString(copy.path)));
        for (const char* name : {"notes.txt", "rk520-mine.rkd", "my-radio.rkd", "rk7400-20261101-000000-read.rkd"})
            QVERIFY2(folder.exists(name), name);
        // Each further backup takes the oldest one's place.
        QVERIFY(store.Keep(RadioImage{}, BackupKind::Read).Saved());
        QCOMPARE(folder.entryList({"rk520-2026*.rkd"}, QDir::Files).size(), BackupStore::kMaxFiles);
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
    std::unique_ptr<test::FreshBackupFolder> m_data;
};

RK_TEST_GUILESS_MAIN(BackupStoreTest)
#include "BackupStoreTest.moc"
