#include "store/FileSystem.h"

#include "support/Savegames.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>

#include <cstddef>
#include <vector>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#undef ReplaceFile // the system's own function of that name; here it is always Kelmora's

#include <thread>
#include <utility>
#endif

using namespace kelmora;
using namespace kelmora::test;

// What a player's savegame may meet on its way to the disk: a kill part way, a full disk, links,
// FIFOs and devices where a file should be.
class TestFileSystem : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void testReplaceIsAllOrNothing();
    void testKilledWhileReplacing();
    void testKilledBeforeTheRename_data();
    void testKilledBeforeTheRename();
    void testReplaceRefusesWhatIsNoFile_data();
    void testReplaceRefusesWhatIsNoFile();
    void testPendingFileHeldOpen();
    void testTargetHeldOpen();
    void testChangedMeanwhileLeftAlone();
    void testNeverFollowsALinkSwappedIn_data();
    void testNeverFollowsALinkSwappedIn();
    void testReadNeverWaits_data();
    void testReadNeverWaits();
    void testWriteInPlaceNeverLengthens_data();
    void testWriteInPlaceNeverLengthens();
    void testSameFile();
    void testMakeFolder_data();
    void testMakeFolder();
    void testLock();
    void testLockRefusesWhatIsNoFile_data();
    void testLockRefusesWhatIsNoFile();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFileSystem::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestFileSystem::testReplaceIsAllOrNothing()
{
    const QByteArray before = MakeSavegame(9000, 1), after = MakeSavegame(9000, 2);
    const QString file = path("AFactMS.sav");
    WriteWholeFile(file, before);
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));

#ifdef Q_OS_UNIX
    // A file-size limit cuts the write short, as a full disk would, and leaves nothing beside the file.
    {
        const FileSizeLimit limit(4096);
        QCOMPARE(ReplaceFile(file, after, false), QStringLiteral("File too large"));
    }
    QCOMPARE(ReadWholeFile(file), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"AFactMS.sav"});
    // Root replacing a player's file leaves it the player's: the player's next save must work.
    if (::geteuid() == 0) {
        QCOMPARE(::chown(QFile::encodeName(file).constData(), 65534, 65534), 0);
        QCOMPARE(ReplaceFile(file, before, false), QString());
        struct stat info = {};
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &info), 0);
        QCOMPARE(info.st_uid, uid_t(65534));
        QCOMPARE(info.st_gid, gid_t(65534));
    }
#endif

    QCOMPARE(ReplaceFile(file, after, false), QString());
    QCOMPARE(ReadWholeFile(file), after);
#ifdef Q_OS_UNIX
    // The player's permissions stay.
    QCOMPARE(QFile::permissions(file) & 0x7777, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ReadUser | QFileDevice::WriteUser |
                                                    QFileDevice::ReadGroup);
#else
    // Windows keeps no such modes; a file the player made read-only stays as it is.
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner));
    QCOMPARE(ReplaceFile(file, before, false), ReadOnlyReason());
    QCOMPARE(ReadWholeFile(file), after);
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
#endif
    QCOMPARE(ReplaceFile(path("missing.sav"), after, false), NoSuchFileText());
    QVERIFY(!QFile::exists(path("missing.sav")));
    // What a run killed before its rename left at the new version's name goes first.
    WriteWholeFile(file + ".kelmora-new", "left by a killed run");
    QCOMPARE(ReplaceFile(file, before, false), QString());
    QCOMPARE(ReadWholeFile(file), before);
    QVERIFY(!QFileInfo::exists(file + ".kelmora-new"));
}

