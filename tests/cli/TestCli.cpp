#include "mission/MissionData.h"
#include "support/Savegames.h"

#include <QDirIterator>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kelmora;
using namespace kelmora::test;

namespace {

struct Outcome
{
    int exitCode = -1;
    QString out;
    QStringList errLines;
};

enum Setup
{
    Fresh,
    Chosen, // the template Alex.sav has been chosen with kelmora-cli
    ChosenWithoutDataFile,
    ChosenWithoutFactoryFile,
    HiddenTemplate, // .alex.sav: the file look-ups pass over it, so the template "vanishes"
    DataFileIsFolder,
    FactoryFileIsFolder,
};

// Table rows spell argument lists as one text with blanks between, message lists as lines.
QStringList Words(const char* text)
{
    return QString::fromUtf8(text).split(u' ', Qt::SkipEmptyParts);
}

QStringList Lines(const char* text)
{
    return QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
}

QByteArray RawBlock(const MissionStatusTable& table)
{
    return QByteArray(reinterpret_cast<const char*>(table.data()), sizeof(table));
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void testTemplateThenSave_data();
    void testTemplateThenSave();
    void testUsageErrors_data();
    void testUsageErrors();
    void testFailures_data();
    void testFailures();
    void testStatus_data();
    void testStatus();
    void testStatusOfMissingFiles();
    void testMissionsAndVersion();

private:
    Outcome Run(const QStringList& arguments);
    void Prepare(Setup setup);
    // Tests name files as "<save>/AFactMS.sav", "<bin>/kelmora.dat" or "<root>/config".
    QString At(QString text) const
    {
        return text.replace(QStringLiteral("<save>"), QStringLiteral("<root>/Save"))
            .replace(QStringLiteral("<bin>"), QStringLiteral("<root>/bin"))
            .replace(QStringLiteral("<root>"), m_root->path());
    }
    QString At(const char* text) const { return At(QString::fromUtf8(text)); }
    QStringList At(QStringList texts) const
    {
        for (QString& text : texts)
            text = At(text);
        return texts;
    }
    // Every file and folder below the temporary root, with each file's bytes.
    QMap<QString, QByteArray> Snapshot() const;

    std::unique_ptr<QTemporaryDir> m_root;
    QByteArray m_template = MakeSavegame(9000, 17);
};

void TestCli::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    for (const char* folder : {"bin", "config", "home", "Save"})
        QVERIFY(QDir(m_root->path()).mkdir(QString::fromLatin1(folder)));
    // A copy, so that the program data file lands beside it and not in the build.
    QVERIFY(QFile::copy(QStringLiteral(KELMORA_CLI_PATH), At("<bin>/kelmora-cli")));
    WriteWholeFile(At("<save>/Alex.sav"), m_template);
}

Outcome TestCli::Run(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), At("<root>/config"));
    environment.insert(QStringLiteral("HOME"), At("<root>/home"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(At("<root>/home"));
    process.start(At("<bin>/kelmora-cli"), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    const QString err = QString::fromUtf8(process.readAllStandardError());
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            err.split(u'\n', Qt::SkipEmptyParts)};
}

void TestCli::Prepare(Setup setup)
{
    if (setup == HiddenTemplate)
        WriteWholeFile(At("<save>/.alex.sav"), m_template);
    if (setup == DataFileIsFolder)
        QVERIFY(QDir().mkdir(At("<bin>/kelmora.dat")));
    if (setup == FactoryFileIsFolder)
        QVERIFY(QDir().mkdir(At("<save>/AFactMS.sav")));
    if (setup == Fresh || setup >= HiddenTemplate)
        return;
    QCOMPARE(Run(At(Words("template <save>/Alex.sav"))).exitCode, 0);
    if (setup == ChosenWithoutDataFile)
        QVERIFY(QFile::remove(At("<bin>/kelmora.dat")));
    if (setup == ChosenWithoutFactoryFile)
        QVERIFY(QFile::remove(At("<save>/AFactMS.sav")));
}

QMap<QString, QByteArray> TestCli::Snapshot() const
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(m_root->path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries.insert(path, it.fileInfo().isDir() ? QByteArray("<folder>") : ReadWholeFile(path));
    }
    return entries;
}

