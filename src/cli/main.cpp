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
#include <cstdlib>

namespace {

int RunCommandLine(int argc, char* argv[])
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
    const kelmora::DataLocationInputs places = kelmora::SystemDataLocationInputs();
    kelmora::CommandLine commandLine(out, err, clock, kelmora::ChooseDataLocation(places), places.userDataFolder);
    return commandLine.Run(QCoreApplication::arguments(), undecodable);
}

} // namespace

int main(int argc, char* argv[])
{
    // Every object of the run, the application's included, is gone by now: the files are written and
    // flushed, the settings synced, the lock let go. What exit() would add is the libraries' own
    // teardown, about 0.2 ms of a save's 8 on a fast disk, for memory and handles that the system takes
    // back anyway. So the output is flushed and the process ends here, without it. For that reason no
    // static object of this program may have work left for its destructor.
    const int status = RunCommandLine(argc, argv);
    std::fflush(nullptr);
    std::_Exit(status);
}