// A run killed while it writes the new version leaves the old file, and nothing beside it in the
// player's folder.
void TestFileSystem::testKilledWhileReplacing()
{
#ifndef Q_OS_LINUX
    QSKIP("Needs fork(), which Windows lacks; kelmora-cli.exe is killed during saves by TestCli::testKilledSaves");
#else
    const QString file = path("AFactMS.sav");
    const QByteArray before = MakeSavegame(9000, 1);
    WriteWholeFile(file, before);
    // Large enough that writing it takes far longer than the kills below wait.
    const QByteArray after(64 * 1024 * 1024, 'x');
    for (int round = 0; round < 8; ++round) {
        const pid_t child = fork();
        if (child == 0) {
            ReplaceFile(file, after, false);
            _exit(0);
        }
        usleep(useconds_t(2000 + round * 1000));
        kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"AFactMS.sav"});
        if (WIFSIGNALED(status)) {
            QCOMPARE(ReadWholeFile(file), before);
        } else { // a machine fast enough to finish first
            QCOMPARE(ReadWholeFile(file).size(), after.size());
            WriteWholeFile(file, before);
        }
    }
    // Killed between naming the complete new version and renaming it, a run leaves that name; the
    // next replacement clears it away, and a link there is never followed.
    for (const bool link : {false, true}) {
        const QString pending = file + ".kelmora-new";
        if (link)
            QVERIFY(MakeLink(path("elsewhere.sav"), pending));
        else
            WriteWholeFile(pending, "left by a killed run");
        WriteWholeFile(path("elsewhere.sav"), before);
        QCOMPARE(ReplaceFile(file, MakeSavegame(9000, 3 + link), false), QString());
        QCOMPARE(ReadWholeFile(file), MakeSavegame(9000, 3 + link));
        QCOMPARE(ReadWholeFile(path("elsewhere.sav")), before);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList({"AFactMS.sav", "elsewhere.sav"}));
        QVERIFY(QFile::remove(path("elsewhere.sav")));
    }
#endif
}

void TestFileSystem::testKilledBeforeTheRename_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("a file replaced") << true;
    // As every backup and a restore to a missing file are: nothing at the name to keep.
    QTest::newRow("a file made") << false;
}

// The moment the new version is complete and named but not yet in place: the process is killed at
// its first rename. A replaced file keeps its old bytes; a new file needs no rename at all, so that
// no run killed there can leave a second, stray copy that nothing ever clears away.
void TestFileSystem::testKilledBeforeTheRename()
{
#if !defined(Q_OS_LINUX) || !defined(O_TMPFILE)
    QSKIP("Needs seccomp and O_TMPFILE, which Windows lacks; kelmora-cli.exe is killed during saves by "
          "TestCli::testKilledSaves");
#else
    QFETCH(bool, exists);
    const QString file = path("AFactMS.sav");
    const QByteArray before = MakeSavegame(9000, 1), after = MakeSavegame(9000, 2);
    if (exists)
        WriteWholeFile(file, before);
    const pid_t child = fork();
    if (child == 0) {
        // Killed by the system on any rename, as a kill at exactly that step would.
        std::vector<sock_filter> filter{BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))};
        for (const long call : {
#ifdef SYS_rename
                 long(SYS_rename),
#endif
                 long(SYS_renameat), long(SYS_renameat2)}) {
            filter.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __u32(call), 0, 1));
            filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS));
        }
        filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
        const sock_fprog program{static_cast<unsigned short>(filter.size()), filter.data()};
        if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 ||
            ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
            _exit(2);
        _exit(ReplaceFile(file, after, true).isEmpty() ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2)
        QSKIP("seccomp is not available here");
    QCOMPARE(WIFSIGNALED(status), exists);
    QCOMPARE(ReadWholeFile(file), exists ? before : after);
    QStringList left{"AFactMS.sav"};
    if (exists)
        left << "AFactMS.sav.kelmora-new"; // the next replacement clears it away
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), left);
#endif
}

void TestFileSystem::testReplaceRefusesWhatIsNoFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    const QString link = QStringLiteral("It is a link; Kelmora only writes files it made itself");
    QTest::newRow("folder") << "folder"
                            << "Is a directory";
    // Renaming over a link would replace what it leads to: a savegame, or a device.
    QTest::newRow("link to a savegame") << "link" << link;
#ifdef Q_OS_UNIX
    QTest::newRow("link to a device") << "device link" << link;
    QTest::newRow("FIFO") << "fifo"
                          << "It is not a regular file";
