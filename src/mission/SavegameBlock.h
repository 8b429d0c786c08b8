#pragma once

#include "MissionData.h"
#include "Outcome.h"

#include <QString>

namespace kelmora {

// Reads the template's mission block into MissionStatus. A template that has vanished gives
// Failure::TemplateVanished, after which the program ends; on any failure MissionStatus keeps what
// it held.
std::optional<Problem> ReadTemplateMissionData(RunState& state);

// Writes the mission block into an existing savegame at `path`, touching no other byte and never
// creating or lengthening a file. Returns the system's description of a failure, or an empty text.
QString WriteMissionBlock(const QString& path, const MissionStatusTable& table);

// The mission block of the savegame at `path`, or the description of why it could not be read.
QString ReadMissionBlock(const QString& path, MissionStatusTable& table);

} // namespace kelmora
