#include "CommandLine.h"
#include "Translations.h"
#include "mission/MissionData.h"
#include "store/BackupFolder.h"
#include "store/FileSystem.h"
#include "support/Fakes.h"
#include "support/Savegames.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace kelmora;
using namespace kelmora::test;

namespace {

struct Outcome
{
    int exitCode = -1;
    QString out;
    QStringList errLines;
};

// The differences between two JSON values of the same command in two languages: none but in the
// values of the keys in `readable`, which are texts for the player.
QStringList JsonDifferences(const QJsonValue& a, const QJsonValue& b, const QStringList& readable,
                            const QString& where = QStringLiteral("/"))
{
    if (a.type() != b.type())
        return {where + QStringLiteral(": another type")};
    QStringList differences;
    if (a.isObject()) {
        const QJsonObject x = a.toObject(), y = b.toObject();
        if (x.keys() != y.keys())
            return {where + QStringLiteral(": keys ") + y.keys().join(u',')};
        for (const QString& key : x.keys()) {
            if (!readable.contains(key) || !x.value(key).isString())
                differences << JsonDifferences(x.value(key), y.value(key), readable, where + key + u'/');
        }
    } else if (a.isArray()) {
        const QJsonArray x = a.toArray(), y = b.toArray();
        if (x.size() != y.size())
            return {where + QStringLiteral(": another length")};
        for (qsizetype i = 0; i < x.size(); ++i)
            differences << JsonDifferences(x.at(i), y.at(i), readable, where + QString::number(i) + u'/');
    } else if (a != b) {
        differences << where + QStringLiteral(": ") + b.toVariant().toString();
    }
    return differences;
}

// What a dry run tells of the refusals of a save (lines of "title: text"): what would fail, and that
// nothing was written.
QStringList AsDryRun(const QStringList& refusals)
{
    QStringList lines;
    for (const QString& line : refusals)
        lines << QStringLiteral("The save would fail: ") + line.section(QStringLiteral(": "), 1);
    return lines << QStringLiteral("Nothing was written (--dry-run)");
}

} // namespace

// The commands run in-process, their streams captured and the settings store redirected; a few runs
// of the real executable check what only a process shows: exit codes, streams, a full disk.
class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void testTemplateThenSave();
    void testUsageErrors_data();
    void testUsageErrors();
    void testFailures();
    void testTemplateThroughFolderLinks_data();
    void testTemplateThroughFolderLinks();
    void testStatus();
    void testStatusOfMissingFiles();
    void testMissionsVersionAndHelp();
    void testExecutable();
    void testTwoSavesAtOnce();
    void testKilledSaves();
    void testLockedOut();
    void testSaveInPlace_data();
    void testSaveInPlace();
    void testBackupsAndRestore();
    void testBackupTimes_data();
    void testBackupTimes();
    void testTwoCopiesShareTheSettings();
    void testTwoUsersShareAFolder_data();
    void testTwoUsersShareAFolder();
    void testCaseInsensitiveCard();
    void testReadOnlyCard();
    void testFullSettingsDisk();
    void testSettingsWriteLost();
    void testRelativeUserFolders();
    void testKilledAtEachStep_data();
    void testKilledAtEachStep();
    void testKilledChoiceOfANewDriver();
    void testNamedThroughProc_data();
    void testNamedThroughProc();
    void testNotNamedWithoutProc();
    void testBackupListEscapes();
    void testDryRunAndWarning();
    void testFind();
    void testStatusJson();
    void testHelp();
    void testHelpInEveryLanguage();
    void testFollowsTheLanguage_data();
    void testFollowsTheLanguage();
    void testWhatScriptsReadInEveryLanguage();

private:
    // Command lines are words between blanks; "<save>", "<bin>" and "<root>" stand for the test's folders.
    // Native separators, as the program writes paths and as a shell hands them over.
    QString At(QString text) const
    {
        return QDir::toNativeSeparators(text.replace(QStringLiteral("<save>"), QStringLiteral("<root>/Save"))
                                            .replace(QStringLiteral("<bin>"), QStringLiteral("<root>/bin"))
                                            .replace(QStringLiteral("<root>"), m_root->path()))
            .replace(QStringLiteral("<no such file>"), NoSuchFileText());
    }
    // The per-user folder of the runs of the real executable: the lock, the backups.
    QString UserData() const
    {
#ifdef Q_OS_WIN
        return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                                        QStringLiteral("/Quorrick/Kelmora"));
#else
        return At("<root>/data/Quorrick/Kelmora");
#endif
    }
    // kelmora-cli as built beside this test, and its name in a folder.
    static QString BuiltProgram()
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/kelmora-cli") + Exe;
    }
    static inline const QString Exe =
        QSysInfo::productType() == QLatin1String("windows") ? QStringLiteral(".exe") : QString();
    Outcome Run(const QString& commandLine)
    {
        return RunWords(At(commandLine).split(u' ', Qt::SkipEmptyParts));
    }
    Outcome RunWords(const QStringList& words, const QStringList& undecodable = {});
    // The same command line run by the real executable, with the settings in <root>/config and the
    // per-user data folder (where the lock lives) in <root>/data. `runner` goes before the program.
    Outcome RunProcess(const QString& commandLine, const QString& standardOutput = {}, const QStringList& runner = {},
                       const QString& timeZone = {});
    void StartProcess(QProcess& process, const QString& commandLine, const QStringList& runner = {},
                      const QString& timeZone = {});
    // Puts a copy of the executable in <bin> and lets it choose <save>/Alex.sav as the template.
    void InstallExecutable();
    // Runs the command line as user 65534 with settings and data in `home`; empty when setpriv or
    // root is missing.
    [[maybe_unused]] std::optional<Outcome> RunAsPlayer(const QString& home, const QString& commandLine);
    // Mounts `what` at <root>/`where` with `command` (mount's or fusefat's arguments); false when
    // this machine does not let it.
    bool Mount(const QStringList& command, const QString& where);
    // The names in the savegame folder, hidden ones too.
    QStringList SaveFolderEntries() const
    {
        return QDir(At("<save>"))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    // The standard output of a command that must succeed without a message.
    QString Ok(const QString& commandLine);
    // What status names as the mission choice.
    QString MissionChoice()
    {
        return Ok(QStringLiteral("status")).section(u'\n', 4, 4).section(u':', 1).trimmed();
    }
    // Runs a command that must fail with exactly `messages` and print nothing on standard output.
    void Fails(const QString& commandLine, const char* messages, bool touchesNothing);

    QTemporaryDir m_settings;
    std::unique_ptr<QTemporaryDir> m_root;
    // What real runs of the program get: its path, and changes to the environment.
    QString m_program;
    QMap<QString, QString> m_environment;
    QStringList m_mounts;
    FixedClock m_clock;
    QString m_workingFolder;
    QByteArray m_template = MakeSavegame(9000, 17);
};

void TestCli::initTestCase()
{
    QVERIFY(m_settings.isValid());
    RedirectSettings(m_settings.path());
    m_workingFolder = QDir::currentPath();
}

void TestCli::init()
{
    ClearSettings();
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    for (const char* folder : {"bin", "config", "home", "Save"})
        QVERIFY(QDir(m_root->path()).mkdir(QString::fromLatin1(folder)));
    // Relative paths on the command line are taken from here, as from a shell.
    QVERIFY(QDir::setCurrent(At("<root>/home")));
    m_program = At("<bin>/kelmora-cli" + Exe);
    m_environment = {
        {"XDG_CONFIG_HOME", At("<root>/config")}, {"XDG_DATA_HOME", At("<root>/data")}, {"HOME", At("<root>/home")}};
    WriteWholeFile(At("<save>/Alex.sav"), m_template);
#ifdef Q_OS_WIN
    // kelmora-cli.exe keeps its settings in the registry and its lock and backups in the user's
    // %LOCALAPPDATA%, whatever this test redirects: it runs only in a profile made to be thrown away.
    static const QStringList runsTheProgram{"testExecutable",          "testTwoSavesAtOnce",
                                            "testKilledSaves",         "testLockedOut",
                                            "testBackupTimes",         "testTwoCopiesShareTheSettings",
                                            "testCaseInsensitiveCard", "testKilledAtEachStep"};
    if (runsTheProgram.contains(QString::fromLatin1(QTest::currentTestFunction()))) {
        if (qEnvironmentVariable("KELMORA_TEST_THROWAWAY_PROFILE") != QLatin1String("1"))
            QSKIP("Runs kelmora-cli.exe, which uses this user's registry and %LOCALAPPDATA%: only in a throwaway "
                  "Wine prefix (./scripts/windows sets KELMORA_TEST_THROWAWAY_PROFILE=1)");
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorrick", "Kelmora").clear();
        QDir(UserData()).removeRecursively();
    }
#endif
}

void TestCli::cleanup()
{
    QDir::setCurrent(m_workingFolder);
    for (const QString& mount : m_mounts)
        QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), mount});
    m_mounts.clear();
}

Outcome TestCli::RunWords(const QStringList& words, const QStringList& undecodable)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    CommandLine commandLine(outStream, errStream, m_clock, {At("<bin>"), DataPlace::ProgramFolder, "test"},
                            At("<root>/user"));
    commandLine.SetPlaceInputs({At("<root>/home"), {}, At("<root>/home/Documents"), {}});
    const int exitCode = commandLine.Run(QStringList{QStringLiteral("kelmora-cli")} + words, undecodable);
    outStream.flush();
    errStream.flush();
    return {exitCode, out, err.split(u'\n', Qt::SkipEmptyParts)};
}

void TestCli::StartProcess(QProcess& process, const QString& commandLine, const QStringList& runner,
                           const QString& timeZone)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (auto it = m_environment.cbegin(); it != m_environment.cend(); ++it)
        environment.insert(it.key(), it.value());
    if (!timeZone.isEmpty())
        environment.insert(QStringLiteral("TZ"), timeZone);
    process.setProcessEnvironment(environment);
    QStringList words = runner;
    words << m_program << At(commandLine).split(u' ', Qt::SkipEmptyParts);
    const QString program = words.takeFirst();
    // Wine now and then fails to set up a new process before it runs any of the program (its loader
    // finds the address of a page of its own taken: "failed to map the shared user data"), and the
    // start fails with "Internal error". The program never ran, so it is started again; a start
    // that fails three times is the test's failure.
    process.start(program, words);
    for (int attempt = 1; attempt < 3 && !process.waitForStarted() && process.error() == QProcess::FailedToStart;
         ++attempt)
        process.start(program, words);
}

Outcome TestCli::RunProcess(const QString& commandLine, const QString& standardOutput, const QStringList& runner,
                            const QString& timeZone)
{
    QProcess process;
    if (!standardOutput.isEmpty())
        process.setStandardOutputFile(standardOutput);
    StartProcess(process, commandLine, runner, timeZone);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    // Windows ends a written line with CR LF.
    const auto text = [](QByteArray bytes) { return QString::fromUtf8(bytes.replace("\r\n", "\n")); };
    return {process.exitCode(), text(process.readAllStandardOutput()),
            text(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts)};
}

QString TestCli::Ok(const QString& commandLine)
{
    const Outcome outcome = Run(commandLine);
    const QString problem = QStringLiteral("%1: exit %2, %3").arg(commandLine).arg(outcome.exitCode);
    QTest::qVerify(outcome.exitCode == 0 && outcome.errLines.isEmpty(), "exit 0 without a message",
                   qPrintable(problem.arg(outcome.errLines.join(u'|'))), __FILE__, __LINE__);
    return outcome.out;
}

void TestCli::Fails(const QString& commandLine, const char* messages, bool touchesNothing)
{
    const QMap<QString, QByteArray> before = Snapshot(m_root->path());
    const Outcome outcome = Run(commandLine);
    QCOMPARE(outcome.errLines, At(QString::fromUtf8(messages)).split(u'\n'));
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(outcome.out, QString());
    if (touchesNothing)
        QCOMPARE(Snapshot(m_root->path()), before);
}

void TestCli::testTemplateThenSave()
{
    const QString factory = At("<save>/AFactMS.sav");

    // A relative path, as typed in a shell standing in another folder.
    QCOMPARE(Ok(QStringLiteral("template ../Save/./Alex.sav")),
             At("Template driver:     <save>/Alex.sav\nFactory driver file: <save>/AFactMS.sav\n"));
    // "--" ends the options, as in most programs.
    QCOMPARE(Ok(QStringLiteral("template -- ../Save/Alex.sav")),
             At("Template driver:     <save>/Alex.sav\nFactory driver file: <save>/AFactMS.sav\n"));
    QCOMPARE(ReadWholeFile(factory), m_template);

    // The first and the last mission, then down and up again: each save starts from the template.
    // The template has progress in every mission, which the last leaves as it is: nothing to offer.
    for (const int number : {1, 34, 2, 33}) {
        const Outcome saved = Run(QStringLiteral("save %1").arg(number, number == 2 ? 3 : 0, 10, QChar(u'0')));
        QCOMPARE(saved.exitCode, 0);
        QCOMPARE(saved.errLines, number == 34 ? QStringList{"kelmora-cli: The template has progress in every mission: "
                                                            "the game will offer no mission next"}
                                              : QStringList{});
        const QRegularExpression status(QStringLiteral("^Saved \\[Mission #%1\\] @ \\S.*\n$").arg(number));
        QVERIFY2(status.match(saved.out).hasMatch(), qPrintable(saved.out));
        QCOMPARE(ReadWholeFile(factory), WithBlock(m_template, ExpectedAfterSave(BlockOf(m_template), number - 1)));
    }
    QCOMPARE(ReadWholeFile(At("<save>/Alex.sav")), m_template);
}

