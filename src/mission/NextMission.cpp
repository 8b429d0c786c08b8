#include "NextMission.h"

#include "MissionSelection.h"

#include <QCoreApplication>

#include <algorithm>

namespace kelmora {
namespace {

struct NextMission
{
    Q_DECLARE_TR_FUNCTIONS(kelmora::NextMission)
};

} // namespace

std::optional<int> MissionOfferedNext(const MissionStatusTable& table)
{
    const auto isZero = [](const MissionStatusRecord& record) {
        return std::all_of(record.begin(), record.end(), [](quint8 byte) { return byte == 0; });
    };
    const auto first = std::find_if(table.begin(), table.end(), isZero);
    if (first == table.end())
        return std::nullopt;
    return int(first - table.begin());
}

std::optional<int> MissionOfferedAfterSave(const MissionStatusTable& templateBlock, int index)
{
    MissionStatusTable saved = templateBlock;
    if (!ApplyMissionSelection(saved, index))
        return std::nullopt;
    return MissionOfferedNext(saved);
}

bool SaveFallsShort(const MissionStatusTable& templateBlock, int index)
{
    return index >= 0 && index < MISSION_COUNT && MissionOfferedAfterSave(templateBlock, index) != index;
}

QString SaveEffectText(const MissionStatusTable& templateBlock, int index, SaveTense tense)
{
    if (index < 0 || index >= MISSION_COUNT)
        return {};
    const bool made = tense == SaveTense::Made;
    const std::optional<int> offered = MissionOfferedAfterSave(templateBlock, index);
    if (!offered)
        return made ? NextMission::tr("The template has progress in every mission: the game will offer no mission next")
                    : NextMission::tr("The template has progress in every mission: once saved, the game will offer "
                                      "no mission next");
    if (*offered == index)
        return (made ? NextMission::tr("The game will offer mission %1 next")
                     : NextMission::tr("Once saved, the game will offer mission %1 next"))
            .arg(index + 1);
    return (made ? NextMission::tr("The template has not reached mission %1: the game will offer mission %2 next")
                 : NextMission::tr("The template has not reached mission %1: once saved, the game will offer "
                                   "mission %2 next"))
        .arg(index + 1)
        .arg(*offered + 1);
}

QString ProgressText(const MissionStatusTable& block)
{
    const std::optional<int> next = MissionOfferedNext(block);
    return next ? NextMission::tr("has reached mission %1").arg(*next + 1)
                : NextMission::tr("has progress in every mission");
}

} // namespace kelmora