#endif
    // What the new version's name is taken by, where it cannot be cleared away, is what the player
    // must be told of: the file itself is fine.
    QTest::newRow("folder where the new version goes") << "pending folder"
                                                       << "<target>.kelmora-new: File exists";
}

void TestFileSystem::testReplaceRefusesWhatIsNoFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString target = path("AFactMS.sav"), other = path("Other.sav");
    WriteWholeFile(other, MakeSavegame(9000, 3));
    if (kind == "folder")
        QVERIFY(QDir().mkdir(target));
    else if (kind == "link") {
        if (!MakeLink(other, target))
            QSKIP(NoLinksHere);
    } else if (kind == "device link")
        QVERIFY(MakeLink("/dev/null", target));
    else if (kind == "pending folder") {
        WriteWholeFile(target, MakeSavegame(9000, 4));
        QVERIFY(QDir().mkdir(target + ".kelmora-new"));
        reason.replace("<target>", QDir::toNativeSeparators(target));
    }
#ifdef Q_OS_UNIX
    else if (kind == "fifo")
        QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
#endif
    if (!QFileInfo::exists(target) && !QFileInfo(target).isSymLink())
        QSKIP("cannot make that here");

    // A spare offered for a new file never takes the place of what stands there.
    const QString spare = path("spare");
    for (const bool mayCreate : {false, true}) {
        QCOMPARE(ReplaceFile(target, "new bytes", mayCreate), reason);
        WriteWholeFile(spare, "a dropped backup");
        QCOMPARE(ReplaceFile(target, "new bytes", mayCreate, spare), reason);
    }
    QCOMPARE(ReadWholeFile(other), MakeSavegame(9000, 3));
    if (kind == "pending folder")
        QCOMPARE(ReadWholeFile(target), MakeSavegame(9000, 4));
}

// Whoever may make names in the savegame folder can swap a link in after the check: the file must
// still be read and written at that name, never where the link leads.
// What a killed run left at the new version's name, held open by a scanner, is cleared away only
// once the scanner lets go of it: until then the player is told which file is in the way.
void TestFileSystem::testPendingFileHeldOpen()
{
#ifndef Q_OS_WIN
    QSKIP("Only Windows keeps a file that a program holds open from being deleted or renamed");
#else
    const QString target = path("AFactMS.sav"), pending = target + ".kelmora-new";
    WriteWholeFile(target, MakeSavegame(9000, 4));
    const auto wide = [](const QString& file) {
        return reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(file).utf16());
    };
    int round = 5;
    // A scanner that lets nobody delete the file, and one that lets it be deleted once it closes it.
    for (const DWORD share : {DWORD(FILE_SHARE_READ), DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE)}) {
        WriteWholeFile(pending, "left by a killed run");
        const HANDLE held = ::CreateFileW(wide(pending), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
        QVERIFY(held != INVALID_HANDLE_VALUE);
        const QByteArray before = ReadWholeFile(target), after = MakeSavegame(9000, round++);
        const QString error = ReplaceFile(target, after, false);
        ::CloseHandle(held);
        // Where the system frees the name at once, the replacement goes ahead.
        if (error.isEmpty()) {
            QCOMPARE(ReadWholeFile(target), after);
            continue;
        }
        QVERIFY2(error.startsWith(QDir::toNativeSeparators(pending) + ": "), qPrintable(error));
        QCOMPARE(ReadWholeFile(target), before);
    }
    QCOMPARE(ReplaceFile(target, MakeSavegame(9000, round), false), QString());
    QCOMPARE(ReadWholeFile(target), MakeSavegame(9000, round));
    QVERIFY(!QFileInfo::exists(pending));
#endif
}

