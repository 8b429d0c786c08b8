#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

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

// Whether a settings store of `format` is made of files (not the registry).
bool SettingsInFiles(QSettings::Format format);

} // namespace kelmora
