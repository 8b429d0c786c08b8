#include "store/BackupFolder.h"
#include "store/FileSystem.h"

#include "support/Savegames.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#endif

using namespace kelmora;
using namespace kelmora::test;

namespace {

// Until the clock has moved on, so that the next backup's time is a later one. Two files' backups of
// one time have no order; the clock may tick by 15 ms (Windows).
void WaitForTheClock()
{
    for (const QDateTime now = QDateTime::currentDateTimeUtc(); QDateTime::currentDateTimeUtc() == now;)
        QTest::qSleep(1);
}

} // namespace

// The backup folder's own promises; what the save, the template choice and the restore keep in it
// is tested through them.
class TestBackupFolder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void testKeptAndListed();
    void testDuplicatesAndBound();
    void testDroppedFileRewritten_data();
    void testDroppedFileRewritten();
    void testWhatKelmoraDidNotWrite_data();
    void testWhatKelmoraDidNotWrite();
    void testEarlierReleaseListed();
    void testDigestsKeptAsTheyWere();
    void testClockBeyondItsDigits();
    void testClockSetAheadAndBack();
    void testRunsTakingTurns();
    void testChangedByHand_data();
    void testChangedByHand();
    void testOthersMayChangeIt();

private:
    QString path(const QString& name) const { return QDir::toNativeSeparators(m_dir->filePath(name)); }
    BackupFolder folder() const { return BackupFolder(path("Backups")); }
    QByteArray read(const Backup& backup) const
    {
        QByteArray bytes;
        const QString error = folder().Read(backup, bytes);
        return error.isEmpty() ? bytes : error.toUtf8();
    }

    // A backup of AFactMS.sav by a run that holds the lock, as the store's runs do; another
    // program's run remembers nothing of this one's.
    QString keep(const QByteArray& bytes, bool anotherProgram = false) const
    {
        FlowLock lock(m_dir->path());
        if (lock.Acquire(0))
            return QStringLiteral("not locked");
        return BackupFolder(path("Backups"), anotherProgram ? nullptr : &lock)
            .Keep(path("Save/AFactMS.sav"), bytes, path("Save/Alex.sav"), {});
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestBackupFolder::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestBackupFolder::testKeptAndListed()
{
    QVERIFY(folder().List().isEmpty());
    const QByteArray first = MakeSavegame(8170, 1), second = MakeSavegame(300000, 2), other(10, 'x');
    const MissionChoice twelve{MissionChoice::Kind::Set, {11}, {}};
    QCOMPARE(folder().Keep(path("Save/AFactMS.sav"), first, path("Save/Alex.sav"), twelve), QString());
    WaitForTheClock();
    QCOMPARE(folder().Keep(path("Other/BFactMS.sav"), other, {}, {}), QString());
    WaitForTheClock();
    QCOMPARE(
        folder().Keep(path("Save/AFactMS.sav"), second, path("Save/Ann.sav"), {MissionChoice::Kind::PlayedOn, {}, {}}),
        QString());

    // Newest first, each with what it was, byte for byte.
    const QList<Backup> backups = folder().List();
    QCOMPARE(backups.size(), 3);
    QCOMPARE(read(backups[0]), second);
    QCOMPARE(backups[0].originalPath, path("Save/AFactMS.sav"));
    QCOMPARE(backups[0].templatePath, path("Save/Ann.sav"));
    QCOMPARE(MissionChoiceText(backups[0].choice), QStringLiteral("played on since a save"));
    QCOMPARE(read(backups[1]), other);
    QCOMPARE(backups[1].templatePath, QString());
    QCOMPARE(read(backups[2]), first);
    QCOMPARE(backups[2].templatePath, path("Save/Alex.sav"));
    QCOMPARE(MissionChoiceText(backups[2].choice), QStringLiteral("Mission 12"));
    QVERIFY(backups[0].time >= backups[2].time && backups[0].time.secsTo(QDateTime::currentDateTimeUtc()) < 3600);
    // IDs a player can type: digits, lower-case letters and dashes.
    for (const Backup& backup : backups)
        QVERIFY2(QRegularExpression("^\\d{8}-\\d{6}-\\d{3}-[0-9a-f]{8}$").match(backup.id).hasMatch(),
                 qPrintable(backup.id));
#ifdef Q_OS_UNIX
    // The player's alone (on Windows the per-user folder is already).
    QCOMPARE(QFile::permissions(path("Backups")) & 0x0077, QFileDevice::Permissions());
#endif
}

void TestBackupFolder::testDuplicatesAndBound()
{
    const QString file = path("Save/AFactMS.sav"), alex = path("Save/Alex.sav");
    const QByteArray bytes = MakeSavegame(9000, 3);
    QCOMPARE(folder().Keep(file, bytes, alex, {}), QString());
    QCOMPARE(folder().Keep(file, bytes, alex, {}), QString());
    QCOMPARE(folder().List().size(), 1);
    // The same bytes as another template's copy are another backup: the bytes alone do not tell
    // whose copy they were.
    QCOMPARE(folder().Keep(file, bytes, path("Save/Ann.sav"), {}), QString());
    QCOMPARE(folder().List().size(), 2);

    for (int i = 0; i < BackupsKeptPerFile + 3; ++i)
        QCOMPARE(folder().Keep(file, MakeSavegame(9000, 10 + i), alex, {}), QString());
    WaitForTheClock();
    QCOMPARE(folder().Keep(path("Save/BFactMS.sav"), bytes, {}, {}), QString());
    const QList<Backup> backups = folder().List();
    QCOMPARE(backups.size(), BackupsKeptPerFile + 1);
    // The newest 50 of the file stay, newest first; another file's backups do not count against them.
    QCOMPARE(read(backups[1]), MakeSavegame(9000, 10 + BackupsKeptPerFile + 2));
    QCOMPARE(read(backups.constLast()), MakeSavegame(9000, 13));

    // What a run killed while it wrote a backup left at its pending name goes with the next backup.
    const QString left = QFileInfo(backups[1].file).path() + QStringLiteral("/x.sav") + QLatin1String(PendingSuffix);
    WriteWholeFile(left, "left by a killed run");
    QCOMPARE(keep(MakeSavegame(9000, 99)), QString());
    QVERIFY(!QFileInfo::exists(left));
}

void TestBackupFolder::testDroppedFileRewritten_data()
{
    QTest::addColumn<QString>("spare");
    QTest::addColumn<bool>("rewritten");
    // Shorter than the dropped backup: cut to the new length.
    QTest::newRow("the dropped backup") << "dropped" << true;
    // Nothing else may change with it.
    QTest::newRow("another name of a file") << "hard link" << false;
    QTest::newRow("a link to a file") << "link" << false;
    // Whoever runs it: not another user's file, not one in a folder that a link leads to.
    QTest::newRow("another user's file") << "owner" << false;
    QTest::newRow("a folder swapped for a link") << "folder link" << false;
}

void TestBackupFolder::testDroppedFileRewritten()
{
#ifndef Q_OS_UNIX
    QSKIP("Windows removes a dropped backup");
#else
    QFETCH(QString, spare);
    QFETCH(bool, rewritten);
    const QString file = path("Save/AFactMS.sav"), alex = path("Save/Alex.sav");
    for (int i = 0; i <= BackupsKeptPerFile; ++i)
        QCOMPARE(folder().Keep(file, MakeSavegame(9000, 100 + i), alex, {}), QString());
    const QString own = QFileInfo(folder().List().constFirst().file).path();
    QString spareFile = own + QStringLiteral("/spare"), outside = path("outside.sav");
    QVERIFY(QFileInfo(spareFile).isFile());
    if (spare == "folder link") {
        QVERIFY(QDir().rename(own, path("elsewhere")));
        QCOMPARE(::symlink(qPrintable(path("elsewhere")), qPrintable(own)), 0);
        spareFile = outside = path("elsewhere/spare");
    }
    WriteWholeFile(outside, "the player's own");
    if (spare == "owner" && (::geteuid() != 0 || ::chown(qPrintable(spareFile), 12345, 12345) != 0))
        QSKIP("Needs root to give the file to another user");
    if (spare == "link" || spare == "hard link") {
        QVERIFY(QFile::remove(spareFile));
        QCOMPARE(spare == "link" ? ::symlink(qPrintable(outside), qPrintable(spareFile))
                                 : ::link(qPrintable(outside), qPrintable(spareFile)),
                 0);
    }
    struct stat before = {}, after = {};
    QCOMPARE(::stat(qPrintable(spareFile), &before), 0);

    const QByteArray bytes = MakeSavegame(8500, 7);
    QCOMPARE(folder().Keep(file, bytes, alex, {}), QString());
    QCOMPARE(ReadWholeFile(outside), QByteArray("the player's own"));
    if (spare == "folder link")
        return; // a folder that is a link is not listed
    const QList<Backup> backups = folder().List();
    QCOMPARE(backups.size(), BackupsKeptPerFile);
    QCOMPARE(read(backups.constFirst()), bytes);
    QCOMPARE(read(backups.constLast()), MakeSavegame(9000, 102));
    QCOMPARE(::stat(qPrintable(backups.constFirst().file), &after), 0);
    QCOMPARE(after.st_ino == before.st_ino, rewritten);
#endif
}

void TestBackupFolder::testWhatKelmoraDidNotWrite_data()
{
    QTest::addColumn<QString>("stray");
    QTest::addColumn<bool>("readable");
    // A name with a number no backup can reach would have every later backup fail.
    QTest::newRow("absurd sequence") << "sequence" << true;
    // The largest number a name may hold, on a file of the right length: later backups still count.
    QTest::newRow("largest sequence, right length") << "full sequence" << true;
    QTest::newRow("junk beside the backups") << "junk" << true;
    // Kelmora writes its numbers without leading zeros; such a name is not one of its backups.
    QTest::newRow("number with leading zeros") << "padded" << true;
    // Cut short or emptied on disk: never put back as it is.
    QTest::newRow("backup cut short") << "cut" << false;
    QTest::newRow("backup emptied") << "emptied" << false;
}

void TestBackupFolder::testWhatKelmoraDidNotWrite()
{
    QFETCH(QString, stray);
    QFETCH(bool, readable);
    const QString file = path("Save/AFactMS.sav"), alex = path("Save/Alex.sav");
    const QByteArray bytes = MakeSavegame(9000, 4);
    QCOMPARE(folder().Keep(file, bytes, alex, {}), QString());
    const Backup backup = folder().List().constFirst();
    const QDir own = QFileInfo(backup.file).dir();
    if (stray.endsWith("sequence")) {
        WriteWholeFile(
            own.filePath(QStringLiteral("20261207-105849-123-9f3a0c1e-999999999999999-%1-u-9000-0000000000000000.sav")
                             .arg(QFileInfo(backup.file).fileName().section('-', 5, 5))),
            stray == "sequence" ? QByteArray("stray") : QByteArray(9000, 's'));
    } else if (stray == "padded") {
        WriteWholeFile(
            own.filePath(QStringLiteral("20261207-105849-123-9f3a0c1e-0999-%1-m05-09000-0000000000000000.sav")
                             .arg(QFileInfo(backup.file).fileName().section('-', 5, 5))),
            bytes);
    } else if (stray == "junk") {
        WriteWholeFile(path("Backups/0123456789abcdef"), "a file where a folder goes");
        QVERIFY(QDir().mkpath(path("Backups/notakey")));
        WriteWholeFile(own.filePath("notes.txt"), "the player's");
        WriteWholeFile(own.filePath("20261207-105849-123-9f3a0c1e-7-00000000-x-9000-00.sav"), "bad name");
        WriteWholeFile(own.filePath("20261207-105849-123-9f3a0c1e-8-00000000-u-9000-x00000000000000000.sav"), "long");
    } else {
        WriteWholeFile(backup.file, stray == "cut" ? bytes.left(8000) : QByteArray());
    }

    // A stray name may be listed, but is never read as anything but damaged.
    QCOMPARE(folder().List().size(), stray.endsWith("sequence") ? 2 : 1);
    for (const Backup& listed : folder().List()) {
        const bool kept = listed.id == backup.id && readable;
        QCOMPARE(read(listed),
                 kept ? bytes : QByteArray("The backup is damaged: its bytes are not those that were kept"));
    }
    // Later backups still come, and are the newest: after a damaged one, which is not counted, by
    // their time under the same number.
    for (const int seed : {5, 6}) {
        WaitForTheClock();
        QCOMPARE(folder().Keep(file, MakeSavegame(9000, seed), alex, {}), QString());
        QCOMPARE(read(folder().List().constFirst()), MakeSavegame(9000, seed));
    }

    // A backup folder that cannot be read says why, rather than that it holds nothing.
    QString error, errorPath;
    QVERIFY(BackupFolder(path("Save/AFactMS.sav")).List(&error, &errorPath).isEmpty());
    QVERIFY(error.isEmpty()); // missing: no backups yet
    WriteWholeFile(path("Blocked"), "a file");
    BackupFolder(path("Blocked")).List(&error, &errorPath);
    QCOMPARE(error, QStringLiteral("Not a directory"));
    QCOMPARE(errorPath, path("Blocked"));
    // Nor are backups passed over whose file's name cannot be read; another file's are still listed.
    QCOMPARE(folder().Keep(path("Save/BFactMS.sav"), bytes, path("Save/Bob.sav"), {}), QString());
    const QString original = own.filePath("original");
    QVERIFY(QFile::remove(original) && QDir().mkdir(original));
    const QList<Backup> others = folder().List(&error, &errorPath);
    QCOMPARE(others.size(), 1);
    QCOMPARE(others.first().originalPath, QDir::toNativeSeparators(path("Save/BFactMS.sav")));
    QCOMPARE(error, QStringLiteral("Is a directory"));
    QCOMPARE(errorPath, QDir::toNativeSeparators(original));
}

// Kelmora 1.0 kept backups in the folder itself, named <id>-<key>-<sequence>.sav beside <key>.path.
void TestBackupFolder::testEarlierReleaseListed()
{
    const QByteArray bytes = MakeSavegame(9000, 6);
    QVERIFY(QDir().mkpath(path("Backups")));
    WriteWholeFile(path("Backups/9f3a0c1e.path"),
                   path("Save/AFactMS.sav").toUtf8() + '\0' + path("Save/Alex.sav").toUtf8());
    WriteWholeFile(path("Backups/20261207-105849-123-0000abcd-9f3a0c1e-7.sav"), bytes);
    WriteWholeFile(path("Backups/20261206-105849-123-0000abce-9f3a0c1e-6.sav"), bytes.left(100));
    const QMap<QString, QByteArray> before = Snapshot(path("Backups"));

    const QList<Backup> backups = folder().List();
    QCOMPARE(backups.size(), 2);
    QCOMPARE(backups[0].id, QStringLiteral("20261207-105849-123-0000abcd"));
    QCOMPARE(backups[0].originalPath, path("Save/AFactMS.sav"));
    QCOMPARE(backups[0].templatePath, path("Save/Alex.sav"));
    QCOMPARE(read(backups[0]), bytes);
    // Too short to be a savegame: damaged, whatever it was.
    QCOMPARE(read(backups[1]), QByteArray("The backup is damaged: its bytes are not those that were kept"));
    // Listing never changes a file.
    QCOMPARE(Snapshot(path("Backups")), before);
}

// Both digests stay as they were made: the serial one of the backups before the four-lane one, and
// the four-lane one of every backup since. Changed, either would have good backups refused.
void TestBackupFolder::testDigestsKeptAsTheyWere()
{
    QByteArray bytes(9005, Qt::Uninitialized); // four lanes, then a word, then single bytes
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 31 + 7);
    QCOMPARE(ContentDigest(bytes, DigestKind::FourLane), 0xaa92f5e4ae72f4bcULL);
    // A save takes the four-lane digest of the whole file and of its bytes after the mission block
    // in one pass: the same digests, wherever the lanes of the two part ways.
    for (const qsizetype size : {0, 7, 31, 32, 33, 95, 9005})
        for (const qsizetype from : {qsizetype(-1), qsizetype(0), qsizetype(1), qsizetype(8), qsizetype(31), size / 2,
                                     size - 33, size - 1, size, size + 1})
            QCOMPARE(FourLaneDigests(bytes.left(size), from),
                     std::pair(ContentDigest(bytes.left(size), DigestKind::FourLane),
                               ContentDigest(bytes.left(size).mid(qMax(from, qsizetype(0))), DigestKind::FourLane)));

    // A backup named with the serial digest is read back; one byte changed on disk, it is refused.
    QCOMPARE(keep(bytes), QString());
    const QString file = folder().List().constFirst().file;
    const QString serial = file.section(u'-', 0, -2) + QStringLiteral("-3b16d8570fc89e30.sav");
    QVERIFY(QFile::rename(file, serial));
    const QList<Backup> backups = folder().List();
    QCOMPARE(backups.size(), 1);
    QCOMPARE(read(backups.constFirst()), bytes);
    bytes[4500] = char(bytes[4500] ^ 1);
    WriteWholeFile(serial, bytes);
    QCOMPARE(read(backups.constFirst()), QByteArray("The backup is damaged: its bytes are not those that were kept"));
}