// Another Kelmora reading the file, or a scanner, holds it open for a moment; Windows keeps the name
// from being replaced meanwhile. The replacement waits for them, each time after the last look: what
// the one holding it wrote goes first. Held for good, the file stays as it was.
void TestFileSystem::testTargetHeldOpen()
{
#ifndef Q_OS_WIN
    QSKIP("Only Windows keeps a file that a program holds open from being deleted or renamed");
#else
    const QString target = path("AFactMS.sav");
    const std::wstring name = QDir::toNativeSeparators(target).toStdWString();
    const auto hold = [&](DWORD share) {
        return ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING, 0, nullptr);
    };
    WriteWholeFile(target, MakeSavegame(9000, 4));
    const DWORD all = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    int round = 5;
    // Sharing all, as Kelmora reads; keeping it from being deleted, as a scanner may; writing meanwhile.
    const std::pair<DWORD, bool> holders[] = {{all, false}, {FILE_SHARE_READ | FILE_SHARE_WRITE, false}, {all, true}};
    for (const auto& [share, writes] : holders) {
        QByteArray read;
        FileFacts facts;
        QCOMPARE(ReadRegularFile(target, read, 1 << 20, &facts, false), QString());
        const HANDLE held = hold(share);
        QVERIFY(held != INVALID_HANDLE_VALUE);
        // The write well before it lets go: one in the moment between the last look and the move
        // goes unseen, as it would without the wait.
        std::thread letGo([&, held = held, writes = writes] {
            QThread::msleep(150);
            DWORD written = 0;
            if (writes)
                ::WriteFile(held, "game", 4, &written, nullptr);
            QThread::msleep(150);
            ::CloseHandle(held);
        });
        const QByteArray after = MakeSavegame(9000, round++);
        const QString error = ReplaceFile(target, after, false, {}, facts.version);
        letGo.join();
        QCOMPARE(error, writes ? ChangedMeanwhileReason() : QString());
        QCOMPARE(ReadWholeFile(target).left(4), writes ? QByteArray("game") : after.left(4));
        QCOMPARE(ReadWholeFile(target).mid(4), (writes ? read : after).mid(4));
    }
    const QByteArray before = ReadWholeFile(target);
    HANDLE held = hold(all);
    QVERIFY(!ReplaceFile(target, MakeSavegame(9000, round), false).isEmpty());
    ::CloseHandle(held);
    QCOMPARE(ReadWholeFile(target), before);
    QVERIFY(!QFileInfo::exists(target + ".kelmora-new"));

    // A removal waits for a reader to let go, whether or not it lets the file be deleted: removed
    // while held, the file would stay under its name until then. A killed run's new version held by
    // a scanner stands in the way of the next one, which waits for it too.
    const auto letGoLater = [](HANDLE file) {
        return std::thread([file] {
            QThread::msleep(300);
            ::CloseHandle(file);
        });
    };
    held = hold(all);
    std::thread letGo = letGoLater(held);
    QCOMPARE(RemoveFile(target), QString());
    QCOMPARE(ReplaceFile(target, MakeSavegame(9000, round), true), QString());
    letGo.join();
    QCOMPARE(ReadWholeFile(target), MakeSavegame(9000, round));
    letGo = letGoLater(hold(FILE_SHARE_READ | FILE_SHARE_WRITE));
    QCOMPARE(RemoveFile(target), QString());
    letGo.join();
    QVERIFY(!QFileInfo::exists(target));
    // Held for good, it is not removed at all: not even once the holder lets go.
    WriteWholeFile(target, before);
    held = hold(all);
    QVERIFY(!RemoveFile(target).isEmpty());
    ::CloseHandle(held);
    QCOMPARE(ReadWholeFile(target), before);
    WriteWholeFile(target + ".kelmora-new", "left by a killed run");
    letGo = letGoLater(::CreateFileW((name + L".kelmora-new").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, 0, nullptr));
    QCOMPARE(ReplaceFile(target, MakeSavegame(9000, ++round), false), QString());
    letGo.join();
    QCOMPARE(ReadWholeFile(target), MakeSavegame(9000, round));
    QVERIFY(!QFileInfo::exists(target + ".kelmora-new"));
#endif
}

