#pragma once

#include <QString>

namespace kelmora {

// The factory driver mode's missions, in the order the game unlocks them. Row i is shown to the
// player as mission number i + 1; the same index selects the mission's progress bytes in a savegame.
inline constexpr int MISSION_COUNT = 34;

struct MissionDetails
{
    QString Car;
    QString Location;
    QString Mission;
    QString GoalTime; // shown exactly as stored, never parsed
};

// Both take a row from 0 to MISSION_COUNT - 1; anything else is a programming error. Their texts are in
// the player's language, a goal time with its decimal separator.
QString ListText(int index);
MissionDetails Details(int index);
// The goal time as the game writes it in every language ("00:27.00"), for lists that scripts read; a goal
// that is no time in the player's language.
QString PlainGoalTime(int index);

} // namespace kelmora
