#include "CommandLine.h"

#include "SystemServices.h"
#include "Translations.h"
#include "Version.h"
#include "settings/DataLocation.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QFile>

#include <QTextStream>
#include <csignal>

#include <cstdio>

int main(int argc, char* argv[])
{
#ifdef SIGXFSZ
    // A file-size limit must fail the write with the system's words, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QStringList undecodable;
    for (int i = 1; i < argc; ++i) {
        if (QFile::encodeName(QFile::decodeName(argv[i])) != QByteArray(argv[i]))
            undecodable << QFile::decodeName(argv[i]);
    }
    kelmora::IgnoreRelativeXdgFolders();
    QCoreApplication app(argc, argv);
    // The same names as the window, so that both find the same per-user folders.
    QCoreApplication::setOrganizationName(kelmora::KelmoraSettingsKey().organization);
    QCoreApplication::setApplicationName(kelmora::KelmoraSettingsKey().application);
    QCoreApplication::setApplicationVersion(QStringLiteral(KELMORA_VERSION));
    // LANGUAGE, LC_ALL, LC_MESSAGES and LANG, in that order, name the player's language.
    kelmora::InstallTranslations(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const kelmora::SystemClock clock;
    kelmora::CommandLine commandLine(out, err, clock, kelmora::ChooseDataLocation(kelmora::SystemDataLocationInputs()),
                                     kelmora::UserFolder());
    return commandLine.Run(QCoreApplication::arguments(), undecodable);
}
