#pragma once

#include "MissionData.h"

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
        AsTemplate, // the template's exact bytes: a fresh copy, or a save the template gave every byte of
    };
    Kind kind = Kind::Unknown;
    QList<int> indexes;
    QString reason;
    bool anotherDriver = false; // unknown as the file may be another driver's savegame, which no save writes
};

// Compares a factory driver file's block with what a save of each mission would make of the
// template's block.
MissionChoice MatchMissionChoice(const MissionStatusTable& templateBlock, const MissionStatusTable& factoryBlock);

// The one wording of a choice, for the window, the restore list and kelmora-cli: "Mission 12",
// "played on since a save", "as the template" or "unknown". In the player's language,
// or in English for what scripts read (kelmora-cli's backups list).
enum class Wording
{
    PlayersLanguage,
    English,
};
QString MissionChoiceText(const MissionChoice& choice, Wording wording = Wording::PlayersLanguage);

// The save status after a save of mission `index` at `timeText`.
QString SaveStatusText(int index, const QString& timeText);

} // namespace kelmora
