#include "CommandLine.h"

#include "mission/MissionCatalogue.h"
#include "mission/MissionDataFile.h"
#include "mission/NextMission.h"
#include "settings/SavegameFinder.h"
#include "settings/SettingsStore.h"
#include "settings/TemplateSelection.h"
#include "store/FileSystem.h"

#include "Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include <algorithm>
#include <utility>

namespace kelmora {
namespace {

const QString ProgramName = QStringLiteral("kelmora-cli");

// Texts of the player's language, each worded with CommandLine::tr where it is used.
//: The commands, their arguments and options stay as they are.
const char* const UsageLine = QT_TRANSLATE_NOOP(
    "kelmora::CommandLine", "Usage: kelmora-cli missions | template PATH | save NUMBER | status | backups | "
                            "restore [--accept-other-template] ID | find | help [COMMAND]   (--help tells more)");

const QString AcceptMixOption = QStringLiteral("--accept-other-template");
const QString DryRunOption = QStringLiteral("--dry-run");

const char* const NoTemplateText =
    QT_TRANSLATE_NOOP("kelmora::CommandLine", "No template driver chosen yet: run 'kelmora-cli template PATH' first");

//: Each command's entry starts with two blanks and the command as it is typed; the lines that go on
//: from it start with more than two. A note below the list names a command in quotes ('status --json'),
//: as "kelmora-cli help status" finds it. The mission choices that backups lists ("Mission 12", "played
//: on since a save", "unknown") stay in English: scripts read them.
const char* const Description = QT_TRANSLATE_NOOP(
    "kelmora::CommandLine",
    "Chooses the mission at which Vantor's factory driver mode starts, without a window.\n"
    "Uses the same settings and program data file (kelmora.dat) as Kelmora's window: beside a portable\n"
    "copy, in the per-user data folder for an installed one (status tells which).\n"
    "\n"
    "Commands:\n"
    "  missions       Lists the 34 missions, one a line, tab-separated: number, car, location,\n"
    "                 mission, goal time.\n"
    "  template PATH  Makes the driver savegame PATH the template driver: stores its folder and name,\n"
    "                 replaces the factory driver file beside it (the template's first character\n"
    "                 followed by FactMS.sav) by a fresh copy of it, and keeps its mission progress in\n"
    "                 kelmora.dat. The template itself is never written.\n"
    "  save NUMBER    Sets the factory driver file so that mission NUMBER (1 to 34) is the next one to\n"
    "                 play: earlier missions keep the template's progress, NUMBER and every later one\n"
    "                 are cleared. Prints the time of the save, and on the error output a warning\n"
    "                 when the template has not reached NUMBER (the game then starts earlier).\n"
    "                 With --dry-run: tells what the save would change, and writes nothing.\n"
    "  status         Shows the stored savegame folder and template driver, the factory driver file and\n"
    "                 the program data file, whether each exists, and the mission choice that the\n"
    "                 factory driver file matches (\"played on since a save\" once it has been played on).\n"
    "  backups        Lists the backups of factory driver files, newest first, one a line,\n"
    "                 tab-separated: ID, the time it was taken (ISO 8601, local time with its offset),\n"
    "                 the file's original full path, and the mission choice it holds against the\n"
    "                 current template (\"Mission 12\", \"played on since a save\" or \"unknown\").\n"
    "                 A tab, a line break or another control character in a path is written as %XX\n"
    "                 (its code in hex), and a % as %25.\n"
    "                 A backup is kept before every save, template choice or restore overwrites or\n"
    "                 removes a factory driver file; the newest 50 of each file are kept.\n"
    "  restore ID     Puts the backup ID back at its original path, after keeping what is there now\n"
    "                 as a backup of its own. Never writes the template or anywhere else. A backup\n"
    "                 that is not known to be a copy of the current template, going back where saves\n"
    "                 now write, would have the next save mix two drivers: it is refused unless\n"
    "                 --accept-other-template comes before ID.\n"
    "  find [--json]  Looks for driver savegames where a player's savegames live: the Documents\n"
    "                 folder and, on Linux, every Wine, Proton (native and Flatpak Steam), Lutris and\n"
    "                 Heroic prefix. Lists them newest first, one a line, tab-separated: when it last\n"
    "                 changed (ISO 8601), the place (\"Proton 2450 (Vantor)\"), its progress (\"has\n"
    "                 reached mission 17\"), its full path. Never follows a link out of a prefix.\n"
    "  help [COMMAND] Shows this text, or what COMMAND does.\n"
    "\n"
    "For launchers and scripts, 'status --json', 'backups --json' and 'find --json' answer in JSON.\n"
    "\n"
    "Exit status: 0 done, 1 a failure or refusal was reported, 2 the command line was wrong.");

// A mission number as the player counts them, or 0 when the text is not one: ASCII digits only,
// nothing before or after them.
int MissionNumber(const QString& text)
{
    if (text.isEmpty())
        return 0;
    int number = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return 0;
        // Leading zeros are fine; anything past the catalogue stops growing here.
        number = qMin(number * 10 + (c.unicode() - u'0'), 1000);
    }
    return number >= 1 && number <= MISSION_COUNT ? number : 0;
}

QString FileState(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral(QT_TRANSLATE_NOOP("kelmora::CommandLine", "missing"));
    return info.isFile() ? QStringLiteral(QT_TRANSLATE_NOOP("kelmora::CommandLine", "exists"))
                         : QStringLiteral(QT_TRANSLATE_NOOP("kelmora::CommandLine", "not a file"));
}

QString FolderState(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral(QT_TRANSLATE_NOOP("kelmora::CommandLine", "missing"));
    return info.isDir() ? QStringLiteral(QT_TRANSLATE_NOOP("kelmora::CommandLine", "exists"))
                        : QStringLiteral(QT_TRANSLATE_NOOP("kelmora::CommandLine", "not a folder"));
}

// A path on one line of a tab-separated list, or a message on one line of the error output: a control
// character would start a new field or line, or steer the terminal.
QString ListField(const QString& text)
{
    QString field;
    for (const QChar c : text) {
        const QChar::Category category = c.category();
        // Control characters beyond ASCII, and the line and paragraph separators, which some readers
        // take for line breaks: each byte of their UTF-8 form.
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph || c == u'%') {
            for (const char byte : QString(c).toUtf8())
                field += u'%' + QStringLiteral("%1").arg(uchar(byte), 2, 16, QLatin1Char('0')).toUpper();
        } else {
            field += c;
        }
    }
    return field;
}

