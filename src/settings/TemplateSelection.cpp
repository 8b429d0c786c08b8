#include "TemplateSelection.h"

#include "DataLocation.h"
#include "SettingsStore.h"
#include "mission/Backups.h"
#include "mission/FileLookup.h"
#include "mission/MissionDataFile.h"
#include "mission/SafeFile.h"
#include "mission/SavegameBlock.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace kelmora {
namespace {

// A path the file system cannot store would be written under a look-alike name.
bool Representable(const QString& path)
{
#ifdef Q_OS_WIN
    return !path.contains(QChar(u'\0'));
#else
    return !path.contains(QChar(u'\0')) && QFile::decodeName(QFile::encodeName(path)) == path;
#endif
}

// Every file the choice would delete or replace: the earlier factory driver files of the folder
// (regular files only; links and folders are never removed) and the new factory driver file.
struct Replaced
{
    QStringList earlier;
    QString error;
};

Replaced FilesToReplace(const RunState& state)
{
    Replaced replaced;
    const LookupResult earlier = LookUpFiles(state.SavedataFolder + u'?' + FactoryDriverSuffix);
    replaced.error = earlier.error;
    for (const QString& path : earlier.files) {
        if (EntryAt(path) == EntryKind::RegularFile)
            replaced.earlier << path;
    }
    return replaced;
}

// Why the template must not be used: it is, or leads to, a file that the choice would delete or
// replace, or the program data file.
std::optional<Problem> TemplateInTheWay(const RunState& state, const QString& dataFolder)
{
    const QString templatePath = state.SavedataFolder + state.TemplateDriverFile;
    const Replaced replaced = FilesToReplace(state);
    QStringList doomed = replaced.earlier;
    doomed << state.SavedataFolder + state.FactoryDriverFile;
    for (const QString& path : doomed) {
        if (IsSameFile(templatePath, path))
            return Problem{Failure::FactoryTemplateRefused, {}, {}};
    }
    if (IsSameFile(templatePath, MissionDataFilePath(dataFolder))) {
        return Problem{Failure::MakeFactory, QDir::toNativeSeparators(templatePath),
                       QStringLiteral("The chosen file is the program data file")};
    }
    return std::nullopt;
}

// Removes the earlier factory driver files of the folder and puts a copy of the template's bytes in
// their place. Returns the system's description of a failure, or an empty text.
QString ReplaceFactoryDriverFiles(const RunState& state, const Replaced& replaced, const QByteArray& templateBytes)
{
    const QString factoryPath = state.SavedataFolder + state.FactoryDriverFile;
    if (!replaced.error.isEmpty())
        return replaced.error;
    for (const QString& path : replaced.earlier) {
        // The new copy replaces a file of its own name in one step.
        if (QDir::toNativeSeparators(path).compare(QDir::toNativeSeparators(factoryPath), Qt::CaseSensitive) == 0) {
            continue;
        }
        QFile file(path);
        if (!file.remove())
            return file.errorString();
    }
    return ReplaceFile(factoryPath, templateBytes, true);
}

// After a failed copy, an earlier copy of the same name (another template's, already backed up) must
// not stay: every save would write the new template's progress into another driver's savegame.
bool RemoveEarlierCopyOfTheSameName(const RunState& state, const Replaced& replaced)
{
    const QString factoryPath = QDir::toNativeSeparators(state.SavedataFolder + state.FactoryDriverFile);
    for (const QString& path : replaced.earlier) {
        if (QDir::toNativeSeparators(path).compare(factoryPath, Qt::CaseSensitive) == 0)
            return QFile::remove(path);
    }
    return true;
}

// Only the files in `replaced` are removed: those that were backed up. One that turned up since stays.
// `foreignCopyLeft` tells that another template's copy may still stand under the factory driver
// file's name.
std::optional<Problem> MakeFactoryDriverFile(const RunState& state, const Replaced& replaced, QByteArray& templateBytes,
                                             bool& foreignCopyLeft)
{
    const QString templatePath = state.SavedataFolder + state.TemplateDriverFile;
    const LookupResult lookup = LookUpFiles(templatePath);
    std::optional<Problem> problem;
    if (!lookup.failed() && !lookup.found()) {
        problem = Problem{Failure::TemplateNotFound, QDir::toNativeSeparators(templatePath), {}};
    } else {
        QString error = lookup.error;
        if (error.isEmpty())
            error = ReadRegularFile(templatePath, templateBytes, MaximumSavegameSize);
        if (error.isEmpty())
            error = ReplaceFactoryDriverFiles(state, replaced, templateBytes);
        if (!error.isEmpty())
            problem = Problem{Failure::MakeFactory, QDir::toNativeSeparators(templatePath), error};
    }
    // Whatever stopped the copy, the other template's copy of the same name must not stay under the
    // new settings; it is backed up already.
    if (problem)
        foreignCopyLeft = !RemoveEarlierCopyOfTheSameName(state, replaced);
    return problem;
}

} // namespace