void TestCli::testUsageErrors_data()
{
    QTest::addColumn<bool>("templateChosen");
    QTest::addColumn<QString>("commandLine");
    QTest::newRow("no command") << false << QString();
    QTest::newRow("unknown option") << false << QStringLiteral("--force save 3");
    QTest::newRow("unknown command") << false << QStringLiteral("load 3");
    QTest::newRow("status with an argument") << true << QStringLiteral("status all");
    QTest::newRow("status --json with an argument") << true << QStringLiteral("status --json all");
    QTest::newRow("save without NUMBER") << true << QStringLiteral("save");
    QTest::newRow("save with two numbers") << true << QStringLiteral("save 12 13");
    QTest::newRow("an option after the command") << true << QStringLiteral("save --force 6");
    QTest::newRow("template with a dash-led name and another word") << true << QStringLiteral("template -x.sav extra");
    QTest::newRow("template of a missing file") << false << QStringLiteral("template <save>/Bob.sav");
    QTest::newRow("template of a folder") << true << QStringLiteral("template <save>");
    QTest::newRow("restore without ID") << true << QStringLiteral("restore");
    QTest::newRow("restore with two IDs") << true << QStringLiteral("restore a b");
    QTest::newRow("restore with an empty ID") << true << QStringLiteral("restore|");
    QTest::newRow("template with an empty PATH") << true << QStringLiteral("template|");
    // Bytes that are no UTF-8 text: decoded, the name would stand for another file, here an existing one.
    QTest::newRow("template of a name that is no text") << false << QStringLiteral("template|<save>/\uFFFD.sav");
    QTest::newRow("backups with an argument") << true << QStringLiteral("backups all");
    for (const char* number : {"0", "35", "-3", "+5", "12abc", "4294967308", "000", "3\n", " 3", "\u0663"})
        QTest::addRow("save %s", number) << true << QStringLiteral("save|") + QString::fromUtf8(number);
}

void TestCli::testUsageErrors()
{
    QFETCH(const bool, templateChosen);
    QFETCH(const QString, commandLine);
    if (templateChosen)
        Ok(QStringLiteral("template <save>/Alex.sav"));

    // A '|' separates words that hold blanks of their own. A word with U+FFFD stands for one whose
    // bytes were no text, which is all the program learns of it.
    if (commandLine.contains(u'\uFFFD'))
        WriteWholeFile(At("<save>/\uFFFD.sav"), m_template);
    const QMap<QString, QByteArray> before = Snapshot(m_root->path());
    const QStringList words = At(commandLine).split(u'|');
    const QStringList undecodable = words.filter(QChar(u'\uFFFD'));
    const Outcome outcome = commandLine.contains(u'|') ? RunWords(words, undecodable) : Run(commandLine);
    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(outcome.out, QString());
    QVERIFY(outcome.errLines.first().startsWith(QStringLiteral("kelmora-cli: ")));
    if (QTest::currentDataTag() == QByteArrayLiteral("template of a folder"))
        QCOMPARE(outcome.errLines.first(), At("kelmora-cli: '<save>' is a folder, not a driver savegame"));
    if (QTest::currentDataTag() == QByteArrayLiteral("an option after the command"))
        QCOMPARE(outcome.errLines.first(), QStringLiteral("kelmora-cli: unexpected argument '--force'"));
    if (QTest::currentDataTag() == QByteArrayLiteral("template with a dash-led name and another word"))
        QCOMPARE(outcome.errLines.first(), QStringLiteral("kelmora-cli: unexpected argument 'extra'"));
    if (QTest::currentDataTag() == QByteArrayLiteral("status --json with an argument"))
        QCOMPARE(outcome.errLines.first(), QStringLiteral("kelmora-cli: unexpected argument 'all'"));
    QVERIFY(outcome.errLines.first().contains(QStringLiteral("not text")) == commandLine.contains(u'\uFFFD'));
    QVERIFY(outcome.errLines.last().startsWith(QStringLiteral("Usage: kelmora-cli missions | template PATH")));
    QCOMPARE(Snapshot(m_root->path()), before);
}

void TestCli::testFailures()
{
    const QString dataFile = At("<bin>/kelmora.dat");
    // Nothing chosen yet: a save has no file to write.
    Fails(QStringLiteral("save 5"), "kelmora-cli: No template driver chosen yet: run 'kelmora-cli template PATH' first",
          true);

    // A choice that fails says so with exit 1, and leaves nothing behind.
    WriteWholeFile(At("<save>/Short.sav"), m_template.left(8000));
    Fails(QStringLiteral("template <save>/Short.sav"),
          "Error!: Could not read in template driver file [The file is too short to be a driver savegame (8000 "
          "bytes, at least 8170 needed)]",
          false);
    QVERIFY(!QFile::exists(dataFile) && !QFile::exists(At("<save>/SFactMS.sav")));
    QCOMPARE(Ok(QStringLiteral("status")).section(u'\n', 1, 1), QStringLiteral("Template driver:     none stored"));

    Ok(QStringLiteral("template <save>/Alex.sav"));
    Fails(QStringLiteral("template <save>/AFactMS.sav"),
          "Error! - Select New Template Driver failed: You can't select the factory driver file as your template file!",
          true);

    QVERIFY(QFile::remove(dataFile));
    Fails(QStringLiteral("save 5"),
          "Error!: Could not read from data file '<bin>/kelmora.dat' [<no such file>]\n"
          "Error! - Save failed: Could not read in program data file '<bin>/kelmora.dat' properly",
          true);

    QVERIFY(QDir().mkdir(dataFile));
    Fails(QStringLiteral("template <save>/Alex.sav"),
          "Error!: Could not write to data file '<bin>/kelmora.dat' [Is a directory]", false);

    // Settings that cannot be read say so, rather than that none were chosen.
    const QString settings =
        QSettings(QSettings::defaultFormat(), QSettings::UserScope, "Quorrick", "Kelmora").fileName();
    QVERIFY(QFile::remove(settings) && QDir().mkdir(settings));
    const QString unreadable =
        "Error!: Could not read the settings from '" + QDir::toNativeSeparators(settings) + "' [Is a directory]";
    for (const char* command : {"save 5", "status", "status --json"})
        Fails(QString::fromLatin1(command), unreadable.toUtf8().constData(), true);
    QVERIFY(QDir(settings).removeRecursively());

    // Nor may QSettings' own lock beside them be a folder, where its write would wait for ever.
    QVERIFY(QDir(dataFile).removeRecursively());
    Ok(QStringLiteral("template <save>/Alex.sav"));
    QVERIFY(QDir().mkdir(settings + ".lock"));
    Fails(QStringLiteral("template <save>/Alex.sav"),
          ("Error!: Could not store the settings in '" + QDir::toNativeSeparators(settings + ".lock") +
           "' [Is a directory]")
              .toUtf8()
              .constData(),
          true);
    QVERIFY(QDir(settings + ".lock").removeRecursively());
}

void TestCli::testTemplateThroughFolderLinks_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("..") << "<save>/../Save/Alex.sav"
                        << "<save>/Alex.sav";
    QTest::newRow(".. after a folder link") << "<root>/link/../Bob.sav"
                                            << "<root>/deep/Bob.sav";
    QTest::newRow("relative, .. after a folder link") << "../link/../Bob.sav"
                                                      << "<root>/deep/Bob.sav";
#ifdef Q_OS_WIN
    // In the drive's current folder, not in its root.
    QTest::newRow("relative to a drive") << "<drive>Bob.sav"
                                         << "<root>/home/Bob.sav";
#endif
}

// The system takes ".." from where a folder link leads; the template is the file a shell would open,
// not a look-alike in the folder the text names.
void TestCli::testTemplateThroughFolderLinks()
{
    QFETCH(QString, path);
    QFETCH(QString, chosen);
    QVERIFY(QDir().mkpath(At("<root>/deep/inner")));
    if (path.contains("link") && !MakeLink(At("<root>/deep/inner"), At("<root>/link")))
        QSKIP(NoLinksHere);
    WriteWholeFile(At("<root>/deep/Bob.sav"), MakeSavegame(9000, 5));
    WriteWholeFile(At("<root>/Bob.sav"), MakeSavegame(9000, 6));
    WriteWholeFile(At("<root>/BFactMS.sav"), MakeSavegame(9000, 7));
    WriteWholeFile(At("<root>/home/Bob.sav"), MakeSavegame(9000, 8));
    path.replace("<drive>", At("<root>").left(2));

    const QString factory = QDir::toNativeSeparators(QFileInfo(At(chosen)).path() + u'/' +
                                                     QFileInfo(chosen).fileName().left(1) + "FactMS.sav");
    QCOMPARE(Ok(QStringLiteral("template ") + path),
             At("Template driver:     %1\nFactory driver file: %2\n").arg(At(chosen), factory));
    QCOMPARE(ReadWholeFile(factory), ReadWholeFile(At(chosen)));
    QCOMPARE(ReadWholeFile(At("<root>/BFactMS.sav")), MakeSavegame(9000, 7));
}

void TestCli::testStatus()
{
    const QString factory = At("<save>/AFactMS.sav");
    Ok(QStringLiteral("template <save>/Alex.sav"));
    Ok(QStringLiteral("save 12"));
    QCOMPARE(Ok(QStringLiteral("status")), At("Savegame folder:     <save>/ (exists)\n"
                                              "Template driver:     <save>/Alex.sav (exists)\n"
                                              "Factory driver file: <save>/AFactMS.sav (exists)\n"
                                              "Program data file:   <bin>/kelmora.dat (exists)\n"
                                              "Mission choice:      Mission 12\n"
                                              "Data file place:     beside the program (test)\n"));

    // The windowed program saved since.
    WriteWholeFile(factory, WithBlock(m_template, ExpectedAfterSave(BlockOf(m_template), 21 - 1)));
    QCOMPARE(MissionChoice(), QStringLiteral("Mission 21"));

    // The game marks progress on the mission that was next.
    QByteArray played = ReadWholeFile(factory);
    played[MissionByteOffset(21 - 1, 0)] = 1;
    WriteWholeFile(factory, played);
    QCOMPARE(MissionChoice(), QStringLiteral("played on since a save"));

    // A template whose last records already hold zeros: the last saves all give the same bytes.
    MissionStatusTable block = BlockOf(m_template);
    for (int mission = MISSION_COUNT - 4; mission < MISSION_COUNT; ++mission)
        block[mission] = MissionStatusRecord{};
    WriteWholeFile(At("<save>/Alex.sav"), WithBlock(m_template, block));
    Ok(QStringLiteral("template <save>/Alex.sav"));
    Ok(QStringLiteral("save 31"));
    // Still the template's exact copy: nothing saved into it changed it.
    QCOMPARE(MissionChoice(), QStringLiteral("as the template"));
    played = ReadWholeFile(factory);
    played[100] = char(played[100] + 1);
    WriteWholeFile(factory, played);
    QCOMPARE(MissionChoice(),
             QStringLiteral("Mission 31 (a save of any mission from 31 to 34 gives these same bytes)"));

    // The template itself under the factory driver file's name is no copy of it, fresh or not.
    QVERIFY(QFile::remove(factory));
    QVERIFY(MakeHardLink(At("<save>/Alex.sav"), factory));
    QCOMPARE(MissionChoice(), "unknown - " + factory + ": It is the template driver file, which is never written");
}

void TestCli::testStatusOfMissingFiles()
{
    QCOMPARE(Ok(QStringLiteral("status")), At("Savegame folder:     none stored\n"
                                              "Template driver:     none stored\n"
                                              "Factory driver file: none stored\n"
                                              "Program data file:   <bin>/kelmora.dat (missing)\n"
                                              "Mission choice:      unknown - No template driver chosen yet: "
                                              "run 'kelmora-cli template PATH' first\n"
                                              "Data file place:     beside the program (test)\n"));

    Ok(QStringLiteral("template <save>/Alex.sav"));
    const QString factory = At("<save>/AFactMS.sav");
    QVERIFY(QFile::remove(factory) && QDir().mkdir(factory) && QFile::remove(At("<bin>/kelmora.dat")));
    QCOMPARE(Ok(QStringLiteral("status")).section(u'\n', 2, 2),
             At("Factory driver file: <save>/AFactMS.sav (not a file)"));
    QVERIFY(MissionChoice().startsWith(QStringLiteral("unknown - Could not read factory driver file")));

    QVERIFY(QDir().rmdir(factory));
    WriteWholeFile(factory, m_template);
    QCOMPARE(MissionChoice(),
             At("unknown - Could not read from data file '<bin>/kelmora.dat' [") + NoSuchFileText() + u']');
}

