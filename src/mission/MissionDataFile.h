#pragma once

#include "MissionData.h"

#include <QByteArray>
#include <QString>

namespace kelmora {

// The program data file keeps the template's own mission block, so that every save starts from the
// template rather than from whatever the factory driver file holds after the last game.
// Format: 34 records of 5 bytes, record i being MissionStatus[i]; no header.
inline constexpr qint64 MissionDataFileSize = qint64(MISSION_COUNT) * MissionRecordSize;

// The file in `dataFolder`; the separator is always added, so at a root it is doubled.
QString MissionDataFilePath(const QString& dataFolder);

QByteArray MissionRecordsOf(const MissionStatusTable& table);
// The table that `records` hold, or why they hold none.
QString ParseMissionRecords(const QByteArray& records, MissionStatusTable& table);

} // namespace kelmora