void TestCli::testTemplateThenSave_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::newRow("first mission") << QList<int>{1};
    QTest::newRow("mission 12") << QList<int>{12};
    QTest::newRow("last mission keeps all progress") << QList<int>{34};
    QTest::newRow("12 after 3 starts from the template") << QList<int>{3, 12};
    QTest::newRow("2 after 34, then 33") << QList<int>{34, 2, 33};
}

void TestCli::testTemplateThenSave()
{
    QFETCH(const QList<int>, numbers);
    const QString factory = At("<save>/AFactMS.sav");

    // A relative path, as typed in a shell standing in another folder.
    const Outcome chosen = Run(Words("template ../Save/./Alex.sav"));
    QCOMPARE(chosen.errLines, QStringList());
    QCOMPARE(chosen.exitCode, 0);
    QCOMPARE(chosen.out, At("Template driver:     <save>/Alex.sav\n"
                            "Factory driver file: <save>/AFactMS.sav\n"));
    QCOMPARE(ReadWholeFile(factory), m_template);
    QCOMPARE(ReadWholeFile(At("<bin>/kelmora.dat")), RawBlock(BlockOf(m_template)));
    const QSettings stored(At("<root>/config/Quorrick/Kelmora.conf"), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("Path to Vantor Savedata Folder")).toString(), At("<save>/"));
    QCOMPARE(stored.value(QStringLiteral("Template Driver File")).toString(), QStringLiteral("Alex.sav"));

    for (const int number : numbers) {
        const Outcome saved = Run({QStringLiteral("save"), QString::number(number)});
        QCOMPARE(saved.errLines, QStringList());
        QCOMPARE(saved.exitCode, 0);
        const QRegularExpression status(QStringLiteral("^Saved \\[Mission #%1\\] @ \\S.*\n$").arg(number));
        QVERIFY2(status.match(saved.out).hasMatch(), qPrintable(saved.out));
        QCOMPARE(ReadWholeFile(factory), WithBlock(m_template, ExpectedAfterSave(BlockOf(m_template), number - 1)));
    }
    QCOMPARE(ReadWholeFile(At("<save>/Alex.sav")), m_template);
}

void TestCli::testUsageErrors_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no command") << Fresh << QStringList();
    QTest::newRow("unknown command") << Fresh << Words("load 3");
    QTest::newRow("unknown option") << Fresh << Words("--force save 3");
    QTest::newRow("missions with an argument") << Fresh << Words("missions 1");
    QTest::newRow("status with an argument") << Chosen << Words("status all");
    QTest::newRow("template without PATH") << Fresh << Words("template");
    QTest::newRow("template with two paths") << Fresh << Words("template <save>/Alex.sav <save>/Alex.sav");
    QTest::newRow("template of a missing file") << Fresh << Words("template <save>/Bob.sav");
    QTest::newRow("template of a folder") << Chosen << Words("template <save>");
    QTest::newRow("template of a device") << Fresh << Words("template /dev/null");
    QTest::newRow("save without NUMBER") << Chosen << Words("save");
    QTest::newRow("save 12 13") << Chosen << Words("save 12 13");
    for (const char* number : {"0", "35", "-3", "+5", "1.5", "twelve", "12abc", "4294967308"})
        QTest::addRow("save %s", number) << Chosen << QStringList{QStringLiteral("save"), QString::fromUtf8(number)};
}

void TestCli::testUsageErrors()
{
    QFETCH(const Setup, setup);
    QFETCH(const QStringList, arguments);
    Prepare(setup);

    const QMap<QString, QByteArray> before = Snapshot();
    const Outcome outcome = Run(At(arguments));
    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(outcome.out, QString());
    QCOMPARE(outcome.errLines.size(), 2);
    QVERIFY(outcome.errLines[0].startsWith(QStringLiteral("kelmora-cli: ")));
    QVERIFY(outcome.errLines[1].startsWith(QStringLiteral("Usage: kelmora-cli missions | template PATH")));
    QCOMPARE(Snapshot(), before);
}

