#include "Desktop.h"

#include <QProcess>
#include <QStandardPaths>

namespace kelmora {

QString FirstDialogFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString TextViewer()
{
    return QStringLiteral("notepad.exe");
}

void SetPathArgument(QProcess& process, const QString& path)
{
    // Notepad takes the rest of its command line as the path, blanks and all, and no quotes.
    process.setNativeArguments(path);
}

} // namespace kelmora
