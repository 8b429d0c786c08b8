#include "CommandLine.h"

#include "mission/SystemServices.h"
#include "settings/DataLocation.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kelmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELMORA_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Quorrick"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    const kelmora::SystemClock clock;
    // The same names as the window: the same settings and the same per-user data folder.
    kelmora::CommandLine commandLine(out, err, clock, kelmora::ChooseDataLocation(kelmora::SystemDataLocationInputs()));
    return commandLine.Run(QCoreApplication::arguments());
}
