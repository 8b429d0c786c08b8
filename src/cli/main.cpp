#include "CommandLine.h"

#include "Version.h"
#include "mission/SystemServices.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The same names as the window, so that both find the same per-user folders.
    QCoreApplication::setOrganizationName(kelmora::KelmoraSettingsKey().organization);
    QCoreApplication::setApplicationName(kelmora::KelmoraSettingsKey().application);
    QCoreApplication::setApplicationVersion(QStringLiteral(KELMORA_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    const kelmora::SystemClock clock;
    kelmora::CommandLine commandLine(out, err, clock, kelmora::ApplicationFolder());
    return commandLine.Run(QCoreApplication::arguments());
}
