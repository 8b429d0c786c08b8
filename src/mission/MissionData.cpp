#include "MissionData.h"

#include <cstring>

namespace kelmora {

MissionStatusTable MissionBlockIn(const QByteArray& savegame)
{
    Q_ASSERT(savegame.size() >= MinimumSavegameSize);
    MissionStatusTable table{};
    for (int mission = 0; mission < MISSION_COUNT; ++mission)
        std::memcpy(table[mission].data(), savegame.constData() + MissionByteOffset(mission, 0), MissionRecordSize);
    return table;
}

void PutBlock(QByteArray& savegame, const MissionStatusTable& table)
{
    Q_ASSERT(savegame.size() >= MinimumSavegameSize);
    char* const bytes = savegame.data();
    for (int mission = 0; mission < MISSION_COUNT; ++mission)
        std::memcpy(bytes + MissionByteOffset(mission, 0), table[mission].data(), MissionRecordSize);
}

} // namespace kelmora