void TestCli::testFailures_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("touchesNothing");

    QTest::newRow("factory driver file as template")
        << Chosen << Words("template <save>/AFactMS.sav")
        << Lines("Error! - Select New Template Driver failed: "
                 "You can't select the factory driver file as your template file!")
        << true;
    QTest::newRow("save before any template")
        << Fresh << Words("save 5")
        << Lines("kelmora-cli: No template driver chosen yet: run 'kelmora-cli template PATH' first") << true;
    QTest::newRow("save without the program data file")
        << ChosenWithoutDataFile << Words("save 5")
        << Lines("Error!: Could not read from data file '<bin>/kelmora.dat' [No such file or directory]\n"
                 "Error! - Save failed: Could not read in program data file '<bin>/kelmora.dat' properly")
        << true;
    QTest::newRow("save without the factory driver file")
        << ChosenWithoutFactoryFile << Words("save 5")
        << Lines("Error! - Write failed: Could not write to factory driver file '<save>/AFactMS.sav' "
                 "[No such file or directory]")
        << true;
    QTest::newRow("template vanishes") << HiddenTemplate << Words("template <save>/.alex.sav")
                                       << Lines("Error!: Could not find template driver file '<save>/.alex.sav'\n"
                                                "Fatal Error!: Could not find driver file at <save>/.alex.sav")
                                       << false;
    QTest::newRow("program data file cannot be written")
        << DataFileIsFolder << Words("template <save>/Alex.sav")
        << Lines("Error!: Could not write to data file '<bin>/kelmora.dat' [Is a directory]") << false;
    QTest::newRow("factory driver file cannot be made")
        << FactoryFileIsFolder << Words("template <save>/Alex.sav")
        << Lines("Error!: Could not make factory driver file from template driver file [Destination file exists]")
        << false;
}

void TestCli::testFailures()
{
    QFETCH(const Setup, setup);
    QFETCH(const QStringList, arguments);
    QFETCH(const QStringList, messages);
    QFETCH(const bool, touchesNothing);
    Prepare(setup);

    const QMap<QString, QByteArray> before = Snapshot();
    const Outcome outcome = Run(At(arguments));
    QCOMPARE(outcome.errLines, At(messages));
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(outcome.out, QString());
    if (touchesNothing)
        QCOMPARE(Snapshot(), before);
    // Ended at once: the vanished template's empty block must not become the program data file.
    if (setup == HiddenTemplate)
        QVERIFY(!QFile::exists(At("<bin>/kelmora.dat")));
}

void TestCli::testStatus_data()
{
    QTest::addColumn<int>("zeroRecords"); // the template's last records already hold zeros
    QTest::addColumn<int>("savedHere");
    QTest::addColumn<int>("savedByWindow"); // the windowed program saved after this command line
    QTest::addColumn<bool>("playedOn");
    QTest::addColumn<QString>("choice");
    QTest::newRow("fresh copy is the template") << 0 << 0 << 0 << false << QStringLiteral("34");
    QTest::newRow("after a save here") << 0 << 12 << 0 << false << QStringLiteral("12");
    QTest::newRow("after the window's save") << 0 << 12 << 21 << false << QStringLiteral("21");
    QTest::newRow("played on") << 0 << 12 << 0 << true
                               << QStringLiteral("none (played on or changed since the last save)");
    QTest::newRow("zeros in the template") << 4 << 5 << 0 << false << QStringLiteral("5");
    QTest::newRow("several choices alike")
        << 4 << 31 << 0 << false << QStringLiteral("31, 32, 33, 34 (each gives these same bytes)");
}