void TestCli::testMissionsVersionAndHelp()
{
    const QStringList lines = Ok(QStringLiteral("missions")).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), MISSION_COUNT);
    for (int row = 0; row < MISSION_COUNT; ++row) {
        const QStringList fields = lines[row].split(u'\t');
        QVERIFY2(fields.size() == 5 && fields[0] == QString::number(row + 1) && !fields.contains(QString()),
                 qPrintable(lines[row]));
    }

    QCOMPARE(Ok(QStringLiteral("--version")), QStringLiteral("kelmora-cli 1.0.0\n"));
    const QString help = Ok(QStringLiteral("--help"));
    for (const char* command : {"missions ", "template PATH ", "save NUMBER ", "status ", "backups ", "restore ID "})
        QVERIFY2(help.contains(QLatin1String(command)), command);
}

void TestCli::InstallExecutable()
{
    // A copy, so that the program data file lands beside it and not in the build.
    QVERIFY(QFile::copy(BuiltProgram(), At("<bin>/kelmora-cli" + Exe)));
    const Outcome outcome = RunProcess(QStringLiteral("template <save>/Alex.sav"));
    QVERIFY2(outcome.exitCode == 0, qPrintable(outcome.errLines.join(u'\n')));
}

void TestCli::testExecutable()
{
    // A copy, so that the program data file lands beside it and not in the build.
    QVERIFY(QFile::copy(BuiltProgram(), At("<bin>/kelmora-cli" + Exe)));
    const QString factory = At("<save>/AFactMS.sav");

    Outcome outcome = RunProcess(QStringLiteral("template <save>/Alex.sav"));
    QCOMPARE(outcome.exitCode, 0);
    outcome = RunProcess(QStringLiteral("save 12"));
    QCOMPARE(outcome.exitCode, 0);
    QVERIFY2(outcome.out.startsWith(QStringLiteral("Saved [Mission #12] @ ")), qPrintable(outcome.out));
    QCOMPARE(ReadWholeFile(factory), SavedFrom(m_template, 11));

    outcome = RunProcess(QStringLiteral("save 35"));
    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(outcome.errLines.size(), 2);

    QVERIFY(QFile::remove(At("<bin>/kelmora.dat")));
    outcome = RunProcess(QStringLiteral("save 5"));
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(outcome.errLines,
             At("Error!: Could not read from data file '<bin>/kelmora.dat' [<no such file>]\n"
                "Error! - Save failed: Could not read in program data file '<bin>/kelmora.dat' properly")
                 .split(u'\n'));

#ifdef Q_OS_LINUX
    // An answer that cannot be written is no answer: a launcher must not take it for success.
    outcome = RunProcess(QStringLiteral("missions"), QStringLiteral("/dev/full"));
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(outcome.errLines, QStringList{"kelmora-cli: could not write the output [No space left on device]"});
    // Nor is a change that was made one that failed: the player hears of both.
    QCOMPARE(RunProcess(QStringLiteral("template <save>/Alex.sav")).exitCode, 0);
    outcome = RunProcess(QStringLiteral("save 6"), QStringLiteral("/dev/full"));
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(outcome.errLines, QStringList{"kelmora-cli: could not write the output [No space left on device]; the "
                                           "command itself succeeded"});
    QCOMPARE(ReadWholeFile(factory), SavedFrom(m_template, 5));
#endif
}

void TestCli::testTwoSavesAtOnce()
{
    InstallExecutable();
    const QString factory = At("<save>/AFactMS.sav");
    const QByteArray five = SavedFrom(m_template, 4);
    const QByteArray thirty = SavedFrom(m_template, 29);
    const QStringList entries = SaveFolderEntries();
    int fiveLast = 0;
    for (int round = 0; round < 30; ++round) {
        // Either may start first; the one that finds the lock taken waits for it, then saves too.
        QProcess first, second;
        StartProcess(first, round % 2 ? QStringLiteral("save 5") : QStringLiteral("save 30"));
        StartProcess(second, round % 2 ? QStringLiteral("save 30") : QStringLiteral("save 5"));
        for (QProcess* process : {&first, &second}) {
            QVERIFY2(process->waitForFinished(30000), qPrintable(process->errorString()));
            QCOMPARE(process->exitStatus(), QProcess::NormalExit);
            QVERIFY2(process->exitCode() == 0, process->readAllStandardError().constData());
        }
        const QByteArray bytes = ReadWholeFile(factory);
        QVERIFY2(bytes == five || bytes == thirty, qPrintable(QStringLiteral("round %1: a mixed block").arg(round)));
        fiveLast += bytes == five;
        QCOMPARE(SaveFolderEntries(), entries);
    }
    qInfo("Mission 5 was saved last in %d of 30 rounds", fiveLast);

    // A template chosen while a save starts: the save is for the template stored when it runs, as if
    // it had come later, and is never refused as chosen since kelmora-cli started.
    WriteWholeFile(At("<save>/Bob.sav"), MakeSavegame(65536, 5));
    for (int round = 0; round < 30; ++round) {
        QProcess choice, save;
        StartProcess(choice, round % 2 ? QStringLiteral("template <save>/Alex.sav")
                                       : QStringLiteral("template <save>/Bob.sav"));
        StartProcess(save, QStringLiteral("save 7"));
        for (QProcess* process : {&choice, &save}) {
            QVERIFY2(process->waitForFinished(30000), qPrintable(process->errorString()));
            QVERIFY2(process->exitCode() == 0, process->readAllStandardError().constData());
        }
    }
}

void TestCli::testKilledSaves()
{
    InstallExecutable();
    const QString factory = At("<save>/AFactMS.sav");
    const QByteArray dataFile = ReadWholeFile(At("<bin>/kelmora.dat"));
    QByteArray previous = ReadWholeFile(factory);
    const QStringList entries = SaveFolderEntries();
    // How long a save takes here, from its start to its exit (the median of five): the kills are
    // spread over that.
    std::vector<qint64> runs;
    for (int run = 0; run < 5; ++run) {
        QProcess process;
        StartProcess(process, QStringLiteral("save 30"));
        QVERIFY(process.waitForStarted());
        QElapsedTimer timer;
        timer.start();
        QVERIFY(process.waitForFinished(30000) && process.exitCode() == 0);
        runs.push_back(timer.nsecsElapsed() / 1000);
    }
    std::sort(runs.begin(), runs.end());
    const qint64 runUs = runs[2];
    previous = ReadWholeFile(factory);
    int finished = 0, killedOld = 0, killedNew = 0, strays = 0;
    for (int round = 0; round < 60; ++round) {
        // Alternating, so that every save changes the file.
        const int number = round % 2 ? 30 : 5;
        const QByteArray saved = SavedFrom(m_template, number - 1);
        QProcess process;
        StartProcess(process, QStringLiteral("save %1").arg(number));
        QVERIFY(process.waitForStarted());
        // The delay is what this test varies, not a wait for something: from a fifth of a save's run
        // to half as long again, in a scattered order.
        const double share = 0.2 + 1.3 * (round * 37 % 60) / 60.0;
        std::this_thread::sleep_for(std::chrono::microseconds(qint64(runUs * share)));
        process.kill();
        QVERIFY(process.waitForFinished(30000));
        const bool killed = process.exitStatus() == QProcess::CrashExit;
        QVERIFY2(killed || process.exitCode() == 0, process.readAllStandardError().constData());

        const QByteArray bytes = ReadWholeFile(factory);
        QVERIFY2(bytes == saved || (killed && bytes == previous),
                 qPrintable(QStringLiteral("round %1: neither the old nor the new bytes").arg(round)));
        finished += !killed;
        killedOld += killed && bytes == previous;
        killedNew += killed && bytes != previous;
        // What a kill may leave beside the file: only ever the new version under its one pending
        // name, which no look-up of the program matches and the next save clears away.
        for (const QString& name : SaveFolderEntries()) {
            if (entries.contains(name))
                continue;
            QCOMPARE(name, QStringLiteral("AFactMS.sav.kelmora-new"));
            ++strays;
            QVERIFY(QFile::remove(At("<save>/") + name));
        }
        previous = bytes;
    }
    qInfo("A save runs %lld us; of 60, %d finished before the kill; of those killed, %d left the old bytes, %d the "
          "new ones; %d left a temporary file",
          static_cast<long long>(runUs), finished, killedOld, killedNew, strays);

    // Whatever the kills left, a stale lock included, the next save and template choice just work.
    Outcome outcome = RunProcess(QStringLiteral("save 12"));
#ifdef Q_OS_WIN
    // Windows lets go of a killed program's lock in its own time ("depends upon available system
    // resources"), which may come after the program's end is reported: until then the save is told
    // that another one is running.
    for (int wait = 0; wait < 30 && outcome.errLines.value(0).startsWith(QStringLiteral("Error! - Busy")); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        outcome = RunProcess(QStringLiteral("save 12"));
    }
#endif
    QVERIFY2(outcome.exitCode == 0, qPrintable(outcome.errLines.join(u'\n')));
    QCOMPARE(ReadWholeFile(factory), SavedFrom(m_template, 11));
    outcome = RunProcess(QStringLiteral("template <save>/Alex.sav"));
    QVERIFY2(outcome.exitCode == 0, qPrintable(outcome.errLines.join(u'\n')));
    QCOMPARE(ReadWholeFile(factory), m_template);
    QCOMPARE(ReadWholeFile(At("<save>/Alex.sav")), m_template);
    QCOMPARE(ReadWholeFile(At("<bin>/kelmora.dat")), dataFile);
    QCOMPARE(SaveFolderEntries(), entries);
}

