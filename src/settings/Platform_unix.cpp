#include "Platform.h"

#include <QFile>

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

bool SettingsInFiles(QSettings::Format)
{
    return true;
}

} // namespace kelmora
