#include "settings/SettingsStore.h"
#include "store/FileSystem.h"
#include "store/SavegameStore.h"

#include "support/Fakes.h"
#include "support/Savegames.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <memory>

using namespace kelmora;
using namespace kelmora::test;

// Every save and template choice keeps what it overwrites or removes, and each backup goes back to
// the path it came from, byte for byte, and nowhere else, never as another driver's savegame.
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
    void testRestoreAnotherDriversCopy_data();
    void testRestoreAnotherDriversCopy();
    void testFailedChoiceIsNoChoice();
    void testChoiceFromAWindowBehindTheSettings();
    void testRestoreTheOldestOfAFullSet();

private:
    QString save(const QString& name) const { return m_saveFolder + name; }
    SavegameStore store() const
    {
        return SavegameStore({QDir::toNativeSeparators(m_dir->filePath("Program")), m_dir->filePath("User")});
    }
    BackupFolder backups() const { return BackupFolder(store().BackupFolderPath()); }
    void chooseTemplate(const QString& name, const QString& folder = {});
    void saveMission(int number);
    QList<ListedBackup> listed() const { return store().Backups().backups; }
    // The listed backup of `path` that holds `content`, or an empty id.
    QString idOf(const QString& path, const QByteArray& content) const;
    QByteArray kept(const Backup& backup) const
    {
        QByteArray bytes;
        return backups().Read(backup, bytes).isEmpty() ? bytes : QByteArray("unreadable");
    }

    QTemporaryDir m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    FixedClock m_clock;
    RunState m_state;
    QString m_saveFolder;
    QByteArray m_alex = MakeSavegame(20000, 41);
    QByteArray m_bob = MakeSavegame(9000, 42);
    QByteArray m_ann = MakeSavegame(9000, 44);
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
    QVERIFY(QDir(m_dir->path()).mkpath("Save"));
    m_saveFolder = QDir::toNativeSeparators(m_dir->filePath("Save")) + QDir::separator();
    WriteWholeFile(save("Alex.sav"), m_alex);
    WriteWholeFile(save("Bob.sav"), m_bob);
    WriteWholeFile(save("Ann.sav"), m_ann);
}

void TestRestore::chooseTemplate(const QString& name, const QString& folder)
{
    const QString path = folder.isEmpty() ? save(name) : folder + name;
    const SelectionOutcome outcome = store().ChooseTemplate(m_state, {path, name});
    QCOMPARE(Shown(outcome.problems), QList<ShownMessage>());
    QCOMPARE(outcome.result, SelectionOutcome::Result::Selected);
}

void TestRestore::saveMission(int number)
{
    const SaveOutcome outcome = store().Save(m_state, true, number - 1, m_clock);
    QCOMPARE(Shown(outcome.problems), QList<ShownMessage>());
}

QString TestRestore::idOf(const QString& path, const QByteArray& content) const
{
    for (const ListedBackup& backup : listed()) {
        if (backup.backup.originalPath == path && kept(backup.backup) == content)
            return backup.backup.id;
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

    // A backup is a copy of its own: what the game writes into the file later never changes it.
    QCOMPARE(WriteInPlace(save("AFactMS.sav"), 100, "played on"), QString());
    const QList<ListedBackup> before = listed();
    QCOMPARE(before.size(), 2);
    QCOMPARE(before[0].backup.originalPath, save("AFactMS.sav"));
    QCOMPARE(before[0].missionChoice, QStringLiteral("played on since a save"));
    QCOMPARE(kept(before[0].backup), played);
    QCOMPARE(before[1].missionChoice, QStringLiteral("as the template")); // the fresh copy

    RestoreOutcome outcome = store().Restore(before[0].backup.id);
    QCOMPARE(Shown(outcome.problems), QList<ShownMessage>());
    QVERIFY(outcome.done());
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), played);
    QCOMPARE(ReadWholeFile(save("Alex.sav")), m_alex);

    // What the restore replaced was kept too, and goes back as well.
    const QList<ListedBackup> after = listed();
    QCOMPARE(after.size(), 3);
    QCOMPARE(after[0].missionChoice, QStringLiteral("Mission 1")); // the game's bytes lie outside the block
    outcome = store().Restore(after[0].backup.id);
    QVERIFY(outcome.done());
    QByteArray written = savedOver;
    written.replace(100, 9, "played on");
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), written);
}

