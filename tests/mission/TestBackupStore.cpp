#include "mission/BackupStore.h"
#include "mission/SafeFile.h"

#include "support/Savegames.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace kelmora;
using namespace kelmora::test;

namespace {

// One line per backup, so that a list that differs shows how.
QStringList Described(const QList<Backup>& backups)
{
    QStringList lines;
    for (const Backup& backup : backups)
        lines << QStringLiteral("%1 %2 %3 %4")
                     .arg(backup.id, backup.time.toString(Qt::ISODateWithMs), backup.originalPath)
                     .arg(backup.size);
    return lines;
}

QStringList Ids(const QList<Backup>& backups)
{
    QStringList ids;
    for (const Backup& backup : backups)
        ids << backup.id;
    return ids;
}

// The one file in `folder` that keeps the backup `id`.
QString KeptFile(const QString& folder, const QString& id)
{
    const QStringList names = QDir(folder).entryList({id + "-*.sav"}, QDir::Files);
    return names.size() == 1 ? QDir(folder).filePath(names.first()) : QString();
}

#ifdef Q_OS_LINUX
bool SameInode(const QString& a, const QString& b)
{
    struct stat first = {}, second = {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}
#endif

} // namespace

class TestBackupStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void testRoundTrip_data();
    void testRoundTrip();
    void testNewestFirst();
    void testDuplicates_data();
    void testDuplicates();
    void testBound();
    void testTemplates();
    void testWriteFailures_data();
    void testWriteFailures();
    void testUnusable_data();
    void testUnusable();
    void testTakeOver_data();
    void testTakeOver();
    void testTakenOverThenWrittenInPlace_data();
    void testTakenOverThenWrittenInPlace();
    void testEarlierLayoutMovedIn();
    void testSequenceBeyondNames_data();
    void testSequenceBeyondNames();
    void testUnknownId_data();
    void testUnknownId();
    void testUniqueIds();
    void testKilledWhileKeeping();
    void testKeepFile_data();
    void testKeepFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString& relative) const { return QDir::toNativeSeparators(m_dir->filePath(relative)); }
    QString folder() const { return path("data/Backups"); }
};

void TestBackupStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestBackupStore::testRoundTrip_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("plain") << "Save/AFactMS.sav"
                           << "Save/BFactMS.sav";
    QTest::newRow("blanks and accents") << "Élodie Ünal/AFactMS.sav"
                                        << "Zoë's  saves/B FactMS.sav";
    QTest::newRow("emoji and other scripts") << "🏁 Rennen/🚗.sav"
                                             << "日本語/ファイル.sav";
    // Would climb out of the folder, or break a record, if names were made from them.
    QTest::newRow("separators and dots in names") << "..\\..\\..\\evil.sav"
                                                  << "x/../../line\nbreak\".sav";
}

void TestBackupStore::testRoundTrip()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    const QByteArray firstBytes = MakeSavegame(8410, 1), secondBytes = MakeSavegame(9000, 2);
    const QDateTime before = QDateTime::currentDateTimeUtc();
    BackupStore store(folder());
    const BackupResult kept1 = store.Keep(path(first), firstBytes);
    const BackupResult kept2 = store.Keep(path(second), secondBytes);
    QVERIFY2(kept1.ok() && kept2.ok(), qPrintable(kept1.error + kept2.error));

    const QList<Backup> listed = BackupStore(folder()).List();
    QCOMPARE(Described(listed), Described({*kept2.backup, *kept1.backup}));
    QCOMPARE(listed[1].originalPath, QDir::toNativeSeparators(QDir::cleanPath(m_dir->filePath(first))));
    QCOMPARE(listed[0].originalPath, QDir::toNativeSeparators(QDir::cleanPath(m_dir->filePath(second))));
    QCOMPARE(listed[1].size, firstBytes.size());
    QVERIFY(listed[1].time >= before && listed[0].time <= QDateTime::currentDateTimeUtc());
    QCOMPARE(listed[0].time.timeSpec(), Qt::UTC);
    QCOMPARE(Described({*store.Find(listed[1].id)}), Described({listed[1]}));
    QCOMPARE(store.Read(listed[1]).content, firstBytes);
    QCOMPARE(store.Read(listed[0]).content, secondBytes);
