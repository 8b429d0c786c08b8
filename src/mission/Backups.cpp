#include "Backups.h"

#include "FileLookup.h"
#include "MissionDataFile.h"
#include "SafeFile.h"
#include "SaveSequence.h"
#include "SavegameBlock.h"

#include <QDir>
#include <QFileInfo>

namespace kelmora {
namespace {

// The store names the file or folder that failed; the player learns where the backups go.
QString BackupReason(const BackupResult& result, const QString& path)
{
    if (result.errorPath.isEmpty() || result.errorPath == path)
        return result.error;
    return QStringLiteral("%1: %2").arg(result.errorPath, result.error);
}

QString MissionChoiceText(const BackupStore& store, const Backup& backup, const std::optional<MissionStatusTable>& data)
{
    const QString unknown = QStringLiteral("unknown");
    if (!data)
        return unknown;
    const BackupContent kept = store.Read(backup);
    if (!kept.ok() || kept.content.size() < MinimumSavegameSize)
        return unknown;
    const MissionChoice choice = MatchMissionChoice(*data, MissionBlockIn(kept.content));
    if (choice.kind == MissionChoice::Kind::PlayedOn)
        return QStringLiteral("played on since a save");
    if (choice.kind != MissionChoice::Kind::Set || choice.indexes.isEmpty())
        return unknown;
    return QStringLiteral("Mission %1").arg(choice.indexes.constFirst() + 1);
}

bool SamePathText(const QString& a, const QString& b)
{
    const auto normal = [](const QString& path) { return QDir::cleanPath(QDir::fromNativeSeparators(path)); };
#ifdef Q_OS_WIN
    return normal(a).compare(normal(b), Qt::CaseInsensitive) == 0;
#else
    return normal(a) == normal(b);
#endif
}

// Why nothing may be written at `target`, or empty.
QString RestoreRefusal(const RunState& state, const Services& services, const Backup& backup)
{
    const QString& target = backup.originalPath;
    if (!state.TemplateDriverFile.isEmpty()) {
        // The template may be missing right now; its name alone is enough to refuse.
        const QString templatePath = state.SavedataFolder + state.TemplateDriverFile;
        if (IsSameFile(target, templatePath) || SamePathText(target, templatePath))
            return QStringLiteral("It is the template driver file, which is never written");
    }
    if (IsSameFile(target, MissionDataFilePath(services.dataFolder)))
        return QStringLiteral("It is the program data file");
    // Backups are only ever taken of factory driver files; a record naming anything else was not
    // written by Kelmora, and the file there is not one it made.
    if (!IsFactoryDriverFileName(QFileInfo(target).fileName()))
        return QStringLiteral("It is not a factory driver file");
    const EntryKind kind = EntryAt(target);
    if (kind != EntryKind::RegularFile && kind != EntryKind::Missing)
        return NotAFileReason(kind);
    // Another template driver's copy, put back where saves write this template's progress, would
    // come out of the next save as a mix of two drivers.
    const QString savedFrom = TemplateOfCopy(state, services, target);
    if (!backup.templatePath.isEmpty() && !savedFrom.isEmpty() && !SamePathText(backup.templatePath, savedFrom))
        return QStringLiteral("It is a copy of template driver '%1', and saves now write the progress of '%2' into "
                              "this file; choose '%1' as the template driver first")
            .arg(QDir::toNativeSeparators(backup.templatePath), QDir::toNativeSeparators(savedFrom));
    return {};
}

} // namespace

QString BackupFolder(const Services& services)
{
    if (services.userFolder.isEmpty())
        return {};
    return QDir::toNativeSeparators(QDir(services.userFolder).filePath(QStringLiteral("Backups")));
}

std::optional<Problem> BackUpBeforeChange(const Services& services, const QString& path, const QByteArray& content,
                                          KeepMode mode, const QString& templatePath)
{
    const QString nativePath = QDir::toNativeSeparators(path);
    const QString folder = BackupFolder(services);
    // Without a per-user folder the backups would land wherever an empty path leads.
    if (folder.isEmpty())
        return Problem{Failure::BackupFailed, nativePath, QStringLiteral("There is no per-user folder to keep it in")};
    const BackupResult result = BackupStore(folder).Keep(path, content, mode, templatePath);
    if (!result.ok())
        return Problem{Failure::BackupFailed, nativePath, BackupReason(result, nativePath)};
    return std::nullopt;
}

QString TemplateOfCopy(const RunState& state, const Services& services, const QString& path)
{
    if (state.TemplateDriverFile.isEmpty() || state.FactoryDriverFile.isEmpty() ||
        !SamePathText(path, state.SavedataFolder + state.FactoryDriverFile))
        return {};
    // Only a choice that made the copy writes the program data file; a choice that stopped before
    // it left another template's copy under this name, and no save writes into it.
    if (EntryAt(MissionDataFilePath(services.dataFolder)) != EntryKind::RegularFile)
        return {};
    return state.SavedataFolder + state.TemplateDriverFile;
}

std::optional<Problem> BackUpFilesBeforeChange(const Services& services, const QStringList& paths,
                                               const RunState& state)
{
    for (const QString& path : paths) {
        QByteArray content;
        const QString error = ReadRegularFile(path, content, MaximumSavegameSize, false);
        if (!error.isEmpty())
            return Problem{Failure::BackupFailed, QDir::toNativeSeparators(path), error};
        if (auto problem =
                BackUpBeforeChange(services, path, content, KeepMode::TakeOver, TemplateOfCopy(state, services, path)))
            return problem;
    }
    return std::nullopt;
}

void ReleaseBackups(const Services& services, const QStringList& paths)
{
    const QString folder = BackupFolder(services);
    if (folder.isEmpty())
        return;
    BackupStore store(folder);
    for (const QString& path : paths)
        store.Release(path);
}

QList<ListedBackup> ListBackups(const Services& services)
{
    QList<ListedBackup> listed;
    const QString folder = BackupFolder(services);
    if (folder.isEmpty())
        return listed;
    std::optional<MissionStatusTable> data;
    MissionStatusTable records{};
    if (ReadMissionRecords(MissionDataFilePath(services.dataFolder), records).isEmpty())
        data = records;
    // The program data file holds the current template's progress: against another template's
    // copy it tells nothing.
    RunState current;
    if (services.loadStoredSettings)
        services.loadStoredSettings(current);
    const QString currentTemplate =
        current.TemplateDriverFile.isEmpty() ? QString() : current.SavedataFolder + current.TemplateDriverFile;
    const BackupStore store(folder);
    for (const Backup& backup : store.List()) {
        const bool otherTemplate = !backup.templatePath.isEmpty() && !currentTemplate.isEmpty() &&
                                   !SamePathText(backup.templatePath, currentTemplate);
        listed.append({backup, MissionChoiceText(store, backup, otherTemplate ? std::nullopt : data)});
    }
    return listed;
}

RestoreOutcome RestoreBackup(const RunState& shown, const Services& services, const QString& id)
{
    RestoreOutcome outcome;
    FlowLock lock(services.userFolder);
    if (const auto problem = lock.Acquire()) {
        outcome.problems << *problem;
        return outcome;
    }
    // Another window or kelmora-cli may have chosen another template since this one read the
    // settings: saves write what is stored.
    RunState state = shown;
    if (services.loadStoredSettings)
        services.loadStoredSettings(state);
    const BackupStore store(BackupFolder(services));
    const std::optional<Backup> backup = BackupFolder(services).isEmpty() ? std::nullopt : store.Find(id.trimmed());
    if (!backup) {
        outcome.problems << Problem{Failure::BackupUnknown, id, {}};
        return outcome;
    }
    const QString target = backup->originalPath;
    const auto fail = [&](const QString& reason) {
        outcome.problems << Problem{Failure::RestoreFailed, target, reason};
        return outcome;
    };
    if (const QString refusal = RestoreRefusal(state, services, *backup); !refusal.isEmpty())
        return fail(refusal);
    // Read before what stands there is kept: keeping it may drop this very backup as the oldest.
    const BackupContent kept = store.Read(*backup);
    if (!kept.ok())
        return fail(kept.errorPath.isEmpty() ? kept.error : QStringLiteral("%1: %2").arg(kept.errorPath, kept.error));
    if (EntryAt(target) == EntryKind::RegularFile) {
        if (const auto problem = BackUpFilesBeforeChange(services, {target}, state)) {
            outcome.problems << *problem;
            return outcome;
        }
    }
    if (const QString error = ReplaceFile(target, kept.content, true); !error.isEmpty()) {
        ReleaseBackups(services, {target});
        return fail(error);
    }
    outcome.restored = backup;
    return outcome;
}

Message RestoredMessage(const Backup& backup, const QString& timeText)
{
    return {QStringLiteral("Restored '%1' as it was at %2").arg(backup.originalPath, timeText),
            QStringLiteral("Restore Factory Driver"), MessageIcon::Information};
}

} // namespace kelmora