void TestRestore::testTemplateChoiceKeepsEveryRemovedFile()
{
    const QByteArray a = MakeSavegame(15000, 43), c = MakeSavegame(16000, 44);
    WriteWholeFile(save("AFactMS.sav"), a);
    WriteWholeFile(save("cfactms.sav"), c);
    chooseTemplate("Bob.sav");
    QCOMPARE(QDir(m_saveFolder).entryList(QDir::Files), QStringList({"Alex.sav", "Ann.sav", "BFactMS.sav", "Bob.sav"}));

    QStringList paths;
    for (const ListedBackup& backup : listed())
        paths << backup.backup.originalPath;
    paths.sort();
    QCOMPARE(paths, QStringList({save("AFactMS.sav"), save("cfactms.sav")}));

    // Neither is where saves write now, so neither can mix two drivers.
    for (const auto& [name, content] : {std::pair{QStringLiteral("AFactMS.sav"), a}, {"cfactms.sav", c}}) {
        const RestoreOutcome outcome = store().Restore(idOf(save(name), content));
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
    const QList<Backup> kept = backups().List();
    QCOMPARE(kept.size(), BackupsKeptPerFile);
    // Save i overwrote the template's bytes when i is even (the fresh copy or a save of 34), and a
    // save of mission 1 otherwise: newest first, the backups of saves 54 down to 5.
    for (int k = 0; k < kept.size(); ++k) {
        const int i = saves - 1 - k;
        QCOMPARE(this->kept(kept[k]), i % 2 == 0 ? m_alex : SavedFrom(m_alex, 0));
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
    WriteWholeFile(m_dir->filePath("User/Backups"), "not a folder");
    const QMap<QString, QByteArray> before = Snapshot(m_dir->path());

    Problems problems;
    if (templateChoice) {
        const SelectionOutcome outcome = store().ChooseTemplate(m_state, {save("Bob.sav"), "Bob.sav"});
        QCOMPARE(outcome.result, SelectionOutcome::Result::Refused);
        problems = outcome.problems;
    } else {
        problems = store().Save(m_state, true, 0, m_clock).problems;
    }
    QCOMPARE(problems.size(), 1);
    QCOMPARE(problems[0].failure, Failure::BackupFailed);
    QVERIFY(problems[0].path == save("AFactMS.sav") || (templateChoice && problems[0].path == save("CFactMS.sav")));
    QVERIFY2(problems[0].reason.contains(QDir::toNativeSeparators(m_dir->filePath("User/Backups"))),
             qPrintable(problems[0].reason));
    QCOMPARE(Snapshot(m_dir->path()), before);
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
    // Made read-only by the player: it stays as it is, for root too, whom the system lets write it.
    QTest::newRow("read-only file") << "read-only" << refused.arg(ReadOnlyReason());
#ifdef Q_OS_UNIX
    // Its owner may not write it, though others may: read-only all the same.
    QTest::newRow("not writable by its owner") << "owner read-only" << refused.arg(ReadOnlyReason());
#endif
    QTest::newRow("FIFO") << "fifo" << refused.arg("It is not a regular file");
    // A backup cut short or emptied on disk would give the game a broken savegame.
    QTest::newRow("damaged backup") << "damaged"
                                    << refused.arg("<kept>: The backup is damaged: its bytes are not those that "
                                                   "were kept");
    QTest::newRow("path file naming another file")
        << "path file" << QStringLiteral("Could not restore '<save>Other.sav' [It is not a factory driver file]");
    QTest::newRow("unknown id") << "unknown" << QStringLiteral("There is no backup '20261207-000000-000-00000000'");
}

void TestRestore::testRestoreRefuses()
{
    QFETCH(const QString, whatIsThere);
    QFETCH(QString, expected);
    chooseTemplate("Alex.sav");
    saveMission(5);
    const QString factory = save("AFactMS.sav");
    QString id = idOf(factory, m_alex);
    QVERIFY(!id.isEmpty());
    const QString keptFile = backups().List().constFirst().file;

    WriteWholeFile(save("Other.sav"), MakeSavegame(9000, 45));
    if (whatIsThere != "damaged" && whatIsThere != "path file" && !whatIsThere.endsWith("read-only"))
        QVERIFY(QFile::remove(factory));
    const QByteArray path = QFile::encodeName(factory);
    if (whatIsThere == "hard link") {
        QVERIFY(MakeHardLink(save("Alex.sav"), factory));
    } else if (whatIsThere == "template name") {
        // Settings edited by hand name the factory driver file as the template, which is gone.
        QSettings(QSettings::defaultFormat(), QSettings::UserScope, "Quorrick", "Kelmora")
            .setValue(TemplateDriverFileValue, "AFactMS.sav");
    } else if (whatIsThere == "link") {
        if (!MakeLink(save("Other.sav"), factory))
            QSKIP(NoLinksHere);
    } else if (whatIsThere == "folder") {
        QVERIFY(QDir().mkdir(factory));
    } else if (whatIsThere == "read-only") {
        QVERIFY(QFile::setPermissions(factory, QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup |
                                                   QFileDevice::ReadOther));
    } else if (whatIsThere == "owner read-only") {
#ifdef Q_OS_UNIX
        QCOMPARE(::chmod(path.constData(), 0464), 0);
#endif
    } else if (whatIsThere == "fifo") {
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
#else
        QSKIP("Windows has no FIFOs");
#endif
    } else if (whatIsThere == "damaged") {
        WriteWholeFile(keptFile, ReadWholeFile(keptFile).left(8000));
    } else if (whatIsThere == "path file") {
        const QString original = QFileInfo(keptFile).dir().filePath("original");
        QVERIFY(QFile::remove(original));
        WriteWholeFile(original, save("Other.sav").toUtf8());
    } else {
        id = "20261207-000000-000-00000000";
    }
    // Not the savegame folder as a whole: reading the FIFO would wait for ever.
    const auto untouched = [&] {
        return QList<QVariant>{QVariant::fromValue(Snapshot(m_dir->filePath("User"))), ReadWholeFile(save("Alex.sav")),
                               ReadWholeFile(save("Other.sav")), int(EntryAt(factory)),
                               EntryAt(factory) == EntryKind::RegularFile ? ReadWholeFile(factory) : QByteArray()};
    };
    const QList<QVariant> before = untouched();

    const RestoreOutcome outcome = store().Restore(id);
    expected.replace("<factory>", factory)
        .replace("<save>", m_saveFolder)
        .replace("<kept>", QDir::toNativeSeparators(keptFile));
    const ShownMessage message = {expected, "Error! - Restore failed", MessageIcon::Exclamation};
    QCOMPARE(Shown(outcome.problems), QList<ShownMessage>{message});
    QVERIFY(!outcome.done());
    QCOMPARE(untouched(), before);
}

void TestRestore::testRestoreAnotherDriversCopy_data()
{
    QTest::addColumn<QString>("how");
    // Alex.sav and Ann.sav share the factory driver file AFactMS.sav.
    QTest::newRow("another template's copy") << "other template";
    // One folder, reached by two paths, as a game library linked into the home folder is.
    QTest::newRow("the same file through another path") << "folder link";
    // Taken while nothing told whose copy it was: the template's record was gone.
    QTest::newRow("a copy of no known template") << "unknown";
    // The driver deleted in the game and another one given his name, chosen again.
    QTest::newRow("another driver under the template's name") << "same name";
}

// Put back where saves now write another template's progress, the file would come out of the next
// save as one driver with another's progress: the player is asked first.
void TestRestore::testRestoreAnotherDriversCopy()
{
    QFETCH(const QString, how);
    chooseTemplate("Alex.sav");
    saveMission(5);
    const QByteArray alexCopy = SavedFrom(m_alex, 4);
    QString annFolder = m_saveFolder;
    if (how == "unknown")
        QVERIFY(QFile::remove(m_dir->filePath("User/kelmora.dat.template")));
    else
        saveMission(7); // keeps Alex's copy of mission 5, as his
    if (how == "folder link") {
        if (!MakeLink(m_dir->filePath("Save"), m_dir->filePath("Library")))
            QSKIP(NoLinksHere);
        annFolder = QDir::toNativeSeparators(m_dir->filePath("Library")) + QDir::separator();
    }
    QString ann = annFolder + "Ann.sav";
    QByteArray annBytes = m_ann;
    if (how == "same name") {
        annBytes = MakeSavegame(20000, 45);
        WriteWholeFile(save("Alex.sav"), annBytes);
        ann = save("Alex.sav");
    }
    chooseTemplate(QFileInfo(ann).fileName(), annFolder);
    saveMission(3);
    QString id = idOf(save("AFactMS.sav"), alexCopy);
    QVERIFY(!id.isEmpty());
    if (how == "same name") {
        // Taken while the clock ran an hour ahead, put right before the choice: its number tells.
        QString file;
        for (const Backup& backup : backups().List())
            file = backup.id == id ? backup.file : file;
        QCOMPARE(QFileInfo(file).fileName().left(id.size()), id);
        const QString later =
            QDateTime::fromString(id.left(15), "yyyyMMdd-HHmmss").addSecs(3600).toString("yyyyMMdd-HHmmss");
        QVERIFY(QFile::rename(file, QFileInfo(file).dir().filePath(later + QFileInfo(file).fileName().mid(15))));
        id = later + id.mid(15);
    }
    // Listed, its mission choice against Ann's progress would mean nothing.
    if (how != "same name")
        QCOMPARE(listed().constLast().missionChoice, QStringLiteral("unknown"));

    RestoreOutcome outcome = store().Restore(id);
    QVERIFY(outcome.needsConfirmation);
    QCOMPARE(outcome.problems.size(), 1);
    QCOMPARE(outcome.problems[0].failure, Failure::RestoreMixesDrivers);
    QCOMPARE(outcome.problems[0].path, save("AFactMS.sav"));
    QCOMPARE(outcome.problems[0].reason,
             how == "unknown" ? QStringLiteral("It was backed up while no template driver was known for it, and "
                                               "saves now write the progress of '%1' into this file")
                                    .arg(ann)
             : how == "same name" ? QStringLiteral("It was backed up before template driver '%1' was last chosen, and "
                                                   "beyond its mission progress it differs from the copy made then: it "
                                                   "may be another driver's savegame of that name, or one the game has "
                                                   "played on since")
                                        .arg(ann)
                                  : QStringLiteral("It is a copy of template driver '%1', and saves now write the "
                                                   "progress of '%2' into this file")
                                        .arg(save("Alex.sav"), ann));
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), SavedFrom(annBytes, 2));

    // The player who says yes gets it back, and what stood there is kept as Ann's.
    outcome = store().Restore(id, true);
    QCOMPARE(Shown(outcome.problems), QList<ShownMessage>());
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), alexCopy);
    QCOMPARE(listed().constFirst().missionChoice, QStringLiteral("Mission 3"));

    // With Alex the template again, his copy goes back without a question, and a save writes his
    // progress into it.
    if (how == "other template") {
        chooseTemplate("Alex.sav");
        outcome = store().Restore(id);
        QCOMPARE(Shown(outcome.problems), QList<ShownMessage>());
        QCOMPARE(ReadWholeFile(save("AFactMS.sav")), alexCopy);
        saveMission(9);
        QCOMPARE(ReadWholeFile(save("AFactMS.sav")), SavedFrom(m_alex, 8));
        // Nor while his template is away, which saves go on without: his copies are still his.
        QVERIFY(QFile::rename(save("Alex.sav"), m_dir->filePath("Alex.sav")));
        saveMission(11);
        QCOMPARE(listed().constFirst().missionChoice, QStringLiteral("Mission 9"));
        outcome = store().Restore(id);
        QCOMPARE(Shown(outcome.problems), QList<ShownMessage>());
        QCOMPARE(ReadWholeFile(save("AFactMS.sav")), alexCopy);
    }
}

