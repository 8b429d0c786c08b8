#pragma once

#include "MissionData.h"

#include <QString>

#include <optional>

namespace kelmora {

// The game offers as the next mission to play the first one whose five progress bytes are all
// zero; every mission before it counts as reached. Nothing when no record is all zero.
std::optional<int> MissionOfferedNext(const MissionStatusTable& table);

// What a save of mission `index` (0 to 33) gives the game, starting from the template's block as
// the program data file keeps it: the selection rule, then the first all-zero record. That is
// `index` itself unless the template has not reached it; nothing only when the last mission is
// chosen (which clears no record) and the template has progress in every mission. Nothing for an
// index outside the catalogue.
std::optional<int> MissionOfferedAfterSave(const MissionStatusTable& templateBlock, int index);

// Whether a line tells of a save that has been made or of one that may be.
enum class SaveTense
{
    Made,
    Ahead
};

// The same as one line for the player: "The game will offer mission 12 next", or, when the
// template has not reached the chosen mission, "The template has not reached mission 20: the game
// will offer mission 6 next". Of a save ahead: "Once saved, the game will offer mission 12 next".
// Empty for an index outside the catalogue.
QString SaveEffectText(const MissionStatusTable& templateBlock, int index, SaveTense tense = SaveTense::Made);

// Whether a save of mission `index` gives the game another mission next than that one: an earlier
// one, where the template has not reached it, or none, where the last mission is chosen and the
// template has progress in every mission. The case the window and kelmora-cli warn of.
bool SaveFallsShort(const MissionStatusTable& templateBlock, int index);

// A driver's progress as the player counts it: "has reached mission 17", the mission the game
// offers it next, or "has progress in every mission".
QString ProgressText(const MissionStatusTable& block);

} // namespace kelmora