// Places, as ListField writes each, one after another.
QString ListFields(const QStringList& texts)
{
    QStringList fields;
    for (const QString& text : texts)
        fields << ListField(text);
    return fields.join(QStringLiteral(", "));
}

// Where the program data file is, in English for --json and in the player's language for the status.
QString DataPlaceName(DataPlace place)
{
    return place == DataPlace::ProgramFolder
               ? QStringLiteral(QT_TRANSLATE_NOOP("kelmora::CommandLine", "beside the program"))
               : QStringLiteral(QT_TRANSLATE_NOOP("kelmora::CommandLine", "per-user data folder"));
}

// Room for the widest of `labels` and a blank after it: values start in one column.
int LabelWidth(const QStringList& labels)
{
    qsizetype width = 0;
    for (const QString& label : labels)
        width = qMax(width, label.size());
    return int(width) + 1;
}

// A stored path with what is found there (FileState's or FolderState's English word, shown in the
// player's language), or a note that nothing is stored.
QString PathLine(const QString& label, int width, const QString& storedName, const QString& path, const QString& state)
{
    const QString value = storedName.isEmpty() ? CommandLine::tr("none stored")
                                               : ListField(path) + QStringLiteral(" (") +
                                                     CommandLine::tr(state.toLatin1().constData()) + u')';
    return label.leftJustified(width) + value;
}

} // namespace