void TestCli::testLockedOut()
{
    InstallExecutable();
    const QString factory = At("<save>/AFactMS.sav");
    // Where the program's per-user data folder is with XDG_DATA_HOME set, as QStandardPaths says.
    const QString lockPath = UserData() + QStringLiteral("/kelmora.lock");
    QVERIFY(QDir().mkpath(QFileInfo(lockPath).path()));
    // Another run holds the lock, as the program takes it.
    auto held = std::make_unique<FlowLock>(QFileInfo(lockPath).path());
    QCOMPARE(held->Acquire(0), std::nullopt);

    const QMap<QString, QByteArray> before = Snapshot(m_root->path());
    QElapsedTimer waited;
    waited.start();
    Outcome outcome = RunProcess(QStringLiteral("save 5"));
    QVERIFY2(waited.elapsed() >= 4000, "gave up without waiting for the other flow");
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(outcome.out, QString());
    QCOMPARE(outcome.errLines, QStringList{"Error! - Busy: Another Kelmora is saving or choosing a template driver "
                                           "right now. Try again when it has finished."});
    QCOMPARE(Snapshot(m_root->path()), before);
    held.reset();

    // What killed runs of earlier versions left behind (a lock file naming a dead process, an empty
    // one, the helper file of a QLockFile) never keeps the next run waiting.
    // As QLockFile writes its owner, with a process number no system hands out.
    QByteArray deadOwner;
    {
        QFile::remove(lockPath);
        QLockFile owner(lockPath);
        QVERIFY(owner.tryLock(0));
        deadOwner = ReadWholeFile(lockPath);
    }
    deadOwner.replace(0, deadOwner.indexOf('\n'), "2147483600");
    // A run that waited for them would end Busy.
    for (const QByteArray& leftover : {deadOwner, QByteArray()}) {
        for (const QString& file : {lockPath, lockPath + ".rmlock"}) {
            WriteWholeFile(file, file == lockPath ? leftover : QByteArray());
            // As old as a run killed a while ago left it.
            QFile old(file);
            QVERIFY(old.open(QIODevice::ReadWrite) &&
                    old.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        }
        outcome = RunProcess(QStringLiteral("save %1").arg(leftover.isEmpty() ? 30 : 5));
        QVERIFY2(outcome.exitCode == 0, qPrintable(outcome.errLines.join(u'\n')));
        QCOMPARE(ReadWholeFile(factory), SavedFrom(m_template, leftover.isEmpty() ? 29 : 4));
    }
}

void TestCli::testSaveInPlace_data()
{
    QTest::addColumn<bool>("playerOwnsFactory");
    QTest::addColumn<bool>("sharedFolder"); // sticky and writable by all, as /tmp
    QTest::addColumn<bool>("otherName"); // the file is also another savegame, by a hard link
    QTest::addColumn<bool>("unlistedFolder"); // the player may make files there but not list it
    QTest::newRow("the player's own factory driver file") << true << false << false << false;
    QTest::newRow("a factory driver file the player may not write") << false << false << false << false;
    QTest::newRow("another user's factory driver file in a shared folder") << false << true << false << false;
    // Written into, the other savegame would change too.
    QTest::newRow("a factory driver file that is also another savegame") << true << false << true << false;
    // A new name there could not be flushed: a replace would be made and reported as failed.
    QTest::newRow("a folder the player may not list") << true << false << false << true;
}

// A savegame folder where the player may not make files, such as one the game's installer made, still
// lets the player's own factory driver file be saved: in place, with nothing made beside it. So does
// a shared folder, where the player may make files but not replace another user's.
void TestCli::testSaveInPlace()
{
#ifdef Q_OS_LINUX
    QFETCH(const bool, playerOwnsFactory);
    QFETCH(const bool, sharedFolder);
    QFETCH(const bool, otherName);
    QFETCH(const bool, unlistedFolder);
    if (::geteuid() != 0)
        QSKIP("Needs root to hand the files to another user");
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        QSKIP("setpriv is not installed");
    constexpr uid_t Player = 65534;

    InstallExecutable();
    const QString factory = At("<save>/AFactMS.sav");
    // The player may reach everything, own the program's copy, its settings and data, and
    // perhaps the factory driver file; the savegame folder and the template stay root's.
    QVERIFY(QFile::setPermissions(m_root->path(), QFile::permissions(m_root->path()) | QFile::ReadOther |
                                                      QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup));
    QVERIFY(QDir().mkpath(At("<root>/data")));
    for (const char* folder : {"bin", "config", "data", "home"}) {
        const QString path = At("<root>/") + QLatin1String(folder);
        QDirIterator entries(path, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
        QStringList paths{path};
        while (entries.hasNext())
            paths << entries.next();
        for (const QString& entry : paths)
            QVERIFY2(::lchown(QFile::encodeName(entry).constData(), Player, Player) == 0, qPrintable(entry));
    }
    if (playerOwnsFactory)
        QVERIFY(::chown(QFile::encodeName(factory).constData(), Player, Player) == 0);
    if (sharedFolder) {
        QCOMPARE(::chmod(QFile::encodeName(At("<save>")).constData(), 01777), 0);
        QCOMPARE(::chmod(QFile::encodeName(factory).constData(), 0666), 0);
    }
    if (unlistedFolder) {
        // Nor may a template choice put the program data file in a folder that it could not flush:
        // it is refused before anything changes.
        const QString bob = At("<save>/Bob.sav"), bin = At("<bin>");
        WriteWholeFile(bob, MakeSavegame(9000, 20));
        const QByteArray dataBefore = ReadWholeFile(bin + QStringLiteral("/kelmora.dat"));
        QCOMPARE(::chmod(QFile::encodeName(At("<save>")).constData(), 0777), 0);
        QCOMPARE(::chmod(QFile::encodeName(bin).constData(), 0300), 0);
        const Outcome chosen = RunProcess(QStringLiteral("template ") + bob, {},
                                          {setpriv, "--reuid=65534", "--regid=65534", "--clear-groups"});
        QCOMPARE(::chmod(QFile::encodeName(bin).constData(), 0755), 0);
        QCOMPARE(chosen.exitCode, 1);
        QCOMPARE(ReadWholeFile(bin + QStringLiteral("/kelmora.dat")), dataBefore);
        QVERIFY(!QFileInfo::exists(At("<save>/BFactMS.sav")));
        QVERIFY(QFile::remove(bob));
        // Then a savegame folder of the same kind, where the old choice still saves.
        QCOMPARE(::chmod(QFile::encodeName(At("<save>")).constData(), 0333), 0);
    }
    const QString other = At("<save>/Bob.sav");
    if (otherName)
        QCOMPARE(::link(QFile::encodeName(factory).constData(), QFile::encodeName(other).constData()), 0);
    struct stat before = {};
    QVERIFY(::stat(QFile::encodeName(factory).constData(), &before) == 0);
    const QStringList entries = SaveFolderEntries();

    const QStringList asPlayer = {setpriv, "--reuid=65534", "--regid=65534", "--clear-groups"};
    // A dry run refuses what the save refuses, and writes nothing.
    const Outcome dry = RunProcess(QStringLiteral("save --dry-run 7"), {}, asPlayer);
    QCOMPARE(ReadWholeFile(factory), m_template);
    const Outcome outcome = RunProcess(QStringLiteral("save 7"), {}, asPlayer);
    QCOMPARE(dry.exitCode, outcome.exitCode);
    if (outcome.exitCode != 0)
        QCOMPARE(dry.errLines, AsDryRun(outcome.errLines));
    struct stat after = {};
    QVERIFY(::stat(QFile::encodeName(factory).constData(), &after) == 0);
    QCOMPARE(SaveFolderEntries(), entries);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(ReadWholeFile(At("<save>/Alex.sav")), m_template);
    if (otherName) {
        QCOMPARE(outcome.exitCode, 1);
        QCOMPARE(outcome.errLines,
                 At("Error! - Write failed: Could not write to factory driver file '<save>/AFactMS.sav' "
                    "[It has other names, which a write into it would change too]")
                     .split(u'\n'));
        QCOMPARE(ReadWholeFile(factory), m_template);
        QCOMPARE(ReadWholeFile(other), m_template);
    } else if (playerOwnsFactory) {
        QVERIFY2(outcome.exitCode == 0, qPrintable(outcome.errLines.join(u'\n')));
        QVERIFY2(outcome.out.startsWith(QStringLiteral("Saved [Mission #7] @ ")), qPrintable(outcome.out));
        QCOMPARE(ReadWholeFile(factory), SavedFrom(m_template, 6));
        // Written into, the file cannot be its own backup: the backup is a copy of what it held.
        QDirIterator kept(UserData() + QStringLiteral("/Backups"), {QStringLiteral("*.sav")}, QDir::Files,
                          QDirIterator::Subdirectories);
        QVERIFY(kept.hasNext());
        QCOMPARE(ReadWholeFile(kept.next()), m_template);
        QVERIFY(!kept.hasNext());
        // A restore goes back the same way, where a save can go.
        const Outcome listed =
            RunProcess(QStringLiteral("backups"), {}, {setpriv, "--reuid=65534", "--regid=65534", "--clear-groups"});
        const Outcome restored = RunProcess(QStringLiteral("restore ") + listed.out.section(u'\t', 0, 0), {},
                                            {setpriv, "--reuid=65534", "--regid=65534", "--clear-groups"});
        QVERIFY2(restored.exitCode == 0, qPrintable(restored.errLines.join(u'\n')));
        QCOMPARE(ReadWholeFile(factory), m_template);
    } else {
        // Another user's savegame is theirs, even where the folder or its mode would let this one in.
        QCOMPARE(outcome.exitCode, 1);
        QCOMPARE(outcome.errLines,
                 At("Error! - Write failed: Could not write to factory driver file '<save>/AFactMS.sav' "
                    "[It belongs to another user, whose savegames Kelmora never changes]")
                     .split(u'\n'));
        QCOMPARE(ReadWholeFile(factory), m_template);
    }
#else
    QSKIP("Runs another user with setpriv, on Linux");
#endif
}

void TestCli::testBackupsAndRestore()
{
    const QString factory = At("<save>/AFactMS.sav");
    QCOMPARE(Ok(QStringLiteral("backups")), QString());
    Ok(QStringLiteral("template <save>/Alex.sav"));
    Ok(QStringLiteral("save 12"));
    QByteArray played = ReadWholeFile(factory);
    played[MissionByteOffset(11, 0)] = 9;
    WriteWholeFile(factory, played);
    Ok(QStringLiteral("save 3"));

    QStringList lines = Ok(QStringLiteral("backups")).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    const QRegularExpression line(
        QStringLiteral("^[0-9a-z-]+\t\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d\t") +
        QRegularExpression::escape(factory) + QStringLiteral("\t(.+)$"));
    QStringList choices, ids;
    for (const QString& text : lines) {
        const QRegularExpressionMatch match = line.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        choices << match.captured(1);
        ids << text.section(u'\t', 0, 0);
    }
    QCOMPARE(choices, QStringList({"played on since a save", "as the template"}));

    const QString time = lines[0].section(u'\t', 1, 1);
    QCOMPARE(Ok(QStringLiteral("restore ") + ids[0]), At("Restored '<save>/AFactMS.sav' as it was at ") + time + u'\n');
    QCOMPARE(ReadWholeFile(factory), played);
    QCOMPARE(Ok(QStringLiteral("backups")).split(u'\n', Qt::SkipEmptyParts).first().section(u'\t', 3),
             QStringLiteral("Mission 3"));

    Fails(QStringLiteral("restore 20261207-000000-000-00000000"),
          "Error! - Restore failed: There is no backup '20261207-000000-000-00000000'", true);
    // A message stays one line, and steers no terminal, whatever a name holds.
    QCOMPARE(RunWords({"restore", "a\nb\x1b[31m"}, {}).errLines,
             QStringList{"Error! - Restore failed: There is no backup 'a%0Ab%1B[31m'"});
    QCOMPARE(RunWords({"template", At("<save>/Bo\nb.sav")}, {}).errLines.value(0),
             At("kelmora-cli: '<save>/Bo%0Ab.sav' is not an existing file"));
    // No backup, no change: the backup folder's place is taken by a file.
    QVERIFY(QDir(At("<root>/user/Backups")).removeRecursively());
    WriteWholeFile(At("<root>/user/Backups"), "in the way");
    const Outcome failed = Run(QStringLiteral("save 1"));
    QCOMPARE(failed.exitCode, 1);
    QCOMPARE(failed.errLines.size(), 1);
    QVERIFY2(failed.errLines[0].startsWith(
                 At("Error!: Could not back up '<save>/AFactMS.sav' before changing it [<root>/user/Backups: ")),
             qPrintable(failed.errLines[0]));
    QCOMPARE(ReadWholeFile(factory), played);
    // Nor does a list that cannot be read pass for an empty one.
    const Outcome listed = Run(QStringLiteral("backups"));
    QCOMPARE(listed.exitCode, 1);
    QCOMPARE(listed.out, QString());
    QVERIFY2(listed.errLines.value(0).startsWith(At("Error!: Could not read the backups in '<root>/user/Backups' [")),
             qPrintable(listed.errLines.join(u'\n')));
}

void TestCli::testBackupTimes_data()
{
    QTest::addColumn<QString>("timeZone");
    QTest::addColumn<QString>("offset");
    // POSIX zones, which need no zone database: the sign is the other way round.
    QTest::newRow("UTC") << "UTC0"
                         << "+00:00";
    QTest::newRow("east") << "KST-01"
                          << "+01:00";
    QTest::newRow("half hour east") << "KST-05:30"
                                    << "+05:30";
    QTest::newRow("west, half hour") << "KST03:30"
                                     << "-03:30";
}

void TestCli::testBackupTimes()
{
    QFETCH(const QString, timeZone);
    QFETCH(const QString, offset);
    QVERIFY(QFile::copy(BuiltProgram(), At("<bin>/kelmora-cli" + Exe)));
    QCOMPARE(RunProcess(QStringLiteral("template <save>/Alex.sav")).exitCode, 0);
    QCOMPARE(RunProcess(QStringLiteral("save 2")).exitCode, 0);
    const Outcome listed = RunProcess(QStringLiteral("backups"), {}, {}, timeZone);
    QCOMPARE(listed.exitCode, 0);
    const QString id = listed.out.section(u'\t', 0, 0);
    const QString time = listed.out.section(u'\t', 1, 1);

    // The ID starts with the time in UTC with milliseconds; the list gives it to the second.
    QDateTime taken = QDateTime::fromString(id.left(19), QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    taken.setTimeSpec(Qt::UTC);
    QVERIFY2(taken.isValid(), qPrintable(id));
    QCOMPARE(time.size(), 25);
    QCOMPARE(time.right(6), offset);
    QCOMPARE(QDateTime::fromString(time, Qt::ISODate).toUTC(), taken.addMSecs(-taken.time().msec()).toUTC());
}

std::optional<Outcome> TestCli::RunAsPlayer(const QString& home, const QString& commandLine)
{
#ifdef Q_OS_UNIX
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (::geteuid() != 0 || setpriv.isEmpty())
        return std::nullopt;
    // The player may reach the test's folders, and owns a home of their own.
    if (::chmod(QFile::encodeName(m_root->path()).constData(), 0755) != 0 || !QDir().mkpath(home))
        return std::nullopt;
    QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("65534:65534"), home});
    const QMap<QString, QString> own = m_environment;
    m_environment = {{"XDG_CONFIG_HOME", home + "/config"}, {"XDG_DATA_HOME", home + "/data"}, {"HOME", home}};
    const Outcome outcome = RunProcess(commandLine, {}, {setpriv, "--reuid=65534", "--regid=65534", "--clear-groups"});
    m_environment = own;
    return outcome;
#else
    Q_UNUSED(home);
    Q_UNUSED(commandLine);
    return std::nullopt;
#endif
}

bool TestCli::Mount(const QStringList& command, const QString& where)
{
    QDir().mkpath(At("<root>/") + where);
    QProcess mount;
    mount.start(command.first(), command.mid(1) << At("<root>/") + where);
    if (!mount.waitForFinished(30000) || mount.exitStatus() != QProcess::NormalExit || mount.exitCode() != 0)
        return false;
    m_mounts << At("<root>/") + where;
    return true;
}

// Two copies of the program share one player's settings: an installed one and a portable one, say.
// Each keeps its own program data file; the settings name what the last choice chose.
void TestCli::testTwoCopiesShareTheSettings()
{
    InstallExecutable();
    QVERIFY(QDir().mkpath(At("<root>/bin2")));
    QVERIFY(QFile::copy(BuiltProgram(), At("<root>/bin2/kelmora-cli" + Exe)));
    const QByteArray bob = MakeSavegame(9000, 18);
    WriteWholeFile(At("<save>/Bob.sav"), bob);
    m_program = At("<root>/bin2/kelmora-cli" + Exe);
    QCOMPARE(RunProcess(QStringLiteral("template <save>/Bob.sav")).exitCode, 0);
    m_program = At("<bin>/kelmora-cli" + Exe);
    const QMap<QString, QByteArray> before = Snapshot(m_root->path());

    // The first copy's data file holds Alex's progress: saved into Bob's copy, it would give Bob's
    // driver Alex's missions.
    const Outcome refused = RunProcess(QStringLiteral("save 5"));
    QCOMPARE(refused.exitCode, 1);
    QCOMPARE(refused.errLines,
             QStringList{At("Error! - Save failed: Nothing was saved: the program data file '<bin>/kelmora.dat' does "
                            "not hold the progress of the current template driver [The template driver was chosen by "
                            "the copy of Kelmora that keeps it in '<root>/bin2/kelmora.dat']. Choose the template "
                            "driver again to fix this.")});
    QCOMPARE(Snapshot(m_root->path()), before);
    // A look tells the same, and claims no save.
    QVERIFY(RunProcess(QStringLiteral("status"))
                .out.contains(At("Mission choice:      unknown - The program data file '<bin>/kelmora.dat' does not "
                                 "hold the progress of the current template driver [The template driver was "
                                 "chosen by the copy of Kelmora that keeps it in '<root>/bin2/kelmora.dat']")));

    QCOMPARE(RunProcess(QStringLiteral("template <save>/Bob.sav")).exitCode, 0);
    QCOMPARE(RunProcess(QStringLiteral("save 5")).exitCode, 0);
    QCOMPARE(ReadWholeFile(At("<save>/BFactMS.sav")), SavedFrom(bob, 4));
}

void TestCli::testTwoUsersShareAFolder_data()
{
    QTest::addColumn<QString>("shared");
    QTest::addColumn<bool>("privateDataFile"); // the first user's kelmora.dat only they may read
    // A portable copy in a folder both may write: each chooses a template of their own.
    QTest::newRow("program folder") << "<bin>" << false;
    // A savegame folder both may write: the other's choice would remove the first one's copy.
    QTest::newRow("savegame folder") << "<save>" << false;
    // The choice cannot write over it; undone, it leaves the file it never read where it was.
    QTest::newRow("program folder, private data file") << "<bin>" << true;
}

void TestCli::testTwoUsersShareAFolder()
{
#ifndef Q_OS_UNIX
    QSKIP("Runs a second user with setpriv; Windows has no setpriv, and a second account needs an administrator");
#else
    QFETCH(const QString, shared);
    QFETCH(const bool, privateDataFile);
    InstallExecutable();
    QCOMPARE(RunProcess(QStringLiteral("save 9")).exitCode, 0);
    QCOMPARE(::chmod(QFile::encodeName(At(shared)).constData(), 0777), 0);
    const QString dataFile = At("<bin>/kelmora.dat");
    const QByteArray data = ReadWholeFile(dataFile);
    if (privateDataFile) {
        QCOMPARE(::chmod(QFile::encodeName(At("<save>")).constData(), 0777), 0);
        QCOMPARE(::chmod(QFile::encodeName(dataFile).constData(), 0600), 0);
    }
    const QString player = At("<root>/player");
    const QByteArray ann = MakeSavegame(9000, 19);
    const QString annPath = shared == "<save>" ? At("<save>/Ann.sav") : player + "/Ann.sav";
    QVERIFY(QDir().mkpath(player));
    WriteWholeFile(annPath, ann);
    const QMap<QString, QByteArray> before = Snapshot(At("<save>"));

    const std::optional<Outcome> chosen = RunAsPlayer(player, "template " + annPath);
    if (!chosen)
        QSKIP("Needs root and setpriv to run as another user");
    if (privateDataFile) {
        QCOMPARE(chosen->errLines,
                 QStringList{At("Error!: Could not write to data file '<bin>/kelmora.dat' [Permission denied]")});
        QCOMPARE(ReadWholeFile(dataFile), data);
        QCOMPARE(ReadWholeFile(At("<save>/AFactMS.sav")), SavedFrom(m_template, 8));
        QVERIFY(!QFileInfo::exists(player + "/AFactMS.sav"));
        return;
    }
    if (shared == "<save>") {
        QCOMPARE(chosen->exitCode, 1);
        QCOMPARE(
            chosen->errLines,
            QStringList{At("Error!: Could not make factory driver file from template driver file [<save>/AFactMS.sav: "
                           "It belongs to another user, whose savegames Kelmora never changes]")});
        QCOMPARE(Snapshot(At("<save>")), before);
        return;
    }
    QVERIFY2(chosen->exitCode == 0, qPrintable(chosen->errLines.join(u'\n')));
    // The program data file is the player's now; the first user's saves refuse it rather than write
    // Ann's progress into Alex's copy.
    const Outcome refused = RunProcess(QStringLiteral("save 5"));
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.errLines.value(0).endsWith("[It belongs to another user]. Choose the template driver again to "
                                                "fix this."),
             qPrintable(refused.errLines.join(u'\n')));
    QCOMPARE(ReadWholeFile(At("<save>/AFactMS.sav")), SavedFrom(m_template, 8));
    const std::optional<Outcome> saved = RunAsPlayer(player, "save 5");
    QVERIFY2(saved->exitCode == 0, qPrintable(saved->errLines.join(u'\n')));
    QCOMPARE(ReadWholeFile(player + "/AFactMS.sav"), SavedFrom(ann, 4));
    // Once the file has a backup folder of its own, nothing more is made in the one that holds it;
    // and nothing in its own while its newest backup holds its bytes already (a template chosen
    // twice keeps its fresh copy): a dry run does not refuse what the save does.
    for (int choice = 0; choice < 2; ++choice)
        QCOMPARE(RunAsPlayer(player, "template " + annPath)->exitCode, 0);
    const QString backups = player + "/data/Quorrick/Kelmora/Backups";
    const QStringList locked{backups,
                             backups + u'/' + QDir(backups).entryList(QDir::Dirs | QDir::NoDotAndDotDot).value(0)};
    for (const QString& folder : locked)
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0500), 0);
    const std::optional<Outcome> dry = RunAsPlayer(player, "save --dry-run 7"), wet = RunAsPlayer(player, "save 7");
    for (const QString& folder : locked)
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0700), 0);
    QVERIFY2(dry->exitCode == 0 && wet->exitCode == 0, qPrintable((dry->errLines + wet->errLines).join(u'\n')));

    // A settings folder the player cannot enter hides the settings: that is said, not that none were stored.
    const QByteArray folder = QFile::encodeName(player + "/config/Quorrick");
    QCOMPARE(::chmod(folder.constData(), 0), 0);
    const std::optional<Outcome> hidden = RunAsPlayer(player, "status");
    QCOMPARE(::chmod(folder.constData(), 0755), 0);
    QCOMPARE(hidden->exitCode, 1);
    QCOMPARE(hidden->errLines, QStringList{"Error!: Could not read the settings from '" + player +
                                           "/config/Quorrick/Kelmora.conf' [Permission denied]"});

    // Another file's backups the player may not read hide that file's only: Ann's are still listed,
    // and put back.
    const QString stranger = backups + "/0123456789abcdef";
    QVERIFY(QDir().mkpath(stranger));
    QCOMPARE(::chmod(QFile::encodeName(stranger).constData(), 0), 0);
    const std::optional<Outcome> listed = RunAsPlayer(player, "backups");
    QCOMPARE(listed->exitCode, 1);
    QCOMPARE(listed->errLines,
             QStringList{"Error!: Could not read the backups in '" + stranger + "' [Permission denied]"});
    const QStringList lines = listed->out.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    for (const QString& line : lines)
        QCOMPARE(line.section(u'\t', 2, 2), player + "/AFactMS.sav");
    QCOMPARE(::chmod(QFile::encodeName(stranger).constData(), 0), 0); // taken back by the player's run
    const std::optional<Outcome> restored = RunAsPlayer(player, "restore " + lines.last().section(u'\t', 0, 0));
    QVERIFY2(restored->exitCode == 0, qPrintable(restored->errLines.join(u'\n')));
