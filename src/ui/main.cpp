#include "Program.h"
#include "mission/SystemServices.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(kelmora);
    kelmora::DescribeApplication();

    kelmora::MessageBoxService messages;
    kelmora::ApplicationExit programExit;
    kelmora::SystemClock clock;
    kelmora::FileDialogService openDialog;
    kelmora::ProcessLauncher launcher;
    kelmora::Program program({messages, programExit, clock, openDialog, launcher, kelmora::ApplicationFolder()});
    program.Main();
    return app.exec();
}
