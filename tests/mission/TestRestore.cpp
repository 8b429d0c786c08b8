#include "mission/Backups.h"
#include "mission/SafeFile.h"
#include "mission/SaveSequence.h"
#include "mission/SavegameBlock.h"
#include "settings/TemplateSelection.h"

#include "support/Fakes.h"
#include "support/Savegames.h"

#include <QHash>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <memory>

using namespace kelmora;
using namespace kelmora::test;

// Every save and template choice keeps what it overwrites or removes, and each backup goes back to
// the path it came from, byte for byte, and nowhere else.
class TestRestore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void testSaveOverPlayedFileThenRestore();
    void testTemplateChoiceKeepsEveryRemovedFile();
    void testSavesKeepTheNewest50();
    void testNoBackupNoChange_data();
    void testNoBackupNoChange();
    void testRestoreRefuses_data();
    void testRestoreRefuses();
    void testRestoreAnotherTemplatesCopy();
    void testFailedChoiceLeavesNoOtherTemplatesCopy();
    void testRestoreFromAWindowBehindTheSettings();
    void testChoiceFromAWindowBehindTheSettings();
    void testRestoreTheOldestOfAFullSet();
    void testFailedChangeLeavesBackupsApart_data();
    void testFailedChangeLeavesBackupsApart();

private:
    QString save(const QString& name) const { return m_saveFolder + name; }
    QString userFolder() const { return m_dir->filePath("User"); }
    Services services() const { return {m_clock, m_dir->filePath("Program"), userFolder()}; }
    void chooseTemplate(const QString& name);
    void saveMission(int number);
    // The listed backup of `path` that holds `content`, or an empty id.
    QString idOf(const QString& path, const QByteArray& content);

    QTemporaryDir m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    FixedClock m_clock;
    RunState m_state;
    QString m_saveFolder;
    QByteArray m_alex = MakeSavegame(20000, 41);
    QByteArray m_bob = MakeSavegame(9000, 42);
};

void TestRestore::initTestCase()
{
    QVERIFY(m_settings.isValid());
    RedirectSettings(m_settings.path());
}

void TestRestore::init()
{
    ClearSettings();
    m_state = {};
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath("Save") && QDir(m_dir->path()).mkpath("Program"));
    m_saveFolder = QDir::toNativeSeparators(m_dir->filePath("Save")) + QDir::separator();
    WriteWholeFile(save("Alex.sav"), m_alex);
    WriteWholeFile(save("Bob.sav"), m_bob);
}

void TestRestore::chooseTemplate(const QString& name)
{
    const SelectionOutcome outcome = SelectNewTemplateDriver(m_state, services(), {save(name), name});
    QCOMPARE(Shown(outcome.problems), QList<ShownMessage>());
    QCOMPARE(outcome.result, SelectionOutcome::Result::Selected);
}

void TestRestore::saveMission(int number)
{
    const SaveOutcome outcome = RunSaveSequence(m_state, services(), true, number - 1);
    QCOMPARE(Shown(outcome.problems), QList<ShownMessage>());
}

QString TestRestore::idOf(const QString& path, const QByteArray& content)
{
    BackupStore store(BackupFolder(services()));
    for (const Backup& backup : store.List()) {
        if (backup.originalPath == path && store.Read(backup).content == content)
            return backup.id;
    }
    return {};
}

void TestRestore::testSaveOverPlayedFileThenRestore()
{
    chooseTemplate("Alex.sav");
    saveMission(12);
    // The game records progress on mission 12 and beyond, and elsewhere in the file.
    QByteArray played = SavedFrom(m_alex, 11);
    played[MissionByteOffset(11, 2)] = 7;
    played[MissionByteOffset(12, 0)] = 3;
    played[100] = char(played[100] + 1);
    WriteWholeFile(save("AFactMS.sav"), played);

    saveMission(1);
    const QByteArray savedOver = WithBlock(played, ExpectedAfterSave(BlockOf(m_alex), 0));
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), savedOver);

    const QList<ListedBackup> listed = ListBackups(services());
    QCOMPARE(listed.size(), 2);
    QCOMPARE(listed[0].backup.originalPath, save("AFactMS.sav"));
    QCOMPARE(listed[0].missionChoice, QStringLiteral("played on since a save"));
    QCOMPARE(listed[1].missionChoice, QStringLiteral("Mission 34")); // the fresh copy: the template's own bytes

    RestoreOutcome outcome = RestoreBackup(m_state, services(), listed[0].backup.id);
    QCOMPARE(Shown(outcome.problems), QList<ShownMessage>());
    QVERIFY(outcome.done());
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), played);
    QCOMPARE(ReadWholeFile(save("Alex.sav")), m_alex);

    // What the restore replaced was kept too, and goes back as well.
    const QList<ListedBackup> after = ListBackups(services());
    QCOMPARE(after.size(), 3);
    QCOMPARE(after[0].missionChoice, QStringLiteral("Mission 1"));
    outcome = RestoreBackup(m_state, services(), after[0].backup.id);
    QVERIFY(outcome.done());
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), savedOver);
}

