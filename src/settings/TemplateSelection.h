#pragma once

#include "mission/MissionData.h"
#include "mission/Services.h"

#include <QString>

#include <optional>

namespace kelmora {

// The file the player picked in the open dialog.
struct ChosenFile
{
    QString FileName; // full path
    QString FileTitle; // bare name
};

// What choosing a template needs of the main window.
class TemplateSelectionView
{
public:
    virtual ~TemplateSelectionView() = default;
    virtual void HideMainWindow() = 0;
    virtual void ShowMainWindow() = 0;
    // Runs the open dialog, starting in `initialFolder` unless that is empty; nothing when cancelled.
    virtual std::optional<ChosenFile> RunOpenDialog(const QString& initialFolder) = 0;
    virtual void SetTemplateDriverText(const QString& text) = 0;
    virtual void SetFactoryDriverText(const QString& text) = 0;
    virtual void EnableMissionList() = 0;
    virtual void EnableSavePanel() = 0;
};

// Choosing a template without a window: the choice is handed in, the window operations do nothing.
class HeadlessTemplateSelection final : public TemplateSelectionView
{
public:
    explicit HeadlessTemplateSelection(std::optional<ChosenFile> choice)
        : m_choice(std::move(choice))
    { }

    void HideMainWindow() override { }
    void ShowMainWindow() override { }
    std::optional<ChosenFile> RunOpenDialog(const QString&) override { return m_choice; }
    void SetTemplateDriverText(const QString&) override { }
    void SetFactoryDriverText(const QString&) override { }
    void EnableMissionList() override { }
    void EnableSavePanel() override { }

private:
    std::optional<ChosenFile> m_choice;
};

enum class SelectionResult
{
    Selected, // the flow ran to its end; any file failures on the way were reported
    Cancelled,
    Refused, // the chosen file is, or is named like, a factory driver file
    ProgramEnded, // the template vanished before it could be read
};

// Turns the player's chosen savegame into the current template: settings stored, earlier factory
// driver files replaced by a fresh copy, the template's mission block kept in the program data file.
SelectionResult SelectNewTemplateDriver(RunState& state, const Services& services, TemplateSelectionView& view);

void MakeFactoryDriverFile(const RunState& state, const Services& services);

QString TemplateDriverText(const QString& templateDriverFile);
QString FactoryDriverText(const QString& factoryDriverFile);

} // namespace kelmora
