#include "DataLocation.h"
#include "Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace kelmora {
namespace {

const QString DataFileName = QStringLiteral("kelmora.dat");

// An absolute, clean path with "/" separators; symbolic links resolved where the path exists, so
// that /usr/bin reached through a link still counts as /usr.
QString ComparablePath(const QString& path)
{
    const QFileInfo info(QDir::fromNativeSeparators(path));
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool IsInside(const QString& path, const QString& folder)
{
    if (path.compare(folder, PathCase()) == 0)
        return true;
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    return path.startsWith(prefix, PathCase());
}

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString UserFolder()
{
    // The local one: on Windows %LOCALAPPDATA%, which does not roam with the player to other machines.
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
}

} // namespace

DataLocation ChooseDataLocation(const DataLocationInputs& inputs)
{
    const QString programFolder = ComparablePath(inputs.programFolder);
    const QString shownProgramFolder = Native(inputs.programFolder);
    const DataLocation userData{Native(QDir::cleanPath(inputs.userDataFolder)), DataPlace::UserDataFolder, {}};

    for (const QString& systemFolder : inputs.systemFolders) {
        if (systemFolder.isEmpty())
            continue;
        const QString comparable = ComparablePath(systemFolder);
        if (IsInside(programFolder, comparable)) {
            DataLocation location = userData;
            location.reason = QCoreApplication::translate("kelmora::DataLocation",
                                                          "installed copy: the program's folder %1 is inside the "
                                                          "system folder %2")
                                  .arg(shownProgramFolder, Native(comparable));
            return location;
        }
    }

    const QString besideProgram = inputs.programFolder + QDir::separator() + DataFileName;
    // Someone else's kelmora.dat would put their template's bytes into this player's savegames.
    if (QFileInfo(besideProgram).isFile() && inputs.isWritable(besideProgram)) {
        return {inputs.programFolder, DataPlace::ProgramFolder,
                QCoreApplication::translate("kelmora::DataLocation",
                                            "portable copy: kelmora.dat is already beside the program")};
    }
    if (inputs.isWritable(inputs.programFolder)) {
        return {inputs.programFolder, DataPlace::ProgramFolder,
                QCoreApplication::translate("kelmora::DataLocation",
                                            "portable copy: the program's folder is writable and not a system folder")};
    }
    DataLocation location = userData;
    location.reason =
        QCoreApplication::translate("kelmora::DataLocation", "the program's folder %1 is not writable by this user")
            .arg(shownProgramFolder);
    return location;
}

QStringList SystemFolders()
{
    QStringList folders;
#ifdef KELMORA_INSTALL_PREFIX
    folders << QStringLiteral(KELMORA_INSTALL_PREFIX);
#endif
    folders << InstallFolders();
    folders.removeAll(QString());
    folders.removeDuplicates();
    return folders;
}

DataLocationInputs SystemDataLocationInputs()
{
    return {QDir::toNativeSeparators(QCoreApplication::applicationDirPath()), SystemFolders(), UserFolder(),
            IsWritableByUser};
}

void IgnoreRelativeXdgFolders()
{
    for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                                 "XDG_RUNTIME_DIR", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS"}) {
        const QString value = qEnvironmentVariable(variable);
        // The two lists may hold several folders: one relative among them makes the whole list suspect.
        const QStringList folders = value.split(u':', Qt::SkipEmptyParts);
        if (std::any_of(folders.begin(), folders.end(),
                        [](const QString& folder) { return QDir::isRelativePath(folder); }))
            qunsetenv(variable);
    }
}

} // namespace kelmora
