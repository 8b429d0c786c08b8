#include "FileSystem.h"
#include "FileSystem_p.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <vector>

#include <windows.h>

#include <aclapi.h>

// <windows.h> names ReplaceFileW so; the store's own ReplaceFile is another.
#undef ReplaceFile

namespace kelmora {
namespace {

// Absolute, with "\" and the "\\?\" prefix, so that a path longer than MAX_PATH works too; the prefix
// turns off the system's own clean-up of the path, which is therefore done here.
std::wstring Wide(const QString& path)
{
    // A device (\\.\NUL) or a path that has the prefix already stays as it is.
    if (path.startsWith(QStringLiteral("\\\\.\\")) || path.startsWith(QStringLiteral("\\\\?\\")))
        return path.toStdWString();
    QString clean = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (clean.startsWith(QStringLiteral("\\\\?\\")))
        return clean.toStdWString();
    if (clean.startsWith(QStringLiteral("\\\\")))
        clean = QStringLiteral("\\\\?\\UNC\\") + clean.mid(2);
    else
        clean = QStringLiteral("\\\\?\\") + clean;
    return clean.toStdWString();
}

// The system's own words for the last failure of a Windows call.
QString LastError()
{
    return qt_error_string(int(::GetLastError()));
}

// Windows keeps a file that a program holds open from being replaced, one held without leave to
// delete it from being deleted, and the name of a deleted one taken until its last holder lets go.
// Another Kelmora looking at the file, a virus scanner or an indexer let go within moments: such a
// failure is worth another try after a short pause, for up to ReplacePatienceMs in all.
bool WaitToTryAgain(DWORD error, const QDeadlineTimer& patience, unsigned long& pause)
{
    if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) || patience.hasExpired())
        return false;
    // Short pauses: a reader that comes back again and again leaves only short gaps.
    QThread::msleep(pause);
    pause = qMin(pause * 2, 10UL);
    return true;
}

// Closes a handle on every way out.
struct Handle
{
    HANDLE handle = INVALID_HANDLE_VALUE;
    ~Handle()
    {
        if (handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle);
    }
    bool valid() const { return handle != INVALID_HANDLE_VALUE; }
};

// Opens without waiting for anything, sharing with everyone, as a game that keeps its file open does.
HANDLE Open(const QString& path, DWORD access, bool followLink = true)
{
    return ::CreateFileW(Wide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | (followLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT),
                         nullptr);
}

// Why an open file is none to read or write, or empty.
QString NotAFile(HANDLE handle, const BY_HANDLE_FILE_INFORMATION& info)
{
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return ErrorText(EISDIR);
    if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return NotAFileReason(EntryKind::Link);
    if (::GetFileType(handle) != FILE_TYPE_DISK)
        return NotAFileReason(EntryKind::Other);
    return {};
}

// The owner of an open file, and whether it is the running user (or, for an administrator, the
// Administrators group that owns what an elevated program makes).
bool OwnedByUser(HANDLE handle)
{
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetSecurityInfo(handle, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr, nullptr,
                          &descriptor) != ERROR_SUCCESS)
        return true; // a file system without owners (FAT): every file is the player's
    bool mine = false;
    HANDLE token = nullptr;
    if (::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) {
        for (const TOKEN_INFORMATION_CLASS kind : {TokenUser, TokenOwner}) {
            DWORD size = 0;
            ::GetTokenInformation(token, kind, nullptr, 0, &size);
            std::vector<char> buffer(size);
            if (size && ::GetTokenInformation(token, kind, buffer.data(), size, &size)) {
                const PSID sid = kind == TokenUser ? reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid
                                                   : reinterpret_cast<TOKEN_OWNER*>(buffer.data())->Owner;
                mine = mine || ::EqualSid(sid, owner);
            }
        }
        ::CloseHandle(token);
    }
    ::LocalFree(descriptor);
    return mine;
}

bool Information(HANDLE handle, BY_HANDLE_FILE_INFORMATION& info)
{
    return ::GetFileInformationByHandle(handle, &info) != 0;
}

