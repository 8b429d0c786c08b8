#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kelmora {

// The library folders a Steam libraryfolders.vdf lists: every "path" of a library block, and the
// bare numbered entries of the older layout. Text that is not such a file gives what could be read
// before it went wrong.
QStringList SteamLibraryPaths(const QByteArray& vdfText);

// On Linux a player's savegames live inside Windows prefixes: Wine's own and one per game that
// Proton runs. Gives the drive C folders of those that exist under `homeFolder`, Wine's first, then
// each Steam library's prefixes.
QStringList WindowsPrefixDriveFolders(const QString& homeFolder);

} // namespace kelmora
