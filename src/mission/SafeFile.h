#pragma once

#include "Outcome.h"

#include <QByteArray>
#include <QLockFile>
#include <QString>

#include <memory>

namespace kelmora {

// File operations that a player's savegames can trust: nothing here blocks on a FIFO or a device,
// follows a link into a file it was not asked to write, or leaves a half-written file behind.

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

// The system's words for why `path` cannot be read or written as a file, or empty when it can.
QString NotAFileReason(EntryKind kind);

// True when both paths lead to the same file (the same device and inode), through links too.
// False when either is missing.
bool IsSameFile(const QString& first, const QString& second);

// The whole content of a regular file (a link to one is fine unless `followLink` is false). Refuses
// anything else at once, and anything larger than `maximumSize`. Returns the system's description
// of a failure, or empty.
QString ReadRegularFile(const QString& path, QByteArray& content, qint64 maximumSize, bool followLink = true);

// True when the regular file at `path` holds exactly `content`. Reads only as far as the first
// difference, and not at all when the sizes differ; never waits on a FIFO or a device.
bool FileHolds(const QString& path, const QByteArray& content);

// Lets a test stop a replacement part way, as a kill or a power cut would.
struct WriteInterruption
{
    qint64 afterBytes = -1; // stop once this many bytes of the new version are written; -1: never
    bool beforeRename = false; // stop with the new version complete but not yet in place
};

// Puts `content` at `path` in one step: the new version is written beside the old one, flushed to
// disk and renamed into place, so that the path holds either all the old bytes or all the new ones.
// The old file's permissions are kept. `path` must be a regular file, or missing when `mayCreate`;
// a new file appears at its name complete, with nothing left beside it.
QString ReplaceFile(const QString& path, const QByteArray& content, bool mayCreate,
                    const WriteInterruption* interruption = nullptr);

// Writes `span` at `offset` of the existing regular file with a single write, then flushes it to
// disk: for a file the player may write in a folder where no new file can be made. A file with other
// names (hard links) is refused: they would change too; so is one too short to hold the span, which
// the write would lengthen.
QString WriteSpanInPlace(const QString& path, qint64 offset, const QByteArray& span);

// The system's words for why no file can be made in `folder` or the folders it would need.
QString FolderProblem(const QString& folder);

// True when files can be made in `folder` by this user (root included, on a read-only medium not).
bool CanMakeFilesIn(const QString& folder);

// True when this user may put a new version in place of the file at `path` by a rename: files can
// be made beside it, and no sticky bit on the folder keeps another user's file from being replaced.
bool CanReplaceFile(const QString& path);

// One flow at a time per user: a save, a template choice or a restore holds this for its whole
// duration, on "kelmora.lock" in `folder`. A crashed run never keeps it: on Unix the system lets go
// of the lock with the process (flock), and a QLockFile elsewhere is taken over once its owner is
// gone.
class FlowLock
{
public:
    explicit FlowLock(const QString& folder);
    ~FlowLock();
    FlowLock(const FlowLock&) = delete;
    FlowLock& operator=(const FlowLock&) = delete;
    // Waits up to `waitMs` for another flow to finish.
    std::optional<Problem> Acquire(int waitMs = DefaultWaitMs);

    static constexpr int DefaultWaitMs = 5000;

private:
    QString m_folder;
#ifdef Q_OS_UNIX
    int m_fd = -1;
#else
    std::unique_ptr<QLockFile> m_lock;
#endif
};

} // namespace kelmora
