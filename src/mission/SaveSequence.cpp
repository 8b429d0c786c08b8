#include "SaveSequence.h"

#include "Backups.h"
#include "MissionDataFile.h"
#include "SafeFile.h"
#include "SavegameBlock.h"

#include <QDir>

namespace kelmora {
namespace {

QString SaveStatusText(int index, const QString& timeText)
{
    return QStringLiteral("Saved [Mission #%1] @ %2").arg(index + 1).arg(timeText);
}

} // namespace

bool ApplyMissionSelection(MissionStatusTable& table, int index)
{
    if (index < 0 || index >= MISSION_COUNT)
        return false;
    if (index == MISSION_COUNT - 1)
        return true;
    for (int mission = index; mission < MISSION_COUNT; ++mission)
        table[mission].fill(0);
    return true;
}

MissionChoice MatchMissionChoice(const MissionStatusTable& dataFileBlock, const MissionStatusTable& factoryBlock)
{
    MissionChoice choice;
    for (int index = 0; index < MISSION_COUNT; ++index) {
        MissionStatusTable saved = dataFileBlock;
        ApplyMissionSelection(saved, index);
        if (saved == factoryBlock)
            choice.indexes << index;
    }
    choice.kind = choice.indexes.isEmpty() ? MissionChoice::Kind::PlayedOn : MissionChoice::Kind::Set;
    return choice;
}

MissionChoice FindMissionChoice(const QString& factoryPath, const QString& dataFilePath)
{
    MissionChoice unknown;
    MissionStatusTable factoryBlock{};
    QString error = ReadMissionBlock(factoryPath, factoryBlock);
    if (!error.isEmpty()) {
        unknown.reason = QStringLiteral("Could not read factory driver file '%1' [%2]")
                             .arg(QDir::toNativeSeparators(factoryPath), error);
        return unknown;
    }
    MissionStatusTable dataFileBlock{};
    error = ReadMissionRecords(dataFilePath, dataFileBlock);
    if (!error.isEmpty()) {
        unknown.reason = MessageFor({Failure::DataFileRead, QDir::toNativeSeparators(dataFilePath), error}).text;
        return unknown;
    }
    return MatchMissionChoice(dataFileBlock, factoryBlock);
}

std::optional<Problem> WriteFactoryDriverFile(const RunState& state, const Services& services)
{
    const QString path = state.SavedataFolder + state.FactoryDriverFile;
    const QString templatePath = state.SavedataFolder + state.TemplateDriverFile;
    QString error;
    std::optional<Problem> backupProblem;
    // The player's progress in the file is kept before it is overwritten: no backup, no change.
    const BeforeOverwrite keepFirst = [&](const QByteArray& current, bool inPlace) {
        backupProblem =
            BackUpBeforeChange(services, path, current, inPlace ? KeepMode::Copy : KeepMode::TakeOver, templatePath);
        return backupProblem ? backupProblem->reason : QString();
    };
    // Through a link, a hard link or a crafted name the factory driver file may be the template.
    if (IsSameFile(path, templatePath))
        error = QStringLiteral("It is the template driver file, which is never written");
    else
        error = WriteMissionBlock(path, state.MissionStatus, keepFirst, services.interruption);
    if (backupProblem)
        return backupProblem;
    if (!error.isEmpty()) {
        // The file stays, and the game may go on writing into it.
        ReleaseBackups(services, {path});
        return Problem{Failure::FactoryWrite, QDir::toNativeSeparators(path), error};
    }
    return std::nullopt;
}

// Settings that cannot be right: saving with them would write a file named by nothing, or one
// relative to wherever the program was started.
bool UsableSettings(const RunState& state)
{
    return !state.TemplateDriverFile.isEmpty() && !state.FactoryDriverFile.isEmpty() &&
           QDir::isAbsolutePath(state.SavedataFolder) && !state.TemplateDriverFile.contains(u'/') &&
           !state.TemplateDriverFile.contains(QDir::separator());
}

SaveOutcome RunSaveSequence(RunState& state, const Services& services, bool panelEnabled, int index)
{
    SaveOutcome outcome;
    if (!panelEnabled)
        return outcome;
    outcome.attempted = true;
    if (!UsableSettings(state)) {
        outcome.problems << Problem{
            Failure::NoTemplate, QDir::toNativeSeparators(state.SavedataFolder + state.TemplateDriverFile), {}};
        return outcome;
    }
    FlowLock lock(services.userFolder);
    if (const auto problem = lock.Acquire()) {
        outcome.problems << *problem;
        return outcome;
    }
    if (services.loadStoredSettings) {
        RunState stored;
        services.loadStoredSettings(stored);
        if (stored.SavedataFolder != state.SavedataFolder || stored.TemplateDriverFile != state.TemplateDriverFile) {
            outcome.problems << Problem{Failure::TemplateChanged,
                                        QDir::toNativeSeparators(stored.SavedataFolder + stored.TemplateDriverFile),
                                        {}};
            return outcome;
        }
    }
    if (const auto problem = ReadMissionDataFile(state.MissionStatus, services.dataFolder)) {
        outcome.problems << *problem << Problem{Failure::SaveDataFileUnreadable, problem->path, {}};
        return outcome;
    }
    if (!ApplyMissionSelection(state.MissionStatus, index)) {
        outcome.problems << Problem{Failure::SelectionRule, {}, {}};
        return outcome;
    }
    if (const auto problem = WriteFactoryDriverFile(state, services)) {
        outcome.problems << *problem;
        return outcome;
    }
    outcome.statusText = SaveStatusText(index, services.clock.LongTimeText());
    return outcome;
}

} // namespace kelmora