#ifdef Q_OS_UNIX
    // Only the player may look into the backups, whatever the umask lets other folders be.
    struct stat folderInfo = {};
    QCOMPARE(::stat(QFile::encodeName(folder()).constData(), &folderInfo), 0);
    QCOMPARE(folderInfo.st_mode & 0777, mode_t(0700));
#endif
    // Nothing was made outside the backup folder.
    for (const QString& entry : Snapshot(m_dir->path()).keys())
        QVERIFY2(entry == "data" || entry.startsWith("data/Backups"), qPrintable(entry));
}

void TestBackupStore::testNewestFirst()
{
    BackupStore store(folder());
    QStringList taken;
    for (int i = 0; i < 6; ++i)
        taken.prepend(store.Keep(path(i % 2 ? "A.sav" : "B.sav"), MakeSavegame(300, i)).backup->id);
    QCOMPARE(Ids(BackupStore(folder()).List()), taken);

    // Taken while the clock was ahead: a backup taken later is still the newer one, whatever its time.
    for (QString& id : taken) {
        const QString ahead = "20990101-000000-000" + id.mid(19);
        const QString file = KeptFile(folder(), id);
        QVERIFY(QFile::rename(file, QString(file).replace(id, ahead)));
        id = ahead;
    }
    taken.prepend(store.Keep(path("A.sav"), "after the clock was set back").backup->id);
    QCOMPARE(Ids(store.List()), taken);
    QCOMPARE(store.List()[1].time, QDateTime(QDate(2099, 1, 1), QTime(0, 0), Qt::UTC));
}

void TestBackupStore::testDuplicates_data()
{
    // Keeps as file:seed; file "a2" is file "a" named another way; seed 0 is no bytes at all.
    QTest::addColumn<QStringList>("keeps");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("lastIsKeep"); // the earlier keep whose backup the last one returns; -1: a new one
    QTest::newRow("same bytes, same file") << QStringList{"a:1", "a:1"} << 1 << 0;
    QTest::newRow("same bytes, other file") << QStringList{"a:1", "b:1"} << 2 << -1;
    QTest::newRow("other bytes, same size") << QStringList{"a:1", "a:2"} << 2 << -1;
    QTest::newRow("same as an older backup") << QStringList{"a:1", "a:2", "a:1"} << 3 << -1;
    QTest::newRow("other file's between") << QStringList{"a:1", "b:2", "a:1"} << 2 << 0;
    QTest::newRow("same file named another way") << QStringList{"a:1", "a2:1"} << 1 << 0;
    QTest::newRow("empty twice") << QStringList{"a:0", "a:0"} << 1 << 0;
}

void TestBackupStore::testDuplicates()
{
    QFETCH(QStringList, keeps);
    QFETCH(int, count);
    QFETCH(int, lastIsKeep);
    const QMap<QString, QString> files{{"a", "Save/A.sav"}, {"a2", "Save/x/../A.sav"}, {"b", "Save/B.sav"}};
    BackupStore store(folder());
    QStringList ids;
    for (const QString& keep : keeps) {
        const int seed = keep.section(':', 1).toInt();
        const BackupResult result =
            store.Keep(path(files[keep.section(':', 0, 0)]), seed ? MakeSavegame(4000, seed) : QByteArray());
        QVERIFY2(result.ok(), qPrintable(result.error));
        ids << result.backup->id;
    }
    QCOMPARE(store.List().size(), count);
    QCOMPARE(ids.indexOf(ids.last()), lastIsKeep < 0 ? ids.size() - 1 : lastIsKeep);
}

void TestBackupStore::testBound()
{
    BackupStore store(folder());
    const QString other = store.Keep(path("B.sav"), "other file").backup->id;
    QStringList taken;
    for (int i = 1; i <= 60; ++i) {
        const BackupResult result = store.Keep(path("A.sav"), MakeSavegame(600, i));
        QVERIFY2(result.ok(), qPrintable(result.error));
        taken.prepend(result.backup->id);
    }
    QCOMPARE(Ids(store.List()), taken.first(BackupsKeptPerFile) << other);
    QCOMPARE(store.Read(*store.Find(taken[BackupsKeptPerFile - 1])).content, MakeSavegame(600, 11));
    // The dropped ones leave nothing behind: a file per backup, and one per original for its path.
    QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden).size(), BackupsKeptPerFile + 1 + 2);
}

