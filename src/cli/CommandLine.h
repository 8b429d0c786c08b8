#pragma once

#include "Outcome.h"
#include "SystemServices.h"
#include "mission/MissionData.h"
#include "settings/DataLocation.h"
#include "settings/SavegameFolders.h"
#include "store/SavegameStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace kelmora {

// Exit statuses, the same for every command.
enum CommandLineExit
{
    ExitDone = 0, // the command did what was asked
    ExitFailed = 1, // a failure or a refusal was reported on the error stream
    ExitUsage = 2, // the command line itself was wrong; nothing was read or written
};

// The commands of kelmora-cli. Each one runs a flow of the windowed program as a single step, with
// the same settings store and the same program data file, and answers with an exit status.
// ISO 8601 in local time with its offset from UTC, e.g. 2026-12-07T11:40:05+01:00.
QString IsoLocalTime(const QDateTime& time);

class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(kelmora::CommandLine)

public:
    // `dataLocation`: where kelmora.dat lives; `userFolder`: the per-user folder (lock, backups).
    CommandLine(QTextStream& out, QTextStream& err, const Clock& clock, DataLocation dataLocation, QString userFolder);

    // `arguments` as the program received them, the program's own name first. `undecodable`: those
    // whose bytes are no text in the system's encoding, so that no file can be named by them.
    int Run(const QStringList& arguments, const QStringList& undecodable = {});

    int Missions();
    int Template(const QString& path);
    // `dryRun`: tell what the save would change, and write nothing.
    int Save(int number, bool dryRun = false);
    int Status();
    int Backups(bool json = false);
    // `acceptMix`: restore even where the next save would mix two drivers.
    int Restore(const QString& id, bool acceptMix = false);

    // For launchers and scripts.
    int Find(bool json);
    int StatusJson();
    // `command` empty: the whole help text.
    int Help(const QString& command, const QString& helpText);

    // Where `find` looks; the system's own places unless set.
    void SetPlaceInputs(const PlaceInputs& inputs) { m_placeInputs = inputs; }

private:
    // help, find and the --json forms; nothing for the other commands.
    // The help text is asked of `parser` only for help: making it costs every other command time.
    std::optional<int> RunLauncherCommand(const QStringList& words, const QCommandLineParser& parser);
    int RunCommand(const QStringList& arguments);
    int UsageError(const QString& problem);
    // Each problem as "Title: text", one a line on the error stream.
    void Present(const Problems& problems);
    // The stored settings into `state`; false, with the problem shown, when they cannot be read.
    bool LoadStoredSettings(RunState& state);
    SavegameStore store() const;
    QString FactoryChoiceText(const RunState& settings);
    static QString ChoiceText(const MissionChoice& choice);

    QTextStream& m_out;
    QTextStream& m_err;
    const Clock& m_clock;
    DataLocation m_dataLocation;
    QString m_userFolder;
    std::optional<PlaceInputs> m_placeInputs;
    bool m_changed = false; // the command may have changed files, which output failing afterwards does not undo
};

} // namespace kelmora
