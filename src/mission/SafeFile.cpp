#include "SafeFile.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kelmora {
namespace {

std::filesystem::path FileSystemPath(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

#ifdef Q_OS_UNIX
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
#endif

#ifndef Q_OS_UNIX
// A run killed between making the lock file and writing its owner into it leaves the file empty.
// QLockFile cannot ask such an owner whether it still runs and, with no stale time, would refuse
// every later flow for ever. A live owner writes its line right after making the file, so one that
// has stood without an owner this long was left by a dead run.
constexpr qint64 OwnerlessLockAgeMs = 1000;

bool OwnerlessAndOld(const QString& path)
{
    qint64 pid = 0;
    QString hostName, appName;
    const QFileInfo info(path);
    return info.exists() && !QLockFile(path).getLockInfo(&pid, &hostName, &appName) &&
           qAbs(info.lastModified().msecsTo(QDateTime::currentDateTime())) > OwnerlessLockAgeMs;
}

void TakeOverOwnerlessLock(QLockFile& lock, const QString& path)
{
    // QLockFile removes a stale lock under a second lock, "<lock>.rmlock"; a run killed while it
    // held that one leaves it without an owner too, and then no stale lock would ever be removed.
    const QString removalPath = path + QStringLiteral(".rmlock");
    if (OwnerlessAndOld(removalPath))
        QFile::remove(removalPath);
    if (!OwnerlessAndOld(path))
        return;
    // As QLockFile itself does: one remover at a time, and a second look once it is the one, so that
    // a lock another run has just made in its place is not removed.
    QLockFile removal(removalPath);
    if (removal.tryLock(0) && OwnerlessAndOld(path))
        lock.removeStaleLockFile();
}

#endif

// Written into, a file shrunk since it was read (a game rewriting it empties it first) would be
// filled up to the span with zeros.
QString TooShortForSpan(qint64 size, qint64 needed)
{
    return QStringLiteral("The file is too short for the write (%1 bytes, %2 needed)").arg(size).arg(needed);
}

} // namespace

EntryKind EntryAt(const QString& path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(FileSystemPath(path), error);
    switch (status.type()) {
    case std::filesystem::file_type::not_found:
    case std::filesystem::file_type::none:
        return EntryKind::Missing;
    case std::filesystem::file_type::regular:
        return EntryKind::RegularFile;
    case std::filesystem::file_type::symlink:
        return EntryKind::Link;
    case std::filesystem::file_type::directory:
        return EntryKind::Folder;
    default:
        return error ? EntryKind::Missing : EntryKind::Other;
    }
}

QString NotAFileReason(EntryKind kind)
{
    switch (kind) {
    case EntryKind::RegularFile:
        return {};
    case EntryKind::Missing:
        return qt_error_string(ENOENT);
    case EntryKind::Folder:
        return qt_error_string(EISDIR);
    case EntryKind::Link:
        return QStringLiteral("It is a link; Kelmora only writes files it made itself");
    case EntryKind::Other:
        break;
    }
    return QStringLiteral("It is not a regular file");
}

bool IsSameFile(const QString& first, const QString& second)
{
    std::error_code error;
    return std::filesystem::equivalent(FileSystemPath(first), FileSystemPath(second), error) && !error;
}

QString ReadRegularFile(const QString& path, QByteArray& content, qint64 maximumSize, bool followLink)
{
#ifdef Q_OS_UNIX
    // O_NONBLOCK: opening a FIFO must not wait for a writer. The check is made on the descriptor, so
    // nothing can be swapped in between.
    Descriptor file{
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW))};
    if (file.fd < 0 && errno == ELOOP && !followLink)
        return NotAFileReason(EntryKind::Link);
    if (file.fd < 0)
        return qt_error_string(errno);
    struct stat info = {};
    if (::fstat(file.fd, &info) != 0)
        return qt_error_string(errno);
    if (S_ISDIR(info.st_mode))
        return qt_error_string(EISDIR);
    if (!S_ISREG(info.st_mode))
        return NotAFileReason(EntryKind::Other);
    if (info.st_size > maximumSize)
        return QStringLiteral("The file is too large (%1 bytes, at most %2 expected)")
            .arg(info.st_size)
            .arg(maximumSize);
    QByteArray bytes(static_cast<qsizetype>(info.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return qt_error_string(errno);
        if (got == 0)
            break; // shrunk while being read: keep what is there
        done += got;
    }
    bytes.truncate(done);
    content = bytes;
    return {};
#else
    Q_UNUSED(followLink);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return NotAFileReason(info.isDir() ? EntryKind::Folder : EntryKind::Other);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    if (file.size() > maximumSize)
        return QStringLiteral("The file is too large (%1 bytes, at most %2 expected)")
            .arg(file.size())
            .arg(maximumSize);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    content = bytes;
    return {};
#endif
}

