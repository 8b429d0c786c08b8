#include "CommandLine.h"

#include "mission/SystemServices.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelmora-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELMORA_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Quorrick"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    const kelmora::SystemClock clock;
    kelmora::CommandLine commandLine(out, err, clock, kelmora::ApplicationFolder());
    return commandLine.Run(QCoreApplication::arguments());
}
