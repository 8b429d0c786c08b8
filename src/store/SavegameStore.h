#pragma once

#include "BackupFolder.h"
#include "Outcome.h"
#include "SystemServices.h"
#include "mission/MissionData.h"
#include "mission/MissionSelection.h"
#include "settings/SettingsStore.h"

#include <QList>
#include <QString>

#include <optional>

namespace kelmora {

// Where the store keeps what it needs besides the player's savegames.
struct StorePlaces
{
    QString dataFolder; // the program data file kelmora.dat; native separators, no trailing one
    QString userFolder; // this user's alone: the lock, the backups, and which template kelmora.dat is for
    SettingsKey settings = KelmoraSettingsKey();
};

// The file the player picked in the open dialog.
struct ChosenFile
{
    QString FileName; // full path
    QString FileTitle; // bare name
};

// What a save did.
struct SaveOutcome
{
    bool attempted = false; // false when the save panel was disabled: nothing was read or written
    Problems problems; // in the order the player is to see them
    QString statusText; // the new save status text, once the file has been written
    std::optional<MissionStatusTable> templateBlock; // the template's bytes the save started from
    std::optional<MissionStatusTable> fileBlock; // the factory driver file's block before the save

    bool saved() const { return attempted && problems.isEmpty(); }
};

// What choosing a template did, and what the window is to do about it.
struct SelectionOutcome
{
    enum class Result
    {
        Selected, // the template is now current: show the labels below and allow saving
        Refused, // nothing changed
        ProgramEnded, // the template vanished before it could be read: the program ends after the messages
    };
    Result result = Result::Refused;
    Problems problems; // in the order the player is to see them, whatever the result
    QString templateText; // Selected: the two file labels, as the choice's caller words them
    QString factoryText;
};

struct RestoreOutcome
{
    Problems problems;
    std::optional<Backup> restored; // set once its bytes are back at its original path
    // The restore stopped to ask: the next save would write the current template's progress into
    // another driver's savegame. The one problem says why; asked again with `acceptMix`, it goes on.
    bool needsConfirmation = false;

    bool done() const { return restored.has_value() && problems.isEmpty(); }
};

struct ListedBackup
{
    Backup backup;
    // What it holds, worded by MissionChoiceText: against the current template only.
    QString missionChoice;
    // The same in English whatever the player's language, for the lists that scripts read.
    QString plainMissionChoice;
};

struct BackupListing
{
    QList<ListedBackup> backups; // newest first
    std::optional<Problem> problem; // what could not be read; the backups it did not hide are listed
};

// False for stored settings that cannot be right: no template name, or a folder that is not absolute.
bool UsableSettings(const RunState& state);

// Every change to a player's files goes through here. Each one holds the per-user lock from start to
// end, reads the stored settings under it (another window or kelmora-cli may have changed them),
// checks everything it can before it changes anything, keeps a flushed backup of each file before
// it overwrites or removes it (no backup, no change), and puts each new version in place in one
// flushed step. The template driver is only ever read.
class SavegameStore
{
public:
    explicit SavegameStore(StorePlaces places);

    // The save behind the "Save Factory Driver" panel: the template's bytes from the program data
    // file, the selection rule for mission `index`, then the factory driver file. Refuses a program
    // data file that this user did not write for the stored template. A `dryRun` checks and reads
    // all a save would, and writes nothing.
    SaveOutcome Save(RunState& state, bool panelEnabled, int index, const Clock& clock, bool dryRun = false) const;

    // The same save for whichever template the stored settings name once the lock is held, which
    // `state` then holds: kelmora-cli's, which shows no template of its own.
    SaveOutcome SaveStoredTemplate(RunState& state, int index, const Clock& clock, bool dryRun = false) const;

    // Makes the player's chosen savegame the template: earlier factory driver files replaced by a
    // fresh copy, the template's mission block in the program data file, the settings stored. A
    // choice that fails leaves every file and the settings as they were.
    SelectionOutcome ChooseTemplate(RunState& state, const ChosenFile& choice) const;

    // Puts backup `id` back at the path it was taken from, after keeping what stands there now.
    // Asks first (needsConfirmation) when saves would then write another driver's progress into
    // it, unless `acceptMix`.
    RestoreOutcome Restore(const QString& id, bool acceptMix = false) const;

    BackupListing Backups() const;

    // The template's bytes from the program data file, when this user wrote it for the template of
    // `state`, and in `copyDigest` what tells the factory driver file that choice made (empty for a
    // choice recorded before that was kept). Reads only. With the held `lock`, the next call in this
    // process with the lock held goes on from what this one found, while no other run has taken the
    // lock and neither the data file nor its record has changed on disk.
    std::optional<Problem> TemplateBlock(const RunState& state, MissionStatusTable& table,
                                         const FlowLock* lock = nullptr, QByteArray* copyDigest = nullptr) const;

    // What the factory driver file of `state` is set to, against the template's bytes kept in the
    // program data file: `templateBlock` and `copyDigest` as TemplateBlock gave them, when the caller
    // has just read them (the two together: without the digest the file would not be checked).
    // Unknown, with the reason, for a file that may be another driver's. Reads only.
    MissionChoice FactoryDriverChoice(const RunState& state) const
    {
        return FactoryDriverChoice(state, std::nullopt, {});
    }
    MissionChoice FactoryDriverChoice(const RunState& state, const std::optional<MissionStatusTable>& templateBlock,
                                      QByteArray copyDigest) const;

    QString BackupFolderPath() const;
    QString DataFilePath() const;

private:
    struct Session;
    std::optional<Problem> Begin(Session& session) const;
    // Save and SaveStoredTemplate: with `followStored`, for the template that the settings read
    // under the lock name.
    SaveOutcome SaveFor(RunState& state, bool followStored, int index, const Clock& clock, bool dryRun) const;
    // `templateBlock`: the stored template's bytes, when the caller has them from the program data
    // file and `path` is the stored factory driver file. `onlyCheck`: nothing is written, only what
    // would stop the backup before its first write is told. `digest`: the content's four-lane
    // ContentDigest, where the caller has it.
    std::optional<Problem> KeepBackup(Session& session, const QString& path, const QByteArray& content,
                                      const MissionStatusTable* templateBlock = nullptr, bool onlyCheck = false,
                                      std::optional<quint64> digest = {}) const;

    StorePlaces m_places;
};

// The mission block of the driver savegame at `path`, or the system's words for why it has none.
QString ReadMissionBlock(const QString& path, MissionStatusTable& table);

// What the player is told after a restore; `timeText` is the backup's time as the front end writes it.
Message RestoredMessage(const Backup& backup, const QString& timeText);

} // namespace kelmora