QString IsoLocalTime(const QDateTime& time)
{
    // Qt leaves the offset out of a local time's ISO text; scripts need it to compare times.
    const QDateTime local = time.toLocalTime();
    const int offset = local.offsetFromUtc();
    const int minutes = qAbs(offset) / 60;
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + (offset < 0 ? u'-' : u'+') +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

CommandLine::CommandLine(QTextStream& out, QTextStream& err, const Clock& clock, DataLocation dataLocation,
                         QString userFolder)
    : m_out(out)
    , m_err(err)
    , m_clock(clock)
    , m_dataLocation(std::move(dataLocation))
    , m_userFolder(std::move(userFolder))
{ }

SavegameStore CommandLine::store() const
{
    return SavegameStore({m_dataLocation.folder, m_userFolder});
}

int CommandLine::Run(const QStringList& arguments, const QStringList& undecodable)
{
    // Decoded, such a word names another file than the one meant, perhaps one that exists.
    const int status = undecodable.isEmpty()
                           ? RunCommand(arguments)
                           : UsageError(tr("'%1' holds bytes that are not text in this system's encoding; "
                                           "Kelmora cannot name a file by it")
                                            .arg(undecodable.first()));
    // A launcher that reads the output must not take a half-written answer for a whole one.
    m_out.flush();
    if (m_out.status() != QTextStream::Ok) {
        const QIODevice* device = m_out.device();
        const QString why = device ? device->errorString() : tr("write failed");
        m_err << ProgramName << ": "
              << (m_changed ? tr("could not write the output [%1]; the command itself succeeded").arg(why)
                            : tr("could not write the output [%1]").arg(why))
              << Qt::endl;
        return ExitFailed;
    }
    return status;
}

int CommandLine::RunCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr(Description));
    parser.addPositionalArgument(QStringLiteral("command"),
                                 tr("missions, template, save, status, backups, restore, find or help."),
                                 QStringLiteral("<command> [PATH | NUMBER | ID]"));
    // Qt's own help options ("-?" too on Windows), worded as Qt words them, in the player's language
    // where Qt's translations leave them in English.
    const QCommandLineOption helpOption(QCommandLineParser().addHelpOption().names(),
                                        tr("Displays help on commandline options."));
    parser.addOption(helpOption);
    parser.addOption({QStringLiteral("help-all"), tr("Displays help including Qt specific options.")});
    const QCommandLineOption versionOption = parser.addVersionOption();
    // Before the command too ("--dry-run save 12"), as options usually go; the save's own entry in
    // the help tells of it.
    QCommandLineOption dryRunOption(DryRunOption.mid(2));
    dryRunOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(dryRunOption);
    // "save -3" is a wrong number, and a savegame may be named "-x.sav": after the command, no options.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(arguments))
        return UsageError(parser.errorText());
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        m_out << parser.helpText() << Qt::flush;
        return ExitDone;
    }
    if (parser.isSet(versionOption)) {
        m_out << ProgramName << ' ' << QStringLiteral(KELMORA_VERSION) << Qt::endl;
        return ExitDone;
    }

    QStringList words = parser.positionalArguments();
    const bool acceptMix =
        words.size() > 1 && words.first() == QStringLiteral("restore") && words.at(1) == AcceptMixOption;
    if (acceptMix)
        words.removeAt(1);
    // "--" ends the options, as in most programs: "template -- -x.sav" names the savegame -x.sav.
    if (words.size() > 2 && words.at(1) == QStringLiteral("--"))
        words.removeAt(1);
    // "save --dry-run 12" and "save 12 --dry-run" alike, however often it is given.
    bool dryRun = parser.isSet(dryRunOption);
    if (!words.isEmpty() && words.first() == QStringLiteral("save")) {
        const qsizetype given = words.size();
        words.erase(std::remove(words.begin() + 1, words.end(), DryRunOption), words.end());
        dryRun = dryRun || words.size() < given;
    }
    if (words.isEmpty())
        return UsageError(tr("no command given"));
    // Another command has no such option: it is named as what is wrong, not the argument after it.
    if (words.first() != QStringLiteral("save") && (dryRun || (words.size() > 2 && words.at(1) == DryRunOption)))
        return UsageError(tr("unexpected argument '%1'").arg(DryRunOption));
    if (const std::optional<int> status = RunLauncherCommand(words, parser))
        return *status;
    const QString& command = words.first();
    const QMap<QString, QString> argumentOf = {{QStringLiteral("template"), QStringLiteral("PATH")},
                                               {QStringLiteral("save"), QStringLiteral("NUMBER")},
                                               {QStringLiteral("restore"), QStringLiteral("ID")}};
    const bool takesArgument = argumentOf.contains(command);
    if (!takesArgument && command != QStringLiteral("missions") && command != QStringLiteral("status") &&
        command != QStringLiteral("backups"))
        return UsageError(tr("unknown command '%1'").arg(command));
    // An empty word, as "" on a shell line gives it, names nothing either.
    if (takesArgument && (words.size() < 2 || words.at(1).isEmpty()))
        return UsageError(tr("'%1' needs %2").arg(command, argumentOf.value(command)));
    if (words.size() > (takesArgument ? 2 : 1)) {
        // "save --force 6": the word that looks like an option is what is wrong, not the number. A
        // savegame's name may start with a dash.
        const bool optionLike = command != QStringLiteral("template") && words.at(1).startsWith(u'-');
        const qsizetype wrong = takesArgument && !optionLike ? 2 : 1;
        return UsageError(tr("unexpected argument '%1'").arg(words.at(wrong)));
    }

    if (command == QStringLiteral("missions"))
        return Missions();
    if (command == QStringLiteral("status"))
        return Status();
    if (command == QStringLiteral("backups"))
        return Backups();
    if (command == QStringLiteral("restore"))
        return Restore(words.at(1), acceptMix);
    if (command == QStringLiteral("save")) {
        const int number = MissionNumber(words.at(1));
        if (number == 0)
            return UsageError(
                tr("NUMBER must be a whole number from 1 to %1, not '%2'").arg(MISSION_COUNT).arg(words.at(1)));
        return Save(number, dryRun);
    }
    const QFileInfo path(words.at(1));
    if (path.isDir())
        return UsageError(tr("'%1' is a folder, not a driver savegame").arg(words.at(1)));
    if (!path.isFile())
        return UsageError(tr("'%1' is not an existing file").arg(words.at(1)));
    return Template(path.filePath());
}

