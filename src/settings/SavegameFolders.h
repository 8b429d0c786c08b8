#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kelmora {

// The library folders a Steam libraryfolders.vdf lists: every "path" of a library block, and the
// bare numbered entries of the older layout. Text that is not such a file gives what could be read
// before it went wrong.
QStringList SteamLibraryPaths(const QByteArray& vdfText);

// What a Steam appmanifest_<id>.acf says of a game: its name and its folder under steamapps/common.
struct SteamApp
{
    QString name;
    QString installDir;
};
SteamApp SteamAppOf(const QByteArray& acfText);

// A folder where a player's savegames may be, named the way the player knows it.
struct SavegamePlace
{
    enum class Kind
    {
        WindowsDrive, // a Wine or Proton prefix's drive C: only the places Windows keeps savegames in
        Folder, // the whole folder
    };
    QString name; // "Wine", "Proton 2450 (Vantor)", "Lutris: vantor", "Documents"
    QString folder;
    Kind kind = Kind::Folder;

    friend bool operator==(const SavegamePlace&, const SavegamePlace&) = default;
};

// Where the places are looked for, so that any home folder can stand in for the real one.
struct PlaceInputs
{
    QString homeFolder;
    QString winePrefix; // $WINEPREFIX; empty when unset
    QString documentsFolder; // the player's own Documents folder; empty when there is none
    QList<SavegamePlace> systemFolders; // Windows: Saved Games, Program Files and the like
};

// On Linux a player's savegames live inside Windows prefixes: Wine's own (~/.wine and
// $WINEPREFIX), one per game that Proton runs in every library of the native and the Flatpak
// Steam, and those of Lutris, Heroic and Bottles. Gives the drive C of each that exists, once, in
// that order, each with a name of its own.
QList<SavegamePlace> WindowsPrefixes(const PlaceInputs& inputs);

// Every place the savegame search looks in: the Documents folder, the prefixes, the folders of the
// games Proton runs, and the system's own folders.
QList<SavegamePlace> SavegamePlaces(const PlaceInputs& inputs);

// A place's name as the player reads it: the Documents folder's in the player's language, the others
// (a prefix's, a game's) as they are. What scripts read keeps the names SavegamePlaces gives.
QString ShownPlaceName(const QString& name);
QStringList ShownPlaceNames(const QStringList& names);

// This system's inputs: the home folder, $WINEPREFIX, the Documents folder and, on Windows, the
// folders Windows keeps savegames in.
PlaceInputs SystemPlaceInputs();

} // namespace kelmora