// A window still showing Bob chooses Alex after kelmora-cli chose Ann: the file the choice replaces
// is Ann's copy, as the stored settings tell, and is kept as hers.
// A choice that failed and was undone is no new choice: a backup of a save made since the real one,
// of a file the game had played on, goes back without a question.
void TestRestore::testFailedChoiceIsNoChoice()
{
    chooseTemplate("Alex.sav");
    QByteArray played = m_alex;
    played[100] = char(played[100] + 1);
    WriteWholeFile(save("AFactMS.sav"), played);
    saveMission(5);
    // What a killed run may leave, and no run can clear away: the new copy's name.
    QVERIFY(QDir().mkpath(save("AFactMS.sav.kelmora-new/left")));
    QCOMPARE(store().ChooseTemplate(m_state, {save("Alex.sav"), "Alex.sav"}).result, SelectionOutcome::Result::Refused);
    QVERIFY(QDir(save("AFactMS.sav.kelmora-new")).removeRecursively());
    const QString id = idOf(save("AFactMS.sav"), played);
    QVERIFY(!id.isEmpty());
    const RestoreOutcome outcome = store().Restore(id);
    QCOMPARE(Shown(outcome.problems), QList<ShownMessage>());
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), played);
}

void TestRestore::testChoiceFromAWindowBehindTheSettings()
{
    chooseTemplate("Bob.sav");
    RunState elsewhere;
    LoadSettings(elsewhere);
    QCOMPARE(Shown(store().ChooseTemplate(elsewhere, {save("Ann.sav"), "Ann.sav"}).problems), QList<ShownMessage>());

    chooseTemplate("Alex.sav");
    const QList<Backup> kept = backups().List();
    QCOMPARE(kept.size(), 2);
    QCOMPARE(kept[0].originalPath, save("AFactMS.sav"));
    QCOMPARE(kept[0].templatePath, save("Ann.sav"));
    QCOMPARE(this->kept(kept[0]), m_ann);
}

void TestRestore::testRestoreTheOldestOfAFullSet()
{
    chooseTemplate("Alex.sav");
    const QString factory = save("AFactMS.sav");
    QList<QByteArray> versions;
    for (int i = 0; i < BackupsKeptPerFile; ++i) {
        versions << MakeSavegame(9000, 100 + i);
        QCOMPARE(backups().Keep(factory, versions.last(), save("Alex.sav"), {}), QString());
    }
    const Backup oldest = backups().List().constLast();
    QCOMPARE(kept(oldest), versions.first());

    // Keeping what is there now drops the oldest backup: the one being restored.
    const RestoreOutcome outcome = store().Restore(oldest.id);
    QCOMPARE(Shown(outcome.problems), QList<ShownMessage>());
    QCOMPARE(ReadWholeFile(factory), versions.first());
    QCOMPARE(backups().List().size(), BackupsKeptPerFile);
    QCOMPARE(kept(backups().List().constFirst()), m_alex);
}

QTEST_GUILESS_MAIN(TestRestore)
#include "TestRestore.moc"
