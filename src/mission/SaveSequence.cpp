#include "SaveSequence.h"

#include "MissionDataFile.h"
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
        unknown.reason = QStringLiteral("Could not read from data file '%1' [%2]")
                             .arg(QDir::toNativeSeparators(dataFilePath), error);
        return unknown;
    }
    return MatchMissionChoice(dataFileBlock, factoryBlock);
}

void WriteFactoryDriverFile(const RunState& state, const Services& services, SaveView& view, int index)
{
    const QString path = state.SavedataFolder + state.FactoryDriverFile;
    const QString error = WriteMissionBlock(path, state.MissionStatus);
    if (!error.isEmpty()) {
        services.messages.ShowMessage(QStringLiteral("Could not write to factory driver file '%1' [%2]")
                                          .arg(QDir::toNativeSeparators(path), error),
                                      QStringLiteral("Error! - Write failed"), MessageIcon::Exclamation);
        return;
    }
    view.SetSaveStatusText(SaveStatusText(index, services.clock.LongTimeText()));
}

void RunSaveSequence(RunState& state, const Services& services, SaveView& view)
{
    if (!view.SavePanelEnabled())
        return;
    const int index = view.SelectedMissionIndex();

    if (!ReadMissionDataFile(state, services)) {
        services.messages.ShowMessage(QStringLiteral("Could not read in program data file '%1' properly")
                                          .arg(QDir::toNativeSeparators(MissionDataFilePath(services.programFolder))),
                                      QStringLiteral("Error! - Save failed"), MessageIcon::Exclamation);
        return;
    }
    if (!ApplyMissionSelection(state.MissionStatus, index)) {
        services.messages.ShowMessage(QStringLiteral("Could not successfully manipulate mission selection data array"),
                                      QStringLiteral("Error! - Save failed"), MessageIcon::Exclamation);
        return;
    }
    WriteFactoryDriverFile(state, services, view, index);
}

} // namespace kelmora