qint64 SizeOf(const BY_HANDLE_FILE_INFORMATION& info)
{
    return (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
}

// The volume and file index tell a file moved over it, the size and the time of the last write (to
// 100 ns on NTFS, 2 s on FAT) a change of its bytes, the read-only attribute a file made read-only
// meanwhile: the player's new choice, kept as made.
QByteArray VersionOf(const BY_HANDLE_FILE_INFORMATION& info)
{
    const quint64 parts[] = {info.dwVolumeSerialNumber, (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
                             quint64(SizeOf(info)),
                             (quint64(info.ftLastWriteTime.dwHighDateTime) << 32) | info.ftLastWriteTime.dwLowDateTime,
                             quint64(info.dwFileAttributes & FILE_ATTRIBUTE_READONLY)};
    return QByteArray(reinterpret_cast<const char*>(parts), sizeof parts);
}

// Times kept to the whole second or coarser (FAT): the version needs the bytes too. A finer time
// that happens to fall on a whole second only costs a read.
bool CoarseTimes(const BY_HANDLE_FILE_INFORMATION& info)
{
    const quint64 ticks = (quint64(info.ftLastWriteTime.dwHighDateTime) << 32) | info.ftLastWriteTime.dwLowDateTime;
    return ticks % 10'000'000 == 0; // in 100 ns
}

// Opens `path` to read it as a regular file, or says why it is none.
QString OpenRegular(const QString& path, bool followLink, Handle& file, BY_HANDLE_FILE_INFORMATION& info)
{
    file.handle = Open(path, GENERIC_READ, followLink);
    if (!file.valid())
        return LastError();
    // A device has no file information to ask for.
    if (::GetFileType(file.handle) != FILE_TYPE_DISK)
        return NotAFileReason(EntryKind::Other);
    if (!Information(file.handle, info))
        return LastError();
    return NotAFile(file.handle, info);
}

// The version of the file at `path` now (not through a link), its bytes read where its times are
// coarse; empty where it cannot be told.
QByteArray VersionAt(const QString& path)
{
    // Asking for no access at all, the look works even while another program holds the file shut.
    Handle file{Open(path, 0, false)};
    BY_HANDLE_FILE_INFORMATION info = {};
    if (!file.valid() || !Information(file.handle, info))
        return {};
    if (!CoarseTimes(info))
        return VersionOf(info);
    Handle reader;
    if (!OpenRegular(path, false, reader, info).isEmpty())
        return {};
    QCryptographicHash digest(ContentMarkHash);
    char buffer[1 << 16];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(reader.handle, buffer, sizeof buffer, &got, nullptr))
            return {};
        if (got == 0)
            break;
        digest.addData(QByteArrayView(buffer, got));
    }
    return VersionOf(info) + digest.result();
}

} // namespace