void TestBackupFolder::testClockBeyondItsDigits()
{
    const QString id = NewBackupId(QDateTime(QDate(10000, 3, 1), QTime(12, 0), Qt::UTC));
    QVERIFY2(id.startsWith("99991231-235959-999-") && id.size() == 28, qPrintable(id));
    QVERIFY(
        NewBackupId(QDateTime(QDate(2026, 12, 7), QTime(10, 58, 49, 123), Qt::UTC)).startsWith("20261207-105849-123-"));
}

// A clock set ahead for a while, then put right (a second system on the machine that keeps local
// time, say): each file's backups stay in the order they were taken, and the files' by their times.
void TestBackupFolder::testClockSetAheadAndBack()
{
    for (int i = 1; i <= 3; ++i) {
        WaitForTheClock();
        QCOMPARE(keep(MakeSavegame(9000, i)), QString());
    }
    const QList<Backup> taken = folder().List();
    const QString ahead =
        QFileInfo(taken[1].file)
            .fileName()
            .replace(0, 19, taken[1].time.addSecs(7200).toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")));
    QVERIFY(QFile::rename(taken[1].file, QFileInfo(taken[1].file).dir().filePath(ahead)));
    WaitForTheClock();
    QCOMPARE(folder().Keep(path("Save/BFactMS.sav"), MakeSavegame(9000, 9), path("Save/Bob.sav"), {}), QString());

    const QList<Backup> listed = folder().List();
    QStringList order;
    for (const Backup& backup : listed)
        order << QFileInfo(backup.originalPath).fileName() + u' ' + QString::number(backup.sequence);
    // Bob's was taken last; Alex's from the clock set ahead comes after the one taken later.
    QCOMPARE(order, QStringList({"BFactMS.sav 1", "AFactMS.sav 3", "AFactMS.sav 2", "AFactMS.sav 1"}));
    QCOMPARE(read(listed[2]), MakeSavegame(9000, 2));
}

// Of two programs' runs taking turns, each numbers its backups after the other's, and the newest 50
// of them all stay.
void TestBackupFolder::testRunsTakingTurns()
{
    const QByteArray same = MakeSavegame(9000, 4);
    QCOMPARE(keep(same), QString());
    QCOMPARE(keep(same), QString());
    QCOMPARE(folder().List().size(), 1);
    const int turns = BackupsKeptPerFile + 5;
    for (int i = 0; i < turns; ++i)
        QCOMPARE(keep(MakeSavegame(9000, 100 + i), i % 4 == 3), QString());
    const QList<Backup> backups = folder().List();
    QCOMPARE(backups.size(), BackupsKeptPerFile);
    for (int i = 0; i < BackupsKeptPerFile; ++i) {
        QCOMPARE(backups[i].sequence, turns + 1 - i);
        QCOMPARE(read(backups[i]), MakeSavegame(9000, 100 + turns - 1 - i));
    }
}

void TestBackupFolder::testChangedByHand_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("the newest backup removed") << "newest";
    QTest::newRow("the original's path file removed") << "original";
    QTest::newRow("the Backups folder removed") << "all";
}

