#include "Program.h"

#include "Appearance.h"
#include "MainWindow.h"
#include "SystemServices.h"
#include "Translations.h"
#include "Version.h"
#include "WelcomeWindow.h"
#include "WindowArguments.h"
#include "settings/DataLocation.h"
#include "settings/SettingsStore.h"
#include "settings/TemplateSelection.h"

#include <QApplication>
#include <QIcon>

// Q_INIT_RESOURCE declares a function of the global namespace, so it cannot be used inside one.
static void InitResources()
{
    Q_INIT_RESOURCE(kelmora);
}

namespace kelmora {

void DescribeApplication()
{
    QCoreApplication::setOrganizationName(KelmoraSettingsKey().organization);
    QCoreApplication::setApplicationName(KelmoraSettingsKey().application);
    QCoreApplication::setApplicationVersion(QStringLiteral(KELMORA_VERSION));
    QApplication::setWindowIcon(ProgramIcon());
    // The program ends with its main window, not with whichever window happened to close last
    // (the main window is hidden while the open dialog and its messages are up).
    QApplication::setQuitOnLastWindowClosed(false);
}

Program::Program(const UiServices& services)
    : m_services(services)
{ }

Program::~Program() = default;

void Program::Main()
{
    m_state.SettingsValid = false;
    m_main = std::make_unique<MainWindow>(m_state, m_services);
    m_main->SetSaveStatusText(MainWindow::tr("Not saved this session"));
    // Settings that cannot be read are told before the welcome window, which would otherwise take
    // this for a first run; it then leads to a new choice.
    if (const std::optional<Problem> problem = LoadSettings(m_state))
        m_services.Present({*problem});

    if (m_state.SettingsValid) {
        m_main->SetTemplateDriverText(TemplateDriverText(m_state.TemplateDriverFile));
        m_main->SetFactoryDriverText(FactoryDriverText(m_state.FactoryDriverFile));
        m_main->EnableMissionList();
        m_main->EnableSavePanel();
        m_main->show();
    } else {
        welcomeWindow().show();
    }
    // Found as kelmora-cli status finds it; reading never changes either file.
    m_main->FollowFiles(MainWindow::ListFollows::Always);
}

WelcomeWindow& Program::welcomeWindow()
{
    // Made when first shown: most starts go straight to the main window.
    if (!m_welcome)
        m_welcome = std::make_unique<WelcomeWindow>([this] { m_main->mnuFile_SelectNewTemplateDriver_Click(); },
                                                    m_services.programExit);
    return *m_welcome;
}

void Program::ChooseTemplateAtStart(const QString& path)
{
    // Once the event loop runs: a template that vanishes ends the program, which only a running loop
    // can do.
    QMetaObject::invokeMethod(
        m_main.get(),
        [this, path] {
            if (m_welcome)
                m_welcome->hide();
            m_main->ChooseTemplateFile(path);
        },
        Qt::QueuedConnection);
}

void Program::OpenAtStart(const WindowArguments& arguments)
{
    if (arguments.unusable) {
        // Told once the windows are up, as a savegame gone from the list is: the program goes on.
        QMetaObject::invokeMethod(
            m_main.get(), [this, problem = *arguments.unusable] { m_services.Present({problem}); },
            Qt::QueuedConnection);
    } else if (!arguments.savegame.isEmpty()) {
        ChooseTemplateAtStart(arguments.savegame);
    }
}

int RunKelmora(QApplication& app, const QStringList& undecodable)
{
    InstallTranslations(app);
    // Qt has taken its own options (-platform, -style, ...) by now.
    const WindowArguments arguments = ParseWindowArguments(QCoreApplication::arguments(), undecodable);
    if (arguments.action == WindowArguments::Action::Wrong)
        return ReportWrongArguments(arguments);
    InitResources();
    DescribeApplication();
    MessageBoxService messages;
    ApplicationExit programExit;
    SystemClock clock;
    FileDialogService openDialog;
    ProcessLauncher launcher;
    // kelmora.dat beside a portable copy, in the per-user folder for an installed one; the folder
    // is made by the first template choice that needs it.
    const DataLocationInputs places = SystemDataLocationInputs();
    const DataLocation data = ChooseDataLocation(places);
    Program program({messages, programExit, clock, openDialog, launcher, ApplicationFolder(), data.folder,
                     places.userDataFolder, SystemPlaceInputs()});
    program.Main();
    program.OpenAtStart(arguments);
    return app.exec();
}

} // namespace kelmora