// What another program (the game, say) wrote after the file was read and backed up is left as it
// wrote it: in place or by a new version renamed over it. The change must come after the clock's
// tick of the read, as any change worth keeping does.
void TestFileSystem::testChangedMeanwhileLeftAlone()
{
    const QString file = path("AFactMS.sav");
    WriteWholeFile(file, MakeSavegame(9000, 1));
    for (const bool renamed : {false, true}) {
        QByteArray read;
        FileFacts facts;
        QCOMPARE(ReadRegularFile(file, read, 1 << 20, &facts, false), QString());
        QTest::qSleep(30);
        const QByteArray game = MakeSavegame(9000, 2 + renamed);
        if (renamed) {
            WriteWholeFile(path("game.tmp"), game);
            QFile::remove(file);
            QVERIFY(QFile::rename(path("game.tmp"), file));
        } else {
            QFile inPlace(file);
            QVERIFY(inPlace.open(QIODevice::ReadWrite) && inPlace.write(game) == game.size());
        }
        QCOMPARE(ReplaceFile(file, MakeSavegame(9000, 9), false, {}, facts.version), ChangedMeanwhileReason());
        QCOMPARE(WriteInPlace(file, 100, "xx", facts.version), ChangedMeanwhileReason());
        QCOMPARE(RemoveFile(file, true, facts.version), ChangedMeanwhileReason());
        QCOMPARE(ReadWholeFile(file), game);
        // Read again, it is the version the next write goes over.
        QCOMPARE(ReadRegularFile(file, read, 1 << 20, &facts, false), QString());
        QCOMPARE(ReplaceFile(file, MakeSavegame(9000, 9), false, {}, facts.version), QString());
        QCOMPARE(ReadWholeFile(file), MakeSavegame(9000, 9));
    }
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"AFactMS.sav"});
    // Where there was none, a file is made only where there still is none.
    // Made read-only meanwhile: the player's new choice stays, for root too.
    {
        QByteArray read;
        FileFacts facts;
        QCOMPARE(ReadRegularFile(file, read, 1 << 20, &facts, false), QString());
        const QFileDevice::Permissions permissions = QFile::permissions(file);
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadUser));
        QCOMPARE(ReplaceFile(file, MakeSavegame(9000, 4), false, {}, facts.version), ChangedMeanwhileReason());
        QCOMPARE(WriteInPlace(file, 100, "xx", facts.version), ChangedMeanwhileReason());
        QVERIFY(QFile::setPermissions(file, permissions));
        QCOMPARE(ReadWholeFile(file), MakeSavegame(9000, 9));
    }
    WriteWholeFile(path("spare"), "a dropped backup");
    for (const QString& spare : {QString(), path("spare")})
        QCOMPARE(ReplaceFile(file, MakeSavegame(9000, 4), true, spare, NoFileVersion), ChangedMeanwhileReason());
    QCOMPARE(ReadWholeFile(file), MakeSavegame(9000, 9));

    // Where times are kept to the second (FAT to two), a write of the same length leaves them as they
    // were: the bytes tell. Unchanged, the file is still the version read.
    const QDateTime second = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() - 60);
    const auto keepTime = [&] {
        QFile times(file);
        QVERIFY(times.open(QIODevice::ReadWrite) && times.setFileTime(second, QFileDevice::FileModificationTime));
    };
    keepTime();
    QByteArray read;
    FileFacts facts;
    QCOMPARE(ReadRegularFile(file, read, 1 << 20, &facts, false), QString());
    QFile inPlace(file);
    QVERIFY(inPlace.open(QIODevice::ReadWrite) && inPlace.seek(300) && inPlace.write("game") == 4);
    inPlace.close();
    keepTime();
    QCOMPARE(ReplaceFile(file, MakeSavegame(9000, 5), false, {}, facts.version), ChangedMeanwhileReason());
    QCOMPARE(WriteInPlace(file, 100, "xx", facts.version), ChangedMeanwhileReason());
    QCOMPARE(RemoveFile(file, true, facts.version), ChangedMeanwhileReason());
    QCOMPARE(ReadWholeFile(file).mid(300, 4), QByteArray("game"));
    QCOMPARE(ReadRegularFile(file, read, 1 << 20, &facts, false), QString());
    QCOMPARE(WriteInPlace(file, 100, "xx", facts.version), QString());
    keepTime();
    QCOMPARE(ReadRegularFile(file, read, 1 << 20, &facts, false), QString());
    QCOMPARE(ReplaceFile(file, MakeSavegame(9000, 5), false, {}, facts.version), QString());
}