#endif
}

// FAT and exFAT, as on a Steam Deck's card, take aFactMS.sav and AFactMS.sav for one file: alex.sav
// and Anna.sav share it, whatever the names' case says.
void TestCli::testCaseInsensitiveCard()
{
    InstallExecutable();
#ifdef Q_OS_WIN
    // Every Windows file system takes the two names for one.
    QVERIFY(QDir().mkpath(At("<root>/card")));
#else
    const QString image = At("<root>/card.img");
    {
        QFile file(image);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(16 * 1024 * 1024));
    }
    QProcess format;
    format.start(QStringLiteral("mkfs.vfat"), {image});
    if (!format.waitForFinished() || format.exitCode() != 0 ||
        !Mount({QStringLiteral("fusefat"), QStringLiteral("-o"), QStringLiteral("rw+"), image}, QStringLiteral("card")))
        QSKIP("Needs mkfs.vfat, fusefat and FUSE to mount a FAT card");
#endif
    const QByteArray alex = MakeSavegame(9000, 21), anna = MakeSavegame(9000, 22);
    WriteWholeFile(At("<root>/card/alex.sav"), alex);
    WriteWholeFile(At("<root>/card/Anna.sav"), anna);
    for (const char* command : {"template <root>/card/alex.sav", "save 5", "save 7", "template <root>/card/Anna.sav"}) {
        const Outcome outcome = RunProcess(QString::fromLatin1(command));
        QVERIFY2(outcome.exitCode == 0, qPrintable(outcome.errLines.join(u'\n')));
    }
    // Anna's copy stands under either name; her choice did not remove it as alex's.
    QCOMPARE(ReadWholeFile(At("<root>/card/AFactMS.sav")), anna);
    QCOMPARE(ReadWholeFile(At("<root>/card/aFactMS.sav")), anna);

    // alex's copy of mission 5, kept by the save of 7, goes where Anna's saves write only when asked to.
    const QStringList lines = RunProcess(QStringLiteral("backups")).out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    const QString id = lines[1].section(u'\t', 0, 0);
    QCOMPARE(lines[1].section(u'\t', 2, 2), At("<root>/card/aFactMS.sav"));
    const Outcome asked = RunProcess(QStringLiteral("restore ") + id);
    QCOMPARE(asked.exitCode, 1);
    QVERIFY2(asked.errLines.value(0).startsWith(At("Restore Factory Driver: Restoring '<root>/card/aFactMS.sav'")),
             qPrintable(asked.errLines.join(u'\n')));
    QCOMPARE(asked.errLines.value(1),
             QStringLiteral("kelmora-cli: nothing was restored; to restore it anyway: kelmora-cli restore "
                            "--accept-other-template ") +
                 id);
    QCOMPARE(ReadWholeFile(At("<root>/card/AFactMS.sav")), anna);
    QCOMPARE(RunProcess(QStringLiteral("restore --accept-other-template ") + id).exitCode, 0);
    QCOMPARE(ReadWholeFile(At("<root>/card/AFactMS.sav")), SavedFrom(alex, 4));
}