bool FileHolds(const QString& path, const QByteArray& content)
{
#ifdef Q_OS_UNIX
    Descriptor file{::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    struct stat info = {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size != content.size())
        return false;
    // A first piece, then the rest: two versions of a savegame mostly differ early on, in the
    // mission block.
    constexpr qsizetype FirstPiece = 8192;
    QByteArray buffer(qMin(content.size(), FirstPiece), Qt::Uninitialized);
    for (qsizetype done = 0; done < content.size();) {
        if (done == FirstPiece)
            buffer.resize(content.size() - done);
        const ssize_t got = ::read(file.fd, buffer.data(), size_t(qMin(buffer.size(), content.size() - done)));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || std::memcmp(buffer.constData(), content.constData() + done, size_t(got)) != 0)
            return false;
        done += got;
    }
    char more;
    return ::read(file.fd, &more, 1) == 0;
#else
    QByteArray bytes;
    return ReadRegularFile(path, bytes, content.size()).isEmpty() && bytes == content;
#endif
}

QString ReplaceFile(const QString& path, const QByteArray& content, bool mayCreate,
                    const WriteInterruption* interruption)
{
    // Only a regular file, or nothing, may stand at the path: a link, a folder or a device is the
    // player's, not a file Kelmora made.
    const EntryKind kind = EntryAt(path);
    if (kind != EntryKind::RegularFile && !(kind == EntryKind::Missing && mayCreate))
        return NotAFileReason(kind);

#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat old = {};
    if (kind == EntryKind::RegularFile) {
        if (::access(name.constData(), W_OK) != 0 || ::stat(name.constData(), &old) != 0)
            return qt_error_string(errno);
    }
    qint64 length = content.size();
    if (interruption && interruption->afterBytes >= 0)
        length = qMin(length, interruption->afterBytes);
    // Not QSaveFile: it resolves a link at the path when it opens, so a link swapped in after the
    // check above would have the new version renamed over the file it leads to. The new version
    // here is made in the folder and follows nothing, and rename() replaces a link itself.
    // The new version's name beside the file, while it is not yet in place. One name, so that what a
    // run killed at the wrong moment left there is the next run's to clear away, never the player's.
    const QByteArray pending = name + ".kelmora-new";
    QByteArray temporary; // empty while the new version has no name
    // What stands at that name and cannot be cleared away is what the player must remove.
    const auto blocked = [&](int error) {
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(QFile::decodeName(pending)),
                                            qt_error_string(error));
    };
    Descriptor file;
