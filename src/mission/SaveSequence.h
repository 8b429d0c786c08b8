#pragma once

#include "MissionData.h"
#include "Outcome.h"
#include "Services.h"

#include <QList>
#include <QString>

namespace kelmora {

// The selection rule: the chosen mission and every later one get zero bytes, so the game offers
// the chosen mission next. Choosing the last mission changes nothing. False for an index outside
// the catalogue, which leaves the table alone.
bool ApplyMissionSelection(MissionStatusTable& table, int index);

// What a factory driver file's mission block says about the last save made into it.
struct MissionChoice
{
    enum class Kind
    {
        Unknown, // a file could not be read; `reason` says why
        Set, // `indexes` holds every mission whose save gives exactly the file's block, lowest first
        PlayedOn, // no save gives these bytes: the game or someone else changed them since
    };
    Kind kind = Kind::Unknown;
    QList<int> indexes;
    QString reason;
};

// Compares the factory driver file's block with what a save of each mission would make of the
// template's block kept in the program data file.
MissionChoice MatchMissionChoice(const MissionStatusTable& dataFileBlock, const MissionStatusTable& factoryBlock);
MissionChoice FindMissionChoice(const QString& factoryPath, const QString& dataFilePath);

// What a save did.
struct SaveOutcome
{
    bool attempted = false; // false when the save panel was disabled: nothing was read or written
    Problems problems; // in the order the player is to see them
    QString statusText; // the new save status text, once the file has been written

    bool saved() const { return attempted && problems.isEmpty(); }
};

// Writes MissionStatus into the factory driver file, which must not be the template.
std::optional<Problem> WriteFactoryDriverFile(const RunState& state, const Services& services);

// False for stored settings that cannot be right: no template name, or a folder that is not absolute.
bool UsableSettings(const RunState& state);

// The whole save behind the "Save Factory Driver" panel: the template's bytes from the program data
// file, the selection rule for mission `index`, then the factory driver file. Holds the per-user
// lock throughout, so that two saves never mix their bytes.
SaveOutcome RunSaveSequence(RunState& state, const Services& services, bool panelEnabled, int index);

} // namespace kelmora