// A template on a medium that cannot be written: refused before anything changes.
void TestCli::testReadOnlyCard()
{
#ifdef Q_OS_WIN
    QSKIP("Needs a read-only medium: Windows has no bind mounts, and Wine none to make");
#endif
    InstallExecutable();
    if (!Mount({QStringLiteral("mount"), QStringLiteral("--bind"), At("<save>")}, QStringLiteral("card")) ||
        QProcess::execute(QStringLiteral("mount"), {"-o", "remount,bind,ro", At("<root>/card")}) != 0)
        QSKIP("Needs mount --bind and a read-only remount");
    WriteWholeFile(At("<save>/Bob.sav"), MakeSavegame(9000, 23));
    const QMap<QString, QByteArray> before = Snapshot(m_root->path());
    const Outcome refused = RunProcess(QStringLiteral("template <root>/card/Bob.sav"));
    QCOMPARE(refused.exitCode, 1);
    QCOMPARE(refused.errLines, QStringList{"Error!: Could not make factory driver file from template driver file "
                                           "[Read-only file system]"});
    QCOMPARE(Snapshot(m_root->path()), before);
    QCOMPARE(RunProcess(QStringLiteral("save 4")).exitCode, 0);
}

// A full disk under the settings: Qt's save file would put an empty settings file in place and call
// it stored. The choice is refused before that, and every file stays as it was.
void TestCli::testFullSettingsDisk()
{
#ifdef Q_OS_WIN
    QSKIP("Windows keeps the settings in the registry");
#endif
    InstallExecutable();
    if (!Mount({QStringLiteral("mount"), QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                QStringLiteral("size=64k"), QStringLiteral("none")},
               QStringLiteral("settings")))
        QSKIP("Needs a small tmpfs of its own (root on Linux)");
    const QString settings = At("<root>/settings");
    QVERIFY(QDir().mkpath(settings + "/Quorrick"));
    QVERIFY(QFile::copy(At("<root>/config/Quorrick/Kelmora.conf"), settings + "/Quorrick/Kelmora.conf"));
    m_environment["XDG_CONFIG_HOME"] = settings;
    // Full, but for one page.
    int filler = 0;
    for (QFile file(settings + "/filler0");
         file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, 'x')) == 4096 && file.flush();
         file.setFileName(settings + QStringLiteral("/filler%1").arg(++filler)))
        file.close();
    QVERIFY(QFile::remove(settings + QStringLiteral("/filler%1").arg(filler)) &&
            QFile::remove(settings + QStringLiteral("/filler%1").arg(filler - 1)));
    WriteWholeFile(At("<save>/Bob.sav"), MakeSavegame(9000, 23));
    const QMap<QString, QByteArray> before = Snapshot(m_root->path());
    const Outcome refused = RunProcess(QStringLiteral("template <save>/Bob.sav"));
    QCOMPARE(refused.exitCode, 1);
    QCOMPARE(refused.errLines, At("Error!: Could not store the settings in '<root>/settings/Quorrick/Kelmora.conf' "
                                  "[No space left on device]")
                                   .split(u'\n'));
    QCOMPARE(Snapshot(m_root->path()), before);
    QCOMPARE(RunProcess(QStringLiteral("save 4")).exitCode, 0);
}

// A write of the settings that the disk fails (an I/O error, a quota): Qt's save file still puts
// the file in place, emptied, and QSettings reports no error. The choice is told, and undone.
void TestCli::testSettingsWriteLost()
{
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty())
        QSKIP("Needs strace to fail the settings' write");
    InstallExecutable();
    WriteWholeFile(At("<save>/Bob.sav"), MakeSavegame(9000, 23));
    // Which write is the settings' one, a traced run of the same choice tells: after a first round,
    // so that both find the same backup folders.
    for (const char* choice : {"template <save>/Bob.sav", "template <save>/Alex.sav"})
        QCOMPARE(RunProcess(QString::fromLatin1(choice)).exitCode, 0);
    const QString log = At("<root>/writes.log");
    QCOMPARE(RunProcess(QStringLiteral("template <save>/Bob.sav"), {}, {strace, "-f", "-e", "trace=write", "-o", log})
                 .exitCode,
             0);
    const QStringList writes = QString::fromUtf8(ReadWholeFile(log)).split(u'\n').filter(QStringLiteral("write("));
    const qsizetype settingsWrite =
        std::find_if(writes.begin(), writes.end(), [](const QString& line) { return line.contains("[General]"); }) -
        writes.begin() + 1;
    QVERIFY(settingsWrite <= writes.size());
    QCOMPARE(RunProcess(QStringLiteral("template <save>/Alex.sav")).exitCode, 0);
    const QByteArray factory = ReadWholeFile(At("<save>/AFactMS.sav")), data = ReadWholeFile(At("<bin>/kelmora.dat"));

    const Outcome failed = RunProcess(
        QStringLiteral("template <save>/Bob.sav"), {},
        {strace, "-f", "-o", "/dev/null", "-e", QStringLiteral("inject=write:error=EIO:when=%1").arg(settingsWrite)});
    QCOMPARE(failed.exitCode, 1);
    QCOMPARE(failed.errLines, At("Error!: Could not store the settings in '<root>/config/Quorrick/Kelmora.conf' "
                                 "[Input/output error]")
                                  .split(u'\n'));
    QCOMPARE(ReadWholeFile(At("<save>/AFactMS.sav")), factory);
    QCOMPARE(ReadWholeFile(At("<bin>/kelmora.dat")), data);
    QVERIFY(!QFileInfo::exists(At("<save>/BFactMS.sav")));
    QCOMPARE(RunProcess(QStringLiteral("save 4")).exitCode, 0);
}

// A relative XDG folder is no folder (the XDG rule): the lock and the backups go to the default
// place, not under whatever folder the program was started in, where a second run would take a
// second lock.
void TestCli::testRelativeUserFolders()
{
#ifdef Q_OS_WIN
    QSKIP("The XDG folders are a Unix desktop's; Windows names the per-user folders itself");
#endif
    QVERIFY(QFile::copy(BuiltProgram(), At("<bin>/kelmora-cli" + Exe)));
    m_environment = {{"XDG_CONFIG_HOME", "config"}, {"XDG_DATA_HOME", "data"}, {"HOME", At("<root>/home")}};
    QVERIFY(QDir().mkpath(At("<root>/home/work")) && QDir::setCurrent(At("<root>/home/work")));
    QCOMPARE(RunProcess(QStringLiteral("template <save>/Alex.sav")).exitCode, 0);
    QCOMPARE(RunProcess(QStringLiteral("save 3")).exitCode, 0);
    QCOMPARE(QDir(At("<root>/home/work")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QVERIFY(QFile::exists(At("<root>/home/.local/share/Quorrick/Kelmora/kelmora.lock")));
    QVERIFY(QFile::exists(At("<root>/home/.config/Quorrick/Kelmora.conf")));
}

void TestCli::testNamedThroughProc_data()
{
    QTest::addColumn<QString>("error");
    QTest::newRow("Linux before 6.10") << "ENOENT";
    QTest::newRow("refused by a sandbox") << "EPERM";
}

// Where a new file cannot be named by its descriptor (Linux before 6.10, for a user without the
// right to find any file), it is named through /proc: a save made that way is whole, its backup too.
void TestCli::testNamedThroughProc()
{
    QFETCH(const QString, error);
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty())
        QSKIP("Needs strace to refuse the first way of naming a file; Windows names files otherwise");
    InstallExecutable();
    const Outcome outcome = RunProcess(
        QStringLiteral("save 7"), {},
        {strace, "-f", "-o", "/dev/null", "-e", QStringLiteral("inject=linkat:error=%1:when=1+2").arg(error)});
    QVERIFY2(outcome.exitCode == 0, qPrintable(outcome.errLines.join(u'\n')));
    QCOMPARE(ReadWholeFile(At("<save>/AFactMS.sav")), SavedFrom(m_template, 6));
    BackupFolder kept(UserData() + QStringLiteral("/Backups"));
    QByteArray bytes;
    QCOMPARE(kept.List().size(), 1);
    QCOMPARE(kept.Read(kept.List().first(), bytes), QString());
    QCOMPARE(bytes, m_template);
}

// Where /proc is not there either, the player is told why the descriptor could not name the file,
// not that /proc is missing.
void TestCli::testNotNamedWithoutProc()
{
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (strace.isEmpty() || unshare.isEmpty() ||
        QProcess::execute(unshare, {"-m", "sh", "-c", "mount -t tmpfs none /proc"}) != 0)
        QSKIP("Needs strace, and a mount namespace of its own to hide /proc in (root on Linux)");
    InstallExecutable();
    const QByteArray before = ReadWholeFile(At("<save>/AFactMS.sav"));
    const Outcome outcome = RunProcess(QStringLiteral("save 7"), {},
                                       {unshare, "-m", "sh", "-c", "mount -t tmpfs none /proc && exec \"$@\"", "sh",
                                        strace, "-f", "-o", "/dev/null", "-e", "inject=linkat:error=ENOSPC:when=1"});
    QCOMPARE(outcome.exitCode, 1);
    QVERIFY2(outcome.errLines.join(u'\n').contains(QStringLiteral("No space left on device")),
             qPrintable(outcome.errLines.join(u'\n')));
    QCOMPARE(ReadWholeFile(At("<save>/AFactMS.sav")), before);
}

void TestCli::testKilledAtEachStep_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("call");
    QTest::addColumn<bool>("full");
    for (const char* command : {"save", "template", "restore"}) {
        // Of these runs only the template choice removes a file: the earlier factory driver files.
        for (const char* call : {"write", "fsync", "linkat", "rename", "unlink"}) {
            if (qstrcmp(call, "unlink") != 0 || qstrcmp(command, "template") == 0)
                QTest::addRow("%s, killed at a %s", command, call) << command << call << false;
        }
    }
    // With every backup kept, the dropped one's file is rewritten as the next.
    for (const char* call : {"write", "fsync", "renameat2"})
        QTest::addRow("save with %d backups, killed at a %s", BackupsKeptPerFile, call) << "save" << call << true;
}

// Killed at each system call that changes or flushes a file, in turn: the factory driver file holds
// its old bytes or the new ones, every listed backup reads back whole, and the next run just works.
void TestCli::testKilledAtEachStep()
{
    QFETCH(const QString, command);
    QFETCH(const QString, call);
    QFETCH(const bool, full);
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty())
        QSKIP("Needs strace to kill the program at a chosen system call; Windows has none, and kills it at a "
              "moment of the clock's choosing instead (testKilledSaves)");
    InstallExecutable();
    const QString factory = At("<save>/AFactMS.sav"), bob = At("<save>/Bob.sav");
    WriteWholeFile(bob, MakeSavegame(9000, 24));
    for (int i = 0; i <= (full ? BackupsKeptPerFile : 0); ++i)
        QCOMPARE(RunProcess(QStringLiteral("save %1").arg(i % 2 ? 20 : 9)).exitCode, 0);
    const QString id = RunProcess(QStringLiteral("backups")).out.section(u'\t', 0, 0);
    for (int when = 1;; ++when) {
        QVERIFY(when < 40);
        const QByteArray before = QFile::exists(factory) ? ReadWholeFile(factory) : QByteArray();
        const QString line = command == "save"       ? QStringLiteral("save %1").arg(when % 2 ? 20 : 9)
                             : command == "template" ? QStringLiteral("template <save>/Bob.sav")
                                                     : QStringLiteral("restore ") + id;
        const Outcome outcome = RunProcess(line, {},
                                           {strace, "-f", "-o", "/dev/null", "-e",
                                            QStringLiteral("inject=%1:signal=KILL:when=%2").arg(call).arg(when)});
        // strace ends as its tracee did, killed.
        const bool killed = outcome.exitCode == -1;
        QVERIFY2(killed || outcome.exitCode == 0, qPrintable(outcome.errLines.join(u'\n')));
        const QByteArray after = QFile::exists(factory) ? ReadWholeFile(factory) : QByteArray();
        if (command == "save")
            QVERIFY2(after == before || after == SavedFrom(m_template, (when % 2 ? 20 : 9) - 1), qPrintable(line));
        else if (command == "restore")
            QVERIFY(after == before || after == m_template);
        else // removed once it is kept, for Bob's copy
            QVERIFY(after == before || after.isNull());
        // Every backup listed is whole, and none was lost before the save was done.
        BackupFolder kept(UserData() + QStringLiteral("/Backups"));
        QVERIFY(!full || kept.List().size() >= BackupsKeptPerFile);
        for (const Backup& backup : kept.List()) {
            QByteArray bytes;
            QCOMPARE(kept.Read(backup, bytes), QString());
        }
        // What the next run finds: the old choice, or no choice its saves would trust.
        const Outcome next = RunProcess(QStringLiteral("save 9"));
        QVERIFY2(next.exitCode == 0 || next.errLines.value(0).endsWith("Choose the template driver again to fix this."),
                 qPrintable(next.errLines.join(u'\n')));
        if (!killed) {
            // A row whose call the command never makes would have tried nothing. Files are named
            // with linkat only where the file system makes unnamed ones.
            if (when == 1 && call == "linkat")
                QSKIP("This file system makes no unnamed files (O_TMPFILE)");
            QVERIFY2(when > 1, "the command never made this system call");
            break;
        }
        if (command == "template")
            QCOMPARE(RunProcess(QStringLiteral("template <save>/Alex.sav")).exitCode, 0);
        for (const QString& name : SaveFolderEntries())
            QVERIFY2(!name.startsWith("AFactMS.sav.") || QFile::remove(At("<save>/") + name), qPrintable(name));
    }
    const Outcome last = RunProcess(QStringLiteral("template <save>/Alex.sav"));
    QVERIFY2(last.exitCode == 0, qPrintable(last.errLines.join(u'\n')));
    QCOMPARE(RunProcess(QStringLiteral("save 9")).exitCode, 0);
    QCOMPARE(ReadWholeFile(factory), SavedFrom(m_template, 8));
}