#ifdef O_TMPFILE
    // Without a name until it is complete, so that a run killed while writing leaves nothing behind.
    file.fd =
        ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#endif
    const bool unnamed = file.fd >= 0;
    if (!unnamed) {
        // Where the file system cannot make a file without a name, the name is made at once.
        ::unlink(pending.constData()); // never follows a link, never removes a folder
        file.fd = ::open(pending.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (file.fd < 0)
            return errno == EEXIST ? blocked(errno) : qt_error_string(errno);
        temporary = pending;
    }
    const auto fail = [&](int error) {
        if (!temporary.isEmpty())
            ::unlink(temporary.constData());
        return qt_error_string(error);
    };
    // The player's permissions stay; a new file gets what the umask allows.
    if (kind == EntryKind::RegularFile && ::fchmod(file.fd, old.st_mode & 07777) != 0)
        return fail(errno);
    for (qint64 done = 0; done < length;) {
        const ssize_t written = ::write(file.fd, content.constData() + done, static_cast<size_t>(length - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return fail(written < 0 ? errno : ENOSPC);
        done += written;
    }
    if (interruption && (interruption->beforeRename || length < content.size())) {
        if (!temporary.isEmpty())
            ::unlink(temporary.constData());
        return QStringLiteral("Interrupted");
    }
    if (::fsync(file.fd) != 0)
        return fail(errno);
#ifdef O_TMPFILE
    if (unnamed) {
        // Named only now, complete and on disk.
        const QByteArray descriptor = "/proc/self/fd/" + QByteArray::number(file.fd);
        const auto linkAs = [&](const QByteArray& to) {
            int linked = ::linkat(AT_FDCWD, descriptor.constData(), AT_FDCWD, to.constData(), AT_SYMLINK_FOLLOW);
            if (linked != 0 && errno == ENOENT) // no /proc: only with the right to find any file
                linked = ::linkat(file.fd, "", AT_FDCWD, to.constData(), AT_EMPTY_PATH);
            return linked == 0;
        };
        // A new file takes its own name at once: it appears whole, in one step, and a run killed
        // right after leaves no second copy beside it. Where something has turned up at the name
        // since the look above, it is replaced as an existing file is.
        if (kind == EntryKind::Missing && linkAs(name)) {
            temporary = name;
        } else if (kind == EntryKind::Missing && errno != EEXIST) {
            return qt_error_string(errno);
        } else {
            // Right before it takes the file's place.
            ::unlink(pending.constData());
            if (!linkAs(pending))
                return errno == EEXIST ? blocked(errno) : qt_error_string(errno);
            temporary = pending;
        }
    }
#endif
    const int closed = ::close(file.fd);
    file.fd = -1;
    if (closed != 0)
        return fail(errno);
    if (temporary == name)
        return {};
    if (::rename(temporary.constData(), name.constData()) != 0)
        return fail(errno);
    return {};
#else
    QSaveFile file(path);
    // Unbuffered: a write cut short by a full disk or a file-size limit must show here. Through a
    // buffer, QSaveFile may commit the cut-off file and report success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    qint64 length = content.size();
    if (interruption && interruption->afterBytes >= 0)
        length = qMin(length, interruption->afterBytes);
    for (qint64 done = 0; done < length;) {
        const qint64 written = file.write(content.constData() + done, length - done);
        if (written <= 0) {
            const QString error = file.errorString();
            file.cancelWriting();
            return error;
        }
        done += written;
    }
    if (file.size() != length) {
        file.cancelWriting();
        return qt_error_string(EFBIG);
    }
    if (interruption && (interruption->beforeRename || length < content.size())) {
        file.cancelWriting();
        return QStringLiteral("Interrupted");
    }
    // commit() flushes the new version to disk before it renames it into place.
    if (!file.commit())
        return file.errorString();
    return {};
#endif
}

QString WriteSpanInPlace(const QString& path, qint64 offset, const QByteArray& span)
{
    const EntryKind kind = EntryAt(path);
    if (kind != EntryKind::RegularFile)
        return NotAFileReason(kind);
#ifdef Q_OS_UNIX
    // O_NOFOLLOW and a look at the descriptor: a link or a device swapped in after the check above is
    // never written through.
    Descriptor file{::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW)};
    if (file.fd < 0)
        return errno == ELOOP ? NotAFileReason(EntryKind::Link) : qt_error_string(errno);
    struct stat info = {};
    if (::fstat(file.fd, &info) != 0)
        return qt_error_string(errno);
    if (!S_ISREG(info.st_mode))
        return NotAFileReason(EntryKind::Other);
    // A hard link makes the file another savegame too, perhaps another driver's: a rename would
    // replace this name alone, a write goes into both.
    if (info.st_nlink > 1)
        return QStringLiteral("It has other names, which a write into it would change too");
    if (info.st_size < offset + span.size())
        return TooShortForSpan(info.st_size, offset + span.size());
    const ssize_t written = ::pwrite(file.fd, span.constData(), static_cast<size_t>(span.size()), offset);
    if (written < 0)
        return qt_error_string(errno);
    if (written != span.size())
        return qt_error_string(ENOSPC);
    if (::fsync(file.fd) != 0)
        return qt_error_string(errno);
    return {};
#else
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.size() < offset + span.size())
        return TooShortForSpan(file.size(), offset + span.size());
    if (!file.seek(offset) || file.write(span) != span.size() || !file.flush())
        return file.errorString();
    file.close();
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
#endif
}

