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
class FindSavegamesWindow;
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

    // Which row the list moves to when the window reads the files again.
    enum class ListFollows
    {
        Always, // the row of the mission the factory driver file is set to; row 0 when none or unknown
        IfFileChanged, // the same, but only when the file holds something else than when last read, and
                       // the selected row does not give its bytes
        Never, // the player's choice stays
    };

    // Reads the factory driver file and the program data file again and shows what they hold: after
    // the save status, what the factory driver file is set to; below the details, what a save of the
    // selected mission gives the game; and, as `list` says, that mission in the list. Writes nothing.
    void FollowFiles(ListFollows list);

    // A savegame dropped on the window, or named on the command line, becomes the template as if it
    // had been picked in the dialog.
    void ChooseTemplateFile(const QString& path);
    // The same for a savegame of the Find Savegames list, which may be minutes old.
    void ChooseListedFile(const QString& path);

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
    void mnuFile_FindSavegames_Click();
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
    void MakeRoomForTexts();
    // What the factory driver file is set to, after the save status.
    void ShowFactoryState(const MissionChoice& choice);
    void LayOutSaveStatus();
    // What a save of the selected mission gives the game, below the details.
    void ShowSaveEffect();
    static QString UnreadableDataFileText();
    static QString ForeignDataFileText();
    static QString SettingsGoneText();
    static QString FactoryGoneText();
    static QString AnotherDriversFileText();
    void SetFileText(QLabel* label, const QString& text, const QString& fileName);
    void ApplyValueColours();

    std::unique_ptr<Ui::frmMain> m_ui;
    RunState& m_state;
    UiServices m_services;
    StatusPanel* m_panels[3] = {};
    QPointer<AboutWindow> m_about;
    QPointer<RestoreWindow> m_restore;
    QPointer<FindSavegamesWindow> m_find;
    QString m_lastDialogFolder;
    // What the window last read of the files.
    std::optional<MissionChoice> m_seenChoice;
    std::optional<MissionStatusTable> m_templateBlock; // the program data file's bytes, when readable
    std::optional<Problem> m_templateProblem; // why they are not
    QString m_otherTemplate; // a template chosen by another Kelmora since this one loaded its settings
    bool m_settingsGone = false; // the settings name no template now
    bool m_factoryGone = false; // nothing stands at the factory driver file's path
    QString m_factoryState; // shown after the save status; in short where the line is full; the sentence
    QString m_factoryShortState;
    QString m_factoryStateSentence;
    std::optional<int> m_savedIndex; // the mission saved in this session into the current factory driver file
    bool m_saveEffectWarns = false;
};

// The classic dialog font, bold: MS Sans Serif (or its TrueType twin) where it exists, otherwise the
// system's sans.
QFont ClassicBoldFont();

// Puts a window in the middle of the screen it would appear on.
void CentreOnScreen(QWidget* window);

} // namespace kelmora