int CommandLine::UsageError(const QString& problem)
{
    m_err << ProgramName << ": " << ListField(problem) << '\n' << tr(UsageLine) << Qt::endl;
    return ExitUsage;
}

int CommandLine::Missions()
{
    for (int index = 0; index < MISSION_COUNT; ++index) {
        const MissionDetails details = Details(index);
        m_out << index + 1 << '\t' << details.Car << '\t' << details.Location << '\t' << details.Mission << '\t'
              << PlainGoalTime(index) << '\n';
    }
    m_out << Qt::flush;
    return ExitDone;
}

void CommandLine::Present(const Problems& problems)
{
    for (const Problem& problem : problems) {
        const Message message = MessageFor(problem);
        // A name may hold control characters (a line break, a terminal's escape): each line one line.
        m_err << message.title << ": " << ListField(message.text) << '\n';
    }
    m_err << Qt::flush;
}

bool CommandLine::LoadStoredSettings(RunState& state)
{
    // Settings that cannot be read are no reason to say that none were chosen.
    const std::optional<Problem> problem = LoadSettings(state);
    if (problem)
        Present({*problem});
    return !problem;
}

int CommandLine::Template(const QString& path)
{
    // The open dialog hands over a full path; a relative one would be stored relative to nothing.
    const QFileInfo info(path);
    // The system takes ".." from where a folder link leads, but cleaning the text takes it from the link
    // itself: the folder would be another one, with a look-alike template or none.
    // Else the folder as the system finds it: on Windows "C:Alex.sav" is in drive C's current folder,
    // not in its root, where a look-alike may be.
    const QString folder = QDir::fromNativeSeparators(info.path()).split(u'/').contains(QStringLiteral(".."))
                               ? QFileInfo(info.path()).canonicalFilePath()
                               : info.absolutePath();
    const QString full = QDir::cleanPath(QDir(folder).absoluteFilePath(info.fileName()));
    // As the folder spells the name: on a case-insensitive file system ALEX.SAV finds Alex.sav.
    const QString name = NameOnDisk(full).isEmpty() ? info.fileName() : NameOnDisk(full);
    const ChosenFile choice{QDir::toNativeSeparators(QDir(QFileInfo(full).path()).filePath(name)), name};
    RunState state;
    LoadSettings(state);
    const SelectionOutcome outcome = SelectNewTemplateDriver(state, store(), choice);
    Present(outcome.problems);
    if (outcome.result != SelectionOutcome::Result::Selected || !outcome.problems.isEmpty())
        return ExitFailed;
    m_changed = true;
    const QString labels[] = {tr("Template driver:"), tr("Factory driver file:")};
    const int width = LabelWidth({labels[0], labels[1]});
    m_out << labels[0].leftJustified(width) << ListField(state.SavedataFolder + state.TemplateDriverFile) << '\n'
          << labels[1].leftJustified(width) << ListField(state.SavedataFolder + state.FactoryDriverFile) << Qt::endl;
    return ExitDone;
}

