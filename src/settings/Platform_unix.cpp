#include "Platform.h"
#include "SavegameFolders.h"

#include <QDir>
#include <QFile>
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

bool SettingsInFiles(QSettings::Format)
{
    return true;
}

PlaceInputs SystemPlaceInputs()
{
    PlaceInputs inputs;
    inputs.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    inputs.homeFolder = QDir::homePath();
    inputs.winePrefix = qEnvironmentVariable("WINEPREFIX");
    // Without a Documents folder of its own the home folder is given: far too much to search.
    if (QDir::cleanPath(inputs.documentsFolder) == QDir::cleanPath(inputs.homeFolder))
        inputs.documentsFolder.clear();
    return inputs;
}

} // namespace kelmora
