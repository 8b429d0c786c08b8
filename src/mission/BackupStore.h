#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace kelmora {

// Copies of factory driver files, kept before the program overwrites or removes one, so that a
// wrong click never loses a player's progress.
//
// Folder format, one flat folder, one file per backup holding the kept bytes exactly as they were:
//   <id>-<key>-<sequence>.sav
//     id        the UTC time taken plus a random suffix, e.g. 20261207-105849-123-9f3a0c1e: unique
//               across processes, and only digits, lower-case letters and dashes, so a player can
//               type it
//     key       8 lower-case hex digits standing for the original file and, when known, the
//               template driver it was a copy of: <key>.path holds the file's full path (native
//               separators, UTF-8), then a NUL and the template's full path; it is written before
//               the first backup with that key
//     sequence  one more than the highest in the folder when it was taken; backups are ordered by
//               it, not by time, so that a clock set back cannot make the newest one look old and
//               have it pruned
// Names in the folder never come from the original path. Everything a listing needs is in the
// names, so neither taking a backup nor listing them reads a kept file. A backup appears in one
// step (a rename or a hard link), complete; anything else in the folder is ignored. Backups of the
// earlier layout (<id>.sav beside its record <id>.json) are moved into this one, their IDs kept.
inline constexpr int BackupsKeptPerFile = 50;

struct Backup
{
    QString id; // valid until this backup is dropped
    QDateTime time; // UTC
    QString originalPath; // full, absolute, native separators
    qint64 size = 0;
    // The template driver the original was a copy of when it was kept; empty when not known.
    QString templatePath;
};

struct BackupResult
{
    QString error; // empty on success; else the system's description
    QString errorPath; // the file or folder that failed, native separators
    // The new backup, or the newest existing one when it already held these bytes.
    std::optional<Backup> backup;

    bool ok() const { return error.isEmpty(); }
};

struct BackupContent
{
    QString error; // empty on success
    QString errorPath;
    QByteArray content;

    bool ok() const { return error.isEmpty(); }
};

enum class KeepMode
{
    // The backup is a copy of `content`, flushed to disk.
    Copy,
    // The caller replaces the original with a new file, or removes it, right after and never
    // writes into it. Then the original itself can become the backup: a hard link in the backup
    // folder, with no copy and no flush. Only a regular file on the same file system, with no other
    // name, that holds exactly `content`, is this user's and no other user may write, is taken over;
    // anything else is copied.
    TakeOver,
};

class BackupStore
{
public:
    explicit BackupStore(QString folder);

    // Keeps `content` as the newest backup of `originalPath`, unless the newest backup of that path
    // holds the same bytes already; then drops the oldest backups of that path beyond
    // BackupsKeptPerFile. Creates the folder when needed. A failure to drop old ones is not reported.
    // `templatePath`: the template driver the original is a copy of, when known; its backups are
    // then not put back while another template's progress would be saved into them.
    BackupResult Keep(const QString& originalPath, const QByteArray& content, KeepMode mode = KeepMode::Copy,
                      const QString& templatePath = {});
    // Reads the file first. Anything but a regular file is refused without waiting on it, and a
    // missing file is an error too: the caller decides whether nothing to keep is fine.
    BackupResult KeepFile(const QString& originalPath, KeepMode mode = KeepMode::Copy,
                          const QString& templatePath = {});
    // After a change that asked for KeepMode::TakeOver and then left the original in place: a
    // backup that is still the original is dropped, so that what is written into the original from
    // now on cannot change a listed backup. It kept nothing the original does not hold, and
    // dropping a name needs no space, which a failed change may have run out of.
    void Release(const QString& originalPath);

    // Every backup, newest first. Reads names and the small path files only, never the kept bytes.
    QList<Backup> List() const;
    std::optional<Backup> Find(const QString& id) const;
    // The kept bytes.
    BackupContent Read(const Backup& backup) const;

    const QString& folder() const { return m_folder; }

private:
    QString m_folder;
};

} // namespace kelmora