// What a run remembers of its last backup is dropped once a person has changed the backups since.
void TestBackupFolder::testChangedByHand()
{
    QFETCH(QString, change);
    QCOMPARE(keep(MakeSavegame(9000, 1)), QString());
    QCOMPARE(keep(MakeSavegame(9000, 2)), QString());
    const QList<Backup> before = folder().List();
    QCOMPARE(before.size(), 2);
    const QString originalFolder = QFileInfo(before.first().file).path();
    if (change == "newest")
        QVERIFY(QFile::remove(before.first().file));
    else if (change == "original")
        QVERIFY(QFile::remove(originalFolder + "/original"));
    else
        QVERIFY(QDir(path("Backups")).removeRecursively());
#ifdef Q_OS_UNIX
    // A person's change comes after the clock's next tick, and leaves a later time.
    const timespec later[2] = {{0, UTIME_OMIT}, {time(nullptr) + 1, 0}};
    if (change != "all")
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(originalFolder).constData(), later, 0), 0);
#endif

    QCOMPARE(keep(MakeSavegame(9000, 3)), QString());
    const QList<Backup> after = folder().List();
    const int expected = change == "all" ? 1 : change == "newest" ? 2 : 3;
    QCOMPARE(after.size(), expected);
    QCOMPARE(after.first().sequence, expected);
    QCOMPARE(read(after.first()), MakeSavegame(9000, 3));
}

