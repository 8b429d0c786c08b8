#include "FileSystem.h"
#include "FileSystem_p.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace kelmora {
namespace {

// Closes a descriptor on every way out.
struct Descriptor
{
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

QByteArray Name(const QString& path)
{
    return QFile::encodeName(path);
}

// A name from a folder listing. Most are ASCII, which every encoding of file names spells alike and
// which needs no decoder.
QString NameText(std::string_view name)
{
    const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return uchar(c) < 0x80; });
    return ascii ? QString::fromLatin1(name.data(), qsizetype(name.size()))
                 : QFile::decodeName(QByteArray(name.data(), qsizetype(name.size())));
}

QByteArray FolderOf(const QString& path)
{
    // Every path the store is given is absolute: its folder is what comes before the last slash.
    const qsizetype slash = path.lastIndexOf(u'/');
    if (!path.startsWith(u'/') || slash < 0)
        return Name(QFileInfo(path).absolutePath());
    return slash == 0 ? QByteArrayLiteral("/") : Name(path.first(slash));
}

// Who runs the program does not change while it runs: asked once.
uid_t Me()
{
    static const uid_t me = ::geteuid();
    return me;
}

gid_t MyGroup()
{
    static const gid_t group = ::getegid();
    return group;
}

// Device and inode tell a file renamed over it, its length and the time of its last write in
// nanoseconds a change of its bytes, its mode a file made read-only meanwhile: the player's new
// choice, kept as made. Not the time of the last change of any kind: another name of the file
// removed changes nothing that matters here.
QByteArray VersionOf(const struct stat& info)
{
    const qint64 parts[] = {qint64(info.st_dev), qint64(info.st_ino),  qint64(info.st_size),
                            info.st_mtim.tv_sec, info.st_mtim.tv_nsec, qint64(info.st_mode)};
    return QByteArray(reinterpret_cast<const char*>(parts), sizeof parts);
}

// Times kept to the whole second or coarser (FAT, and file systems that keep none): the version
// needs the bytes too. A finer time that happens to fall on a whole second only costs a read.
bool CoarseTimes(const struct stat& info)
{
    return info.st_mtim.tv_nsec == 0;
}

// Opens the file `name` to read it as a regular file, or says why it is none. O_NONBLOCK: opening a
// FIFO must not wait for a writer. The checks are made on the descriptor, so nothing can be swapped
// in between.
QString OpenRegular(const QByteArray& name, bool followLink, Descriptor& file, struct stat& info)
{
    file.fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW));
    if (file.fd < 0)
        return errno == ELOOP && !followLink ? NotAFileReason(EntryKind::Link) : ErrorText(errno);
    if (::fstat(file.fd, &info) != 0)
        return ErrorText(errno);
    if (S_ISDIR(info.st_mode))
        return ErrorText(EISDIR);
    return S_ISREG(info.st_mode) ? QString() : NotAFileReason(EntryKind::Other);
}

// The version of the file that `info` tells of, read again from `name` (not through a link) where
// its times are coarse; empty where that is no longer the same file or cannot be read.
QByteArray VersionNow(const QByteArray& name, const struct stat& info)
{
    QByteArray version = VersionOf(info);
    if (!CoarseTimes(info))
        return version;
    Descriptor file;
    struct stat again = {};
    if (!OpenRegular(name, false, file, again).isEmpty() || VersionOf(again) != version)
        return {};
    QCryptographicHash digest(ContentMarkHash);
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {};
        if (got == 0)
            break;
        digest.addData(QByteArrayView(buffer, got));
    }
    return version + digest.result();
}

// Made read-only by its owner, who may not write it: root, whom the system lets write it all the
// same, leaves it so too, and so does anyone else the group or other bits would let.
bool NoWritePermission(const struct stat& info)
{
    return (info.st_mode & S_IWUSR) == 0;
}