QString FolderProblem(const QString& folder)
{
    if (folder.isEmpty())
        return qt_error_string(ENOENT);
    // The nearest part of the path that exists says why nothing could be made below it.
    QFileInfo existing(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    while (!existing.exists()) {
        const QString parent = existing.absolutePath();
        if (parent == existing.absoluteFilePath())
            break;
        existing.setFile(parent);
    }
    if (existing.exists() && !existing.isDir())
        return qt_error_string(ENOTDIR);
    return qt_error_string(EACCES);
}

bool CanMakeFilesIn(const QString& folder)
{
#ifdef Q_OS_UNIX
    // access() answers for root too: only a read-only medium stops it.
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
#else
    return QFileInfo(folder).isWritable();
#endif
}

bool CanReplaceFile(const QString& path)
{
    const QFileInfo file(path);
    if (!CanMakeFilesIn(file.absolutePath()))
        return false;
#ifdef Q_OS_UNIX
    // In a folder with the sticky bit, such as one shared by every user, only the owner of a file or
    // of the folder may rename over it (root may anyway).
    struct stat folder = {}, existing = {};
    const uid_t me = ::geteuid();
    if (me != 0 && ::stat(QFile::encodeName(file.absolutePath()).constData(), &folder) == 0 &&
        (folder.st_mode & S_ISVTX) && folder.st_uid != me &&
        ::lstat(QFile::encodeName(path).constData(), &existing) == 0 && existing.st_uid != me)
        return false;
#endif
    return true;
}

FlowLock::FlowLock(const QString& folder)
    : m_folder(folder)
{ }

#ifdef Q_OS_UNIX
FlowLock::~FlowLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // lets go of the lock; the file stays for the next run
}

std::optional<Problem> FlowLock::Acquire(int waitMs)
{
    const QString path = QDir::toNativeSeparators(m_folder + QStringLiteral("/kelmora.lock"));
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder))
        return Problem{Failure::LockFailed, path, FolderProblem(m_folder)};
    // flock() rather than QLockFile: the system lets go of it when its process ends, however it
    // ends. A QLockFile of a killed run, or its ".rmlock" helper, can be left without an owner and
    // then refuse every later run. The file's content means nothing, so it is never removed.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        // O_NOFOLLOW answers a link with ELOOP, which would tell the player nothing.
        const QString reason = errno == ELOOP ? NotAFileReason(EntryKind::Link) : qt_error_string(errno);
        return Problem{Failure::LockFailed, path, reason};
    }
    m_fd = fd;
    struct stat info = {};
    if (::fstat(fd, &info) != 0)
        return Problem{Failure::LockFailed, path, qt_error_string(errno)};
    if (!S_ISREG(info.st_mode))
        return Problem{Failure::LockFailed, path, NotAFileReason(EntryKind::Other)};
    const QDeadlineTimer deadline(waitMs);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return Problem{Failure::LockFailed, path, qt_error_string(errno)};
        if (deadline.hasExpired())
            return Problem{Failure::Busy, path, {}};
        QThread::msleep(static_cast<unsigned long>(qBound(qint64(1), deadline.remainingTime(), qint64(20))));
    }
    return std::nullopt;
}
#else
FlowLock::~FlowLock() = default;

std::optional<Problem> FlowLock::Acquire(int waitMs)
{
    const QString path = QDir::toNativeSeparators(m_folder + QStringLiteral("/kelmora.lock"));
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder))
        return Problem{Failure::LockFailed, path, FolderProblem(m_folder)};
    // QLockFile reads an existing lock file with an ordinary open, which waits for ever on a FIFO, and
    // takes a folder for a lock that another run holds.
    for (const QString& file : {path, path + QStringLiteral(".rmlock")}) {
        const EntryKind kind = EntryAt(file);
        if (kind != EntryKind::Missing && kind != EntryKind::RegularFile)
            return Problem{Failure::LockFailed, QDir::toNativeSeparators(file), NotAFileReason(kind)};
    }
    m_lock = std::make_unique<QLockFile>(path);
    // A run that died keeps its lock only as long as its process could still be alive.
    m_lock->setStaleLockTime(0);
    const QDeadlineTimer deadline(waitMs);
    while (!m_lock->tryLock(static_cast<int>(qMin<qint64>(deadline.remainingTime(), 100)))) {
        if (m_lock->error() != QLockFile::LockFailedError || deadline.hasExpired())
            break;
        TakeOverOwnerlessLock(*m_lock, path);
    }
    if (m_lock->isLocked())
        return std::nullopt;
    switch (m_lock->error()) {
    case QLockFile::LockFailedError:
        return Problem{Failure::Busy, path, {}};
    case QLockFile::PermissionError:
        return Problem{Failure::LockFailed, path, qt_error_string(EACCES)};
    default:
        return Problem{Failure::LockFailed, path, QStringLiteral("The lock file could not be made")};
    }
}
#endif

} // namespace kelmora
