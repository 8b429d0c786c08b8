#include "TemplateSelection.h"

#include "SettingsStore.h"
#include "mission/FileLookup.h"
#include "mission/MissionDataFile.h"
#include "mission/SavegameBlock.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace kelmora {
namespace {

// One character, then "FactMS.sav", in any case.
bool IsFactoryDriverFileName(const QString& name)
{
    return name.size() == FactoryDriverSuffix.size() + 1 && name.endsWith(FactoryDriverSuffix, Qt::CaseInsensitive);
}

// Removes every earlier factory driver file of the folder, then copies the template in their place.
QString ReplaceFactoryDriverFiles(const RunState& state)
{
    const QString templatePath = state.SavedataFolder + state.TemplateDriverFile;
    const QString factoryPath = state.SavedataFolder + state.FactoryDriverFile;

    const LookupResult earlier = LookUpFiles(state.SavedataFolder + u'?' + FactoryDriverSuffix);
    if (earlier.failed())
        return earlier.error;
    for (const QString& path : earlier.files) {
        QFile file(path);
        if (!file.remove())
            return file.errorString();
    }
    QFile source(templatePath);
    if (!source.copy(factoryPath))
        return source.errorString();
    // A template from a read-only medium would give a copy that no save could ever write.
    QFile copy(factoryPath);
    if (!copy.setPermissions(copy.permissions() | QFileDevice::WriteOwner))
        return copy.errorString();
    return {};
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

std::optional<Problem> MakeFactoryDriverFile(const RunState& state)
{
    const QString templatePath = state.SavedataFolder + state.TemplateDriverFile;
    const LookupResult lookup = LookUpFiles(templatePath);
    if (!lookup.failed() && !lookup.found())
        return Problem{Failure::TemplateNotFound, QDir::toNativeSeparators(templatePath), {}};
    const QString error = lookup.failed() ? lookup.error : ReplaceFactoryDriverFiles(state);
    if (!error.isEmpty())
        return Problem{Failure::MakeFactory, QDir::toNativeSeparators(templatePath), error};
    return std::nullopt;
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
    const QString folder = fileName.left(fileName.size() - choice.FileTitle.size());
    // Settings that did not reach the store would name another template at the next start than
    // the one whose bytes the program data file then holds: stop before any file changes.
    std::optional<Problem> stored = CreateSettingsKey(key);
    if (!stored)
        stored = WriteSettingValues(key, {{SavedataFolderValue, folder}, {TemplateDriverFileValue, choice.FileTitle}});
    if (stored) {
        outcome.problems << *stored;
        return outcome;
    }
    state.SavedataFolder = folder;
    state.TemplateDriverFile = choice.FileTitle;
    state.FactoryDriverFile = FactoryDriverFileFor(state.TemplateDriverFile);

    if (const auto made = MakeFactoryDriverFile(state))
        outcome.problems << *made;
    if (const auto read = ReadTemplateMissionData(state)) {
        outcome.problems << *read;
        if (read->failure == Failure::TemplateVanished) {
            outcome.result = SelectionOutcome::Result::ProgramEnded;
            return outcome;
        }
        // MissionStatus still holds the previous template's bytes, or none. Kept, they would be
        // written into this template's copy by every save; without a data file a save says so.
        DiscardMissionDataFile(services.dataFolder);
    } else if (const auto written = WriteMissionDataFile(state.MissionStatus, services.dataFolder)) {
        outcome.problems << *written;
    }

    outcome.result = SelectionOutcome::Result::Selected;
    outcome.templateText = TemplateDriverText(state.TemplateDriverFile);
    outcome.factoryText = FactoryDriverText(state.FactoryDriverFile);
    return outcome;
}

} // namespace kelmora