void TestFileSystem::testNeverFollowsALinkSwappedIn_data()
{
    QTest::addColumn<QString>("writer");
    QTest::newRow("replaced") << "replace";
    QTest::newRow("read as a savegame") << "read";
    QTest::newRow("written in place") << "in place";
}

void TestFileSystem::testNeverFollowsALinkSwappedIn()
{
#ifndef Q_OS_UNIX
    QSKIP("Needs fork() and symbolic links, which Windows lacks (see NoLinksHere)");
#else
    QFETCH(QString, writer);
    const QString target = path("AFactMS.sav"), victim = path("victim.sav");
    // Savegame-sized, so that a read through the link would be taken for one.
    const QByteArray victimBytes = MakeSavegame(9000, 7), savegame = MakeSavegame(9000, 1);
    WriteWholeFile(victim, victimBytes);
    WriteWholeFile(target, savegame);
    const pid_t swapper = fork();
    if (swapper == 0) {
        const QByteArray to = QFile::encodeName(target), link = QFile::encodeName(path("l")),
                         file = QFile::encodeName(path("f")), victimName = QFile::encodeName(victim);
        for (;;) {
            ::symlink(victimName.constData(), link.constData());
            ::rename(link.constData(), to.constData());
            const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            [[maybe_unused]] const auto written = ::write(fd, savegame.constData(), size_t(savegame.size()));
            ::close(fd);
            ::rename(file.constData(), to.constData());
        }
    }
    bool victimRead = false;
    QElapsedTimer timer;
    timer.start();
    int attempts = 0;
    // The in-place write's window is narrow: it takes thousands of tries to hit.
    for (; attempts < 20000 && timer.elapsed() < 3000; ++attempts) {
        if (writer == "replace")
            ReplaceFile(target, MakeSavegame(9000, 2), true);
        else if (QByteArray read; writer == "read")
            victimRead = victimRead || (ReadRegularFile(target, read, 100000, nullptr, false).isEmpty() &&
                                        read.left(200) == victimBytes.left(200));
        else
            WriteInPlace(target, 0, "XX");
    }
    ::kill(swapper, SIGKILL);
    QCOMPARE(::waitpid(swapper, nullptr, 0), swapper);
    QCOMPARE(ReadWholeFile(victim), victimBytes);
    QVERIFY(!victimRead);
    QVERIFY(attempts > 50);
#endif
}

void TestFileSystem::testReadNeverWaits_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
#ifdef Q_OS_UNIX
    QTest::newRow("FIFO") << "fifo"
                          << "It is not a regular file";
    QTest::newRow("device") << "/dev/zero"
                            << "It is not a regular file";
#else
    QTest::newRow("device") << "\\\\.\\NUL"
                            << "It is not a regular file";
#endif
    QTest::newRow("folder") << "folder"
                            << "Is a directory";
    QTest::newRow("too large") << "large"
                               << "The file is too large (101 bytes, at most 100 expected)";
}

void TestFileSystem::testReadNeverWaits()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QString file = path("kelmora.dat");
    if (kind == "folder")
        QVERIFY(QDir().mkdir(file));
    else if (kind == "large")
        WriteWholeFile(file, QByteArray(101, 'x'));
    else if (kind.startsWith(u'/') || kind.startsWith(u'\\'))
        file = kind;
#ifdef Q_OS_UNIX
    else if (kind == "fifo")
        QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
#endif
    // A FIFO without a writer would block an ordinary open for ever.
    QByteArray content("untouched");
    QCOMPARE(ReadRegularFile(file, content, 100), reason);
    QCOMPARE(content, QByteArray("untouched"));
}

void TestFileSystem::testWriteInPlaceNeverLengthens_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("reason");
    QTest::newRow("the span ends the file") << 12 << "";
    QTest::newRow("one byte short") << 11 << "The file is too short for the write (11 bytes, 12 needed)";
    // As a game that rewrites its file leaves it for a moment.
    QTest::newRow("emptied") << 0 << "The file is too short for the write (0 bytes, 12 needed)";
}

