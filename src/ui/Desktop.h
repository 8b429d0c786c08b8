#pragma once

#include <QString>

QT_BEGIN_NAMESPACE
class QProcess;
QT_END_NAMESPACE

namespace kelmora {

// What the windows do differently on each system: Desktop_unix.cpp and Desktop_win.cpp.

// Where the open dialog starts when the player has no savegame folder yet: never the working
// folder, which is "/" when the program was started from a desktop menu.
QString FirstDialogFolder();

// The program that shows the readme: the desktop's own viewer for text files, or Notepad.
QString TextViewer();

// Gives `process` the one argument `path` as this system passes a path to a program.
void SetPathArgument(QProcess& process, const QString& path);

// Makes `process` start apart from Kelmora, as a program the desktop started would: the end of
// Kelmora's terminal or session group does not end it.
void KeepApart(QProcess& process);

// Whether a window can be shown at all: without one, what the window would tell goes to the error
// stream instead.
bool WindowSystemExpected();

// Why the viewer `program` showed nothing, from the code it ended with, in the player's words.
QString ViewerFailure(const QString& program, int exitCode);

} // namespace kelmora