// The driver deleted in the game and another one given his name, chosen again, the choice killed at
// each file it names: whatever a restore of the first driver's copy then does, no save succeeds in
// giving one driver's file the other's progress.
void TestCli::testKilledChoiceOfANewDriver()
{
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty())
        QSKIP("Needs strace to kill the program at a chosen system call");
    InstallExecutable();
    const QString alex = At("<save>/Alex.sav"), factory = At("<save>/AFactMS.sav");
    const QByteArray newDriver = MakeSavegame(9000, 31);
    for (int when = 1;; ++when) {
        QVERIFY(when < 30);
        WriteWholeFile(alex, m_template);
        QCOMPARE(RunProcess(QStringLiteral("template <save>/Alex.sav")).exitCode, 0);
        QCOMPARE(RunProcess(QStringLiteral("save 9")).exitCode, 0);
        WriteWholeFile(alex, newDriver);
        const Outcome choice = RunProcess(
            QStringLiteral("template <save>/Alex.sav"), {},
            {strace, "-f", "-o", "/dev/null", "-e", QStringLiteral("inject=linkat:signal=KILL:when=%1").arg(when)});
        QString id;
        BackupFolder kept(UserData() + QStringLiteral("/Backups"));
        for (const Backup& backup : kept.List()) {
            QByteArray bytes;
            if (kept.Read(backup, bytes).isEmpty() && bytes == SavedFrom(m_template, 8))
                id = backup.id;
        }
        // Once the choice is whole, it has kept the first driver's copy.
        QVERIFY(choice.exitCode == -1 || !id.isEmpty());
        if (!id.isEmpty())
            RunProcess(QStringLiteral("restore ") + id);
        if (RunProcess(QStringLiteral("save 5")).exitCode == 0)
            QVERIFY2(ReadWholeFile(factory) == SavedFrom(newDriver, 4) ||
                         ReadWholeFile(factory) == SavedFrom(m_template, 4),
                     qPrintable(QStringLiteral("killed at linkat %1").arg(when)));
        if (choice.exitCode != -1)
            break;
    }
}

// One backup, one line: a tab or a line break in a folder's name would split it, or forge another.
void TestCli::testBackupListEscapes()
{
#ifdef Q_OS_WIN
    QSKIP("Windows names cannot hold a tab or a line break");
#endif
    // Line breaks beyond ASCII too: a next line and a line separator, which some readers split at.
    const QString folder = At("<root>/Sa\tve\n20261207-000000-000-00000000\t%\u0085\u2028");
    QVERIFY(QDir().mkpath(folder));
    WriteWholeFile(folder + "/Alex.sav", m_template);
    const Outcome chosen = RunWords({"template", folder + "/Alex.sav"});
    QCOMPARE(chosen.exitCode, 0);
    Ok(QStringLiteral("save 4"));
    const QString wouldSet = Ok(QStringLiteral("save --dry-run 6"));
    const QStringList lines = Ok(QStringLiteral("backups")).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    const QString escaped = At("<root>/Sa%09ve%0A20261207-000000-000-00000000%09%25%C2%85%E2%80%A8/");
    QCOMPARE(lines[0].section(u'\t', 2, 2), escaped + "AFactMS.sav");
    // The template's answer and the status: each path on its own line too.
    QCOMPARE(chosen.out.split(u'\n', Qt::SkipEmptyParts).size(), 2);
    QVERIFY(chosen.out.contains(escaped + "Alex.sav\n"));
    const QStringList status = Ok(QStringLiteral("status")).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(status.size(), 6);
    QVERIFY(status[2].endsWith(escaped + "AFactMS.sav (exists)"));
    QVERIFY(wouldSet.startsWith("Would set " + escaped + "AFactMS.sav for mission 6\n"));
    const QString restored = Ok(QStringLiteral("restore ") + lines[0].section(u'\t', 0, 0));
    QCOMPARE(restored.count(u'\n'), 1);
    QVERIFY(restored.contains(escaped + "AFactMS.sav"));
}

// The driver savegames of the home folder, for a launcher to offer.
void TestCli::testFind()
{
    // Nothing there yet: nothing on standard output, a word for the person at the terminal.
    Outcome outcome = Run(QStringLiteral("find"));
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.out, QString());
    QCOMPARE(outcome.errLines,
             QStringList{"kelmora-cli: no driver savegame found; none of the places where savegames live exists"});

    const QString prefix = At("<root>/home/.local/share/Steam/steamapps/compatdata/2450/pfx/drive_c/users/steamuser/");
    MissionStatusTable block = BlockOf(m_template);
    for (int mission = 16; mission < MISSION_COUNT; ++mission)
        block[mission].fill(0);
    QVERIFY(QDir().mkpath(prefix + "Documents/Vantor") && QDir().mkpath(At("<root>/home/Documents")));
    WriteWholeFile(prefix + "Documents/Vantor/Alex.sav", WithBlock(m_template, block));
    WriteWholeFile(prefix + "Documents/Vantor/AFactMS.sav", m_template);
    WriteWholeFile(At("<root>/home/Documents/Bob.sav"), m_template);
    const QDateTime old = QDateTime::currentDateTime().addDays(-3);
    QFile bob(At("<root>/home/Documents/Bob.sav"));
    QVERIFY(bob.open(QIODevice::ReadWrite) && bob.setFileTime(old, QFileDevice::FileModificationTime));
    bob.close();

    const QStringList lines = Ok(QStringLiteral("find")).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].section(u'\t', 1),
             "Proton 2450\thas reached mission 17\t" + QDir::toNativeSeparators(prefix + "Documents/Vantor/Alex.sav"));
    QCOMPARE(lines[1],
             IsoLocalTime(old) + "\tDocuments\thas progress in every mission\t" + At("<root>/home/Documents/Bob.sav"));

    const QJsonObject json = QJsonDocument::fromJson(Ok(QStringLiteral("find --json")).toUtf8()).object();
    const QJsonArray savegames = json.value("savegames").toArray();
    QCOMPARE(savegames.size(), 2);
    const QJsonObject alex = savegames.at(0).toObject();
    QCOMPARE(alex.value("path").toString(), QDir::toNativeSeparators(prefix + "Documents/Vantor/Alex.sav"));
    QCOMPARE(alex.value("place").toString(), QStringLiteral("Proton 2450"));
    QCOMPARE(alex.value("folder").toString(), QStringLiteral("C:\\users\\steamuser\\Documents\\Vantor"));
    QCOMPARE(alex.value("reachedMission").toInt(), 17);
    QCOMPARE(alex.value("progress").toString(), QStringLiteral("has reached mission 17"));
    QCOMPARE(savegames.at(1).toObject().value("reachedMission"), QJsonValue(QJsonValue::Null));
    QCOMPARE(savegames.at(1).toObject().value("lastChanged").toString(), IsoLocalTime(old));
    QCOMPARE(json.value("searched").toArray(), QJsonArray({"Documents", "Proton 2450"}));
    QCOMPARE(json.value("cutShort").toArray(), QJsonArray());

    // The chosen one goes to 'template' as it is printed.
    Ok(QStringLiteral("template ") + alex.value("path").toString());
    QCOMPARE(ReadWholeFile(prefix + "Documents/Vantor/AFactMS.sav"), WithBlock(m_template, block));
    QCOMPARE(Run(QStringLiteral("find --json extra")).exitCode, 2);
    QCOMPARE(Run(QStringLiteral("find all")).exitCode, 2);

#ifdef Q_OS_UNIX
    // A folder the player may not look in is named, not passed over as if it held nothing.
    InstallExecutable();
    const QString player = At("<root>/player");
    QVERIFY(QDir().mkpath(player + "/Documents/Locked") && QDir().mkpath(player + "/Documents/Open"));
    WriteWholeFile(player + "/Documents/Open/Ann.sav", m_template);
    QCOMPARE(::chmod(QFile::encodeName(player + "/Documents/Locked").constData(), 0), 0);
    const auto refused = [&](const QString& folder) {
        return "kelmora-cli: no permission to look in '" + player + folder + "': savegames there cannot be listed";
    };
    const std::optional<Outcome> found = RunAsPlayer(player, QStringLiteral("find"));
    if (!found)
        return;
    QCOMPARE(found->exitCode, 0);
    QVERIFY(found->out.endsWith("\thas progress in every mission\t" + player + "/Documents/Open/Ann.sav\n"));
    QCOMPARE(found->errLines, QStringList{refused("/Documents/Locked")});
    // So is one on the way into a prefix's savegame folders: the users' folder, or one user's.
    QVERIFY(QDir().mkpath(player + "/.wine/drive_c/users/other/Documents"));
    for (const QString& locked :
         {QStringLiteral("/.wine/drive_c/users/other"), QStringLiteral("/.wine/drive_c/users")}) {
        QCOMPARE(::chmod(QFile::encodeName(player + locked).constData(), 0), 0);
        const std::optional<Outcome> inPrefix = RunAsPlayer(player, QStringLiteral("find"));
        QCOMPARE(::chmod(QFile::encodeName(player + locked).constData(), 0755), 0);
        QVERIFY2(inPrefix->errLines.contains(refused(locked)), qPrintable(inPrefix->errLines.join(u'\n')));
    }
#endif
}

void TestCli::testStatusJson()
{
    const auto status = [this] {
        return QJsonDocument::fromJson(Ok(QStringLiteral("status --json")).toUtf8()).object();
    };
    QJsonObject json = status();
    QCOMPARE(json.value("templateDriver"), QJsonValue(QJsonValue::Null));
    QCOMPARE(json.value("factoryDriverFile"), QJsonValue(QJsonValue::Null));
    QCOMPARE(json.value("programDataFile").toObject().value("state").toString(), QStringLiteral("missing"));
    QCOMPARE(json.value("missionChoice").toObject().value("kind").toString(), QStringLiteral("unknown"));
    QCOMPARE(json.value("gameOffersMission"), QJsonValue(QJsonValue::Null));

    // A template whose progress reaches mission 6, saved for mission 20.
    MissionStatusTable block = BlockOf(m_template);
    for (int mission = 5; mission < MISSION_COUNT; ++mission)
        block[mission].fill(0);
    WriteWholeFile(At("<save>/Alex.sav"), WithBlock(m_template, block));
    Ok(QStringLiteral("template <save>/Alex.sav"));
    QCOMPARE(Run(QStringLiteral("save 20")).exitCode, 0); // with a warning that the template stops at 6
    json = status();
    QCOMPARE(json.value("savegameFolder").toObject().value("path").toString(), At("<save>/"));
    QCOMPARE(json.value("templateDriver").toObject(),
             QJsonObject({{"path", At("<save>/Alex.sav")}, {"state", "exists"}}));
    QCOMPARE(json.value("factoryDriverFile").toObject().value("path").toString(), At("<save>/AFactMS.sav"));
    QCOMPARE(json.value("programDataFile").toObject(),
             QJsonObject({{"path", At("<bin>/kelmora.dat")}, {"state", "exists"}}));
    // Saving 20 zeroed nothing the template had: the file is still its exact copy.
    QJsonObject choice = json.value("missionChoice").toObject();
    QCOMPARE(choice.value("kind").toString(), QStringLiteral("asTemplate"));
    QCOMPARE(choice.value("text").toString(), QStringLiteral("as the template"));
    QByteArray changed = ReadWholeFile(At("<save>/AFactMS.sav"));
    changed[100] = char(changed[100] + 1);
    WriteWholeFile(At("<save>/AFactMS.sav"), changed);
    json = status();
    choice = json.value("missionChoice").toObject();
    QCOMPARE(choice.value("kind").toString(), QStringLiteral("set"));
    QCOMPARE(choice.value("missions").toArray().first().toInt(), 6);
    QCOMPARE(choice.value("missions").toArray().size(), MISSION_COUNT - 5);
    QCOMPARE(choice.value("text").toString(), MissionChoice());
    // What the game will start at, whatever mission was saved.
    QCOMPARE(json.value("gameOffersMission").toInt(), 6);
    QCOMPARE(json.value("dataFilePlace").toObject(),
             QJsonObject({{"place", "beside the program"}, {"reason", "test"}}));

    QByteArray played = ReadWholeFile(At("<save>/AFactMS.sav"));
    played[MissionByteOffset(5, 0)] = 1;
    WriteWholeFile(At("<save>/AFactMS.sav"), played);
    json = status();
    QCOMPARE(json.value("missionChoice").toObject().value("kind").toString(), QStringLiteral("playedOn"));
    QCOMPARE(json.value("gameOffersMission").toInt(), 7);
    QCOMPARE(Run(QStringLiteral("status --xml")).exitCode, 2);
}

