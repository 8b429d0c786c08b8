#pragma once

#include "UiServices.h"
#include "mission/MissionData.h"

#include <QStringList>

#include <memory>

class QApplication;

namespace kelmora {

class MainWindow;
class WelcomeWindow;
struct WindowArguments;

// One run of the program: its state and its two long-lived windows.
class Program
{
public:
    explicit Program(const UiServices& services);
    ~Program();

    // Prepares the main window hidden, reads the settings, then shows the main window when they
    // exist and the welcome window otherwise. Reads nothing from the savegame folder but the
    // factory driver file.
    void Main();

    // Makes the savegame at `path` the template once the program runs, as if the player had
    // proceeded from the welcome window and picked it: for "Open with Kelmora" and the command line.
    void ChooseTemplateAtStart(const QString& path);

    // What the command line asks of the window once the program runs: the savegame it names made
    // the template, or, where that savegame cannot be used, the player told why.
    void OpenAtStart(const WindowArguments& arguments);

    RunState& state() { return m_state; }
    MainWindow& mainWindow() { return *m_main; }
    // Made the first time it is asked for.
    WelcomeWindow& welcomeWindow();

private:
    UiServices m_services;
    RunState m_state;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<WelcomeWindow> m_welcome;
};

// Names and version that the settings store, the About window and the desktop see.
void DescribeApplication();

// Describes the application, then runs the program with the real services until it ends: the
// message boxes, the open dialog, the clock, and the folders of this copy and this user. A wrong
// command line is told on the error stream (exit status 2), without a window. `undecodable`: the
// command line's words that were no text in the system's encoding.
int RunKelmora(QApplication& app, const QStringList& undecodable = {});

} // namespace kelmora
