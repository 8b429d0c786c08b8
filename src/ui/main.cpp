#include "Program.h"
#include "mission/SystemServices.h"
#include "settings/DataLocation.h"

#include <QApplication>

int main(int argc, char* argv[])
{
#ifndef Q_OS_MACOS
    // The menu stays in the window, as the program has always had it; asking the desktop for a
    // global menu bar first costs a D-Bus round trip at every start.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
#endif
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(kelmora);
    kelmora::DescribeApplication();

    kelmora::MessageBoxService messages;
    kelmora::ApplicationExit programExit;
    kelmora::SystemClock clock;
    kelmora::FileDialogService openDialog;
    kelmora::ProcessLauncher launcher;
    const kelmora::DataLocation data = kelmora::ChooseDataLocation(kelmora::SystemDataLocationInputs());
    const QString folderError = kelmora::CreateDataFolder(data);
    if (!folderError.isEmpty()) {
        messages.ShowMessage(
            QStringLiteral("Could not create the program data folder '%1' [%2]").arg(data.folder, folderError),
            QStringLiteral("Error!"), kelmora::MessageIcon::Exclamation);
    }
    kelmora::Program program(
        {messages, programExit, clock, openDialog, launcher, kelmora::ApplicationFolder(), data.folder});
    program.Main();
    return app.exec();
}
