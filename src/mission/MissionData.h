#pragma once

#include "MissionCatalogue.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>

namespace kelmora {

// The five progress bytes the game keeps for one mission. Kelmora gives them no meaning: it only
// copies them from the template or sets them to zero.
inline constexpr int MissionRecordSize = 5;
using MissionStatusRecord = std::array<quint8, MissionRecordSize>;
using MissionStatusTable = std::array<MissionStatusRecord, MISSION_COUNT>;
// The program data file stores the table as it lies in memory.
static_assert(sizeof(MissionStatusTable) == MISSION_COUNT * MissionRecordSize);

// Where a driver savegame keeps those bytes: mission i's byte j sits at
// MissionBlockOffset + MissionBlockStride * i + j, so the block spans offsets 245 to 8169.
inline constexpr qint64 MissionBlockOffset = 245;
inline constexpr qint64 MissionBlockStride = 240;
inline constexpr qint64 MissionBlockEnd =
    MissionBlockOffset + MissionBlockStride * (MISSION_COUNT - 1) + MissionRecordSize;
// Anything shorter cannot be a driver savegame: its block would be cut off.
inline constexpr qint64 MinimumSavegameSize = MissionBlockEnd;
// Far beyond any driver savegame; a larger file is refused rather than read into memory.
inline constexpr qint64 MaximumSavegameSize = 64 * 1024 * 1024;

constexpr qint64 MissionByteOffset(int mission, int byte)
{
    return MissionBlockOffset + MissionBlockStride * mission + byte;
}

// The mission block of a savegame at least MinimumSavegameSize bytes long, and the savegame with
// its block replaced.
MissionStatusTable MissionBlockIn(const QByteArray& savegame);
void PutBlock(QByteArray& savegame, const MissionStatusTable& table);

// Everything one run of the program knows, created empty at start and handed by reference to the
// procedures that read or change it.
struct RunState
{
    bool SettingsValid = false;
    QString SavedataFolder; // native separators, ends with one, so folder + name is a full path
    QString TemplateDriverFile; // bare file names
    QString FactoryDriverFile;
    MissionStatusTable MissionStatus{};
};

} // namespace kelmora