// A folder other users may write is not the player's alone: what stands in it may have been put
// there, its path files to send a restore into another driver's file. Nothing is listed, kept or
// read from it.
void TestBackupFolder::testOthersMayChangeIt()
{
#ifndef Q_OS_UNIX
    QSKIP("Windows: the per-user folder's rights are its owner's");
#else
    const QByteArray bytes = MakeSavegame(9000, 5);
    QCOMPARE(keep(bytes), QString());
    const QString perFile = QFileInfo(folder().List().value(0).file).path();
    const QString others = QStringLiteral("Other users may change it");
    for (const QString& opened : {path("Backups"), perFile}) {
        QCOMPARE(::chmod(QFile::encodeName(opened).constData(), 0777), 0);
        QString error, where;
        QVERIFY(folder().List(&error, &where).isEmpty());
        QCOMPARE(error, others);
        QCOMPARE(where, opened);
        QCOMPARE(keep(MakeSavegame(9000, 6), true), others);
        QCOMPARE(folder().CannotKeep(path("Save/AFactMS.sav"), MakeSavegame(9000, 7), path("Save/Alex.sav")), others);
        QCOMPARE(::chmod(QFile::encodeName(opened).constData(), 0700), 0);
    }
    QCOMPARE(folder().List().size(), 1);
#endif
}

QTEST_GUILESS_MAIN(TestBackupFolder)

#include "TestBackupFolder.moc"