int CommandLine::Save(int number, bool dryRun)
{
    // Without settings the save would write to a file named by nothing; the window never offers it.
    // Told before the lock is taken, which would make the per-user folder for nothing.
    const auto noTemplate = [&] {
        m_err << ProgramName << ": " << tr(NoTemplateText) << Qt::endl;
        return ExitFailed;
    };
    RunState state;
    if (!LoadStoredSettings(state))
        return ExitFailed;
    if (!state.SettingsValid)
        return noTemplate();
    // The save is for the template stored when it runs, as the settings read again under the lock
    // name it: one chosen by another run a moment ago is the one saved for.
    const SaveOutcome outcome = store().SaveStoredTemplate(state, number - 1, m_clock, dryRun);
    if (!state.SettingsValid && outcome.problems.size() == 1 && outcome.problems.first().failure == Failure::NoTemplate)
        return noTemplate();
    if (dryRun && !outcome.problems.isEmpty()) {
        // Nothing was tried: a title such as "Write failed" would tell of a write that never was.
        for (const Problem& problem : outcome.problems)
            m_err << tr("The save would fail: %1").arg(ListField(MessageFor(problem).text)) << '\n';
        m_err << tr("Nothing was written (%1)").arg(DryRunOption) << Qt::endl;
        return ExitFailed;
    }
    Present(outcome.problems);
    if (!outcome.saved())
        return ExitFailed;
    // Saved all the same, as the window does; the game starts where the template's progress ends.
    const MissionStatusTable& from = *outcome.templateBlock;
    if (dryRun) {
        QStringList changed;
        for (int mission = 0; mission < MISSION_COUNT; ++mission) {
            if ((*outcome.fileBlock)[mission] != state.MissionStatus[mission])
                changed << QString::number(mission + 1);
        }
        m_out << tr("Would set %1 for mission %2")
                     .arg(ListField(QDir::toNativeSeparators(state.SavedataFolder + state.FactoryDriverFile)),
                          QString::number(number))
              << '\n'
              << tr("Missions whose progress would change: %1")
                     .arg(changed.isEmpty() ? tr("none (the file holds these bytes already)")
                                            : changed.join(QStringLiteral(", ")))
              << '\n'
              << SaveEffectText(from, number - 1, SaveTense::Ahead) << '\n'
              << tr("Nothing was written (%1)").arg(DryRunOption) << Qt::endl;
        return ExitDone;
    }
    m_changed = true;
    if (SaveFallsShort(from, number - 1))
        m_err << ProgramName << ": " << SaveEffectText(from, number - 1) << Qt::endl;
    m_out << outcome.statusText << Qt::endl;
    return ExitDone;
}

