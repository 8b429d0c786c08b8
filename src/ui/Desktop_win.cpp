#include "Desktop.h"

#include <QCoreApplication>
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

void KeepApart(QProcess&)
{
    // A program QProcess starts on Windows already outlives Kelmora and its console.
}

bool WindowSystemExpected()
{
    return true;
}

QString ViewerFailure(const QString& program, int exitCode)
{
    return QCoreApplication::translate("kelmora::Desktop", "%1 ended with exit code %2")
        .arg(program.toUpper())
        .arg(exitCode);
}

} // namespace kelmora
