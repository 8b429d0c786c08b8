#pragma once

#include "UiServices.h"
#include "mission/MissionData.h"
#include "mission/MissionSelection.h"
#include "settings/TemplateSelection.h"

#include <QLabel>
#include <QMainWindow>
#include <QPointer>

#include <memory>

namespace Ui {
class frmMain;
}

namespace kelmora {

class AboutWindow;
class RestoreWindow;
class StatusPanel;

// The player's window: the two driver files, the result of the last save, the mission list with
// the chosen mission's details, and the status bar whose first panel saves.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum Panel
    {
        SavePanel = 1,
        ExitPanel = 2,
        ClockPanel = 3,
    };

    MainWindow(RunState& state, const UiServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    StatusPanel* panel(int index) const;

    // Shows which mission the factory driver file is set to: that row is selected (row 0 when
    // none or unknown) and the save status tells it in its tooltip. Writes nothing.
    void ShowFactoryDriverChoice(const MissionChoice& choice);

    // A savegame dropped on the window becomes the template as if it had been picked in the dialog.
    void ChooseDroppedTemplate(const QString& path);

    bool SavePanelEnabled() const;
    int SelectedMissionIndex() const;
    void SetSaveStatusText(const QString& text);
    void SetTemplateDriverText(const QString& text);
    void SetFactoryDriverText(const QString& text);
    void EnableMissionList();
    void EnableSavePanel();

    // Makes `choice` the template as if it had been picked in the open dialog, and shows what came of it.
    void ChooseTemplate(const ChosenFile& choice);

public slots:
    void cbxMissions_Click();
    void sbrMain_PanelClick(int panel);
    void mnuFile_SelectNewTemplateDriver_Click();
    void mnuFile_RestoreFactoryDriver_Click();
    void mnuFile_Exit_Click();
    void mnuHelp_about_Click();
    void mnuHelp_ViewReadme_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void HideMainWindow();
    void ShowMainWindow();
    // The chosen file, or nothing when the player cancelled.
    std::optional<ChosenFile> RunOpenDialog(const QString& initialFolder);
    void SetValueText(QLabel* label, const QString& text);
    void SetFileText(QLabel* label, const QString& text, const QString& fileName);
    void ApplyValueColours();

    std::unique_ptr<Ui::frmMain> m_ui;
    RunState& m_state;
    UiServices m_services;
    StatusPanel* m_panels[3] = {};
    QPointer<AboutWindow> m_about;
    QPointer<RestoreWindow> m_restore;
    QString m_lastDialogFolder;
};

// The classic dialog font, bold: MS Sans Serif (or its TrueType twin) where it exists, otherwise the
// system's sans.
QFont ClassicBoldFont();

// Puts a window in the middle of the screen it would appear on.
void CentreOnScreen(QWidget* window);

} // namespace kelmora