int CommandLine::Status()
{
    RunState settings;
    if (!LoadStoredSettings(settings))
        return ExitFailed;
    const QString templatePath = settings.SavedataFolder + settings.TemplateDriverFile;
    const QString factoryPath = settings.SavedataFolder + settings.FactoryDriverFile;
    const QString dataPath = store().DataFilePath();

    const QStringList labels = {tr("Savegame folder:"),   tr("Template driver:"), tr("Factory driver file:"),
                                tr("Program data file:"), tr("Mission choice:"),  tr("Data file place:")};
    const int width = LabelWidth(labels);
    m_out << PathLine(labels[0], width, settings.SavedataFolder, settings.SavedataFolder,
                      FolderState(settings.SavedataFolder))
          << '\n'
          << PathLine(labels[1], width, settings.TemplateDriverFile, templatePath, FileState(templatePath)) << '\n'
          << PathLine(labels[2], width, settings.FactoryDriverFile, factoryPath, FileState(factoryPath)) << '\n'
          << PathLine(labels[3], width, dataPath, dataPath, FileState(dataPath)) << '\n'
          << labels[4].leftJustified(width) << FactoryChoiceText(settings) << '\n'
          << labels[5].leftJustified(width) << tr(DataPlaceName(m_dataLocation.place).toLatin1().constData()) << " ("
          << ListField(m_dataLocation.reason) << ')' << Qt::endl;
    return ExitDone;
}

int CommandLine::Backups(bool json)
{
    const BackupListing listing = store().Backups();
    // The backups that what could not be read did not hide are listed all the same.
    const auto done = [&] {
        if (!listing.problem)
            return ExitDone;
        Present({*listing.problem});
        return ExitFailed;
    };
    if (listing.problem && listing.backups.isEmpty())
        return done();
    if (json) {
        QJsonArray backups;
        for (const ListedBackup& listed : listing.backups) {
            backups.append(QJsonObject{{QStringLiteral("id"), listed.backup.id},
                                       {QStringLiteral("time"), IsoLocalTime(listed.backup.time)},
                                       {QStringLiteral("originalPath"), listed.backup.originalPath},
                                       {QStringLiteral("templateDriver"), listed.backup.templatePath.isEmpty()
                                                                              ? QJsonValue()
                                                                              : QJsonValue(listed.backup.templatePath)},
                                       {QStringLiteral("missionChoice"), listed.plainMissionChoice}});
        }
        m_out << QJsonDocument(backups).toJson(QJsonDocument::Indented) << Qt::flush;
        return done();
    }
    for (const ListedBackup& listed : listing.backups) {
        m_out << listed.backup.id << '\t' << IsoLocalTime(listed.backup.time) << '\t'
              << ListField(listed.backup.originalPath) << '\t' << listed.plainMissionChoice << '\n';
    }
    m_out << Qt::flush;
    return done();
}

int CommandLine::Restore(const QString& id, bool acceptMix)
{
    const RestoreOutcome outcome = store().Restore(id, acceptMix);
    Present(outcome.problems);
    if (outcome.needsConfirmation)
        m_err << ProgramName << ": "
              << tr("nothing was restored; to restore it anyway: %1")
                     .arg(QStringLiteral("kelmora-cli restore ") + AcceptMixOption + u' ' + ListField(id))
              << Qt::endl;
    if (!outcome.done())
        return ExitFailed;
    m_changed = true;
    m_out << ListField(RestoredMessage(*outcome.restored, IsoLocalTime(outcome.restored->time)).text) << Qt::endl;
    return ExitDone;
}

QString CommandLine::FactoryChoiceText(const RunState& settings)
{
    if (settings.FactoryDriverFile.isEmpty())
        return tr("unknown - %1").arg(tr(NoTemplateText));
    return ChoiceText(store().FactoryDriverChoice(settings));
}

QString CommandLine::ChoiceText(const MissionChoice& choice)
{
    QString text = MissionChoiceText(choice);
    if (choice.kind == MissionChoice::Kind::Unknown)
        text += QStringLiteral(" - ") + ListField(choice.reason);
    else if (choice.indexes.size() > 1)
        text += tr(" (a save of any mission from %1 to %2 gives these same bytes)")
                    .arg(choice.indexes.constFirst() + 1)
                    .arg(choice.indexes.constLast() + 1);
    return text;
}

