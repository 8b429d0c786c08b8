#pragma once

#include "MissionData.h"
#include "Services.h"

#include <QString>

namespace kelmora {

enum class TemplateReadResult
{
    Read,
    Failed, // reported to the player; MissionStatus keeps what it held
    ProgramEnded, // the template had vanished: the player was told and the program was ended
};

// Reads the template's mission block into MissionStatus, reporting any failure itself.
TemplateReadResult ReadTemplateMissionData(RunState& state, const Services& services);

// Writes the mission block into an existing savegame at `path`, touching no other byte and never
// creating or lengthening a file. Returns the system's description of a failure, or an empty text.
QString WriteMissionBlock(const QString& path, const MissionStatusTable& table);

// The mission block of the savegame at `path`, or the description of why it could not be read.
QString ReadMissionBlock(const QString& path, MissionStatusTable& table);

} // namespace kelmora