void TestCli::testStatus()
{
    QFETCH(const int, zeroRecords);
    QFETCH(const int, savedHere);
    QFETCH(const int, savedByWindow);
    QFETCH(const bool, playedOn);
    QFETCH(const QString, choice);
    MissionStatusTable templateBlock = BlockOf(m_template);
    for (int mission = MISSION_COUNT - zeroRecords; mission < MISSION_COUNT; ++mission)
        templateBlock[mission] = MissionStatusRecord{};
    m_template = WithBlock(m_template, templateBlock);
    WriteWholeFile(At("<save>/Alex.sav"), m_template);
    Prepare(Chosen);

    const QString factory = At("<save>/AFactMS.sav");
    if (savedHere > 0)
        QCOMPARE(Run({QStringLiteral("save"), QString::number(savedHere)}).exitCode, 0);
    if (savedByWindow > 0)
        WriteWholeFile(factory, WithBlock(m_template, ExpectedAfterSave(templateBlock, savedByWindow - 1)));
    if (playedOn) {
        // The game marks progress on the mission that was next.
        QByteArray played = ReadWholeFile(factory);
        played[MissionByteOffset(savedHere - 1, 0)] = 1;
        WriteWholeFile(factory, played);
    }

    const Outcome outcome = Run(Words("status"));
    QCOMPARE(outcome.errLines, QStringList());
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.out, At("Savegame folder:     <save>/ (exists)\n"
                             "Template driver:     <save>/Alex.sav (exists)\n"
                             "Factory driver file: <save>/AFactMS.sav (exists)\n"
                             "Program data file:   <bin>/kelmora.dat (exists)\n"
                             "Mission choice:      %1\n")
                              .arg(choice));
}

void TestCli::testStatusOfMissingFiles()
{
    Outcome outcome = Run(Words("status"));
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.out, At("Savegame folder:     none stored\n"
                             "Template driver:     none stored\n"
                             "Factory driver file: none stored\n"
                             "Program data file:   <bin>/kelmora.dat (missing)\n"
                             "Mission choice:      unknown - No template driver chosen yet: "
                             "run 'kelmora-cli template PATH' first\n"));

    Prepare(ChosenWithoutFactoryFile);
    QVERIFY(QFile::remove(At("<bin>/kelmora.dat")));
    QVERIFY(QDir().mkdir(At("<save>/AFactMS.sav")));
    outcome = Run(Words("status"));
    QCOMPARE(outcome.exitCode, 0);
    const QStringList lines = outcome.out.split(u'\n');
    QCOMPARE(lines.value(2), At("Factory driver file: <save>/AFactMS.sav (not a file)"));
    QCOMPARE(lines.value(3), At("Program data file:   <bin>/kelmora.dat (missing)"));
    QVERIFY2(lines.value(4).startsWith(QStringLiteral("Mission choice:      unknown - Could not read factory driver")),
             qPrintable(lines.value(4)));

    QVERIFY(QDir().rmdir(At("<save>/AFactMS.sav")));
    WriteWholeFile(At("<save>/AFactMS.sav"), m_template);
    outcome = Run(Words("status"));
    QCOMPARE(outcome.out.split(u'\n').value(4),
             At("Mission choice:      unknown - Could not read from data file '<bin>/kelmora.dat' "
                "[No such file or directory]"));
}

void TestCli::testMissionsAndVersion()
{
    const Outcome missions = Run(Words("missions"));
    QCOMPARE(missions.exitCode, 0);
    const QStringList lines = missions.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), MISSION_COUNT);
    for (int row = 0; row < MISSION_COUNT; ++row) {
        const QStringList fields = lines[row].split(u'\t');
        QCOMPARE(fields.size(), 5);
        QCOMPARE(fields[0], QString::number(row + 1));
        QVERIFY2(!fields.contains(QString()), qPrintable(lines[row]));
    }

    const Outcome version = Run(Words("--version"));
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QStringLiteral("kelmora-cli 1.0.0\n"));

    const Outcome help = Run(Words("--help"));
    QCOMPARE(help.exitCode, 0);
    for (const char* command : {"missions ", "template PATH ", "save NUMBER ", "status "})
        QVERIFY2(help.out.contains(QLatin1String(command)), command);
}

QTEST_GUILESS_MAIN(TestCli)
#include "TestCli.moc"