namespace {

const QString JsonOption = QStringLiteral("--json");

// A command's own part of the help text: its line under "Commands:" and the lines that go on from it.
QString CommandHelpText(const QString& helpText, const QString& command)
{
    QStringList lines;
    bool inCommand = false;
    for (const QString& line : helpText.split(u'\n')) {
        const bool startsEntry = line.startsWith(QStringLiteral("  ")) && line.size() > 2 && !line.at(2).isSpace();
        if (startsEntry)
            inCommand = line.mid(2).section(u' ', 0, 0) == command;
        else if (!line.startsWith(QStringLiteral("   ")))
            inCommand = false;
        if (inCommand)
            lines << line;
    }
    return lines.join(u'\n');
}

// A path and what stands there, or null when nothing is stored.
QJsonValue JsonPath(const QString& storedName, const QString& path, const QString& state)
{
    if (storedName.isEmpty())
        return QJsonValue::Null;
    return QJsonObject{{QStringLiteral("path"), path}, {QStringLiteral("state"), state}};
}

QJsonValue JsonMission(const std::optional<int>& index)
{
    return index ? QJsonValue(*index + 1) : QJsonValue(QJsonValue::Null);
}

} // namespace

std::optional<int> CommandLine::RunLauncherCommand(const QStringList& words, const QCommandLineParser& parser)
{
    const QString& command = words.first();
    if (command == QStringLiteral("help")) {
        if (words.size() > 2)
            return UsageError(tr("unexpected argument '%1'").arg(words.at(2)));
        return Help(words.size() == 2 ? words.at(1) : QString(), parser.helpText());
    }
    if (command == QStringLiteral("find")) {
        if (words.size() > 2 || (words.size() == 2 && words.at(1) != JsonOption))
            return UsageError(tr("unexpected argument '%1'").arg(words.last()));
        return Find(words.size() == 2);
    }
    // "status --json extra": the word after the option is what is wrong.
    if ((command == QStringLiteral("status") || command == QStringLiteral("backups")) && words.size() > 2 &&
        words.at(1) == JsonOption)
        return UsageError(tr("unexpected argument '%1'").arg(words.at(2)));
    if (command == QStringLiteral("status") && words.size() == 2 && words.at(1) == JsonOption)
        return StatusJson();
    if (command == QStringLiteral("backups") && words.size() == 2 && words.at(1) == JsonOption)
        return Backups(true);
    return std::nullopt;
}

int CommandLine::Help(const QString& command, const QString& helpText)
{
    if (command.isEmpty()) {
        m_out << helpText << Qt::flush;
        return ExitDone;
    }
    QString text = CommandHelpText(helpText, command);
    if (text.isEmpty())
        return UsageError(tr("unknown command '%1'").arg(command));
    // The notes below the list that name the command, such as its --json form.
    QStringList notes;
    for (const QString& line : helpText.split(u'\n')) {
        if (!line.startsWith(u' ') && line.contains(u'\'' + command + u' '))
            notes << line;
    }
    if (!notes.isEmpty())
        text += QStringLiteral("\n\n") + notes.join(u'\n');
    m_out << text << '\n' << Qt::flush;
    return ExitDone;
}

