#pragma once

#include "MissionData.h"
#include "Services.h"

#include <QList>
#include <QString>

#include <utility>

namespace kelmora {

// What a save needs of the main window.
class SaveView
{
public:
    virtual ~SaveView() = default;
    virtual bool SavePanelEnabled() const = 0;
    virtual int SelectedMissionIndex() const = 0;
    virtual void SetSaveStatusText(const QString& text) = 0;
};

// A save without a window: driven by an index and an enabled flag, it keeps the status text.
class HeadlessSaveView final : public SaveView
{
public:
    HeadlessSaveView(int index, bool enabled = true, QString statusText = {})
        : m_index(index)
        , m_enabled(enabled)
        , m_statusText(std::move(statusText))
    { }

    bool SavePanelEnabled() const override { return m_enabled; }
    int SelectedMissionIndex() const override { return m_index; }
    void SetSaveStatusText(const QString& text) override { m_statusText = text; }
    const QString& statusText() const { return m_statusText; }

private:
    int m_index;
    bool m_enabled;
    QString m_statusText;
};

// The selection rule: the chosen mission and every later one get zero bytes, so the game offers
// the chosen mission next. Choosing the last mission changes nothing. False for an index outside
// the catalogue, which leaves the table alone.
bool ApplyMissionSelection(MissionStatusTable& table, int index);

// What a factory driver file's mission block says about the last save made into it.
struct MissionChoice
{
    enum class Kind
    {
        Unknown, // a file could not be read; `reason` says why
        Set, // `indexes` holds every mission whose save gives exactly the file's block, lowest first
        PlayedOn, // no save gives these bytes: the game or someone else changed them since
    };
    Kind kind = Kind::Unknown;
    QList<int> indexes;
    QString reason;
};

// Compares the factory driver file's block with what a save of each mission would make of the
// template's block kept in the program data file.
MissionChoice MatchMissionChoice(const MissionStatusTable& dataFileBlock, const MissionStatusTable& factoryBlock);
MissionChoice FindMissionChoice(const QString& factoryPath, const QString& dataFilePath);

// Writes MissionStatus into the factory driver file, then reports the save in the view.
void WriteFactoryDriverFile(const RunState& state, const Services& services, SaveView& view, int index);

// The whole save behind the "Save Factory Driver" panel: template bytes from the program data
// file, the selection rule, then the factory driver file. Every failure is reported to the player.
void RunSaveSequence(RunState& state, const Services& services, SaveView& view);

} // namespace kelmora
