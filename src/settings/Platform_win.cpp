#include "Platform.h"
#include "SavegameFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// Qt 6.4 looks at a file's access rights on NTFS only while this counts above zero; otherwise a
// folder is writable unless it has the read-only attribute, which folders ignore.
extern Q_CORE_EXPORT int qt_ntfs_permission_lookup;

namespace kelmora {

QStringList InstallFolders()
{
    QStringList folders;
    for (const char* variable : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"})
        folders << qEnvironmentVariable(variable);
    folders.removeAll(QString());
    return folders;
}

Qt::CaseSensitivity PathCase()
{
    return Qt::CaseInsensitive;
}

bool IsWritableByUser(const QString& path)
{
    ++qt_ntfs_permission_lookup;
    const bool writable = QFileInfo(path).isWritable();
    --qt_ntfs_permission_lookup;
    return writable;
}

bool MayListFolder(const QString& path)
{
    ++qt_ntfs_permission_lookup;
    const bool readable = QFileInfo(path).isReadable();
    --qt_ntfs_permission_lookup;
    return readable;
}

bool SettingsInFiles(QSettings::Format format)
{
    // The native store is the registry: HKEY_CURRENT_USER\Software\Quorrick\Kelmora.
    return format != QSettings::NativeFormat;
}

std::optional<SettingsFolders> DefaultSettingsFolders(QSettings::Format)
{
    // The native store is the registry; the files of another format only a QSettings can place.
    return std::nullopt;
}

PlaceInputs SystemPlaceInputs()
{
    PlaceInputs inputs;
    inputs.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // Windows itself keeps an old game's savegames in one of these; there are no prefixes to look in.
    const QString profile = QDir::fromNativeSeparators(qEnvironmentVariable("USERPROFILE"));
    const QString localAppData = QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"));
    if (!profile.isEmpty())
        inputs.systemFolders << SavegamePlace{QStringLiteral("Saved Games"), profile + QStringLiteral("/Saved Games")};
    // Where Windows puts what an old game writes into its own Program Files folder.
    if (!localAppData.isEmpty())
        inputs.systemFolders << SavegamePlace{QStringLiteral("VirtualStore"),
                                              localAppData + QStringLiteral("/VirtualStore")};
    for (const char* variable : {"ProgramFiles(x86)", "ProgramFiles"}) {
        const QString folder = QDir::fromNativeSeparators(qEnvironmentVariable(variable));
        if (!folder.isEmpty())
            inputs.systemFolders << SavegamePlace{QFileInfo(folder).fileName(), folder};
    }
    return inputs;
}

} // namespace kelmora