QString TemplateDriverText(const QString& templateDriverFile)
{
    return templateDriverFile + QStringLiteral("  [Never gets modified!]");
}

QString FactoryDriverText(const QString& factoryDriverFile)
{
    return factoryDriverFile + QStringLiteral("  [Select mission for this driver]");
}

QString InitialDialogFolder(const RunState& state)
{
    if (state.SavedataFolder.isEmpty())
        return {};
    // Only whether the folder holds a file at all: the first one found answers that.
    QDirIterator files(state.SavedataFolder, QDir::Files);
    return files.hasNext() ? state.SavedataFolder : QString();
}

SelectionOutcome SelectNewTemplateDriver(RunState& state, const Services& services, const ChosenFile& choice,
                                         const SettingsKey& key)
{
    SelectionOutcome outcome;
    // Refuse the current factory driver file, and any file named like one: its own name would be
    // the new factory driver file's, and making that file would first delete the template.
    if (choice.FileTitle.compare(state.FactoryDriverFile, Qt::CaseInsensitive) == 0 ||
        IsFactoryDriverFileName(choice.FileTitle)) {
        outcome.problems << Problem{Failure::FactoryTemplateRefused, {}, {}};
        return outcome;
    }
    const QString fileName = QDir::toNativeSeparators(choice.FileName);
    if (!Representable(fileName)) {
        outcome.problems << Problem{Failure::UnusablePath, fileName,
                                    QStringLiteral("The name holds characters that the file system cannot store")};
        return outcome;
    }

    RunState chosen = state;
    chosen.SavedataFolder = fileName.left(fileName.size() - choice.FileTitle.size());
    chosen.TemplateDriverFile = choice.FileTitle;
    chosen.FactoryDriverFile = FactoryDriverFileFor(chosen.TemplateDriverFile);
    FlowLock lock(services.userFolder);
    std::optional<Problem> problem = lock.Acquire();
    const Replaced replaced = problem ? Replaced{} : FilesToReplace(chosen);
    if (!problem)
        problem = TemplateInTheWay(chosen, services.dataFolder);
    // Every file the choice removes or replaces is kept first, before anything changes: no backup,
    // no change.
    // Whose copy each file is, the stored choice tells: another window or kelmora-cli may have made
    // it since this one read the settings.
    RunState stored = state;
    if (!problem && services.loadStoredSettings)
        services.loadStoredSettings(stored);
    if (!problem)
        problem = BackUpFilesBeforeChange(services, replaced.earlier, stored);
    // A choice that could not keep the template's bytes is no choice: the data folder comes first.
    if (!problem) {
        const QString folderError = CreateDataFolder({services.dataFolder, DataPlace::ProgramFolder, {}});
        if (!folderError.isEmpty())
            problem = Problem{Failure::DataFolderCreate, QDir::toNativeSeparators(services.dataFolder), folderError};
    }
    // Settings that cannot be stored would name another template at the next start than the one
    // whose bytes the program data file then holds: stop before any file changes.
    if (!problem)
        problem = CreateSettingsKey(key);
    if (!problem)
        problem = CheckSettingsWritable(key);
    // The old template's bytes go first: whatever stops the choice from here on, no save can write
    // them into the new template's copy.
    if (!problem)
        problem = DiscardMissionDataFile(services.dataFolder);
    if (!problem)
        problem = WriteSettingValues(
            key, {{SavedataFolderValue, chosen.SavedataFolder}, {TemplateDriverFileValue, chosen.TemplateDriverFile}});
    // The files kept so far stay where they are, and the game may go on writing into them.
    if (problem) {
        ReleaseBackups(services, replaced.earlier);
        outcome.problems << *problem;
        return outcome;
    }
    state = chosen;

    QByteArray templateBytes;
    bool foreignCopyLeft = false;
    if (const auto made = MakeFactoryDriverFile(state, replaced, templateBytes, foreignCopyLeft)) {
        ReleaseBackups(services, replaced.earlier);
        outcome.problems << *made;
    }
    // The block comes from the very bytes that were copied, when they could be read whole.
    std::optional<Problem> read;
    if (templateBytes.size() >= MinimumSavegameSize)
        state.MissionStatus = MissionBlockIn(templateBytes);
    else
        read = ReadTemplateMissionData(state);
    if (read) {
        outcome.problems << *read;
        if (read->failure == Failure::TemplateVanished) {
            outcome.result = SelectionOutcome::Result::ProgramEnded;
            return outcome;
        }
    } else if (foreignCopyLeft) {
        // Then no program data file: a save says so rather than write this template's progress
        // into another driver's savegame.
    } else if (const auto written = WriteMissionDataFile(state.MissionStatus, services.dataFolder)) {
        outcome.problems << *written;
    }

    outcome.result = SelectionOutcome::Result::Selected;
    outcome.templateText = TemplateDriverText(state.TemplateDriverFile);
    outcome.factoryText = FactoryDriverText(state.FactoryDriverFile);
    return outcome;
}

} // namespace kelmora