// A file shrunk since it was read, by the game rewriting it, must not be filled up to the span with
// zeros: the game would load a made-up savegame.
void TestFileSystem::testWriteInPlaceNeverLengthens()
{
    QFETCH(int, size);
    QFETCH(QString, reason);
    const QString file = path("AFactMS.sav");
    const QByteArray before = MakeSavegame(size, 4);
    WriteWholeFile(file, before);
    QCOMPARE(WriteInPlace(file, 8, "span"), reason);
    QCOMPARE(ReadWholeFile(file), reason.isEmpty() ? before.left(8) + "span" : before);
}

void TestFileSystem::testSameFile()
{
    const QString file = path("Alex.sav");
    WriteWholeFile(file, "x");
    WriteWholeFile(path("Twin.sav"), "x");
    QVERIFY(QDir(m_dir->path()).mkdir("sub"));
    QCOMPARE(CompareFiles(file, path("sub/../Alex.sav")), Identity::Same);
    QVERIFY(MakeHardLink(file, path("Hard.sav")));
    QCOMPARE(CompareFiles(file, path("Hard.sav")), Identity::Same);
    // What a case-insensitive file system takes for one file, whether or not this one does.
    QCOMPARE(CompareFiles(path("aFactMS.sav"), path("sub/../AFACTMS.SAV")), Identity::MaybeSame);
    QCOMPARE(CompareFiles(file, path("Twin.sav")), Identity::Different); // equal bytes are not the same file
    QCOMPARE(CompareFiles(file, path("missing.sav")), Identity::Different);
    QCOMPARE(CompareFiles(path("aFactMS.sav"), path("sub/AFactMS.sav")), Identity::Different);

    if (!MakeLink(file, path("AFactMS.sav")) || !MakeLink(m_dir->path(), path("sub/again")))
        QSKIP(NoLinksHere);
    QCOMPARE(CompareFiles(file, path("AFactMS.sav")), Identity::Same);
    // One folder reached by two paths, as a game library linked into the home folder is.
    QCOMPARE(CompareFiles(path("sub/again/missing.sav"), path("missing.sav")), Identity::MaybeSame);
    QCOMPARE(CompareFiles(path("aFactMS.sav"), path("sub/again/AFACTMS.SAV")), Identity::MaybeSame);
}

void TestFileSystem::testMakeFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("failedAt");
    QTest::newRow("missing parents") << "home/.local/share/Quorrick/Kelmora" << QString() << QString();
    QTest::newRow("already there") << "existing" << QString() << QString();
    QTest::newRow("a file in the way") << "file"
                                       << "Not a directory"
                                       << "file";
    QTest::newRow("a file where a parent should be") << "file/Quorrick/Kelmora"
                                                     << "Not a directory"
                                                     << "file";
}

void TestFileSystem::testMakeFolder()
{
    QFETCH(QString, folder);
    QFETCH(QString, error);
    QFETCH(QString, failedAt);
    QVERIFY(QDir(m_dir->path()).mkdir("existing"));
    WriteWholeFile(path("file"), "x");

    QString failed;
    QCOMPARE(MakeFolder(path(folder), true, &failed), error);
    QCOMPARE(failed, failedAt.isEmpty() ? QString() : QDir::toNativeSeparators(path(failedAt)));
    if (error.isEmpty()) {
        QVERIFY(QFileInfo(path(folder)).isDir());
#ifdef Q_OS_UNIX
        // The last one is the player's alone (on Windows the per-user folders are already).
        if (folder != "existing")
            QCOMPARE(QFile::permissions(path(folder)) & 0x0077, QFileDevice::Permissions());
#endif
    }
}

