#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "AboutWindow.h"
#include "StatusPanel.h"
#include "mission/FileLookup.h"
#include "mission/MissionCatalogue.h"
#include "mission/SaveSequence.h"
#include "settings/ReadmeLocation.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLayout>
#include <QScreen>
#include <QStatusBar>

namespace kelmora {

namespace {
// The status bar's panels stop this far short of the window's right edge.
constexpr int PanelsRightGap = 9;

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

QFont ClassicBoldFont()
{
    // A family list rather than a look-up: asking whether a family exists loads every font there is.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), font.family()});
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

MainWindow::MainWindow(RunState& state, const UiServices& services, QWidget* parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::frmMain>())
    , m_state(state)
    , m_services(services)
{
    m_ui->setupUi(this);
    // Fixed border: minimize and close, no maximize.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);

    const QFont bold = ClassicBoldFont();
    for (QLabel* label : m_ui->centralWidget->findChildren<QLabel*>())
        label->setFont(bold);
    const QColor darkGreen(0, 64, 0), darkRed(64, 0, 0), navy(0, 0, 128);
    SetTextColour(m_ui->lblSaveStatusDesc, darkGreen);
    for (QLabel* label : {m_ui->lblCarDesc, m_ui->lblLocationDesc, m_ui->lblMissionDesc})
        SetTextColour(label, darkRed);
    SetTextColour(m_ui->lblGoalTimeDesc, navy);
    m_ui->sbrMain->setFont(bold);

    const QString captions[] = {QStringLiteral("Save Factory Driver"), QStringLiteral("Exit"), QString()};
    const QString tips[] = {QStringLiteral("Save Factory Driver File"), QStringLiteral("Exit Program"),
                            QStringLiteral("Time")};
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new StatusPanel(captions[i], m_ui->sbrMain);
        m_panels[i]->setObjectName(QStringLiteral("sbrMain_Panel%1").arg(i + 1));
        m_panels[i]->setToolTip(tips[i]);
        m_panels[i]->setFont(bold);
        m_ui->sbrMain->addPermanentWidget(m_panels[i]);
        connect(m_panels[i], &StatusPanel::clicked, this, [this, i] { sbrMain_PanelClick(i + 1); });
    }
    m_panels[SavePanel - 1]->setEnabled(false);
    m_panels[ClockPanel - 1]->ShowClock();
    m_panels[ClockPanel - 1]->setFocusPolicy(Qt::NoFocus); // nothing to press
    // Keep the panels together at the right, just short of the edge.
    m_ui->sbrMain->setContentsMargins(0, 0, PanelsRightGap, 0);

    connect(m_ui->cbxMissions, &QComboBox::currentIndexChanged, this, &MainWindow::cbxMissions_Click);
    connect(m_ui->mnuFile_SelectNewTemplateDriver, &QAction::triggered, this,
            &MainWindow::mnuFile_SelectNewTemplateDriver_Click);
    connect(m_ui->mnuFile_Exit, &QAction::triggered, this, &MainWindow::mnuFile_Exit_Click);
    connect(m_ui->mnuHelp_about, &QAction::triggered, this, &MainWindow::mnuHelp_about_Click);
    connect(m_ui->mnuHelp_ViewReadme, &QAction::triggered, this, &MainWindow::mnuHelp_ViewReadme_Click);
    for (QAction* action : m_ui->mnuFile->actions()) {
        if (action->isSeparator())
            action->setObjectName(QStringLiteral("mnuFile_Separator1"));
    }
    setTabOrder(m_ui->cbxMissions, m_panels[0]);
    setTabOrder(m_panels[0], m_panels[1]);

    Form_Load();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    CentreOnScreen(this);
}

MainWindow::~MainWindow() = default;

StatusPanel* MainWindow::panel(int index) const
{
    return index >= 1 && index <= 3 ? m_panels[index - 1] : nullptr;
}

void MainWindow::Form_Load()
{
    for (int row = 0; row < MISSION_COUNT; ++row)
        m_ui->cbxMissions->addItem(ListText(row));
    m_ui->cbxMissions->setCurrentIndex(0);
    cbxMissions_Click();
}

void MainWindow::cbxMissions_Click()
{
    const int index = m_ui->cbxMissions->currentIndex();
    if (index < 0)
        return;
    const MissionDetails details = Details(index);
    SetValueText(m_ui->lblCarDesc, details.Car);
    SetValueText(m_ui->lblLocationDesc, details.Location);
    SetValueText(m_ui->lblMissionDesc, details.Mission);
    SetValueText(m_ui->lblGoalTimeDesc, details.GoalTime);
}

void MainWindow::SetValueText(QLabel* label, const QString& text)
{
    // One line, growing to the right; what passes the window's edge is cut off there.
    label->setText(text);
    label->resize(qMax(label->sizeHint().width(), label->parentWidget()->maximumWidth() - label->x()), label->height());
}

void MainWindow::sbrMain_PanelClick(int panel)
{
    switch (panel) {
    case SavePanel: {
        const SaveOutcome outcome =
            RunSaveSequence(m_state, m_services.core(), SavePanelEnabled(), SelectedMissionIndex());
        m_services.Present(outcome.problems);
        if (outcome.saved())
            SetSaveStatusText(outcome.statusText);
        break;
    }
    case ExitPanel:
        close();
        break;
    default:
        break;
    }
}

void MainWindow::mnuFile_SelectNewTemplateDriver_Click()
{
    HideMainWindow();
    const std::optional<ChosenFile> choice = RunOpenDialog(InitialDialogFolder(m_state));
    if (!choice || choice->FileTitle.isEmpty()) {
        // A cancelled dialog changes nothing, and the last save stays as it was.
        ShowMainWindow();
        return;
    }
    ChooseTemplate(*choice);
}

void MainWindow::ChooseTemplate(const ChosenFile& choice)
{
    const SelectionOutcome outcome = SelectNewTemplateDriver(m_state, m_services.core(), choice);
    m_services.Present(outcome.problems);
    switch (outcome.result) {
    case SelectionOutcome::Result::ProgramEnded:
        m_services.programExit.EndProgram();
        return;
    case SelectionOutcome::Result::Selected:
        SetTemplateDriverText(outcome.templateText);
        SetFactoryDriverText(outcome.factoryText);
        EnableMissionList();
        EnableSavePanel();
        break;
    case SelectionOutcome::Result::Refused:
        break;
    }
    ShowMainWindow();
}

void MainWindow::mnuFile_Exit_Click()
{
    close();
}

void MainWindow::mnuHelp_about_Click()
{
    if (!m_about)
        m_about = new AboutWindow(this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void MainWindow::mnuHelp_ViewReadme_Click()
{
    const QString title = QStringLiteral("Error - Viewing Aborted");
    const QString readme = ReadmePath(m_services.programFolder);
    const LookupResult lookup = LookUpFiles(readme);
    if (!lookup.failed() && !lookup.found()) {
        m_services.messages.ShowMessage(
            {QStringLiteral("Could not open 'Readme-KELMORA.TXT'"), title, MessageIcon::Exclamation});
        return;
    }
#ifdef Q_OS_WIN
    const QString editor = QStringLiteral("notepad.exe");
#else
    // The desktop's own viewer for text files.
    const QString editor = QStringLiteral("xdg-open");
#endif
    if (lookup.failed() || !m_services.launcher.StartDetached(editor, readme)) {
        m_services.messages.ShowMessage(
            {QStringLiteral("Could not execute '%1'").arg(editor.toUpper()), title, MessageIcon::Exclamation});
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}

void MainWindow::Form_Unload()
{
    m_services.programExit.EndProgram();
}

bool MainWindow::SavePanelEnabled() const
{
    return m_panels[SavePanel - 1]->isEnabled();
}

int MainWindow::SelectedMissionIndex() const
{
    return m_ui->cbxMissions->currentIndex();
}

void MainWindow::SetSaveStatusText(const QString& text)
{
    SetValueText(m_ui->lblSaveStatusDesc, text);
}

void MainWindow::HideMainWindow()
{
    hide();
}

void MainWindow::ShowMainWindow()
{
    show();
    raise();
    activateWindow();
}

std::optional<ChosenFile> MainWindow::RunOpenDialog(const QString& initialFolder)
{
    // With no usable folder of its own the dialog starts where it last was in this run.
    if (!initialFolder.isEmpty())
        m_lastDialogFolder = initialFolder;
    const QString path =
        m_services.openDialog.GetOpenFileName(this, QStringLiteral("Select Driver Savegame File"), m_lastDialogFolder,
                                              QStringLiteral("Driver Savegames (*.sav);;All Files (*)"));
    if (path.isEmpty())
        return std::nullopt;
    const QFileInfo chosen(path);
    m_lastDialogFolder = chosen.absolutePath();
    return ChosenFile{path, chosen.fileName()};
}

void MainWindow::SetTemplateDriverText(const QString& text)
{
    SetValueText(m_ui->lblTemplateDriverDesc, text);
}

void MainWindow::SetFactoryDriverText(const QString& text)
{
    SetValueText(m_ui->lblFactoryDriverDesc, text);
}

void MainWindow::EnableMissionList()
{
    m_ui->cbxMissions->setEnabled(true);
}

void MainWindow::EnableSavePanel()
{
    m_panels[SavePanel - 1]->setEnabled(true);
}

} // namespace kelmora