FileFacts FactsOf(const struct stat& info)
{
    // With one group per user, as Debian makes them, a group-writable file of the user's own group
    // is still the user's alone.
    const bool groupWrites = (info.st_mode & S_IWGRP) && info.st_gid != MyGroup();
    FileFacts facts;
    facts.size = qint64(info.st_size);
    facts.links = int(info.st_nlink);
    facts.mine = info.st_uid == Me();
    facts.othersMayWrite = (info.st_mode & S_IWOTH) != 0 || groupWrites;
    facts.readOnly = NoWritePermission(info);
    facts.version = VersionOf(info);
    facts.id = {quint64(info.st_dev), quint64(info.st_ino)};
    return facts;
}

bool InMyGroups(gid_t group)
{
    if (group == MyGroup())
        return true;
    gid_t groups[256];
    const int count = ::getgroups(256, groups);
    for (int i = 0; i < count; ++i) {
        if (groups[i] == group)
            return true;
    }
    return false;
}

// A new name, or a name that now leads elsewhere, reaches the disk only when the folder that holds
// it is flushed: without this a power cut can leave a flushed file without its name, or the old
// file under it (as SQLite's unixSync flushes the directory of a journal it has just made).
QString FlushOpenFolder(int fd)
{
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP && errno != ENOSYS)
        return ErrorText(errno); // some file systems (FUSE ones) have nothing to flush for a folder
    return {};
}

QString FlushFolder(const QByteArray& folder)
{
    Descriptor dir{::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd < 0)
        return ErrorText(errno);
    return FlushOpenFolder(dir.fd);
}

QString WriteAll(int fd, const QByteArray& content)
{
    for (qint64 done = 0; done < content.size();) {
        const ssize_t written = ::write(fd, content.constData() + done, size_t(content.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return ErrorText(written < 0 ? errno : ENOSPC);
        done += written;
    }
    return {};
}

// What ReplaceFile's `spare` is: the file `spare` of `folder` rewritten to hold `content`, flushed and
// renamed to the missing `name` beside it, and the folder flushed through the same descriptor: how
// the flush went. Nothing, with nothing at `name`, where any step before is refused; the spare may
// then hold anything.
std::optional<QString> RewriteSpare(const QByteArray& folder, const QByteArray& spare, const QByteArray& name,
                                    const QByteArray& content)
{
#ifdef RENAME_NOREPLACE
    // Only in the folder itself, not in one that a link at its name leads to, and only a file that a
    // new one would be: this user's, or for root the folder owner's, to whom root gives its new files.
    // Nothing else may change with it: not a link's target, not another name of the file.
    Descriptor dir{::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)};
    struct stat place = {}, info = {};
    if (dir.fd < 0 || ::fstat(dir.fd, &place) != 0)
        return std::nullopt;
    Descriptor file{::openat(dir.fd, spare.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW)};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1 ||
        info.st_uid != (Me() == 0 ? place.st_uid : Me()))
        return std::nullopt;
    if ((info.st_size > content.size() && ::ftruncate(file.fd, content.size()) != 0) ||
        !WriteAll(file.fd, content).isEmpty() || ::fsync(file.fd) != 0)
        return std::nullopt;
    const int closed = ::close(file.fd);
    file.fd = -1;
    if (closed != 0 || ::renameat2(dir.fd, spare.constData(), dir.fd, name.constData(), RENAME_NOREPLACE) != 0)
        return std::nullopt;
    return FlushOpenFolder(dir.fd);
#else
    return std::nullopt;
#endif
}

// rename(), never over anything at `to`.
int RenameNoReplace(const char* from, const char* to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
#endif
    // A second name fails where one is taken, in one step; where the file system has no second names
    // (FAT), the look just before must do.
    if (::link(from, to) == 0)
        return ::unlink(from) == 0 || errno == ENOENT ? 0 : -1;
    if (errno == EEXIST)
        return -1;
    struct stat there = {};
    if (::lstat(to, &there) == 0) {
        errno = EEXIST;
        return -1;
    }
    return ::rename(from, to);
}

} // namespace

