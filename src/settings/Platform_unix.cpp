#include "Platform.h"
#include "SavegameFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace kelmora {

QStringList InstallFolders()
{
    return {QStringLiteral("/usr"), QStringLiteral("/opt")};
}

Qt::CaseSensitivity PathCase()
{
    return Qt::CaseSensitive;
}

bool IsWritableByUser(const QString& path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

bool MayListFolder(const QString& path)
{
    return ::access(QFile::encodeName(path).constData(), R_OK | X_OK) == 0;
}

bool SettingsInFiles(QSettings::Format)
{
    return true;
}

std::optional<SettingsFolders> DefaultSettingsFolders(QSettings::Format format)
{
    // As QSettings works them out on a system with XDG folders, without the QSettings, which reads
    // its files as soon as it is made: the user's config folder, then the other config folders.
    if (format != QSettings::NativeFormat && format != QSettings::IniFormat)
        return std::nullopt;
    SettingsFolders folders;
    folders.user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/';
    QStringList all = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    if (!all.isEmpty())
        all.removeFirst();
    for (const QString& folder : std::as_const(all))
        folders.system << folder + u'/';
    folders.suffix = format == QSettings::NativeFormat ? QStringLiteral(".conf") : QStringLiteral(".ini");
    return folders;
}

PlaceInputs SystemPlaceInputs()
{
    PlaceInputs inputs;
    inputs.homeFolder = QDir::homePath();
    // Qt finds the Documents folder in the user's user-dirs.dirs, which it opens as it is: a FIFO
    // there, or a link to one, would keep it waiting for a writer for ever. A link to a file, as
    // tools that keep a user's settings make, is read. Without that file Qt takes ~/Documents, as
    // it would here.
    const QFileInfo userDirs(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                             QStringLiteral("/user-dirs.dirs"));
    inputs.documentsFolder = !userDirs.exists() || userDirs.isFile()
                                 ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                 : inputs.homeFolder + QStringLiteral("/Documents");
    inputs.winePrefix = qEnvironmentVariable("WINEPREFIX");
    // Without a Documents folder of its own the home folder is given: far too much to search.
    if (QDir::cleanPath(inputs.documentsFolder) == QDir::cleanPath(inputs.homeFolder))
        inputs.documentsFolder.clear();
    return inputs;
}

} // namespace kelmora