void TestFileSystem::testLock()
{
    const QString folder = path("user");
    auto first = std::make_unique<FlowLock>(folder);
    QCOMPARE(first->Acquire(0), std::nullopt);
    auto second = std::make_unique<FlowLock>(folder);
    const std::optional<Problem> busy = second->Acquire(50);
    QVERIFY(busy);
    QCOMPARE(busy->failure, Failure::Busy);
#ifdef Q_OS_UNIX
    // Each run that takes the lock counts itself, and only such a run: what one run remembers of
    // its own last change lapses as soon as another has held the lock.
    QVERIFY(first->CountFound());
    QCOMPARE(second->CountFound(), std::nullopt);
    const quint64 found = *first->CountFound();
    first.reset();
    for (const quint64 next : {found + 1, found + 2}) {
        FlowLock again(folder);
        QCOMPARE(again.Acquire(0), std::nullopt);
        QCOMPARE(again.CountFound(), next);
    }
    // A disk without room for the count, and an empty lock file as earlier releases left it: the
    // lock is still taken, with the count dropped, so that no run goes on from what it remembers.
    WriteWholeFile(folder + "/kelmora.lock", {});
    {
        const FileSizeLimit full(4);
        FlowLock again(folder);
        QCOMPARE(again.Acquire(0), std::nullopt);
        QCOMPARE(again.CountFound(), std::nullopt);
    }
    QCOMPARE(QFileInfo(folder + "/kelmora.lock").size(), 0);
    {
        FlowLock after(folder);
        QCOMPARE(after.Acquire(0), std::nullopt);
        QVERIFY(after.CountFound());
    }
#endif

    // Another program holding the released lock file open (a virus scanner, a backup tool) keeps no
    // run waiting; one that shares nothing with others makes it wait, then call itself busy.
    first.reset();
    second.reset();
    {
        QFile holder(folder + "/kelmora.lock");
        QVERIFY(holder.open(QIODevice::ReadWrite));
        QCOMPARE(FlowLock(folder).Acquire(0), std::nullopt);
    }
#ifdef Q_OS_WIN
    const HANDLE exclusive =
        ::CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(folder + "/kelmora.lock").utf16()),
                      GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    QVERIFY(exclusive != INVALID_HANDLE_VALUE);
    const std::optional<Problem> shut = FlowLock(folder).Acquire(50);
    ::CloseHandle(exclusive);
    QVERIFY(shut);
    QCOMPARE(shut->failure, Failure::Busy);
#endif

    // A folder that cannot be made names the system's reason, and never waits.
    WriteWholeFile(path("file"), "x");
    const std::optional<Problem> blocked = FlowLock(path("file/user")).Acquire(0);
    QVERIFY(blocked);
    QCOMPARE(blocked->failure, Failure::LockFailed);
    QCOMPARE(blocked->reason, QStringLiteral("Not a directory"));
    QCOMPARE(FlowLock(QString()).Acquire(0)->failure, Failure::LockFailed);
}

void TestFileSystem::testLockRefusesWhatIsNoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
#ifdef Q_OS_UNIX
    QTest::newRow("FIFO") << "kelmora.lock"
                          << "fifo"
                          << "It is not a regular file";
#endif
    QTest::newRow("folder") << "kelmora.lock"
                            << "folder"
                            << "Is a directory";
    QTest::newRow("link") << "kelmora.lock"
                          << "link"
                          << "It is a link; Kelmora only writes files it made itself";
}

// Such a lock file would hold every flow for ever, or have it wait and then call itself busy.
void TestFileSystem::testLockRefusesWhatIsNoFile()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString folder = path("user");
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + u'/' + name;
    if (kind == "folder")
        QVERIFY(QDir().mkdir(file));
#ifdef Q_OS_UNIX
    else if (kind == "fifo")
        QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
#endif
    else if (!MakeLink(path("elsewhere"), file))
        QSKIP(NoLinksHere);

    // Refused at once, not taken for a lock another run holds: that would be Busy after the wait.
    const std::optional<Problem> problem = FlowLock(folder).Acquire(3000);
    QVERIFY(problem);
    QCOMPARE(problem->failure, Failure::LockFailed);
    QCOMPARE(problem->path, QDir::toNativeSeparators(file));
    QCOMPARE(problem->reason, reason);
}

QTEST_GUILESS_MAIN(TestFileSystem)
#include "TestFileSystem.moc"