// Alex.sav and Ann.sav share one factory driver file: its backups say whose copy each was.
void TestBackupStore::testTemplates()
{
    BackupStore store(folder());
    const QString file = path("Save/AFactMS.sav"), alex = path("Save/Alex.sav"), ann = path("Save/Ann.sav");
    const QByteArray bytes = MakeSavegame(600, 1);
    const Backup unknown = *store.Keep(file, bytes).backup;
    const Backup ofAlex = *store.Keep(file, bytes, KeepMode::Copy, alex).backup;
    // The same bytes under another template are another backup: the bytes alone do not say whose.
    const Backup ofAnn = *store.Keep(file, bytes, KeepMode::Copy, ann).backup;
    QCOMPARE(store.Keep(file, bytes, KeepMode::Copy, ann).backup->id, ofAnn.id);
    QCOMPARE(Ids(store.List()), QStringList({ofAnn.id, ofAlex.id, unknown.id}));
    QCOMPARE(store.Find(ofAlex.id)->templatePath, alex);
    QCOMPARE(store.Find(ofAnn.id)->templatePath, ann);
    QCOMPARE(store.Find(unknown.id)->templatePath, QString());
    for (const Backup& backup : store.List())
        QCOMPARE(backup.originalPath, file);

    // The bound is the file's, whichever template each backup was taken under.
    QStringList taken;
    for (int i = 2; i < 2 + BackupsKeptPerFile; ++i)
        taken.prepend(store.Keep(file, MakeSavegame(600, i), KeepMode::Copy, i % 2 ? alex : ann).backup->id);
    QCOMPARE(Ids(store.List()), taken);
}

void TestBackupStore::testWriteFailures_data()
{
    QTest::addColumn<QString>("obstacle"); // what is in the way, and where
    QTest::addColumn<int>("contentSize");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("failing"); // the failing path, or how it ends
    QTest::newRow("a file where the folder should be") << "file data/Backups" << 10 << "Not a directory"
                                                       << "data/Backups";
    QTest::newRow("a file where its parent should be") << "file data" << 10 << "Not a directory"
                                                       << "data";
    // A record is a few hundred bytes. A file size limit fails writes as a full disk does.
    QTest::newRow("bytes beyond the size limit") << "limit 100" << 5000 << "File too large"
                                                 << ".sav";
    QTest::newRow("path file beyond the size limit") << "limit 20" << 10 << "File too large"
                                                     << ".path";
    QTest::newRow("folder not writable") << "read-only data/Backups" << 10 << "Permission denied"
                                         << ".path";
    QTest::newRow("folder cannot be made") << "read-only data" << 10 << "Permission denied"
                                           << "data/Backups";
}

