#pragma once

#include "SavegameFolders.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kelmora {

// How far a search goes, so that a huge folder or a deep one cannot make it slow.
struct SearchLimits
{
    int depth = 6; // folders below each folder a search starts in
    int entriesPerPlace = 20000; // files and folders looked at in one place
    int entries = 200000; // in all
    int savegames = 500; // listed, the newest
};

struct FoundSavegame
{
    QString path; // native separators
    QString place; // the name of the place it was found in: "Proton 2450 (Vantor)"
    QString folder; // its folder as the player knows it: "C:\users\steamuser\Documents\Vantor" in a prefix
    QDateTime modified;
    std::optional<int> reached; // the mission the game offers it next; none when it could not be read or
                                // has progress in every mission
    QString progress; // "has reached mission 17", or why that cannot be told
};

struct SavegameSearch
{
    QList<FoundSavegame> savegames; // newest first
    QStringList searched; // the names of the places looked in, in order
    QStringList cutShort; // those where a limit stopped the search before it had seen everything
    QStringList unreadable; // folders the player may not look in, native separators: what they hold is not listed
    qsizetype notListed = 0; // driver savegames found beyond SearchLimits::savegames, the oldest
    // "*.sav" files whose names are not text in the system's encoding, native separators, named as
    // nearly as they can be shown: not listed, as no path can name them
    QStringList undecodable;
};

// The driver savegames in `places`: "*.sav" files (in any case) large enough to hold the mission
// block and not named like a factory driver file. In a Windows drive only the folders Windows keeps
// savegames in are searched: each user's Documents, Saved Games and AppData, Program Files and the
// like. Hidden files and folders are passed by, and links are never followed: a prefix links the
// player's home, and its drive Z the whole system.
SavegameSearch FindSavegames(const QList<SavegamePlace>& places, const SearchLimits& limits = {});

} // namespace kelmora
