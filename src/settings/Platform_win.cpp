#include "Platform.h"

#include <QFileInfo>

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

bool SettingsInFiles(QSettings::Format format)
{
    // The native store is the registry: HKEY_CURRENT_USER\Software\Quorrick\Kelmora.
    return format != QSettings::NativeFormat;
}

} // namespace kelmora