std::optional<FileId> FileIdOf(const QString& path)
{
    Handle file{Open(path, 0)};
    BY_HANDLE_FILE_INFORMATION info = {};
    if (path.isEmpty() || !file.valid() || !Information(file.handle, info))
        return std::nullopt;
    return FileId{info.dwVolumeSerialNumber, (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

std::optional<FileFacts> FolderFacts(const QString& path)
{
    Handle folder{Open(path, READ_CONTROL)};
    BY_HANDLE_FILE_INFORMATION info = {};
    if (path.isEmpty() || !folder.valid() || !Information(folder.handle, info) ||
        !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    // As for a file, the owner alone is looked at.
    FileFacts facts;
    facts.mine = OwnedByUser(folder.handle);
    facts.othersMayWrite = false;
    return facts;
}

QString NoSuchFileWords()
{
    return qt_error_string(ERROR_FILE_NOT_FOUND);
}

bool IsStorablePath(const QString& path)
{
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path[i];
        if (c.isNull() || c.isLowSurrogate() ||
            (c.isHighSurrogate() && (i + 1 == path.size() || !path[++i].isLowSurrogate())))
            return false;
    }
    return true;
}

EntryKind EntryAt(const QString& path)
{
    const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return EntryKind::Missing;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return EntryKind::Link;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return EntryKind::Folder;
    return attributes & FILE_ATTRIBUTE_DEVICE ? EntryKind::Other : EntryKind::RegularFile;
}

EntryStamp StampAt(const QString& path, bool)
{
    // The settings live in the registry here; a file's times alone could miss a quick change.
    EntryKind kind = EntryAt(path);
    if (kind == EntryKind::Link) {
        const QFileInfo target(path);
        kind = !target.exists()  ? EntryKind::Missing
               : target.isFile() ? EntryKind::RegularFile
               : target.isDir()  ? EntryKind::Folder
                                 : EntryKind::Other;
    }
    return {kind, std::nullopt, {}};
}

bool RunningAsAdministrator()
{
    // Only an elevated program has the Administrators group enabled in its token.
    SID_IDENTIFIER_AUTHORITY authority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    BOOL member = FALSE;
    if (::AllocateAndInitializeSid(&authority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0,
                                   0, &administrators)) {
        ::CheckTokenMembership(nullptr, administrators, &member);
        ::FreeSid(administrators);
    }
    return member;
}

namespace {

// Fills `bytes` from `handle`, as far as its size; a file that shrank while being read leaves it shorter.
QString ReadInto(HANDLE handle, QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!::ReadFile(handle, bytes.data() + done, DWORD(qMin<qint64>(bytes.size() - done, 1 << 30)), &got, nullptr))
            return LastError();
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
    Handle file;
    BY_HANDLE_FILE_INFORMATION info = {};
    if (const QString reason = OpenRegular(path, followLink, file, info); !reason.isEmpty())
        return reason;
    if (SizeOf(info) > maximumSize)
        return TooLargeReason(SizeOf(info), maximumSize);
    // Never more than the size said, whatever the file does meanwhile.
    QByteArray bytes(qsizetype(SizeOf(info)), Qt::Uninitialized);
    if (const QString error = ReadInto(file.handle, bytes); !error.isEmpty())
        return error;
    content = bytes;
    if (facts) {
        // Whoever else may write the file, only bytes this user recorded are ever used from it; the
        // owner is what tells whose choice made it.
        facts->size = bytes.size();
        facts->links = int(info.nNumberOfLinks);
        facts->mine = OwnedByUser(file.handle);
        facts->othersMayWrite = false;
        facts->readOnly = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
        facts->version = VersionOf(info);
        if (CoarseTimes(info))
            facts->version += QCryptographicHash::hash(content, ContentMarkHash);
        facts->id = {info.dwVolumeSerialNumber, (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
    }
    return {};
}

QString ReadFileStart(const QString& path, QByteArray& content, qint64 length, qint64 maximumSize)
{
    Handle file;
    BY_HANDLE_FILE_INFORMATION info = {};
    if (const QString reason = OpenRegular(path, true, file, info); !reason.isEmpty())
        return reason;
    if (maximumSize >= 0 && SizeOf(info) > maximumSize)
        return TooLargeReason(SizeOf(info), maximumSize);
    QByteArray bytes(qsizetype(qMin<qint64>(length, SizeOf(info))), Qt::Uninitialized);
    if (const QString error = ReadInto(file.handle, bytes); !error.isEmpty())
        return error;
    content = bytes;
    return {};
}

bool FileHolds(const QString& path, const QByteArray& content)
{
    Handle file{Open(path, GENERIC_READ)};
    BY_HANDLE_FILE_INFORMATION info = {};
    if (!file.valid() || !Information(file.handle, info) || !NotAFile(file.handle, info).isEmpty() ||
        SizeOf(info) != content.size())
        return false;
    std::vector<char> buffer(64 * 1024);
    for (qsizetype done = 0; done < content.size();) {
        DWORD got = 0;
        if (!::ReadFile(file.handle, buffer.data(), DWORD(qMin<qsizetype>(buffer.size(), content.size() - done)), &got,
                        nullptr) ||
            got == 0 || std::memcmp(buffer.data(), content.constData() + done, got) != 0)
            return false;
        done += got;
    }
    return true;
}

QString ReplaceFile(const QString& path, const QByteArray& content, bool mayCreate, const QString&,
                    const QByteArray& version, bool)
{
    const EntryKind kind = EntryAt(path);
    if (kind != EntryKind::RegularFile && !(kind == EntryKind::Missing && mayCreate))
        return NotAFileReason(kind);
    if (ChangedSince(version, kind, [&] { return VersionAt(path); }))
        return ChangedMeanwhileReason();
    const DWORD attributes = kind == EntryKind::RegularFile ? ::GetFileAttributesW(Wide(path).c_str()) : 0;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return ReadOnlyReason();
    // Not QSaveFile: each of its new versions has a name of its own, so that one left by a run killed
    // while writing would stay in the player's folder for good. Here there is one pending name, and
    // what a killed run left there goes first (a file or a link; a folder there is the player's).
    // On Windows only an administrator or a developer may make a link, and the check above refuses
    // one at the path itself.
    const QString pending = path + QLatin1String(PendingSuffix);
    const std::wstring pendingName = Wide(pending);
    const QDeadlineTimer patience(ReplacePatienceMs);
    unsigned long pause = 1;
    bool wasThere = false;
    // A file the player hid (or the system marked) stays so: the new version has those marks from the
    // start, so that no moment after the move leaves them off.
    constexpr DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    Handle file;
    while (!file.valid()) {
        const DWORD cleared = ::DeleteFileW(pendingName.c_str()) ? ERROR_SUCCESS : ::GetLastError();
        wasThere = wasThere || (cleared != ERROR_FILE_NOT_FOUND && cleared != ERROR_PATH_NOT_FOUND);
        file.handle = ::CreateFileW(pendingName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    (attributes & kept) ? (attributes & kept) : FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file.valid())
            break;
        // What stood at that name and is still in the way is what the player must be told of: a file
        // that a scanner or an indexer holds open goes only once they let go of it, and until then
        // the name cannot be taken again, even where the file was deleted.
        const DWORD error = ::GetLastError();
        const bool exists = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
        if (wasThere && WaitToTryAgain(exists ? cleared : error, patience, pause))
            continue;
        const QString why = exists ? ErrorText(EEXIST) : qt_error_string(int(error));
        return exists || wasThere ? QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(pending), why) : why;
    }
    const auto fail = [&](const QString& error) {
        if (file.valid())
            ::CloseHandle(file.handle);
        file.handle = INVALID_HANDLE_VALUE;
        ::DeleteFileW(pendingName.c_str());
        return error;
    };
    for (qsizetype done = 0; done < content.size();) {
        DWORD written = 0;
        if (!::WriteFile(file.handle, content.constData() + done,
                         DWORD(qMin<qsizetype>(content.size() - done, 1 << 30)), &written, nullptr))
            return fail(LastError());
        if (written == 0)
            return fail(ErrorText(ENOSPC));
        done += written;
    }
    // On disk before it has the name: a power cut must not leave the name on an empty file.
    if (!::FlushFileBuffers(file.handle))
        return fail(LastError());
    const bool closed = ::CloseHandle(file.handle);
    file.handle = INVALID_HANDLE_VALUE;
    if (!closed)
        return fail(LastError());
    // The last look before the file is replaced: what another program wrote while the backup and the
    // new version were being made stays.
    if (kind == EntryKind::RegularFile && ChangedSince(version, kind, [&] { return VersionAt(path); }))
        return fail(ChangedMeanwhileReason());
    // Asked to return only once the move is on the disk. NTFS keeps the names of a folder in its
    // journal, so there is no folder to flush as on Unix. A file that turned up where there was none
    // is never replaced.
    // Held open by a reader, even one that lets it be deleted, the file cannot be replaced: the move
    // is tried again while it waits, each time after the same last look.
    const DWORD replacing = kind == EntryKind::RegularFile ? MOVEFILE_REPLACE_EXISTING : 0;
    while (!::MoveFileExW(pendingName.c_str(), Wide(path).c_str(), replacing | MOVEFILE_WRITE_THROUGH)) {
        if (const DWORD error = ::GetLastError(); !WaitToTryAgain(error, patience, pause))
            return fail(qt_error_string(int(error)));
        if (ChangedSince(version, kind, [&] { return VersionAt(path); }))
            return fail(ChangedMeanwhileReason());
    }
    return {};
}

QString WriteInPlace(const QString& path, qint64 offset, const QByteArray& bytes, const QByteArray& version)
{
    // Not through a link: one swapped in is never written through.
    Handle file{Open(path, GENERIC_WRITE, false)};
    if (!file.valid())
        return LastError();
    BY_HANDLE_FILE_INFORMATION info = {};
    if (!Information(file.handle, info))
        return LastError();
    if (const QString reason = NotAFile(file.handle, info); !reason.isEmpty())
        return reason;
    if (ChangedSince(version, EntryKind::RegularFile,
                     [&] { return CoarseTimes(info) ? VersionAt(path) : VersionOf(info); }))
        return ChangedMeanwhileReason();
    // NTFS has hard links too: a write would change every name's savegame.
    if (info.nNumberOfLinks > 1)
        return QCoreApplication::translate("kelmora::FileSystem",
                                           "It has other names, which a write into it would change too");
    if (SizeOf(info) < offset + bytes.size())
        return QCoreApplication::translate("kelmora::FileSystem",
                                           "The file is too short for the write (%1 bytes, %2 needed)")
            .arg(SizeOf(info))
            .arg(offset + bytes.size());
    LARGE_INTEGER at;
    at.QuadPart = offset;
    DWORD written = 0;
    if (!::SetFilePointerEx(file.handle, at, nullptr, FILE_BEGIN) ||
        !::WriteFile(file.handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr))
        return LastError();
    if (written != DWORD(bytes.size()))
        return ErrorText(ENOSPC);
    return ::FlushFileBuffers(file.handle) ? QString() : LastError();
}

bool MoveAside(const QString&, const QString&)
{
    return false;
}

QString RemoveFile(const QString& path, bool, const QByteArray& version)
{
    const EntryKind kind = EntryAt(path);
    if (kind == EntryKind::Folder || kind == EntryKind::Other)
        return NotAFileReason(kind);
    if (ChangedSince(version, kind, [&] { return VersionAt(path); }))
        return ChangedMeanwhileReason();
    // Not DeleteFile: a file it removes while another program holds it stays under its name until
    // that program lets go, and then goes, after the caller was told it is gone and may have put
    // something else in its place or found it could not. Opened sharing nothing, the file is held by
    // no one else, and it goes as the handle closes, before this returns.
    const QDeadlineTimer patience(ReplacePatienceMs);
    unsigned long pause = 1;
    for (;;) {
        const Handle file{::CreateFileW(Wide(path).c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr)};
        FILE_DISPOSITION_INFO disposition{TRUE};
        if (file.valid() &&
            ::SetFileInformationByHandle(file.handle, FileDispositionInfo, &disposition, sizeof disposition))
            return {};
        if (const DWORD error = ::GetLastError(); !WaitToTryAgain(error, patience, pause))
            return qt_error_string(int(error));
        if (ChangedSince(version, kind, [&] { return VersionAt(path); }))
            return ChangedMeanwhileReason();
    }
}

QString MakeFolder(const QString& folder, bool privateFolder, QString* failedPath)
{
    // The per-user folders of Windows are the user's alone already; `privateFolder` asks no more.
    Q_UNUSED(privateFolder);
    const auto failed = [&](const QString& at, const QString& error) {
        if (failedPath)
            *failedPath = QDir::toNativeSeparators(at);
        return error;
    };
    if (folder.isEmpty())
        return failed(folder, ErrorText(ENOENT));
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    // From the nearest folder that exists down, so that the failing folder and the reason are known.
    QStringList missing;
    QFileInfo existing(clean);
    while (!existing.exists() && !existing.isRoot()) {
        missing.prepend(existing.absoluteFilePath());
        existing.setFile(existing.absolutePath());
    }
    if (existing.exists() && !existing.isDir())
        return failed(existing.absoluteFilePath(), ErrorText(ENOTDIR));
    for (const QString& part : missing) {
        if (!::CreateDirectoryW(Wide(part).c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
            return failed(part, LastError());
        if (!QFileInfo(part).isDir())
            return failed(part, ErrorText(ENOTDIR));
    }
    return {};
}

QString CannotMakeFilesIn(const QString& folder)
{
    // Asking for the right to add a file to the folder is what making one would ask: a read-only
    // medium or missing rights answer as they would then.
    Handle dir{::CreateFileW(Wide(folder).c_str(), FILE_ADD_FILE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                             FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
    if (!dir.valid())
        return LastError();
    return {};
}

ChangeWay HowToChange(const QString& path, QString* whyNot)
{
    const auto impossible = [&](const QString& reason) {
        if (whyNot)
            *whyNot = reason;
        return ChangeWay::Impossible;
    };
    const EntryKind kind = EntryAt(path);
    if (kind != EntryKind::RegularFile)
        return impossible(NotAFileReason(kind));
    // A file the player made read-only stays as it is.
    if (::GetFileAttributesW(Wide(path).c_str()) & FILE_ATTRIBUTE_READONLY)
        return impossible(ReadOnlyReason());
    if (CannotMakeFilesIn(QFileInfo(path).absolutePath()).isEmpty())
        return ChangeWay::Replace;
    Handle file{Open(path, GENERIC_WRITE, false)};
    return file.valid() ? ChangeWay::InPlace : impossible(LastError());
}

FolderNames ListFolder(const QString& folder, const QString& fileSuffix)
{
    FolderNames names;
    WIN32_FIND_DATAW entry = {};
    const std::wstring pattern = Wide(folder) + L"\\*";
    const HANDLE find = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                                           FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
            names.error = QFileInfo(folder).exists() && !QFileInfo(folder).isDir() ? ErrorText(ENOTDIR)
                                                                                   : qt_error_string(int(error));
        return names;
    }
    do {
        const QString name = QString::fromWCharArray(entry.cFileName);
        if (name == QStringLiteral(".") || name == QStringLiteral("..") ||
            (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            continue;
        if (!fileSuffix.isEmpty() && !name.endsWith(fileSuffix, Qt::CaseInsensitive))
            continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (fileSuffix.isEmpty())
                names.folders.append(name);
        } else if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DEVICE)) {
            names.files.append(name);
        }
    } while (::FindNextFileW(find, &entry));
    ::FindClose(find);
    return names;
}

bool IsHiddenFile(const QString& path)
{
    const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

QString NameOnDisk(const QString& path)
{
    // Without wildcards, a search finds the one entry, under the name its folder gives it.
    if (path.contains(u'*') || path.contains(u'?'))
        return {};
    WIN32_FIND_DATAW entry = {};
    const HANDLE find = ::FindFirstFileW(Wide(path).c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return {};
    ::FindClose(find);
    return QString::fromWCharArray(entry.cFileName);
}

namespace {

// The lock's one byte, far past the end of the lock file: Windows' range locks keep others from the
// bytes they cover, and nothing ever reads or writes there.
OVERLAPPED LockedByte()
{
    OVERLAPPED at = {};
    at.OffsetHigh = 1;
    return at;
}

} // namespace

struct FlowLock::Held
{
    Handle file;
    bool locked = false;
    ~Held()
    {
        // Let go at once: the system lets go of a closed handle's lock "in its own time".
        OVERLAPPED at = LockedByte();
        if (locked)
            ::UnlockFileEx(file.handle, 0, 1, 0, &at);
    }
};

FlowLock::FlowLock(const QString& folder)
    : m_folder(folder)
{ }

FlowLock::~FlowLock() = default;

// The backups' folders keep no stamps here (StampAt), so nothing could be gone on from: no count.
std::optional<quint64> FlowLock::CountFound() const
{
    return std::nullopt;
}

std::optional<Problem> FlowLock::Acquire(int waitMs)
{
    const QString path = QDir::toNativeSeparators(m_folder + QStringLiteral("/kelmora.lock"));
    // A range lock on the file rather than QLockFile, as flock() on Unix: the system lets go of it
    // when its process ends, however it ends, while a QLockFile of a killed run can be left without
    // an owner, and one removed while another program holds it open keeps every later run waiting.
    if (const QString error = MakeFolder(m_folder, false); !error.isEmpty())
        return Problem{Failure::LockFailed, path, error};
    // Refused at once: a folder or a link there would only have the run wait and call itself busy.
    if (const EntryKind kind = EntryAt(path); kind != EntryKind::Missing && kind != EntryKind::RegularFile)
        return Problem{Failure::LockFailed, path, NotAFileReason(kind)};
    m_held = std::make_unique<Held>();
    Handle& file = m_held->file;
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        // Shared with the other runs, which open it to wait for their turn, but never with one that
        // would delete or rename it: the file held is the one that every run opens.
        DWORD error = ERROR_SUCCESS;
        if (!file.valid()) {
            file.handle =
                ::CreateFileW(Wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
            error = ::GetLastError();
        }
        if (file.valid()) {
            // A device has no file information to ask for.
            if (::GetFileType(file.handle) != FILE_TYPE_DISK)
                return Problem{Failure::LockFailed, path, NotAFileReason(EntryKind::Other)};
            BY_HANDLE_FILE_INFORMATION info = {};
            if (!Information(file.handle, info))
                return Problem{Failure::LockFailed, path, LastError()};
            if (const QString reason = NotAFile(file.handle, info); !reason.isEmpty())
                return Problem{Failure::LockFailed, path, reason};
            OVERLAPPED at = LockedByte();
            if (::LockFileEx(file.handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
                m_held->locked = true;
                return std::nullopt;
            }
            error = ::GetLastError();
            if (error != ERROR_LOCK_VIOLATION)
                return Problem{Failure::LockFailed, path, qt_error_string(int(error))};
        } else if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) {
            // Only a program that holds the file sharing nothing, or one that removed it while another
            // still holds it open, is worth the wait: both let go in a moment.
            return Problem{Failure::LockFailed, path, qt_error_string(int(error))};
        }
        if (deadline.hasExpired()) {
            // What keeps the file from being opened at all may be no other run's doing either.
            return error == ERROR_ACCESS_DENIED ? Problem{Failure::LockFailed, path, qt_error_string(int(error))}
                                                : Problem{Failure::Busy, path, {}};
        }
        QThread::msleep(static_cast<unsigned long>(qBound(qint64(1), deadline.remainingTime(), qint64(20))));
    }
}

} // namespace kelmora
