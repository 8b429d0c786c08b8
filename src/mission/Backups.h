#pragma once

#include "BackupStore.h"
#include "MissionData.h"
#include "Outcome.h"
#include "Services.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kelmora {

// The per-user folder that keeps the backups of factory driver files.
QString BackupFolder(const Services& services);

// Keeps what a factory driver file holds before it is overwritten or removed. A failure means the
// caller must leave the file as it is: no backup, no change. KeepMode::TakeOver only when the
// caller then replaces or removes the file and never writes into it.
// `templatePath`: the template driver the file is a copy of, when known.
std::optional<Problem> BackUpBeforeChange(const Services& services, const QString& path, const QByteArray& content,
                                          KeepMode mode, const QString& templatePath);
// The same for files still to be read, which the caller then replaces or removes; all are kept
// before the first failure stops it.
// `state` tells which of them is the copy of which template driver.
std::optional<Problem> BackUpFilesBeforeChange(const Services& services, const QStringList& paths,
                                               const RunState& state);
// The template driver that `path` is a copy of under `state`, or empty when that is not known.
QString TemplateOfCopy(const RunState& state, const Services& services, const QString& path);

// After a change that kept `paths` with BackUpFilesBeforeChange, or with KeepMode::TakeOver, and then
// stopped before it replaced or removed them: no backup shares those files any longer.
void ReleaseBackups(const Services& services, const QStringList& paths);

struct ListedBackup
{
    Backup backup;
    // What it holds, against the current program data file: "Mission 12", "played on since a save"
    // or "unknown".
    QString missionChoice;
};

// Every backup, newest first.
QList<ListedBackup> ListBackups(const Services& services);

struct RestoreOutcome
{
    Problems problems;
    std::optional<Backup> restored; // set once its bytes are back at its original path

    bool done() const { return restored.has_value() && problems.isEmpty(); }
};

// Puts the backup `id` back at the path it was taken from, after keeping what stands there now. Never
// writes the template, the program data file, or through a link, and never anywhere else.
RestoreOutcome RestoreBackup(const RunState& state, const Services& services, const QString& id);

// What the player is told after a restore; `timeText` is the backup's time as the front end writes it.
Message RestoredMessage(const Backup& backup, const QString& timeText);

} // namespace kelmora
