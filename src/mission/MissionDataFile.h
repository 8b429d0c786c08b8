#pragma once

#include "MissionData.h"
#include "Outcome.h"

#include <QString>

namespace kelmora {

// The program data file keeps the template's own mission block, so that every save starts from the
// template rather than from whatever the factory driver file holds after the last game.
// Format: 34 records of 5 bytes, record i being MissionStatus[i]; no header.
inline constexpr qint64 MissionDataFileSize = qint64(MISSION_COUNT) * MissionRecordSize;

QString MissionDataFilePath(const QString& dataFolder);

// The file's 34 records, or the system's description of why they could not be read.
QString ReadMissionRecords(const QString& path, MissionStatusTable& table);

std::optional<Problem> WriteMissionDataFile(const MissionStatusTable& table, const QString& dataFolder);
// On failure the table keeps what it held.
std::optional<Problem> ReadMissionDataFile(MissionStatusTable& table, const QString& dataFolder);

// Removes the file, so that no save can use bytes that do not belong to the current template.
std::optional<Problem> DiscardMissionDataFile(const QString& dataFolder);

} // namespace kelmora
