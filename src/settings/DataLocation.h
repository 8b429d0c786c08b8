#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace kelmora {

// Where the program data file kelmora.dat lives.
enum class DataPlace
{
    ProgramFolder, // a portable copy: beside the program
    UserDataFolder, // an installed copy: the per-user data folder
};

struct DataLocation
{
    QString folder; // native separators, no trailing one except at a root
    DataPlace place = DataPlace::UserDataFolder;
    QString reason; // one line for the player: why this place
};

// What the choice looks at, so that it can be made about any folders, not only the real ones.
struct DataLocationInputs
{
    QString programFolder;
    // Folders a program is installed into and never writes to: the install prefix, /usr, /opt,
    // Program Files.
    QStringList systemFolders;
    // The per-user data folder; may not exist yet.
    QString userDataFolder;
    // Whether the running user may write to a file or folder.
    std::function<bool(const QString& path)> isWritable;
};

// Beside the program when the program's folder already holds a kelmora.dat this user may write, or
// when the folder is writable and not inside a system folder; the per-user data folder otherwise.
// Inside a system folder it is always the per-user folder, so that root running an installed copy
// never writes into the installation.
DataLocation ChooseDataLocation(const DataLocationInputs& inputs);

// The running program's inputs: its folder, the system folders of this platform and build, the
// per-user data folder of QStandardPaths (application and organization names must be set first),
// which also keeps the lock and the backups.
DataLocationInputs SystemDataLocationInputs();

// Folders of the XDG variables given as relative paths are invalid, as the XDG rule says: they would
// put the lock, the backups and the settings under whatever folder the program was started in, so
// that two runs took two locks. Forgets them; call before Qt reads them.
void IgnoreRelativeXdgFolders();

// The system folders of this platform and build.
QStringList SystemFolders();

} // namespace kelmora