void TestCli::testHelp()
{
    QCOMPARE(Ok(QStringLiteral("help")), Ok(QStringLiteral("--help")));
    const QString save = Ok(QStringLiteral("help save"));
    QVERIFY2(save.startsWith(QStringLiteral("  save NUMBER    Sets the factory driver file")), qPrintable(save));
    QVERIFY(!save.contains(QStringLiteral("  missions ")) && !save.contains(QStringLiteral("  status ")));
    const QString status = Ok(QStringLiteral("help status"));
    QVERIFY2(status.startsWith(QStringLiteral("  status ")) && status.contains(QStringLiteral("'status --json'")),
             qPrintable(status));
    for (const char* command : {"missions", "template", "backups", "restore", "find", "help"})
        QVERIFY2(Ok(QStringLiteral("help ") + QLatin1String(command)).startsWith(QStringLiteral("  ") + command),
                 command);
    // The last command's part ends where the list does.
    QCOMPARE(Ok(QStringLiteral("help help")).split(u'\n', Qt::SkipEmptyParts).size(), 1);
    QCOMPARE(Run(QStringLiteral("help bogus")).exitCode, 2);
    QCOMPARE(Run(QStringLiteral("help save extra")).exitCode, 2);
}

// A save the game will not start at is saved all the same, with a warning; --dry-run writes nothing.
void TestCli::testDryRunAndWarning()
{
    MissionStatusTable block = BlockOf(m_template);
    for (int mission = 5; mission < MISSION_COUNT; ++mission)
        block[mission].fill(0);
    const QByteArray sixth = WithBlock(m_template, block);
    WriteWholeFile(At("<save>/Alex.sav"), sixth);
    Ok(QStringLiteral("template <save>/Alex.sav"));
    Ok(QStringLiteral("save 3"));
    const QMap<QString, QByteArray> before = Snapshot(m_root->path());
    QCOMPARE(Ok(QStringLiteral("save --dry-run 20")),
             At("Would set <save>/AFactMS.sav for mission 20\nMissions whose progress would change: 3, 4, 5\n"
                "The template has not reached mission 20: once saved, the game will offer mission 6 next\n"
                "Nothing was written (--dry-run)\n"));
    QCOMPARE(Snapshot(m_root->path()), before);
    // Before the command too, and only for a save.
    for (const char* words : {"--dry-run save 20", "save --dry-run --dry-run 20"})
        QCOMPARE(Ok(QLatin1String(words)), Ok(QStringLiteral("save 20 --dry-run")));
    for (const char* words : {"--dry-run status", "template --dry-run <save>/Alex.sav"})
        QCOMPARE(Run(At(QLatin1String(words))).errLines.value(0),
                 QStringLiteral("kelmora-cli: unexpected argument '--dry-run'"));
    QCOMPARE(Snapshot(m_root->path()), before);
    // Nor does it promise a save whose backup could not be kept: whatever stands where the backup
    // goes (a file, a link to nowhere), it refuses with the save's own words.
    QDir user(At("<root>/user"));
    const QString key =
        "Backups/" + QDir(user.filePath("Backups")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).value(0);
    for (const QString& blocked : {QStringLiteral("Backups"), key, QStringLiteral("Backups link")}) {
        const QString moved = blocked.section(u' ', 0, 0);
        QVERIFY(user.rename(moved, moved + ".kept"));
        if (!blocked.endsWith(" link"))
            WriteWholeFile(user.filePath(moved), "in the way");
        if (!QFileInfo::exists(user.filePath(moved)) && !MakeLink(At("<root>/nowhere"), user.filePath(moved))) {
            QVERIFY(user.rename(moved + ".kept", moved));
            continue; // no links here
        }
        const Outcome dry = Run(QStringLiteral("save --dry-run 20")), wet = Run(QStringLiteral("save 20"));
        QVERIFY(QFile::remove(user.filePath(moved)) && user.rename(moved + ".kept", moved));
        QVERIFY2(wet.exitCode == 1, qPrintable(blocked));
        QCOMPARE(dry.errLines, AsDryRun(wet.errLines));
        QCOMPARE(Snapshot(m_root->path()), before);
    }

    const Outcome saved = Run(QStringLiteral("save 20"));
    QCOMPARE(saved.exitCode, 0);
    QVERIFY(saved.out.startsWith("Saved [Mission #20] @ "));
    QCOMPARE(saved.errLines,
             QStringList{"kelmora-cli: The template has not reached mission 20: the game will offer mission 6 next"});
    QCOMPARE(ReadWholeFile(At("<save>/AFactMS.sav")), sixth);

    // The backups for a launcher: the same as the list, in JSON.
    const QJsonArray backups = QJsonDocument::fromJson(Ok(QStringLiteral("backups --json")).toUtf8()).array();
    QCOMPARE(backups.size(), 2);
    QCOMPARE(backups[0].toObject().value("originalPath").toString(), At("<save>/AFactMS.sav"));
    QCOMPARE(backups[0].toObject().value("templateDriver").toString(), At("<save>/Alex.sav"));
    QCOMPARE(backups[0].toObject().value("missionChoice").toString(), QStringLiteral("Mission 3"));
    QCOMPARE(backups[0].toObject().value("id").toString(), Ok(QStringLiteral("backups")).section(u'\t', 0, 0));
}

void TestCli::testHelpInEveryLanguage()
{
    // `help COMMAND` finds each command's part by its indented name, which every translation keeps
    // at the start of its line, and no line is wider than the English ones.
    for (const QString& language : TranslatedLanguages()) {
        QTranslator translator;
        QVERIFY(LoadTranslation(translator, {language}));
        QCoreApplication::installTranslator(&translator);
        const QString help = Ok(QStringLiteral("help"));
        for (const char* command : {"missions", "template", "save", "status", "backups", "restore", "find", "help"}) {
            const QString part = Ok(QStringLiteral("help ") + QLatin1String(command));
            QVERIFY2(part.startsWith(QStringLiteral("  ") + command) && help.contains(part.section(u'\n', 0, 1)),
                     qPrintable(language + u' ' + command));
        }
        for (const QString& line : help.split(u'\n'))
            QVERIFY2(line.size() <= 100, qPrintable(language + QStringLiteral(": ") + line));
        QCoreApplication::removeTranslator(&translator);
    }
}

void TestCli::testFollowsTheLanguage_data()
{
    QTest::addColumn<QStringList>("environment"); // NAME=value; an empty value unsets it
    QTest::addColumn<QString>("problem");

    const QStringList unset = {"LANGUAGE=", "LC_ALL=", "LC_MESSAGES=", "LANG="};
    QTest::newRow("LANGUAGE") << (unset + QStringList{"LANGUAGE=fr", "LC_ALL=C.UTF-8"})
                              << "kelmora-cli: NUMBER doit être un nombre entier de 1 à 34, pas '40'";
    QTest::newRow("LANGUAGE's second") << (unset + QStringList{"LANGUAGE=nl:pt_BR:fr"})
                                       << "kelmora-cli: NUMBER deve ser um número inteiro de 1 a 34, não '40'";
    QTest::newRow("LC_ALL before LANG") << (unset + QStringList{"LC_ALL=de_DE.UTF-8", "LANG=fr_FR.UTF-8"})
                                        << "kelmora-cli: NUMBER muss eine ganze Zahl von 1 bis 34 sein, nicht '40'";
    QTest::newRow("LC_MESSAGES before LANG") << (unset + QStringList{"LC_MESSAGES=it_IT.UTF-8", "LANG=fr_FR.UTF-8"})
                                             << "kelmora-cli: NUMBER deve essere un numero intero da 1 a 34, non '40'";
    QTest::newRow("LANG") << (unset + QStringList{"LANG=pl_PL.UTF-8"})
                          << "kelmora-cli: NUMBER musi być liczbą całkowitą od 1 do 34, a nie '40'";
    QTest::newRow("English asked for") << (unset + QStringList{"LANGUAGE=en_GB:de", "LANG=de_DE.UTF-8"})
                                       << "kelmora-cli: NUMBER must be a whole number from 1 to 34, not '40'";
    QTest::newRow("C") << (unset + QStringList{"LC_ALL=C.UTF-8", "LANG=de_DE.UTF-8"})
                       << "kelmora-cli: NUMBER must be a whole number from 1 to 34, not '40'";
}

void TestCli::testFollowsTheLanguage()
{
    if (QSysInfo::productType() == QLatin1String("windows"))
        QSKIP("Windows names the player's language in its own settings, not in the environment");
    QFETCH(QStringList, environment);
    QFETCH(QString, problem);
    QVERIFY(QFile::copy(BuiltProgram(), At("<bin>/kelmora-cli" + Exe)));
    for (const QString& setting : environment)
        m_environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    const Outcome outcome = RunProcess(QStringLiteral("save 40"));
    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(outcome.out, QString());
    QCOMPARE(outcome.errLines.value(0), problem);
    QCOMPARE(outcome.errLines.size(), 2); // and the usage line
}

void TestCli::testWhatScriptsReadInEveryLanguage()
{
    // Columns, keys, numbers, IDs, times and paths are the same in every language; only what is
    // written for the player to read is translated.
    InstallExecutable();
    QVERIFY(QDir(At("<root>/home")).mkpath(QStringLiteral("Documents")));
    WriteWholeFile(At("<root>/home/Documents/Bob.sav"), m_template);
    QCOMPARE(RunProcess(QStringLiteral("save 7")).exitCode, 0);
    QCOMPARE(RunProcess(QStringLiteral("save 3")).exitCode, 0);
    const auto run = [this](const QString& language, const QString& commandLine) {
        // LANGUAGE on Linux; Wine takes the Windows language from LANG.
        m_environment.insert(QStringLiteral("LANGUAGE"), language);
        m_environment.insert(QStringLiteral("LANG"), language + QStringLiteral(".UTF-8"));
        const Outcome outcome = RunProcess(commandLine);
        QTest::qVerify(outcome.exitCode == 0 && outcome.errLines.isEmpty(), "exit 0 without a message",
                       qPrintable(language + u' ' + commandLine), __FILE__, __LINE__);
        return outcome.out;
    };
    const QString missions = run("en", "missions");
    const QString backups = run("en", "backups");
    const QJsonValue backupsJson = QJsonDocument::fromJson(run("en", "backups --json").toUtf8()).array();
    const QJsonValue status = QJsonDocument::fromJson(run("en", "status --json").toUtf8()).object();
    const QJsonValue found = QJsonDocument::fromJson(run("en", "find --json").toUtf8()).object();
    // Windows searches its own Documents folder, not the test's home: whatever it finds there, the
    // languages must agree on it.
    if (QSysInfo::productType() != QLatin1String("windows"))
        QCOMPARE(found.toObject().value("savegames").toArray().size(), 1);
    QCOMPARE(backupsJson.toArray().size(), 2);

    for (const QString& language : TranslatedLanguages()) {
        const QStringList english = missions.split(u'\n'), translated = run(language, "missions").split(u'\n');
        QCOMPARE(translated.size(), english.size());
        for (int i = 0; i < english.size(); ++i) {
            const QStringList a = english.at(i).split(u'\t'), b = translated.at(i).split(u'\t');
            QCOMPARE(b.size(), a.size());
            if (a.size() < 5)
                continue;
            QCOMPARE(b.at(0), a.at(0)); // the number
            QCOMPARE(b.at(1), a.at(1)); // the car, a name
            if (a.at(4).contains(u':'))
                QCOMPARE(b.at(4), a.at(4)); // a goal time, not its words
            else
                QVERIFY2(b.at(4) != a.at(4), qPrintable(language + u' ' + b.at(4)));
        }
        QCOMPARE(run(language, "backups"), backups);
        const auto json = [&](const QString& commandLine) {
            const QJsonDocument document = QJsonDocument::fromJson(run(language, commandLine).toUtf8());
            return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
        };
        QCOMPARE(JsonDifferences(backupsJson, json("backups --json"), {}), QStringList());
        QCOMPARE(JsonDifferences(status, json("status --json"), {"text", "reason"}), QStringList());
        QCOMPARE(JsonDifferences(found, json("find --json"), {"progress"}), QStringList());
    }
}

QTEST_GUILESS_MAIN(TestCli)
#include "TestCli.moc"
