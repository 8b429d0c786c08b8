#pragma once

#include "Outcome.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kelmora {

// What the window program's command line asks for.
struct WindowArguments
{
    enum class Action
    {
        Run, // open the window; with `savegame`, make it the template first
        PrintVersion,
        PrintHelp,
        Wrong, // `problem` says why
    };
    Action action = Action::Run;
    QString savegame; // full path, native separators
    QString problem;
    // For Run: the savegame named cannot be used (gone, a folder, a name the system cannot take).
    // The window tells why and starts as it would without it: a desktop's "Open with" shows nothing
    // of what the program writes on its error stream.
    std::optional<Problem> unusable;
};

// `arguments` as the program received them, its own name first. --help and --version win over
// everything else, so that they can be asked for before there is a display to open a window on.
// A savegame named on the command line (a desktop's "Open with") must be an existing file; a
// relative path is taken from the current folder, ".." from where a folder link leads, as the
// system takes it. `undecodable`: the words whose bytes were no text in the system's encoding,
// decoded as they stand in `arguments`; such a word names no file that can be opened.
WindowArguments ParseWindowArguments(const QStringList& arguments, const QStringList& undecodable = {});

QString WindowVersionText();
// Tells a wrong command line, or a savegame that cannot be used, on the error stream; the program's
// exit status.
int ReportWrongArguments(const WindowArguments& arguments);
QString WindowHelpText();

} // namespace kelmora
