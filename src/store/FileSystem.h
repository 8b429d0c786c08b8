#pragma once

#include "Outcome.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>

namespace kelmora {

// What the store asks of the file system, in the few forms a player's savegames can trust: nothing
// here blocks on a FIFO or a device, follows a link into a file it was not asked to write, or leaves
// a half-written file behind. Each system has its own file: FileSystem_unix.cpp, FileSystem_win.cpp.

// What stands at a path, without following a final link.
enum class EntryKind
{
    Missing,
    RegularFile,
    Link,
    Folder,
    Other, // a FIFO, a device, a socket
};
EntryKind EntryAt(const QString& path);

// What stands at a path, following links, and a stamp that changes whenever the file does: another
// file put there (a new version renamed over it), or its bytes or length changed, to the finest time
// the system keeps. No stamp where the system gives none that can be trusted so; then a caller must
// read the file to know. Nor, unless `evenIfJustChanged`, for an entry changed within the system
// clock's current tick (1-4 ms on most systems): a change later in the same tick may leave every
// time as it was.
struct EntryStamp
{
    EntryKind kind = EntryKind::Missing;
    std::optional<QByteArray> stamp;
    QString unreachable; // for Missing: why the entry could not be looked at, where that is not its absence
};
EntryStamp StampAt(const QString& path, bool evenIfJustChanged = false);

// The system's words for why `path` cannot be read or written as a file, or empty when it can.
QString NotAFileReason(EntryKind kind);

// Whether the system can store `path` as it is: on Unix its text must survive the file names'
// encoding, on Windows (UTF-16 names) only a NUL or half a surrogate pair cannot.
bool IsStorablePath(const QString& path);

// The system's words for a C library error number (ENOENT, ENOSPC, ...), on every system.
QString ErrorText(int error);

// The version of a file that was not there, for ReplaceFile.
inline const QByteArray NoFileVersion = QByteArrayLiteral("none");

// What tells one existing file or folder from every other on this machine (device and inode,
// volume and file index).
using FileId = std::pair<quint64, quint64>;

// What an open file says about who may change it, and which version of it was read.
struct FileFacts
{
    qint64 size = 0;
    int links = 1; // the names the file has (hard links)
    bool mine = true; // owned by this user
    bool othersMayWrite = false; // another user may write it
    bool readOnly = false; // made read-only: its owner may not write it (Unix), or marked so (Windows)
    QByteArray version; // changes with the file: another file put there, its bytes or length changed
    FileId id{};
};

// True for root or an administrator, who may change any user's files.
bool RunningAsAdministrator();

// The whole content of a regular file, and what it says about itself, from one open file. Refuses
// anything else at once, a link too unless `followLink`, and anything larger than `maximumSize`.
// Returns the system's description of a failure, or empty.
QString ReadRegularFile(const QString& path, QByteArray& content, qint64 maximumSize, FileFacts* facts = nullptr,
                        bool followLink = true);

// The first `length` bytes of a regular file (all of a shorter one), through links: for a look at
// part of a file that may be large. Refuses anything else at once, as ReadRegularFile does, and so a
// file larger than `maximumSize`, where one is given.
QString ReadFileStart(const QString& path, QByteArray& content, qint64 length, qint64 maximumSize = -1);

// Why a file of `size` bytes is not read, where at most `maximumSize` are expected.
QString TooLargeReason(qint64 size, qint64 maximumSize);

// True when the regular file at `path` holds exactly `content`. Reads a piece at a time, only as far
// as the first difference, and not at all when the sizes differ; never waits on a FIFO or a device.
bool FileHolds(const QString& path, const QByteArray& content);

// Whether two paths lead to one file. Same: both exist and are one file (through links, hard links,
// or two paths to one folder). MaybeSame: they name entries of one folder whose names differ only
// in case, which a case-insensitive file system (FAT, exFAT, NTFS) takes for one. Different: neither.
enum class Identity
{
    Different,
    MaybeSame,
    Same,
};
// `firstId`, where `first` has just been read, is what its FileFacts said: the very file read.
Identity CompareFiles(const QString& first, const QString& second, const std::optional<FileId>& firstId = {});

// Puts `content` at `path` in one step: the new version is written beside the old one, flushed to
// disk, renamed into place, and the folder flushed, so that the path holds all the old bytes or all
// the new ones, also after a power cut. An existing file keeps its owner, group and permissions.
// `path` must be a regular file, or missing when `mayCreate`.
//
// A missing `path` may take the file `spare` instead of a new one: a file no longer needed in the
// same folder, rewritten, flushed and renamed to `path` (never over a file there). Freeing a file's
// blocks and allocating others costs more than writing them. Only a regular file with no other name
// that a new file would be (the user's own; for root, the folder owner's) is rewritten, and only in
// the folder itself, not through a link at its name. Otherwise a new file is made; the spare may then
// hold anything. Windows always makes a new file.
//
// Given the `version` of the file that was read (FileFacts), a file that another program has changed
// since is left as that program wrote it, up to the moment of the rename. (A write of the same length
// into the file within the clock's tick of the read may leave its time as it was. Where times are
// kept only to the second or coarser, as on FAT, the version holds the bytes' digest too.) Given
// NoFileVersion, where there was none, the file is made only where there still is none. A missing
// `path` that some other program makes meanwhile is never replaced in any case: neither has a backup.
//
// Root making a new file in another user's folder gives it to that user, as a savegame must stay the
// player's; unless `keepMine`, for a file that is root's own choice.
//
// On Windows, where a file that another program holds open cannot be replaced (nor removed at once:
// it would stay under its name until let go), ReplaceFile and RemoveFile wait up to
// ReplacePatienceMs for it to be let go before they give up, leaving it as it was.
QString ReplaceFile(const QString& path, const QByteArray& content, bool mayCreate, const QString& spare = {},
                    const QByteArray& version = {}, bool keepMine = false);

// Renames the file at `from` to `to` in the same folder, never over anything there: true when done.
// Windows never does, and the caller removes what it would have kept aside.
bool MoveAside(const QString& from, const QString& to);

// The suffix of the name a new version has until it takes the file's name: what a run killed in
// between leaves, for the next one to clear away.
inline constexpr char PendingSuffix[] = ".kelmora-new";
inline constexpr int ReplacePatienceMs = 2000;

// Writes `bytes` at `offset` of the existing regular file with one write, then flushes it: for a
// file in a folder where no new file can be made. A file with other names is refused (they would
// change too), and so is one too short to hold the bytes (the write would lengthen it), and one
// that is no longer at `version` (as ReplaceFile).
QString WriteInPlace(const QString& path, qint64 offset, const QByteArray& bytes, const QByteArray& version = {});

// Why a file is left as it is when another program changed it after it was read.
QString ChangedMeanwhileReason();
// Why a file made read-only is left as it is, even where the system would let it be written (root,
// an administrator).
QString ReadOnlyReason();

// Removes the regular file or link at `path` (never a folder) and flushes its folder, unless
// `flushFolder` is false: for a removal that may come undone after a power cut. Given the `version`
// that was read, a file changed since (as ReplaceFile tells) stays.
QString RemoveFile(const QString& path, bool flushFolder = true, const QByteArray& version = {});

// Makes `folder` and its missing parents, flushing the folder that holds each new one. The last one
// is the user's alone when `privateFolder`. Names the folder that failed in `failedPath`.
QString MakeFolder(const QString& folder, bool privateFolder, QString* failedPath = nullptr);

// Why this user cannot make files in `folder` (root neither, on a read-only medium), or empty.
QString CannotMakeFilesIn(const QString& folder);

// Why `folder`, which should be this user's alone, is not: another user's (the administrator may
// work in any user's), or one that other users may change. Empty where it is, where it cannot be
// looked at (what is done in it then says why), and where the system keeps no owners.
QString NotOwnFolder(const QString& folder);

// Why `folder` could not be made, or files in it, as far as the nearest part of its path that stands
// (a link too) tells; names that part in `failedPath`. Empty when they could.
QString CannotMakeBelow(const QString& folder, QString* failedPath = nullptr);

// How this user can change the existing file at `path` so that it keeps its owner and group: by a
// new version renamed over it, or by writing into it where that cannot be done.
enum class ChangeWay
{
    Replace,
    InPlace,
    Impossible,
};
ChangeWay HowToChange(const QString& path, QString* whyNot = nullptr);

// The names of the regular files and of the folders in `folder`, without looking at each entry; with
// `fileSuffix`, only the files whose names end with it, in any case (a folder of 100,000 savegames
// then costs no string for each).
struct FolderNames
{
    QStringList files;
    QStringList folders;
    // The files whose names are not text in the system's encoding, named as nearly as they can be
    // shown: no path leads to them. Windows names are always text, so none there.
    QStringList undecodable;
    QString error; // the system's words when the folder cannot be read; a missing folder is empty
};
FolderNames ListFolder(const QString& folder, const QString& fileSuffix = {});

// A file the system's own listings hide from a player: on Windows one with the hidden or system
// attribute. A name starting with a dot is an ordinary name for a savegame a player chose.
bool IsHiddenFile(const QString& path);

// The final name of the existing entry at `path` as its folder spells it, which a case-insensitive
// file system may spell otherwise than the path does; empty when there is none.
QString NameOnDisk(const QString& path);

// One change of a player's files at a time per user: held on "kelmora.lock" in `folder` for a
// whole save, template choice or restore. A crashed run never keeps it.
class FlowLock
{
public:
    explicit FlowLock(const QString& folder);
    ~FlowLock();
    FlowLock(const FlowLock&) = delete;
    FlowLock& operator=(const FlowLock&) = delete;
    // Waits up to `waitMs` for another change to finish.
    std::optional<Problem> Acquire(int waitMs = DefaultWaitMs);

    // Each run that takes the lock counts itself in its file, as one that may change what the lock
    // guards. The count it found: a run may go on from what it found at its own last change while
    // the count is still the one it left (that count + 1). Nothing where no count is kept
    // (Windows, whose backups' folders keep no stamps to go on from), where the disk had no room
    // for it, or before the lock is held.
    std::optional<quint64> CountFound() const;

    static constexpr int DefaultWaitMs = 5000;

private:
    struct Held;
    QString m_folder;
    std::unique_ptr<Held> m_held;
};

} // namespace kelmora
