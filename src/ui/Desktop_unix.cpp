#include "Desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <unistd.h>

namespace kelmora {

QString FirstDialogFolder()
{
    return QDir::homePath();
}

QString TextViewer()
{
    return QStringLiteral("xdg-open");
}

void SetPathArgument(QProcess& process, const QString& path)
{
    process.setArguments({path});
}

void KeepApart(QProcess& process)
{
    // A session of its own, as QProcess::startDetached gives.
    process.setChildProcessModifier([] { ::setsid(); });
}

bool WindowSystemExpected()
{
    // Qt's own choice of a platform, an X display or a Wayland one; with none, Qt would end the
    // program before a window could tell anything.
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    return false;
}

QString ViewerFailure(const QString& program, int exitCode)
{
    // xdg-open's own codes: 3 when it found no program for the file's type, 4 when the one it found
    // failed (a terminal program with no terminal to run in, for one).
    if (exitCode == 3)
        return QCoreApplication::translate("kelmora::Desktop", "no program that shows text files was found");
    if (exitCode == 4)
        return QCoreApplication::translate("kelmora::Desktop", "the program for text files failed to show it");
    return QCoreApplication::translate("kelmora::Desktop", "%1 ended with exit code %2")
        .arg(program.toUpper())
        .arg(exitCode);
}

} // namespace kelmora
