#include "Program.h"
#include "mission/SystemServices.h"
#include "settings/DataLocation.h"

#include <QApplication>
#include <QStandardPaths>

#include <csignal>

int main(int argc, char* argv[])
{
#ifndef Q_OS_MACOS
    // The menu stays in the window, as the program has always had it; asking the desktop for a
    // global menu bar first costs a D-Bus round trip at every start.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
#endif
#ifdef SIGXFSZ
    // A file-size limit must fail the write with the system's words, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(kelmora);
    kelmora::DescribeApplication();

    kelmora::MessageBoxService messages;
    kelmora::ApplicationExit programExit;
    kelmora::SystemClock clock;
    kelmora::FileDialogService openDialog;
    kelmora::ProcessLauncher launcher;
    // kelmora.dat beside a portable copy, in the per-user folder for an installed one; the folder
    // is made by the first template choice that needs it.
    const kelmora::DataLocation data = kelmora::ChooseDataLocation(kelmora::SystemDataLocationInputs());
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    kelmora::Program program(
        {messages, programExit, clock, openDialog, launcher, kelmora::ApplicationFolder(), data.folder, userFolder});
    program.Main();
    return app.exec();
}