int CommandLine::Find(bool json)
{
    const SavegameSearch search = FindSavegames(SavegamePlaces(m_placeInputs.value_or(SystemPlaceInputs())));
    if (json) {
        QJsonArray savegames;
        for (const FoundSavegame& found : search.savegames) {
            savegames.append(QJsonObject{{QStringLiteral("path"), found.path},
                                         {QStringLiteral("place"), found.place},
                                         {QStringLiteral("folder"), found.folder},
                                         {QStringLiteral("lastChanged"), IsoLocalTime(found.modified)},
                                         {QStringLiteral("reachedMission"), JsonMission(found.reached)},
                                         {QStringLiteral("progress"), found.progress}});
        }
        const QJsonObject answer{{QStringLiteral("savegames"), savegames},
                                 {QStringLiteral("searched"), QJsonArray::fromStringList(search.searched)},
                                 {QStringLiteral("cutShort"), QJsonArray::fromStringList(search.cutShort)},
                                 {QStringLiteral("unreadable"), QJsonArray::fromStringList(search.unreadable)},
                                 {QStringLiteral("undecodable"), QJsonArray::fromStringList(search.undecodable)},
                                 {QStringLiteral("notListed"), qint64(search.notListed)}};
        m_out << QJsonDocument(answer).toJson(QJsonDocument::Indented) << Qt::flush;
        return ExitDone;
    }
    for (const FoundSavegame& found : search.savegames) {
        m_out << IsoLocalTime(found.modified) << '\t' << ListField(ShownPlaceName(found.place)) << '\t'
              << found.progress << '\t' << ListField(found.path) << '\n';
    }
    m_out << Qt::flush;
    // For a person at the terminal; a script reads nothing on standard output.
    if (search.savegames.isEmpty()) {
        m_err << ProgramName << ": "
              << (search.searched.isEmpty()
                      ? tr("no driver savegame found; none of the places where savegames live exists")
                      : tr("no driver savegame found in: %1").arg(ListFields(ShownPlaceNames(search.searched))))
              << '\n';
    }
    if (!search.cutShort.isEmpty())
        m_err << ProgramName << ": "
              << tr("too large to search whole: %1").arg(ListFields(ShownPlaceNames(search.cutShort))) << '\n';
    for (const QString& folder : search.unreadable)
        m_err << ProgramName << ": "
              << tr("no permission to look in '%1': savegames there cannot be listed").arg(ListField(folder)) << '\n';
    for (const QString& file : search.undecodable)
        m_err << ProgramName << ": "
              << tr("'%1' is not listed, as its name is not text in this system's encoding (rename it to choose it)")
                     .arg(ListField(file))
              << '\n';
    if (search.notListed > 0)
        m_err << ProgramName << ": "
              << tr("only the newest %1 of the %2 driver savegames found are listed")
                     .arg(search.savegames.size())
                     .arg(search.savegames.size() + search.notListed)
              << '\n';
    m_err << Qt::flush;
    return ExitDone;
}

int CommandLine::StatusJson()
{
    RunState settings;
    if (!LoadStoredSettings(settings))
        return ExitFailed;
    const QString templatePath = settings.SavedataFolder + settings.TemplateDriverFile;
    const QString factoryPath = settings.SavedataFolder + settings.FactoryDriverFile;
    const QString dataPath = store().DataFilePath();

    QJsonObject choice;
    std::optional<int> offered;
    if (!settings.FactoryDriverFile.isEmpty()) {
        const MissionChoice found = store().FactoryDriverChoice(settings);
        QJsonArray missions;
        for (const int index : found.indexes)
            missions.append(index + 1);
        const QString kinds[] = {QStringLiteral("unknown"), QStringLiteral("set"), QStringLiteral("playedOn"),
                                 QStringLiteral("asTemplate")};
        choice = {{QStringLiteral("kind"), kinds[int(found.kind)]},
                  {QStringLiteral("missions"), missions},
                  {QStringLiteral("text"), ChoiceText(found)}};
        // What the game makes of the file as it is now.
        MissionStatusTable block{};
        if (ReadMissionBlock(factoryPath, block).isEmpty())
            offered = MissionOfferedNext(block);
    } else {
        choice = {{QStringLiteral("kind"), QStringLiteral("unknown")},
                  {QStringLiteral("missions"), QJsonArray()},
                  {QStringLiteral("text"), FactoryChoiceText(settings)}};
    }

    const QJsonObject answer{
        {QStringLiteral("savegameFolder"),
         JsonPath(settings.SavedataFolder, settings.SavedataFolder, FolderState(settings.SavedataFolder))},
        {QStringLiteral("templateDriver"),
         JsonPath(settings.TemplateDriverFile, templatePath, FileState(templatePath))},
        {QStringLiteral("factoryDriverFile"),
         JsonPath(settings.FactoryDriverFile, factoryPath, FileState(factoryPath))},
        {QStringLiteral("programDataFile"), JsonPath(dataPath, dataPath, FileState(dataPath))},
        {QStringLiteral("missionChoice"), choice},
        {QStringLiteral("gameOffersMission"), JsonMission(offered)},
        {QStringLiteral("dataFilePlace"), QJsonObject{{QStringLiteral("place"), DataPlaceName(m_dataLocation.place)},
                                                      {QStringLiteral("reason"), m_dataLocation.reason}}},
    };
    m_out << QJsonDocument(answer).toJson(QJsonDocument::Indented) << Qt::flush;
    return ExitDone;
}

} // namespace kelmora