std::optional<FileId> FileIdOf(const QString& path)
{
    struct stat info = {};
    if (path.isEmpty() || ::stat(Name(path).constData(), &info) != 0)
        return std::nullopt;
    return FileId{quint64(info.st_dev), quint64(info.st_ino)};
}

QString NoSuchFileWords()
{
    return ErrorText(ENOENT);
}

bool IsStorablePath(const QString& path)
{
    return !path.contains(QChar(u'\0')) && QFile::decodeName(Name(path)) == path;
}

namespace {

// What lstat() found.
EntryKind KindOf(mode_t mode)
{
    return S_ISREG(mode)   ? EntryKind::RegularFile
           : S_ISLNK(mode) ? EntryKind::Link
           : S_ISDIR(mode) ? EntryKind::Folder
                           : EntryKind::Other;
}

} // namespace

std::optional<FileFacts> FolderFacts(const QString& path)
{
    struct stat info = {};
    if (::stat(Name(path).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::nullopt;
    return FactsOf(info);
}

EntryKind EntryAt(const QString& path)
{
    struct stat info = {};
    if (::lstat(Name(path).constData(), &info) != 0)
        return EntryKind::Missing;
    return KindOf(info.st_mode);
}

EntryStamp StampAt(const QString& path, bool evenIfJustChanged)
{
    struct stat info = {};
    if (::stat(Name(path).constData(), &info) != 0)
        return {EntryKind::Missing, QByteArray(), errno == ENOENT || errno == ENOTDIR ? QString() : ErrorText(errno)};
    // The times of a change come from the coarse clock (or, since Linux 6.13, a finer one once they
    // have been looked at): only times before its current tick are sure to move with the next change.
    struct timespec now = {};
    const auto settled = [&](const struct timespec& time) {
        return time.tv_sec < now.tv_sec || (time.tv_sec == now.tv_sec && time.tv_nsec < now.tv_nsec);
    };
    if (!evenIfJustChanged &&
        (::clock_gettime(CLOCK_REALTIME_COARSE, &now) != 0 || !settled(info.st_mtim) || !settled(info.st_ctim)))
        return {KindOf(info.st_mode), std::nullopt, {}};
    // Device and inode tell a file renamed over it, the times in nanoseconds a change of its bytes.
    const qint64 parts[] = {qint64(info.st_dev),  qint64(info.st_ino), qint64(info.st_size), info.st_mtim.tv_sec,
                            info.st_mtim.tv_nsec, info.st_ctim.tv_sec, info.st_ctim.tv_nsec, qint64(info.st_mode)};
    return {KindOf(info.st_mode), QByteArray(reinterpret_cast<const char*>(parts), sizeof parts), {}};
}

bool RunningAsAdministrator()
{
    return Me() == 0;
}

namespace {

// Fills `bytes` from `fd`, as far as its size; a file that shrank while being read leaves it shorter.
QString ReadInto(int fd, QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return ErrorText(errno);
        if (got == 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return {};
}

} // namespace

QString ReadRegularFile(const QString& path, QByteArray& content, qint64 maximumSize, FileFacts* facts, bool followLink)
{
    Descriptor file;
    struct stat info = {};
    if (const QString reason = OpenRegular(Name(path), followLink, file, info); !reason.isEmpty())
        return reason;
    if (info.st_size > maximumSize)
        return TooLargeReason(info.st_size, maximumSize);
    QByteArray bytes(qsizetype(info.st_size), Qt::Uninitialized);
    if (const QString error = ReadInto(file.fd, bytes); !error.isEmpty())
        return error;
    content = bytes;
    if (facts) {
        *facts = FactsOf(info);
        facts->size = bytes.size();
        if (CoarseTimes(info))
            facts->version += QCryptographicHash::hash(content, ContentMarkHash);
    }
    return {};
}

QString ReadFileStart(const QString& path, QByteArray& content, qint64 length, qint64 maximumSize)
{
    Descriptor file;
    struct stat info = {};
    if (const QString reason = OpenRegular(Name(path), true, file, info); !reason.isEmpty())
        return reason;
    if (maximumSize >= 0 && info.st_size > maximumSize)
        return TooLargeReason(info.st_size, maximumSize);
    QByteArray bytes(qsizetype(qMin<qint64>(length, info.st_size)), Qt::Uninitialized);
    if (const QString error = ReadInto(file.fd, bytes); !error.isEmpty())
        return error;
    content = bytes;
    return {};
}

bool FileHolds(const QString& path, const QByteArray& content)
{
    Descriptor file{::open(Name(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    struct stat info = {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size != content.size())
        return false;
    char buffer[64 * 1024];
    for (qsizetype done = 0; done < content.size();) {
        const ssize_t got = ::read(file.fd, buffer, size_t(qMin<qsizetype>(sizeof buffer, content.size() - done)));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || std::memcmp(buffer, content.constData() + done, size_t(got)) != 0)
            return false;
        done += got;
    }
    char more;
    return ::read(file.fd, &more, 1) == 0;
}

QString ReplaceFile(const QString& path, const QByteArray& content, bool mayCreate, const QString& spare,
                    const QByteArray& version, bool keepMine)
{
    // Only a regular file, or nothing, may stand at the path: a link, a folder or a device is the
    // player's, not a file Kelmora made.
    const QByteArray name = Name(path), folder = FolderOf(path);
    // The spare first, where nothing or anything may stand at the path (no version of a file read
    // there): its rename never replaces anything, so whatever stands there is still found below, as
    // if the spare had not been tried.
    if (mayCreate && (version.isEmpty() || version == NoFileVersion) && !spare.isEmpty() && FolderOf(spare) == folder) {
        if (std::optional<QString> flushed =
                RewriteSpare(folder, Name(QFileInfo(spare).fileName()), Name(QFileInfo(path).fileName()), content))
            return *flushed;
    }
    // Not a link: what lstat() tells of a regular file is what stat() would.
    struct stat old = {};
    const EntryKind kind = ::lstat(name.constData(), &old) != 0 ? EntryKind::Missing : KindOf(old.st_mode);
    if (kind != EntryKind::RegularFile && !(kind == EntryKind::Missing && mayCreate))
        return NotAFileReason(kind);
    if (ChangedSince(version, kind, [&] { return VersionNow(name, old); }))
        return ChangedMeanwhileReason();
    if (kind == EntryKind::RegularFile && ::access(name.constData(), W_OK) != 0)
        return ErrorText(errno);

    // Not QSaveFile: it resolves a link at the path when it opens, so a link swapped in after the
    // check above would have the new version renamed over the file it leads to. The new version
    // here is made in the folder and follows nothing, and rename() replaces a link itself.
    // One pending name, so that what a run killed at the wrong moment left there is the next run's
    // to clear away, never the player's.
    const QByteArray pending = name + PendingSuffix;
    // The folder is opened before anything changes: one that cannot be flushed (the player may make
    // files in it but not list it) would leave a change made and reported as failed.
    const Descriptor dir{::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd < 0)
        return ErrorText(errno);
    // What stands at that name and cannot be cleared away is what the player must be told of.
    const auto blocked = [&](int error) {
        return error == EEXIST ? QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(QFile::decodeName(pending)),
                                                              ErrorText(error))
                               : ErrorText(error);
    };
    QByteArray temporary; // empty while the new version has no name
    Descriptor file;
#ifdef O_TMPFILE
    // Without a name until it is complete, so that a run killed while writing leaves nothing behind.
    file.fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#endif
    const bool unnamed = file.fd >= 0;
    if (!unnamed) {
        ::unlink(pending.constData()); // never follows a link, never removes a folder
        file.fd = ::open(pending.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (file.fd < 0)
            return blocked(errno);
        temporary = pending;
    }
    const auto fail = [&](int error) {
        if (!temporary.isEmpty())
            ::unlink(temporary.constData());
        return ErrorText(error);
    };
    struct stat made = {};
    if (kind == EntryKind::RegularFile && ::fstat(file.fd, &made) != 0)
        return fail(errno);
    if (kind == EntryKind::RegularFile) {
        // The player's file keeps its owner, group and permissions; owner first, as a change of
        // owner clears the set-ID bits. Only what differs is set: a file system without owners and
        // modes (FAT) gives every file the same, and refuses to set them.
        if ((made.st_uid != old.st_uid || made.st_gid != old.st_gid) &&
            ::fchown(file.fd, made.st_uid == old.st_uid ? uid_t(-1) : old.st_uid, old.st_gid) != 0)
            return fail(errno);
        if ((made.st_mode & 07777) != (old.st_mode & 07777) && ::fchmod(file.fd, old.st_mode & 07777) != 0)
            return fail(errno);
    } else if (Me() == 0 && !keepMine) {
        // Root making a file in a player's folder gives it to the player; where the file system
        // has no owners (FAT), there is nothing to give.
        struct stat dir = {};
        if (::stat(folder.constData(), &dir) == 0 && dir.st_uid != 0)
            (void)::fchown(file.fd, dir.st_uid, dir.st_gid);
    }
    if (const QString error = WriteAll(file.fd, content); !error.isEmpty()) {
        if (!temporary.isEmpty())
            ::unlink(temporary.constData());
        return error;
    }
    // On disk before it has the name: a power cut must not leave the name on an empty file.
    if (::fsync(file.fd) != 0)
        return fail(errno);
#ifdef O_TMPFILE
    if (unnamed) {
        // The descriptor itself names the file: since Linux 6.10 for the user who opened it, before
        // only with the right to find any file. Where that is refused, its name in /proc does.
        const auto linkAs = [&](const QByteArray& to) {
            int linked = ::linkat(file.fd, "", AT_FDCWD, to.constData(), AT_EMPTY_PATH);
            if (linked != 0 && errno != EEXIST) {
                const int refused = errno;
                const QByteArray descriptor = "/proc/self/fd/" + QByteArray::number(file.fd);
                linked = ::linkat(AT_FDCWD, descriptor.constData(), AT_FDCWD, to.constData(), AT_SYMLINK_FOLLOW);
                // Without /proc the first refusal is what the player must be told (a full disk, ...).
                if (linked != 0 && errno == ENOENT)
                    errno = refused;
            }
            return linked == 0;
        };
        // A new file takes its own name at once: it appears whole, in one step. What another program
        // has made at the name since the look above is never replaced: it has no backup.
        if (kind == EntryKind::Missing && linkAs(name)) {
            temporary = name;
        } else if (kind == EntryKind::Missing) {
            return ErrorText(errno);
        } else {
            // What a run killed at the wrong moment left at the pending name goes first.
            if (!linkAs(pending)) {
                if (errno != EEXIST)
                    return blocked(errno);
                ::unlink(pending.constData()); // never follows a link, never removes a folder
                if (!linkAs(pending))
                    return blocked(errno);
            }
            temporary = pending;
        }
    }
#endif
    const int closed = ::close(file.fd);
    file.fd = -1;
    if (closed != 0)
        return fail(errno);
    if (temporary != name) {
        // The last look before the file is replaced: what another program wrote while the backup
        // and the new version were being made stays.
        struct stat now = {};
        if (!version.isEmpty() &&
            ChangedSince(version, ::lstat(name.constData(), &now) != 0 ? EntryKind::Missing : KindOf(now.st_mode),
                         [&] { return VersionNow(name, now); })) {
            ::unlink(temporary.constData());
            return ChangedMeanwhileReason();
        }
        // Nor is a file that turned up where there was none replaced.
        if ((kind == EntryKind::Missing ? RenameNoReplace(temporary.constData(), name.constData())
                                        : ::rename(temporary.constData(), name.constData())) != 0)
            return fail(errno);
    }
    return FlushOpenFolder(dir.fd);
}

QString WriteInPlace(const QString& path, qint64 offset, const QByteArray& bytes, const QByteArray& version)
{
    // O_NOFOLLOW and a look at the descriptor: a link or a device swapped in is never written through.
    Descriptor file{::open(Name(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW)};
    if (file.fd < 0)
        return errno == ELOOP ? NotAFileReason(EntryKind::Link) : ErrorText(errno);
    struct stat info = {};
    if (::fstat(file.fd, &info) != 0)
        return ErrorText(errno);
    if (!S_ISREG(info.st_mode))
        return NotAFileReason(EntryKind::Other);
    if (ChangedSince(version, EntryKind::RegularFile, [&] { return VersionNow(Name(path), info); }))
        return ChangedMeanwhileReason();
    // A hard link makes the file another savegame too, perhaps another driver's: a rename would
    // replace this name alone, a write goes into both.
    if (info.st_nlink > 1)
        return QCoreApplication::translate("kelmora::FileSystem",
                                           "It has other names, which a write into it would change too");
    // A file shrunk since it was read (a game rewriting it empties it first) would be filled up
    // with zeros.
    if (info.st_size < offset + bytes.size())
        return QCoreApplication::translate("kelmora::FileSystem",
                                           "The file is too short for the write (%1 bytes, %2 needed)")
            .arg(info.st_size)
            .arg(offset + bytes.size());
    const ssize_t written = ::pwrite(file.fd, bytes.constData(), size_t(bytes.size()), offset);
    if (written < 0)
        return ErrorText(errno);
    if (written != bytes.size())
        return ErrorText(ENOSPC);
    return ::fsync(file.fd) == 0 ? QString() : ErrorText(errno);
}

bool MoveAside(const QString& from, const QString& to)
{
#ifdef RENAME_NOREPLACE
    return ::renameat2(AT_FDCWD, Name(from).constData(), AT_FDCWD, Name(to).constData(), RENAME_NOREPLACE) == 0;
#else
    return false;
#endif
}

QString RemoveFile(const QString& path, bool flushFolder, const QByteArray& version)
{
    struct stat info = {};
    const EntryKind kind = ::lstat(Name(path).constData(), &info) != 0 ? EntryKind::Missing : KindOf(info.st_mode);
    if (kind == EntryKind::Folder || kind == EntryKind::Other)
        return NotAFileReason(kind);
    if (ChangedSince(version, kind, [&] { return VersionNow(Name(path), info); }))
        return ChangedMeanwhileReason();
    // As in ReplaceFile, a folder that cannot be flushed is known before the file goes.
    const Descriptor dir{flushFolder ? ::open(FolderOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1};
    if (flushFolder && dir.fd < 0)
        return ErrorText(errno);
    if (::unlink(Name(path).constData()) != 0)
        return ErrorText(errno);
    return flushFolder ? FlushOpenFolder(dir.fd) : QString();
}

QString MakeFolder(const QString& folder, bool privateFolder, QString* failedPath)
{
    const auto failed = [&](const QString& at, int error) {
        if (failedPath)
            *failedPath = QDir::toNativeSeparators(at);
        return ErrorText(error);
    };
    if (folder.isEmpty())
        return failed(folder, ENOENT);
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    // Nearly always there already: one look, rather than one for each folder from the root.
    struct stat existing = {};
    if (::stat(Name(clean).constData(), &existing) == 0 && S_ISDIR(existing.st_mode))
        return {};
    // Step by step, so that the failing folder and the system's reason are known.
    QString current;
    for (const QString& part : clean.split(u'/', Qt::SkipEmptyParts)) {
        const QByteArray parent = current.isEmpty() ? QByteArray("/") : Name(current);
        current += u'/' + part;
        const QByteArray name = Name(current);
        struct stat info = {};
        if (::stat(name.constData(), &info) == 0) {
            if (S_ISDIR(info.st_mode))
                continue;
            return failed(current, ENOTDIR);
        }
        if (::mkdir(name.constData(), current == clean && privateFolder ? 0700 : 0777) != 0) {
            const int error = errno;
            if (error == EEXIST && ::stat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode))
                continue;
            return failed(current, error == EEXIST ? ENOTDIR : error);
        }
        if (const QString error = FlushFolder(parent); !error.isEmpty()) {
            if (failedPath)
                *failedPath = QDir::toNativeSeparators(QFile::decodeName(parent));
            return error;
        }
    }
    return {};
}

QString CannotMakeFilesIn(const QString& folder)
{
    // access() answers for root too: only a read-only medium stops it. A new name is durable only
    // once its folder is flushed, which needs the folder opened for reading.
    return ::access(Name(folder).constData(), R_OK | W_OK | X_OK) == 0 ? QString() : ErrorText(errno);
}

ChangeWay HowToChange(const QString& path, QString* whyNot)
{
    const auto impossible = [&](const QString& reason) {
        if (whyNot)
            *whyNot = reason;
        return ChangeWay::Impossible;
    };
    struct stat file = {}, folder = {};
    const QByteArray name = Name(path), folderName = FolderOf(path);
    if (::lstat(name.constData(), &file) != 0)
        return impossible(ErrorText(errno));
    if (!S_ISREG(file.st_mode))
        return impossible(NotAFileReason(KindOf(file.st_mode)));
    // A file the player made read-only stays as it is, for root too, whom access() lets write it.
    const uid_t me = Me();
    if (NoWritePermission(file))
        return impossible(ReadOnlyReason());
    if (::access(name.constData(), W_OK) != 0)
        return impossible(ErrorText(errno));
    bool renames = CannotMakeFilesIn(QFile::decodeName(folderName)).isEmpty();
    // In a folder with the sticky bit, such as one shared by every user, only the owner of a file or
    // of the folder may rename over it; root may rename over any.
    if (renames && me != 0 && file.st_uid != me &&
        (::stat(folderName.constData(), &folder) != 0 || ((folder.st_mode & S_ISVTX) && folder.st_uid != me)))
        renames = false;
    // A new version gets the old one's owner and group, which only root may give away.
    const bool keepsOwner = me == 0 || (file.st_uid == me && InMyGroups(file.st_gid));
    return renames && keepsOwner ? ChangeWay::Replace : ChangeWay::InPlace;
}

FolderNames ListFolder(const QString& folder, const QString& fileSuffix)
{
    FolderNames names;
    // strncasecmp folds ASCII letters only: a suffix with any other letter is left to the caller's
    // matcher, which folds them all.
    const bool ascii = std::all_of(fileSuffix.cbegin(), fileSuffix.cend(), [](QChar c) { return c.unicode() < 0x80; });
    const QByteArray suffix = ascii ? QFile::encodeName(fileSuffix) : QByteArray();
    // readdir() rather than a directory iterator, which builds a path or a file info for each entry.
    DIR* const dir = ::opendir(Name(folder).constData());
    if (!dir) {
        if (errno != ENOENT)
            names.error = ErrorText(errno);
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        // In bytes, before any string is made: most names of a large folder end here.
        if (!suffix.isEmpty() &&
            (name.size() < size_t(suffix.size()) ||
             ::strncasecmp(name.data() + name.size() - suffix.size(), suffix.constData(), size_t(suffix.size())) != 0))
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat info = {};
            if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            type = S_ISREG(info.st_mode) ? DT_REG : S_ISDIR(info.st_mode) ? DT_DIR : DT_UNKNOWN;
        }
        if (type == DT_REG) {
            // A name that is no text decodes with replacement characters, and no path made of it
            // leads to the file.
            const QString text = NameText(name);
            const bool lossy = text.contains(QChar::ReplacementCharacter) &&
                               QFile::encodeName(text) != QByteArray(name.data(), qsizetype(name.size()));
            (lossy ? names.undecodable : names.files).append(text);
        } else if (type == DT_DIR && suffix.isEmpty())
            names.folders.append(NameText(name));
    }
    ::closedir(dir);
    return names;
}

bool IsHiddenFile(const QString&)
{
    return false;
}

QString NameOnDisk(const QString& path)
{
    // On a case-insensitive file system (FAT through FUSE or a kernel driver) the typed name finds the
    // entry too, and only the folder's listing has its own spelling. A folder where another spelling
    // finds nothing spells the name as typed, and needs no listing.
    const QFileInfo info(path);
    const QString typed = info.fileName();
    struct stat entry = {};
    if (::lstat(Name(path).constData(), &entry) != 0)
        return {};
    QString other = typed.toUpper();
    if (other == typed)
        other = typed.toLower();
    if (other == typed || ::lstat(Name(QDir(info.path()).filePath(other)).constData(), &entry) != 0)
        return typed;
    const FolderNames names = ListFolder(info.path());
    const QStringList all = names.files + names.folders;
    if (all.contains(typed))
        return typed;
    for (const QString& name : all) {
        if (name.compare(typed, Qt::CaseInsensitive) == 0)
            return name;
    }
    return typed;
}

struct FlowLock::Held
{
    Descriptor file;
    std::optional<quint64> found; // set once the lock is held and counted
};

FlowLock::FlowLock(const QString& folder)
    : m_folder(folder)
{ }

FlowLock::~FlowLock() = default; // closing the descriptor lets go of the lock; the file stays

std::optional<Problem> FlowLock::Acquire(int waitMs)
{
    const QString path = QDir::toNativeSeparators(m_folder + QStringLiteral("/kelmora.lock"));
    // flock() rather than QLockFile: the system lets go of it when its process ends, however it
    // ends, while a QLockFile of a killed run can be left without an owner and refuse every later
    // run. The file holds the count of runs (CountFound), so it is never removed.
    if (m_folder.isEmpty())
        return Problem{Failure::LockFailed, path, ErrorText(ENOENT)};
    m_held = std::make_unique<Held>();
    const auto open = [&] {
        return ::open(Name(path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    };
    m_held->file.fd = open();
    // Its folder is made the first time only.
    if (m_held->file.fd < 0 && errno == ENOENT) {
        if (const QString error = MakeFolder(m_folder, false); !error.isEmpty())
            return Problem{Failure::LockFailed, path, error};
        m_held->file.fd = open();
    }
    const int fd = m_held->file.fd;
    if (fd < 0)
        return Problem{Failure::LockFailed, path, errno == ELOOP ? NotAFileReason(EntryKind::Link) : ErrorText(errno)};
    struct stat info = {};
    if (::fstat(fd, &info) != 0)
        return Problem{Failure::LockFailed, path, ErrorText(errno)};
    if (!S_ISREG(info.st_mode))
        return Problem{Failure::LockFailed, path, NotAFileReason(EntryKind::Other)};
    const QDeadlineTimer deadline(waitMs);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return Problem{Failure::LockFailed, path, ErrorText(errno)};
        if (deadline.hasExpired())
            return Problem{Failure::Busy, path, {}};
        QThread::msleep(static_cast<unsigned long>(qBound(qint64(1), deadline.remainingTime(), qint64(20))));
    }
    // Eight bytes, little-endian. A new file, or one that runs before the count left empty, starts
    // it anywhere: a lock file removed and made anew never gives the counts of the one before.
    uchar bytes[8] = {};
    const ssize_t got = ::pread(fd, bytes, sizeof bytes, 0);
    if (got < 0)
        return Problem{Failure::LockFailed, path, ErrorText(errno)};
    const quint64 found =
        got == sizeof bytes ? qFromLittleEndian<quint64>(bytes) : QRandomGenerator::system()->generate64();
    qToLittleEndian(found + 1, bytes);
    if (::pwrite(fd, bytes, sizeof bytes, 0) == ssize_t(sizeof bytes)) {
        m_held->found = found;
        return std::nullopt;
    }
    // Where the disk has no room for the count, it is dropped instead, which needs none: the next
    // run starts anywhere, and no run goes on from what it remembers; this one remembers nothing.
    if (::ftruncate(fd, 0) != 0)
        return Problem{Failure::LockFailed, path, ErrorText(errno)};
    return std::nullopt;
}

std::optional<quint64> FlowLock::CountFound() const
{
    return m_held ? m_held->found : std::nullopt;
}

} // namespace kelmora