void TestRestore::testTemplateChoiceKeepsEveryRemovedFile()
{
    const QByteArray a = MakeSavegame(15000, 43), c = MakeSavegame(16000, 44);
    WriteWholeFile(save("AFactMS.sav"), a);
    WriteWholeFile(save("cfactms.sav"), c);
    chooseTemplate("Bob.sav");
    QCOMPARE(QDir(m_saveFolder).entryList(QDir::Files), QStringList({"Alex.sav", "BFactMS.sav", "Bob.sav"}));

    QStringList paths;
    for (const ListedBackup& listed : ListBackups(services()))
        paths << listed.backup.originalPath;
    paths.sort();
    QCOMPARE(paths, QStringList({save("AFactMS.sav"), save("cfactms.sav")}));

    for (const auto& [name, content] : {std::pair{QStringLiteral("AFactMS.sav"), a}, {"cfactms.sav", c}}) {
        const RestoreOutcome outcome = RestoreBackup(m_state, services(), idOf(save(name), content));
        QCOMPARE(Shown(outcome.problems), QList<ShownMessage>());
        QCOMPARE(ReadWholeFile(save(name)), content);
    }
    QCOMPARE(ReadWholeFile(save("BFactMS.sav")), m_bob);
    QCOMPARE(ReadWholeFile(save("Bob.sav")), m_bob);
}

void TestRestore::testSavesKeepTheNewest50()
{
    chooseTemplate("Alex.sav");
    // Each save changes the file, so each keeps a backup: the first of the fresh copy, then the
    // alternating results of saves of missions 1 and 34.
    const int saves = BackupsKeptPerFile + 5;
    for (int i = 0; i < saves; ++i)
        saveMission(i % 2 == 0 ? 1 : 34);
    const BackupStore store(BackupFolder(services()));
    const QList<Backup> kept = store.List();
    QCOMPARE(kept.size(), BackupsKeptPerFile);
    // Save i overwrote the template's bytes when i is even (the fresh copy or a save of 34), and a
    // save of mission 1 otherwise: newest first, the backups of saves 54 down to 5.
    for (int k = 0; k < kept.size(); ++k) {
        const int i = saves - 1 - k;
        QCOMPARE(store.Read(kept[k]).content, i % 2 == 0 ? m_alex : SavedFrom(m_alex, 0));
    }
}

void TestRestore::testNoBackupNoChange_data()
{
    QTest::addColumn<bool>("templateChoice");
    QTest::newRow("save") << false;
    QTest::newRow("template choice") << true;
}

void TestRestore::testNoBackupNoChange()
{
    QFETCH(const bool, templateChoice);
    chooseTemplate("Alex.sav");
    WriteWholeFile(save("CFactMS.sav"), m_bob);
    // The backup folder's place is taken by a file.
    WriteWholeFile(QDir(userFolder()).filePath("Backups"), "not a folder");
    const QMap<QString, QByteArray> before = Snapshot(m_dir->path());
    const RunState state = m_state;

    Problems problems;
    if (templateChoice) {
        const SelectionOutcome outcome = SelectNewTemplateDriver(m_state, services(), {save("Bob.sav"), "Bob.sav"});
        QCOMPARE(outcome.result, SelectionOutcome::Result::Refused);
        problems = outcome.problems;
    } else {
        problems = RunSaveSequence(m_state, services(), true, 0).problems;
    }
    QCOMPARE(problems.size(), 1);
    QCOMPARE(problems[0].failure, Failure::BackupFailed);
    QVERIFY(problems[0].path == save("AFactMS.sav") || (templateChoice && problems[0].path == save("CFactMS.sav")));
    QVERIFY2(problems[0].reason.contains(QDir::toNativeSeparators(QDir(userFolder()).filePath("Backups"))),
             qPrintable(problems[0].reason));
    QCOMPARE(Snapshot(m_dir->path()), before);
    QCOMPARE(m_state.TemplateDriverFile, state.TemplateDriverFile);
    RunState stored;
    LoadSettings(stored);
    QCOMPARE(stored.TemplateDriverFile, QStringLiteral("Alex.sav"));
}