void TestBackupStore::testWriteFailures()
{
    QFETCH(QString, obstacle);
    QFETCH(int, contentSize);
    QFETCH(QString, error);
    QFETCH(QString, failing);
    const QString kind = obstacle.section(' ', 0, 0), where = obstacle.section(' ', 1);
    if (kind == "file") {
        QVERIFY(QDir().mkpath(QFileInfo(path(where)).path()));
        WriteWholeFile(path(where), "not a folder");
    } else if (kind == "read-only") {
        QVERIFY(QDir().mkpath(path(where)));
        QVERIFY(QFile::setPermissions(path(where),
                                      QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        // Root may write anywhere: the child runs as nobody, who needs a way in.
        QVERIFY(QFile::setPermissions(m_dir->path(), QFile::permissions(m_dir->path()) | QFile::ExeOther));
    } else {
        QVERIFY(QDir().mkpath(folder()));
    }
    const auto before = Snapshot(m_dir->path());

    BackupStore store(folder());
    BackupResult result;
    if (kind == "file") {
        result = store.Keep(path("A.sav"), QByteArray(contentSize, 'x'));
    } else {
#ifndef Q_OS_LINUX
        QSKIP("needs per-process file size limits and users");
#else
        // In a child process: the limits it sets must not reach the test itself.
        int channel[2];
        QCOMPARE(pipe(channel), 0);
        const pid_t child = fork();
        if (child == 0) {
            if (kind == "limit") {
                signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{where.toULong(), where.toULong()};
                setrlimit(RLIMIT_FSIZE, &limit);
            } else if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
                _exit(1);
            }
            result = store.Keep(path("A.sav"), QByteArray(contentSize, 'x'));
            const QByteArray report = (result.error + '\n' + result.errorPath).toUtf8();
            [[maybe_unused]] const auto written = write(channel[1], report.constData(), report.size());
            _exit(0);
        }
        close(channel[1]);
        QFile reading;
        QVERIFY(reading.open(channel[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
        const QStringList report = QString::fromUtf8(reading.readAll()).split('\n');
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, qPrintable(QString::number(status)));
        result.error = report.value(0);
        result.errorPath = report.value(1);
#endif
    }

    QCOMPARE(result.error, error);
    if (failing.startsWith('.')) {
        QCOMPARE(QFileInfo(result.errorPath).path(), folder());
        QVERIFY2(result.errorPath.endsWith(failing), qPrintable(result.errorPath));
    } else {
        QCOMPARE(result.errorPath, path(failing));
    }
    QVERIFY(!result.backup);
    QVERIFY(store.List().isEmpty());
    QCOMPARE(Snapshot(m_dir->path()), before);
}

void TestBackupStore::testUnusable_data()
{
    // What has become of the backup's file, or of its original's path file, or what lies beside.
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("listed");
    QTest::newRow("none") << "none" << true;
    QTest::newRow("bytes gone") << "no bytes" << false;
    QTest::newRow("a folder in the bytes' place") << "folder" << false;
    QTest::newRow("path file gone") << "no path" << false;
    QTest::newRow("path file not a full path") << "relative path" << false;
    QTest::newRow("temporary files, a FIFO and a link") << "leftovers" << true;
}

void TestBackupStore::testUnusable()
{
    QFETCH(QString, damage);
    QFETCH(bool, listed);
    BackupStore store(folder());
    const Backup other = *store.Keep(path("B.sav"), "other file").backup;
    const QByteArray bytes = MakeSavegame(5000, 7);
    const Backup backup = *store.Keep(path("A.sav"), bytes).backup;
    const QString content = KeptFile(folder(), backup.id);
    const QString key = QFileInfo(content).completeBaseName().section('-', 4, 4);
    const QString pathFile = folder() + "/" + key + ".path";
    QVERIFY(QFile::exists(pathFile));

    if (damage == "no bytes" || damage == "folder") {
        QVERIFY(QFile::remove(content));
        if (damage == "folder")
            QVERIFY(QDir().mkdir(content));
    } else if (damage == "no path") {
        QVERIFY(QFile::remove(pathFile));
    } else if (damage == "relative path") {
        WriteWholeFile(pathFile, "A.sav");
    } else if (damage == "leftovers") {
        WriteWholeFile(content + ".Ab12Cd", "half");
        WriteWholeFile(folder() + "/" + backup.id + ".path.Zz9", "half");
#ifdef Q_OS_LINUX
        QCOMPARE(
            mkfifo(QFile::encodeName(folder() + "/20991231-235959-999-0000000f-" + key + "-99.sav").constData(), 0600),
            0);
        QVERIFY(QFile::link("/dev/zero", folder() + "/20991231-235959-999-0000000e-" + key + "-98.sav"));
#endif
    }

    const QStringList expected = listed ? QStringList{backup.id, other.id} : QStringList{other.id};
    QCOMPARE(Ids(store.List()), expected);
    QCOMPARE(store.Find(backup.id).has_value(), listed);
    const BackupContent read = store.Read(backup);
    QCOMPARE(read.ok(), listed);
    QCOMPARE(read.content, listed ? bytes : QByteArray());
    QCOMPARE(store.Read(other).content, QByteArray("other file"));

    // A backup that cannot be used does not count as holding these bytes already. One whose path
    // file is gone is found again once the path is written anew.
    const BackupResult again = store.Keep(path("A.sav"), bytes);
    QVERIFY2(again.ok(), qPrintable(again.error));
    QCOMPARE(again.backup->id == backup.id, listed || damage == "no path");
    QCOMPARE(store.Read(*again.backup).content, bytes);
}

void TestBackupStore::testTakeOver_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<bool>("takenOver"); // the backup is the file itself, not a copy
    QTest::newRow("a file about to be replaced") << "plain" << true;
    QTest::newRow("a copy asked for") << "copy" << false;
    QTest::newRow("the file has another name") << "hard link" << false;
    QTest::newRow("the file holds other bytes than those read") << "changed" << false;
    QTest::newRow("the file is gone") << "missing" << false;
    // Whoever else may write the file could change the backup once it is the file.
    QTest::newRow("another user's file") << "owner 65534" << false;
    QTest::newRow("a file others may write") << "mode 0646" << false;
    QTest::newRow("a file another group may write") << "group 65534" << false;
    QTest::newRow("a file only its group may read") << "mode 0640" << true;
}

void TestBackupStore::testTakeOver()
{
#ifndef Q_OS_LINUX
    QSKIP("hard links and inodes");
#else
    QFETCH(QString, situation);
    QFETCH(bool, takenOver);
    const QString file = path("Save/AFactMS.sav");
    QVERIFY(QDir().mkpath(path("Save")));
    const QByteArray bytes = MakeSavegame(8410, 5);
    WriteWholeFile(file, situation == "changed" ? MakeSavegame(8410, 6) : bytes);
    if (situation == "hard link")
        QCOMPARE(::link(QFile::encodeName(file).constData(), QFile::encodeName(path("Save/other.sav")).constData()), 0);
    if (situation == "missing")
        QVERIFY(QFile::remove(file));
    const QByteArray name = QFile::encodeName(file);
    if (situation.startsWith("owner") && geteuid() != 0)
        QSKIP("needs root to give the file away");
    if (situation == "owner 65534")
        QCOMPARE(::chown(name.constData(), 65534, 65534), 0);
    if (situation.startsWith("mode"))
        QCOMPARE(::chmod(name.constData(), situation.section(' ', 1).toUInt(nullptr, 8)), 0);
    if (situation == "group 65534") {
        QCOMPARE(::chown(name.constData(), geteuid(), 65534), 0);
        QCOMPARE(::chmod(name.constData(), 0660), 0);
    }

    BackupStore store(folder());
    const BackupResult kept = store.Keep(file, bytes, situation == "copy" ? KeepMode::Copy : KeepMode::TakeOver);
    QVERIFY2(kept.ok(), qPrintable(kept.error));
    const QString backup = KeptFile(folder(), kept.backup->id);
    QCOMPARE(SameInode(backup, file), takenOver);
    QCOMPARE(QDir(folder()).entryList({"*.sav"}, QDir::Files | QDir::Hidden).size(), 1);

    // The file is replaced, as a save or a restore does it: the backup still holds what was read.
    QCOMPARE(ReplaceFile(file, MakeSavegame(8410, 9), true), QString());
    QCOMPARE(store.Read(*kept.backup).content, bytes);
    QCOMPARE(ReadWholeFile(file), MakeSavegame(8410, 9));
    if (situation == "hard link")
        QCOMPARE(ReadWholeFile(path("Save/other.sav")), bytes);
#endif
}

// A change that took the file over as its backup and then failed leaves the backup sharing the
// file. Whatever writes into the file next, by this program or through another name, must not
// reach any backup.
void TestBackupStore::testTakenOverThenWrittenInPlace_data()
{
    QTest::addColumn<QString>("next"); // the next change to the file
    QTest::newRow("written into by a save") << "write";
    QTest::newRow("given another name, then replaced") << "other name";
    // What a kill between taking the file over and replacing it leaves to the game.
    QTest::newRow("written into by the game") << "game";
}

void TestBackupStore::testTakenOverThenWrittenInPlace()
{
#ifndef Q_OS_LINUX
    QSKIP("hard links and inodes");
#else
    QFETCH(QString, next);
    const QString file = path("Save/AFactMS.sav"), otherName = path("Save/copy.sav");
    QVERIFY(QDir().mkpath(path("Save")));
    const QByteArray bytes = MakeSavegame(8410, 5);
    WriteWholeFile(file, bytes);
    BackupStore store(folder());
    Backup takenOver = *store.Keep(file, bytes, KeepMode::TakeOver).backup;
    QVERIFY(SameInode(KeptFile(folder(), takenOver.id), file));
    // Taken over again, it is no second backup: the one that was never listed becomes this
    // change's, under its time.
    const Backup again = *store.Keep(file, bytes, KeepMode::TakeOver).backup;
    QVERIFY(again.id != takenOver.id && again.time >= takenOver.time);
    QCOMPARE(QDir(folder()).entryList({"*.sav"}, QDir::Files).size(), 1);
    QVERIFY(SameInode(KeptFile(folder(), again.id), file));
    takenOver = again;

    if (next == "game") {
        // Until the file is replaced it is no backup: nothing lists it, nothing restores it.
        QFile game(file);
        QVERIFY(game.open(QIODevice::ReadWrite) && game.seek(245));
        QCOMPARE(game.write(QByteArray(7925, '\0')), 7925);
        game.close();
        QVERIFY(store.List().isEmpty());
        QVERIFY(!store.Find(takenOver.id));
        QVERIFY(!store.Read(takenOver).ok());
        return;
    }
    if (next == "write") {
        const BackupResult copied = store.Keep(file, bytes, KeepMode::Copy);
        QVERIFY2(copied.ok(), qPrintable(copied.error));
        QCOMPARE(WriteSpanInPlace(file, 245, QByteArray(7925, '\0')), QString());
    } else {
        QCOMPARE(::link(QFile::encodeName(file).constData(), QFile::encodeName(otherName).constData()), 0);
        const BackupResult kept = store.Keep(file, bytes, KeepMode::TakeOver);
        QVERIFY2(kept.ok(), qPrintable(kept.error));
        QCOMPARE(ReplaceFile(file, MakeSavegame(8410, 9), true), QString());
        QCOMPARE(WriteSpanInPlace(otherName, 245, QByteArray(7925, '\0')), QString());
    }
    const QList<Backup> listed = store.List();
    QVERIFY(!listed.isEmpty());
    for (const Backup& backup : listed) {
        QVERIFY(!SameInode(KeptFile(folder(), backup.id), file));
        QCOMPARE(store.Read(backup).content, bytes);
    }
#endif
}

void TestBackupStore::testEarlierLayoutMovedIn()
{
    // Backups as the earlier layout kept them: the bytes, and a record beside them.
    QVERIFY(QDir().mkpath(folder()));
    const auto keepTheEarlierWay = [&](const QString& id, const QString& original, const QByteArray& bytes,
                                       int sequence, const QByteArray& checksum) {
        WriteWholeFile(folder() + "/" + id + ".sav", bytes);
        const QJsonObject record{{"format", 1},
                                 {"path", original},
                                 {"time", "2026-12-07T10:58:49.123Z"},
                                 {"size", double(bytes.size())},
                                 {"sha256", QString::fromLatin1(checksum)},
                                 {"sequence", sequence}};
        WriteWholeFile(folder() + "/" + id + ".json", QJsonDocument(record).toJson());
    };
    const QByteArray older = MakeSavegame(3000, 1), newer = MakeSavegame(3000, 2);
    const auto sha = [](const QByteArray& bytes) {
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    };
    keepTheEarlierWay("20261207-105849-123-0000000a", path("Save/AFactMS.sav"), older, 0, sha(older));
    keepTheEarlierWay("20261207-105850-000-0000000b", path("Save/AFactMS.sav"), newer, 1, sha(newer));
    // Damaged bytes stay where they are, unlisted; a record whose bytes never came goes.
    keepTheEarlierWay("20261207-105851-000-0000000c", path("Save/BFactMS.sav"), older, 2, sha(newer));
    keepTheEarlierWay("20261207-105852-000-0000000d", path("Save/CFactMS.sav"), older, 3, sha(older));
    QVERIFY(QFile::remove(folder() + "/20261207-105852-000-0000000d.sav"));

    BackupStore store(folder());
    const BackupResult kept = store.Keep(path("Save/AFactMS.sav"), "taken now");
    QVERIFY2(kept.ok(), qPrintable(kept.error));
    QCOMPARE(Ids(store.List()),
             QStringList({kept.backup->id, "20261207-105850-000-0000000b", "20261207-105849-123-0000000a"}));
    const Backup moved = *store.Find("20261207-105849-123-0000000a");
    QCOMPARE(moved.time, QDateTime(QDate(2026, 12, 7), QTime(10, 58, 49, 123), Qt::UTC));
    QCOMPARE(moved.originalPath, path("Save/AFactMS.sav"));
    QCOMPARE(moved.templatePath, QString()); // never recorded then
    QCOMPARE(store.Read(moved).content, older);
    QCOMPARE(store.Read(*store.Find("20261207-105850-000-0000000b")).content, newer);
    QStringList left = QDir(folder()).entryList({"2026*"}, QDir::Files);
    left.removeIf([](const QString& name) { return name.count('-') == 5; }); // moved in
    QCOMPARE(left, QStringList({"20261207-105851-000-0000000c.json", "20261207-105851-000-0000000c.sav"}));
}

void TestBackupStore::testSequenceBeyondNames_data()
{
    // A backup whose sequence has as many digits as a name holds, or an earlier record with more:
    // the next backup's name would be one that no listing reads.
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<bool>("keeps"); // a new backup can still be taken
    QTest::newRow("a name one below the last") << "name"
                                               << "999999999999999998" << true;
    QTest::newRow("a name at the last") << "name"
                                        << "999999999999999999" << false;
    QTest::newRow("a record past the names") << "record"
                                             << "1000000000000000000" << true;
    QTest::newRow("a record past any number") << "record"
                                              << "1e300" << true;
    QTest::newRow("a record with a word") << "record"
                                          << "\"7\"" << true;
}

void TestBackupStore::testSequenceBeyondNames()
{
    QFETCH(QString, found);
    QFETCH(QString, sequence);
    QFETCH(bool, keeps);
    const QString id = "20261207-105849-123-0000000a";
    const QByteArray old = MakeSavegame(3000, 1);
    BackupStore store(folder());
    const Backup first = *store.Keep(path("Save/AFactMS.sav"), "first").backup;
    if (found == "name") {
        const QString key = QFileInfo(KeptFile(folder(), first.id)).completeBaseName().section('-', 4, 4);
        WriteWholeFile(folder() + "/" + id + "-" + key + "-" + sequence + ".sav", old);
    } else {
        WriteWholeFile(folder() + "/" + id + ".sav", old);
        WriteWholeFile(folder() + "/" + id + ".json",
                       QString(R"({"format": 1, "path": "%1", "size": %2, "sha256": "%3", "sequence": %4})")
                           .arg(path("Save/BFactMS.sav"))
                           .arg(old.size())
                           .arg(QCryptographicHash::hash(old, QCryptographicHash::Sha256).toHex(), sequence)
                           .toUtf8());
    }

    const auto before = Snapshot(folder());
    const QStringList listedBefore = Ids(store.List());
    const BackupResult result = store.Keep(path("Save/AFactMS.sav"), "second");
    // Either a backup that is listed and read back, or a failure that changed nothing: never one
    // that is reported kept and then cannot be found.
    QCOMPARE(result.ok(), keeps);
    if (keeps) {
        QVERIFY(store.Find(result.backup->id));
        QCOMPARE(store.Read(*result.backup).content, QByteArray("second"));
    } else {
        QCOMPARE(result.errorPath, folder());
        QCOMPARE(Snapshot(folder()), before);
        QCOMPARE(Ids(store.List()), listedBefore);
    }
    // The earlier record's bytes are listed, or stay where they were.
    QVERIFY(store.Find(id) || QFile::exists(folder() + "/" + id + ".sav"));
    QCOMPARE(Ids(store.List()).contains(first.id), true);
}

void TestBackupStore::testUnknownId_data()
{
    QTest::addColumn<QString>("id"); // "<other>" stands for a backup in another folder
    QTest::newRow("empty") << "";
    QTest::newRow("well-formed but absent") << "20261207-105849-123-9f3a0c1e";
    QTest::newRow("with a file suffix") << "<kept>.sav";
    QTest::newRow("with a line break") << "<kept>\n";
    QTest::newRow("a path to another folder's backup") << "../Other/<other>";
}

void TestBackupStore::testUnknownId()
{
    QFETCH(QString, id);
    BackupStore store(folder());
    const QString kept = store.Keep(path("A.sav"), "progress").backup->id;
    const QString other = BackupStore(path("data/Other")).Keep(path("A.sav"), "progress").backup->id;
    id.replace("<kept>", kept).replace("<other>", other);

    QVERIFY(!store.Find(id));
    const BackupContent read = store.Read(Backup{id, {}, {}, 0, {}});
    QVERIFY(!read.ok());
    QVERIFY(read.content.isEmpty());
}

void TestBackupStore::testUniqueIds()
{
    // Two stores on one folder stand for two processes.
    BackupStore first(folder()), second(folder());
    QSet<QString> ids;
    for (int i = 0; i < 100; ++i) {
        const BackupResult result =
            (i % 2 ? first : second).Keep(path(QString("%1.sav").arg(i % 5)), QByteArray::number(i));
        QVERIFY2(result.ok(), qPrintable(result.error));
        QVERIFY2(QRegularExpression("^[0-9a-z-]+$").match(result.backup->id).hasMatch(), qPrintable(result.backup->id));
        ids.insert(result.backup->id);
    }
    QCOMPARE(ids.size(), 100);
    QCOMPARE(first.List().size(), 100);
}

void TestBackupStore::testKilledWhileKeeping()
{
#ifndef Q_OS_LINUX
    QSKIP("needs fork");
#else
    BackupStore store(folder());
    for (int round = 0; round < 16; ++round) {
        int channel[2];
        QCOMPARE(pipe(channel), 0);
        const pid_t child = fork();
        if (child == 0) {
            // Says when each backup is done, and goes on until killed in the middle of the next.
            for (int i = 0;; ++i) {
                store.Keep(path(QString("%1.sav").arg(i % 3)), MakeSavegame(20000, round * 1000 + i));
                [[maybe_unused]] const auto written = write(channel[1], "k", 1);
            }
        }
        close(channel[1]);
        char done;
        bool acknowledged = true;
        for (int kept = 0; kept <= round % 4; ++kept)
            acknowledged = acknowledged && read(channel[0], &done, 1) == 1;
        // Not to wait for anything: only to spread the kills over the steps of a backup.
        usleep(useconds_t(round * 1000));
        kill(child, SIGKILL);
        QCOMPARE(waitpid(child, nullptr, 0), child);
        close(channel[0]);
        QVERIFY(acknowledged);
    }
    const QList<Backup> listed = store.List();
    QVERIFY(listed.size() >= 16);
    for (const Backup& backup : listed)
        QVERIFY2(store.Read(backup).ok(), qPrintable(store.Read(backup).error));
#endif
}

void TestBackupStore::testKeepFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error");
    QTest::newRow("regular file") << "file"
                                  << "";
    QTest::newRow("missing") << "missing"
                             << "No such file or directory";
    QTest::newRow("folder") << "folder"
                            << "Is a directory";
#ifdef Q_OS_LINUX
    // Opening either plainly would wait for a writer or read forever.
    QTest::newRow("FIFO") << "fifo"
                          << "It is not a regular file";
    QTest::newRow("device") << "device"
                            << "It is not a regular file";
#endif
}

void TestBackupStore::testKeepFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, error);
    const QString file = path("Save/AFactMS.sav");
    QVERIFY(QDir().mkpath(path("Save")));
    const QByteArray bytes = MakeSavegame(8410, 3);
    if (kind == "file")
        WriteWholeFile(file, bytes);
    else if (kind == "folder")
        QVERIFY(QDir().mkdir(file));
#ifdef Q_OS_LINUX
    else if (kind == "fifo")
        QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    else if (kind == "device")
        QVERIFY(QFile::link("/dev/zero", file));
#endif

    BackupStore store(folder());
    const BackupResult result = store.KeepFile(file);
    QCOMPARE(result.error, error);
    QCOMPARE(result.errorPath, error.isEmpty() ? QString() : file);
    QCOMPARE(store.List().size(), error.isEmpty() ? 1 : 0);
    if (error.isEmpty())
        QCOMPARE(store.Read(*result.backup).content, bytes);
}

QTEST_GUILESS_MAIN(TestBackupStore)
#include "TestBackupStore.moc"
