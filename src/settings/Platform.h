#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

#include <optional>

namespace kelmora {

// What the settings and the program's places differ in between systems: Platform_unix.cpp and
// Platform_win.cpp. SystemPlaceInputs() of SavegameFolders.h lives there too.

// Folders a program is installed into and never writes to: /usr and /opt, or Program Files.
QStringList InstallFolders();

// How this system compares paths.
Qt::CaseSensitivity PathCase();

// Whether the running user may write to a file or folder: root anywhere that is not mounted
// read-only; on Windows as the folder's access rights say.
bool IsWritableByUser(const QString& path);

// Whether the running user may list the folder at `path`: a listing that is refused looks empty.
bool MayListFolder(const QString& path);

// Whether a settings store of `format` is made of files (not the registry).
bool SettingsInFiles(QSettings::Format format);

// Where a store of `format` keeps its files while QSettings::setPath has moved none: the user's folder,
// the system's folders in the order they are read, each ending with a separator, and the files'
// suffix. Nothing where only a QSettings made to ask could tell.
struct SettingsFolders
{
    QString user;
    QStringList system;
    QString suffix;
};
std::optional<SettingsFolders> DefaultSettingsFolders(QSettings::Format format);

} // namespace kelmora