void TestRestore::testRestoreRefuses_data()
{
    QTest::addColumn<QString>("whatIsThere");
    QTest::addColumn<QString>("expected");
    const QString refused = QStringLiteral("Could not restore '<factory>' [%1]");
    QTest::newRow("hard link to the template")
        << "hard link" << refused.arg("It is the template driver file, which is never written");
    QTest::newRow("the template by name, missing")
        << "template name" << refused.arg("It is the template driver file, which is never written");
    QTest::newRow("link to another file")
        << "link" << refused.arg("It is a link; Kelmora only writes files it made itself");
    QTest::newRow("folder") << "folder" << refused.arg("Is a directory");
    QTest::newRow("FIFO") << "fifo" << refused.arg("It is not a regular file");
    QTest::newRow("path file naming another file")
        << "path file" << QStringLiteral("Could not restore '<save>Other.sav' [It is not a factory driver file]");
    QTest::newRow("unknown id") << "unknown" << QStringLiteral("There is no backup '20261207-000000-000-00000000'");
}

void TestRestore::testRestoreRefuses()
{
    QFETCH(const QString, whatIsThere);
    QFETCH(const QString, expected);
    chooseTemplate("Alex.sav");
    saveMission(5);
    const QString factory = save("AFactMS.sav");
    QString id = idOf(factory, m_alex);
    QVERIFY(!id.isEmpty());

    const QByteArray other = MakeSavegame(9000, 45);
    WriteWholeFile(save("Other.sav"), other);
    QVERIFY(QFile::remove(factory));
    const QByteArray path = QFile::encodeName(factory);
    if (whatIsThere == "hard link") {
        QCOMPARE(::link(QFile::encodeName(save("Alex.sav")).constData(), path.constData()), 0);
    } else if (whatIsThere == "template name") {
        // Settings edited by hand name the factory driver file as the template, which is gone.
        m_state.TemplateDriverFile = "AFactMS.sav";
    } else if (whatIsThere == "link") {
        QVERIFY(QFile::link(save("Other.sav"), factory));
    } else if (whatIsThere == "folder") {
        QVERIFY(QDir().mkdir(factory));
    } else if (whatIsThere == "fifo") {
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
    } else if (whatIsThere == "path file") {
        // Every backup of the factory driver file names its original through one path file.
        const QStringList pathFiles = QDir(BackupFolder(services())).entryList({"*.path"}, QDir::Files);
        QCOMPARE(pathFiles.size(), 1);
        const QString pathFile = QDir(BackupFolder(services())).filePath(pathFiles.first());
        QVERIFY(QFile::remove(pathFile));
        WriteWholeFile(pathFile, save("Other.sav").toUtf8());
    } else {
        id = "20261207-000000-000-00000000";
    }
    // Not the savegame folder as a whole: reading the FIFO would wait for ever.
    const auto untouched = [&] {
        return QList<QVariant>{QVariant::fromValue(Snapshot(userFolder())), ReadWholeFile(save("Alex.sav")),
                               ReadWholeFile(save("Other.sav")), int(EntryAt(factory))};
    };
    const QList<QVariant> before = untouched();

    const RestoreOutcome outcome = RestoreBackup(m_state, services(), id);
    const ShownMessage message = {QString(expected).replace("<factory>", factory).replace("<save>", m_saveFolder),
                                  "Error! - Restore failed", MessageIcon::Exclamation};
    QCOMPARE(Matched(Shown(outcome.problems), {message}), QList<ShownMessage>{message});
    QVERIFY(!outcome.done());
    QCOMPARE(untouched(), before);
}

