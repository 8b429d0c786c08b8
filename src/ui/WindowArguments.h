#pragma once

#include <QString>
#include <QStringList>

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
};

// `arguments` as the program received them, its own name first. --help and --version win over
// everything else, so that they can be asked for before there is a display to open a window on.
// A savegame named on the command line (a desktop's "Open with") must be an existing file; a
// relative path is taken from the current folder, ".." from where a folder link leads, as the
// system takes it.
WindowArguments ParseWindowArguments(const QStringList& arguments);

QString WindowVersionText();
// Tells a wrong command line on the error stream; the program's exit status.
int ReportWrongArguments(const WindowArguments& arguments);
QString WindowHelpText();

} // namespace kelmora
