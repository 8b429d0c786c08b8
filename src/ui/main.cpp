#include "Desktop.h"
#include "Program.h"
#include "Translations.h"
#include "WindowArguments.h"
#include "settings/DataLocation.h"

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
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
    kelmora::IgnoreRelativeXdgFolders();
    // Answered before any window system is asked for: they must work without a display.
    QStringList words, undecodable;
    for (int i = 0; i < argc; ++i) {
        words << QFile::decodeName(argv[i]);
        if (QFile::encodeName(words.constLast()) != QByteArray(argv[i]))
            undecodable << words.constLast();
    }
    const kelmora::WindowArguments early = kelmora::ParseWindowArguments(words, undecodable);
    if (early.action == kelmora::WindowArguments::Action::PrintVersion ||
        early.action == kelmora::WindowArguments::Action::PrintHelp) {
        // Translations need an application object; this one asks no window system for anything.
        QCoreApplication application(argc, argv);
        kelmora::InstallTranslations(application);
        QTextStream out(stdout);
        out << (early.action == kelmora::WindowArguments::Action::PrintVersion ? kelmora::WindowVersionText() + u'\n'
                                                                               : kelmora::WindowHelpText());
        out.flush();
        return out.status() == QTextStream::Ok ? 0 : 1;
    }
    // Without options of Qt's own among them, a wrong command line is told at once, display or not;
    // a savegame that cannot be used too, where no window could tell of it. After "--" every word is
    // a file's.
    const auto optionsEnd = std::find(words.cbegin() + 1, words.cend(), QStringLiteral("--"));
    const bool plainWords =
        std::none_of(words.cbegin() + 1, optionsEnd, [](const QString& word) { return word.startsWith(u'-'); });
    if (plainWords && (early.action == kelmora::WindowArguments::Action::Wrong ||
                       (early.unusable && !kelmora::WindowSystemExpected()))) {
        QCoreApplication application(argc, argv);
        kelmora::InstallTranslations(application);
        // Parsed again, to word the problem in the player's language.
        return kelmora::ReportWrongArguments(kelmora::ParseWindowArguments(words, undecodable));
    }
    if (plainWords && early.unusable) {
        // On the error stream too: where the window system then fails to start after all (a display
        // named but gone), this is what is left of it.
        QCoreApplication application(argc, argv);
        kelmora::InstallTranslations(application);
        QTextStream(stderr) << "kelmora: "
                            << kelmora::MessageFor(*kelmora::ParseWindowArguments(words, undecodable).unusable).text
                            << Qt::endl;
    }
    QApplication app(argc, argv);
    return kelmora::RunKelmora(app, undecodable);
}