// Alex.sav and Ann.sav share the factory driver file AFactMS.sav. Alex's copy, put back while Ann is
// the template, would come out of the next save as Alex's driver with Ann's progress.
void TestRestore::testRestoreAnotherTemplatesCopy()
{
    const QByteArray ann = MakeSavegame(9000, 44);
    WriteWholeFile(save("Ann.sav"), ann);
    chooseTemplate("Alex.sav");
    saveMission(5);
    const QByteArray alexCopy = SavedFrom(m_alex, 4);
    chooseTemplate("Ann.sav");
    saveMission(3);
    const QString id = idOf(save("AFactMS.sav"), alexCopy);
    QVERIFY(!id.isEmpty());
    QCOMPARE(BackupStore(BackupFolder(services())).Find(id)->templatePath, save("Alex.sav"));
    // Listed, its mission choice against Ann's progress would mean nothing.
    Services withSettings = services();
    withSettings.loadStoredSettings = [](RunState& state) { LoadSettings(state); };
    QStringList choices;
    for (const ListedBackup& listed : ListBackups(withSettings))
        choices << QFileInfo(listed.backup.templatePath).fileName() + ": " + listed.missionChoice;
    QCOMPARE(choices, QStringList({"Ann.sav: Mission 34", "Alex.sav: unknown", "Alex.sav: unknown"}));

    RestoreOutcome outcome = RestoreBackup(m_state, services(), id);
    QCOMPARE(outcome.problems.size(), 1);
    QCOMPARE(outcome.problems[0].failure, Failure::RestoreFailed);
    QCOMPARE(outcome.problems[0].reason,
             QStringLiteral("It is a copy of template driver '%1', and saves now write the progress of '%2' into this "
                            "file; choose '%1' as the template driver first")
                 .arg(save("Alex.sav"), save("Ann.sav")));
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), SavedFrom(ann, 2));

    // With Alex the template again, the copy goes back, and a save writes Alex's progress into it.
    chooseTemplate("Alex.sav");
    outcome = RestoreBackup(m_state, services(), id);
    QCOMPARE(Shown(outcome.problems), QList<ShownMessage>());
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), alexCopy);
    saveMission(9);
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), SavedFrom(m_alex, 8));
}

// A choice of Ann that stops before it copies her must not leave Alex's copy under the name her
// saves would write: it is kept as Alex's and removed, so that it never goes back for her.
void TestRestore::testFailedChoiceLeavesNoOtherTemplatesCopy()
{
    const QByteArray ann = MakeSavegame(9000, 44);
    chooseTemplate("Alex.sav");
    saveMission(5);
    const QByteArray alexCopy = SavedFrom(m_alex, 4);
    {
        QFile tooLarge(save("Ann.sav"));
        QVERIFY(tooLarge.open(QIODevice::WriteOnly) && tooLarge.resize(MaximumSavegameSize + 1));
    }
    const SelectionOutcome failed = SelectNewTemplateDriver(m_state, services(), {save("Ann.sav"), "Ann.sav"});
    QVERIFY(!failed.problems.isEmpty());
    // Alex's copy does not stay under settings that name Ann: it is kept, as Alex's.
    QVERIFY(!QFileInfo::exists(save("AFactMS.sav")));
    const QString id = idOf(save("AFactMS.sav"), alexCopy);
    QVERIFY(!id.isEmpty());
    QCOMPARE(BackupStore(BackupFolder(services())).Find(id)->templatePath, save("Alex.sav"));

    WriteWholeFile(save("Ann.sav"), ann);
    chooseTemplate("Ann.sav");
    QVERIFY(!RestoreBackup(m_state, services(), id).done());
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), ann);
}

// A window still showing Alex while kelmora-cli has made Ann the template: the stored choice decides
// what saves write into the file, so Alex's copy must not go back.
void TestRestore::testRestoreFromAWindowBehindTheSettings()
{
    const QByteArray ann = MakeSavegame(9000, 44);
    WriteWholeFile(save("Ann.sav"), ann);
    chooseTemplate("Alex.sav");
    saveMission(5);
    RunState elsewhere;
    LoadSettings(elsewhere);
    QCOMPARE(Shown(SelectNewTemplateDriver(elsewhere, services(), {save("Ann.sav"), "Ann.sav"}).problems),
             QList<ShownMessage>());
    const QString id = idOf(save("AFactMS.sav"), SavedFrom(m_alex, 4));
    QVERIFY(!id.isEmpty());

    Services withSettings = services();
    withSettings.loadStoredSettings = [](RunState& state) { LoadSettings(state); };
    const RestoreOutcome outcome = RestoreBackup(m_state, withSettings, id);
    QCOMPARE(outcome.problems.size(), 1);
    QVERIFY2(outcome.problems[0].reason.startsWith("It is a copy of template driver"),
             qPrintable(outcome.problems[0].reason));
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), ann);
}

