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
// Folder format, one flat folder, two files per backup:
//   <id>.sav   the kept bytes, exactly as they were
//   <id>.json  its record: {"format": 1, "path": original full path (native separators),
//              "time": UTC, ISO 8601 with milliseconds, "size": bytes, "sha256": hex of the bytes,
//              "sequence": one more than the highest sequence in the folder when it was taken}
// An id is the UTC time taken plus a random suffix, e.g. 20261207-105849-123-9f3a0c1e: unique across
// processes, and only digits, lower-case letters and dashes, so a player can type it. Names in the
// folder never come from the original path. The bytes are committed before the record, each
// through a temporary file renamed into place, so a backup exists once its record does; whatever
// else lies in the folder (half-written files, records without bytes, anything unreadable) is
// ignored, and bytes left without a record for over a day are removed by the next Keep. Order is
// by sequence, not by time, so that a clock set back cannot make the newest backup look old and
// have it pruned.
inline constexpr int BackupsKeptPerFile = 50;

struct Backup
{
    QString id; // valid until this backup is dropped
    QDateTime time; // UTC
    QString originalPath; // full, absolute, native separators
    qint64 size = 0;
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

class BackupStore
{
public:
    explicit BackupStore(QString folder);

    // Keeps `content` as the newest backup of `originalPath`, unless the newest backup of that path
    // holds the same bytes already; then drops the oldest backups of that path beyond
    // BackupsKeptPerFile. Creates the folder when needed. A failure to drop old ones is not reported.
    BackupResult Keep(const QString& originalPath, const QByteArray& content);
    // Reads the file first. Anything but a regular file is refused without waiting on it, and a
    // missing file is an error too: the caller decides whether nothing to keep is fine.
    BackupResult KeepFile(const QString& originalPath);

    // Every complete backup, newest first. Reads the small records only, never the kept bytes.
    QList<Backup> List() const;
    std::optional<Backup> Find(const QString& id) const;
    // The kept bytes, checked against the size and checksum recorded when they were taken, so a
    // damaged backup is refused rather than restored.
    BackupContent Read(const Backup& backup) const;

    const QString& folder() const { return m_folder; }

private:
    QString m_folder;
};

} // namespace kelmora
