#pragma once

#include "mission/MissionSelection.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace kelmora {

// Copies of factory driver files, kept before the program overwrites or removes one, so that a
// wrong click never loses a player's progress.
//
// The folder, the player's alone:
//   <key>/                 one folder per original file; key: 16 lower-case hex digits of the
//                          SHA-256 of the original's full path (the next 16 while another holds them)
//     original             the original's full path (native separators, UTF-8)
//     <tkey>.template      the full path of a template driver the original was a copy of
//     <id>-<sequence>-<tkey>-<choice>-<size>-<digest>.sav
//                          one backup: the kept bytes exactly as they were
//       id        the UTC time taken and a random suffix, e.g. 20261207-105849-123-9f3a0c1e: unique,
//                 only digits, lower-case letters and dashes, so that a player can type it
//       sequence  one more than the highest in its folder; the newest 50 are kept by it rather than
//                 by the time, so that a clock set back cannot have the newest one pruned
//       tkey      8 hex digits for the template driver, 00000000 when it was not known
//       choice    the mission it was set to against that template: m<number>, p (played on since
//                 a save), t (the template's exact copy) or u (unknown)
//       size, digest   what the bytes must be, so that a backup cut short or damaged on disk is
//                 never put back: the size in decimal; "x" and 16 hex digits of ContentDigest, or,
//                 in a backup made before it, 16 hex digits alone of the serial digest
//     spare                the file of the last backup dropped, no longer one: the next backup
//                          rewrites it rather than make a new file (Unix only)
// Names never come from the original path, and a listing reads names and the small path files only.
// A backup appears in one step, complete and flushed, with its folder. Anything else is ignored.
// Backups of Kelmora 1.0 (<id>-<key>-<sequence>.sav beside <key>.path, in the folder itself) are
// listed and put back as they are, and never written.
inline constexpr int BackupsKeptPerFile = 50;

// The digests a backup's name may give. Both take the bytes a word (8 bytes) at a time, each word
// mixed into the digest before the next; the four-lane one mixes four words side by side, which a
// processor does in little more than the time of one: about a third of the serial one's time, which
// every save pays.
enum class DigestKind
{
    Serial, // the backups made before the four-lane digest
    FourLane, // every backup since
};

struct Backup
{
    QString id;
    QDateTime time; // UTC
    QString originalPath; // full, native separators
    QString templatePath; // the template driver the original was a copy of; empty when not known
    MissionChoice choice; // what it was set to against that template
    QString file; // where the kept bytes are
    qint64 size = -1; // what they must be; -1 when not recorded
    quint64 digest = 0;
    DigestKind digestKind = DigestKind::FourLane;
    qint64 sequence = 0;
};

// The ID of a backup taken at `time`: its UTC time to the millisecond and a random part. A time beyond
// the year 9999 is taken as the last moment of it, so that the backup is still listed.
QString NewBackupId(const QDateTime& time);

// A cheap 64-bit digest: a backup whose bytes were cut short, emptied or changed gives another.
quint64 ContentDigest(const QByteArray& bytes, DigestKind kind);
// The four-lane ContentDigest of `bytes` and that of its bytes from `from` on, in one pass: two sets
// of lanes side by side take little longer than one. A save needs both of the savegame.
std::pair<quint64, quint64> FourLaneDigests(const QByteArray& bytes, qsizetype from);

class FlowLock;

class BackupFolder
{
public:
    // `lock`: the held lock of the user folder that holds `folder`, under which every change to the
    // backups is made. With it, the next Keep in this process of the same original and template
    // goes on from what this one found and left, unless another run has taken the lock since or
    // the original's folder has changed on disk, and for 16 Keeps in a row at most. Without it,
    // each Keep reads the folder anew.
    explicit BackupFolder(QString folder, const FlowLock* lock = nullptr);

    // Keeps `content` as the newest backup of `originalPath`, a copy of `templatePath` (empty when
    // not known) set to `choice`, unless the newest backup of that path already holds these bytes as
    // a copy of the same template; then drops the oldest beyond BackupsKeptPerFile. The backup is on
    // disk, flushed, when this returns. On failure, the system's words, and the file or folder that
    // failed in `errorPath`. `digest`: the content's four-lane ContentDigest, where the caller has it.
    QString Keep(const QString& originalPath, const QByteArray& content, const QString& templatePath,
                 const MissionChoice& choice, QString* errorPath = nullptr, std::optional<quint64> digest = {});

    // Why Keep could not keep this backup, as far as can be told without writing: the folder it would
    // keep it in, or the nearest part of its path that exists, is no folder this user can make files
    // in (named in `errorPath`), unless Keep would make no new backup at all. A full disk is not
    // told. Empty when nothing seen is in the way.
    QString CannotKeep(const QString& originalPath, const QByteArray& content, const QString& templatePath,
                       QString* errorPath = nullptr) const;

    // Every backup, newest first. A folder that cannot be read gives the system's words and the
    // folder in `errorPath`; a missing one holds no backups. Where what cannot be read hides the
    // backups of one file only, the others are listed too.
    QList<Backup> List(QString* error = nullptr, QString* errorPath = nullptr) const;

    // The kept bytes, refused when they are not what was kept.
    QString Read(const Backup& backup, QByteArray& content) const;

    // The number of the newest backup kept of `originalPath` (Backup::sequence), 0 when there is none
    // or the folder cannot be read. Every later backup of the file has a larger one.
    qint64 NewestNumber(const QString& originalPath) const;

    const QString& path() const { return m_folder; }

private:
    QString m_folder;
    const FlowLock* m_lock = nullptr;
};

} // namespace kelmora