// The same window, still showing Bob, chooses Alex: the file it replaces is Ann's copy.
void TestRestore::testChoiceFromAWindowBehindTheSettings()
{
    WriteWholeFile(save("Ann.sav"), MakeSavegame(9000, 44));
    chooseTemplate("Bob.sav");
    RunState elsewhere;
    LoadSettings(elsewhere);
    QCOMPARE(Shown(SelectNewTemplateDriver(elsewhere, services(), {save("Ann.sav"), "Ann.sav"}).problems),
             QList<ShownMessage>());

    Services withSettings = services();
    withSettings.loadStoredSettings = [](RunState& state) { LoadSettings(state); };
    QCOMPARE(Shown(SelectNewTemplateDriver(m_state, withSettings, {save("Alex.sav"), "Alex.sav"}).problems),
             QList<ShownMessage>());
    const QString id = idOf(save("AFactMS.sav"), ReadWholeFile(save("Ann.sav")));
    QVERIFY(!id.isEmpty());
    QCOMPARE(BackupStore(BackupFolder(services())).Find(id)->templatePath, save("Ann.sav"));
}

void TestRestore::testRestoreTheOldestOfAFullSet()
{
    chooseTemplate("Alex.sav");
    const QString factory = save("AFactMS.sav");
    BackupStore store(BackupFolder(services()));
    QList<QByteArray> versions;
    for (int i = 0; i < BackupsKeptPerFile; ++i) {
        versions << MakeSavegame(9000, 100 + i);
        QVERIFY(store.Keep(factory, versions.last()).ok());
    }
    const Backup oldest = store.List().constLast();
    QCOMPARE(store.Read(oldest).content, versions.first());

    // Keeping what is there now drops the oldest backup: the one being restored.
    const RestoreOutcome outcome = RestoreBackup(m_state, services(), oldest.id);
    QCOMPARE(Shown(outcome.problems), QList<ShownMessage>());
    QCOMPARE(ReadWholeFile(factory), versions.first());
    QCOMPARE(store.List().size(), BackupsKeptPerFile);
    QCOMPARE(store.Read(store.List().constFirst()).content, m_alex);
}

void TestRestore::testFailedChangeLeavesBackupsApart_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("save") << "save";
    QTest::newRow("restore") << "restore";
    QTest::newRow("template choice") << "template choice";
}

// A change that kept the file as its backup and then stopped leaves the file where it was, and the
// game goes on writing into it: no backup may change with it.
void TestRestore::testFailedChangeLeavesBackupsApart()
{
    QFETCH(const QString, change);
    chooseTemplate("Alex.sav");
    saveMission(12);
    const QString factory = save("AFactMS.sav");
    const QByteArray before = ReadWholeFile(factory);

    Problems problems;
    if (change == "template choice") {
        // The program data file cannot be discarded, which the choice finds only after its backups.
        const QString dataFile = QDir(m_dir->filePath("Program")).filePath("kelmora.dat");
        QVERIFY(QFile::remove(dataFile) && QDir().mkdir(dataFile));
        problems = SelectNewTemplateDriver(m_state, services(), {save("Bob.sav"), "Bob.sav"}).problems;
    } else {
        const QString id = idOf(factory, m_alex);
        const FileSizeLimit limit(1000);
        problems = change == "save" ? RunSaveSequence(m_state, services(), true, 0).problems
                                    : RestoreBackup(m_state, services(), id).problems;
    }
    QVERIFY(!problems.isEmpty());
    QCOMPARE(ReadWholeFile(factory), before);

    const BackupStore store(BackupFolder(services()));
    QHash<QString, QByteArray> kept;
    for (const Backup& backup : store.List())
        kept.insert(backup.id, store.Read(backup).content);
    QCOMPARE(WriteSpanInPlace(factory, 100, "played on"), QString());
    QCOMPARE(store.List().size(), kept.size());
    for (const Backup& backup : store.List())
        QCOMPARE(store.Read(backup).content, kept.value(backup.id));
}

QTEST_GUILESS_MAIN(TestRestore)
#include "TestRestore.moc"
