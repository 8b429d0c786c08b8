#include "mission/MissionDataFile.h"
#include "settings/SettingsStore.h"
#include "store/FileSystem.h"
#include "store/SavegameStore.h"

#include "support/Fakes.h"
#include "support/Savegames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <memory>

using namespace kelmora;
using namespace kelmora::test;

// The save behind the "Save Factory Driver" panel, from a template chosen as the player chooses it.
class TestSave : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void testSaves();
    void testFailures_data();
    void testFailures();
    void testNeverWritesTheTemplate_data();
    void testNeverWritesTheTemplate();
    void testTemplateChosenElsewhere_data();
    void testTemplateChosenElsewhere();
    void testDataFileNotTheTemplates_data();
    void testDataFileNotTheTemplates();
    void testAnotherDriversFile();
    void testFullDiskKeepsTheOldBytes();
    void testBackupStaysAsKept_data();
    void testBackupStaysAsKept();
    void testRootKeepsItsDataFile();
    void testUnusableSettings_data();
    void testUnusableSettings();

private:
    SavegameStore store(const QString& program = QStringLiteral("Program")) const
    {
        return SavegameStore({QDir::toNativeSeparators(m_dir->filePath(program)), m_dir->filePath("User")});
    }
    // Runs a save of `index` and returns the save status text afterwards.
    QString save(int index, bool enabled = true)
    {
        const SaveOutcome outcome = store().Save(m_state, enabled, index, m_clock);
        m_shown = Shown(outcome.problems);
        return outcome.saved() ? outcome.statusText : NotSaved;
    }

    QTemporaryDir m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    FixedClock m_clock;
    QList<ShownMessage> m_shown;
    RunState m_state;
    QByteArray m_template;
    QString m_saveFolder, m_factoryPath, m_dataPath;
    static inline const QString NotSaved = QStringLiteral("Not saved this session");
};

void TestSave::initTestCase()
{
    RedirectSettings(m_settings.path());
}

void TestSave::init()
{
    ClearSettings();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath("Save"));
    m_saveFolder = QDir::toNativeSeparators(m_dir->filePath("Save")) + QDir::separator();
    m_factoryPath = m_saveFolder + "AFactMS.sav";
    m_dataPath = QDir::toNativeSeparators(m_dir->filePath("Program/kelmora.dat"));
    m_template = MakeSavegame(65536, 77);
    WriteWholeFile(m_saveFolder + "Alex.sav", m_template);
    WriteWholeFile(m_saveFolder + "Bob.sav", MakeSavegame(9000, 78));
    m_state = {};
    const SelectionOutcome chosen = store().ChooseTemplate(m_state, {m_saveFolder + "Alex.sav", "Alex.sav"});
    QCOMPARE(Shown(chosen.problems), QList<ShownMessage>());
    QCOMPARE(ReadWholeFile(m_dataPath), RecordsOf(BlockOf(m_template)));
}

void TestSave::testSaves()
{
    // Every save starts from the template's block in the data file: 5 after 20 leaves no trace of 20,
    // and the last mission, which changes nothing, brings back all that earlier saves zeroed.
    for (const int index : {20, 5, 0, 32, 33, 6}) {
        QCOMPARE(save(index), QStringLiteral("Saved [Mission #%1] @ 9:41:07 PM").arg(index + 1));
        QCOMPARE(ReadWholeFile(m_factoryPath), SavedFrom(m_template, index));
    }
    QCOMPARE(m_shown, QList<ShownMessage>{});
    QCOMPARE(ReadWholeFile(m_saveFolder + "Alex.sav"), m_template);
    QCOMPARE(ReadWholeFile(m_dataPath), RecordsOf(BlockOf(m_template)));
}

void TestSave::testFailures_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("broken"); // "<data>" or "<factory>": the file replaced before the save
    QTest::addColumn<int>("size"); // what replaces it: -1 nothing, -2 a folder, -3 a link, else its first bytes
    QTest::addColumn<QList<ShownMessage>>("expected");
    const ShownMessage saveFailed{"Could not read in program data file '<data>' properly", "Error! - Save failed",
                                  MessageIcon::Exclamation};
    const auto notRead = [&saveFailed](const QString& description) {
        return QList<ShownMessage>{
            {"Could not read from data file '<data>' [" + description + "]", "Error!", MessageIcon::Exclamation},
            saveFailed};
    };
    const auto notWritten = [](const QString& description) {
        return QList<ShownMessage>{{"Could not write to factory driver file '<factory>' [" + description + "]",
                                    "Error! - Write failed", MessageIcon::Exclamation}};
    };
    const QList<ShownMessage> outside{{"Could not successfully manipulate mission selection data array",
                                       "Error! - Save failed", MessageIcon::Exclamation}};
    const QString link = "It is a link; Kelmora only writes files it made itself";

    QTest::newRow("panel disabled") << 3 << false << "" << 0 << QList<ShownMessage>{};
    QTest::newRow("data file missing") << 4 << true << "<data>" << -1 << notRead(NoSuchFileText());
    QTest::newRow("data file one byte short")
        << 4 << true << "<data>" << 169 << notRead("The file is truncated (169 of 170 bytes)");
    QTest::newRow("data file a folder") << 4 << true << "<data>" << -2 << notRead("*");
    // A link would hand over whatever bytes it leads to: a savegame's, say.
    QTest::newRow("data file a link") << 4 << true << "<data>" << -3 << notRead(link);
    QTest::newRow("index before the list") << -1 << true << "" << 0 << outside;
    QTest::newRow("index after the list") << 34 << true << "" << 0 << outside;
    // A save never makes up a savegame, nor lengthens one.
    QTest::newRow("factory file missing") << 2 << true << "<factory>" << -1 << notWritten(NoSuchFileText());
    QTest::newRow("factory file one byte short")
        << 2 << true << "<factory>" << 8169
        << notWritten("The file is too short to be a driver savegame (8169 bytes, at least 8170 needed)");
    QTest::newRow("factory file a folder") << 2 << true << "<factory>" << -2 << notWritten("*");
    QTest::newRow("factory file a link") << 2 << true << "<factory>" << -3 << notWritten(link);
}

void TestSave::testFailures()
{
    QFETCH(int, index);
    QFETCH(bool, enabled);
    QFETCH(QString, broken);
    QFETCH(int, size);
    QFETCH(QList<ShownMessage>, expected);
    const QString path = broken == "<data>" ? m_dataPath : m_factoryPath;
    if (!broken.isEmpty()) {
        const QByteArray bytes = ReadWholeFile(path);
        QVERIFY(QFile::remove(path));
        WriteWholeFile(m_dir->filePath("elsewhere"), bytes);
        if (size >= 0)
            WriteWholeFile(path, bytes.left(size));
        else if (size == -2)
            QVERIFY(QDir().mkdir(path));
        else if (size == -3) {
            if (!MakeLink(m_dir->filePath("elsewhere"), path))
                QSKIP(NoLinksHere);
        }
    }
    const QMap<QString, QByteArray> before = Snapshot(m_dir->path());

    QCOMPARE(save(index, enabled), NotSaved);
    for (ShownMessage& message : expected)
        message.text.replace("<data>", m_dataPath).replace("<factory>", m_factoryPath);
    QCOMPARE(Matched(m_shown, expected), expected);
    QCOMPARE(Snapshot(m_dir->path()), before);
}

void TestSave::testNeverWritesTheTemplate_data()
{
    QTest::addColumn<QString>("way"); // how the factory driver file's path leads to the template
    QTest::newRow("hard link") << "hardlink";
    QTest::newRow("factory name that is the template's") << "name";
}

void TestSave::testNeverWritesTheTemplate()
{
    QFETCH(QString, way);
    const QString templatePath = m_saveFolder + "Alex.sav";
    QVERIFY(QFile::remove(m_factoryPath));
    if (way == "hardlink") {
        QVERIFY(MakeHardLink(templatePath, m_factoryPath));
    } else {
        // Settings edited by hand: the template's own name has the factory form.
        QVERIFY(QFile::rename(templatePath, m_saveFolder + "AFactMS.sav"));
        m_state.TemplateDriverFile = "AFactMS.sav";
        QSettings(QSettings::defaultFormat(), QSettings::UserScope, "Quorrick", "Kelmora")
            .setValue(TemplateDriverFileValue, "AFactMS.sav");
    }
    const QMap<QString, QByteArray> before = Snapshot(m_dir->path());

    QCOMPARE(save(3), NotSaved);
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().title,
             way == "name" ? QStringLiteral("Error! - Save failed") : QStringLiteral("Error! - Write failed"));
    QCOMPARE(Snapshot(m_dir->path()), before);
}

void TestSave::testTemplateChosenElsewhere_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::newRow("another template of the same folder") << "Save"
                                                         << "Bob.sav";
    QTest::newRow("the same name in another folder") << "Other"
                                                     << "Alex.sav";
}

// A window left open while kelmora-cli chose another template: the data file holds that one's
// progress now, and this window's save would give the driver it shows another driver's progress.
void TestSave::testTemplateChosenElsewhere()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QVERIFY(QDir(m_dir->path()).mkpath(folder));
    const QString other = QDir::toNativeSeparators(m_dir->filePath(folder + "/" + name));
    if (!QFile::exists(other))
        WriteWholeFile(other, MakeSavegame(9000, 79));
    RunState elsewhere;
    QCOMPARE(Shown(store().ChooseTemplate(elsewhere, {other, name}).problems), QList<ShownMessage>());
    const QMap<QString, QByteArray> before = Snapshot(m_dir->path());

    QCOMPARE(save(5), NotSaved);
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().title, QStringLiteral("Error! - Save failed"));
    QVERIFY2(m_shown.first().text.contains(other), qPrintable(m_shown.first().text));
    QCOMPARE(Snapshot(m_dir->path()), before);

    // kelmora-cli shows no template: its save, begun with the same settings, is for the one chosen since.
    RunState cli = m_state;
    const auto shownFactory = [&] { return QFile::exists(m_factoryPath) ? ReadWholeFile(m_factoryPath) : "<none>"; };
    const QByteArray shownBefore = shownFactory();
    QVERIFY(store().SaveStoredTemplate(cli, 5, m_clock).saved());
    QCOMPARE(cli.SavedataFolder + cli.TemplateDriverFile, other);
    QCOMPARE(ReadWholeFile(cli.SavedataFolder + cli.FactoryDriverFile), SavedFrom(ReadWholeFile(other), 5));
    QCOMPARE(shownFactory(), shownBefore);
}

void TestSave::testDataFileNotTheTemplates_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("reason");
    // The settings two programs share name Bob now, while this program's data file holds Alex's bytes.
    QTest::newRow("settings written by another program") << "settings"
                                                         << "It was written for the template driver '<save>Alex.sav'";
    QTest::newRow("bytes written by another program") << "bytes"
                                                      << "It has changed since the template driver was chosen";
    // Another memory card in the same reader, say, whose driver of that name has less progress.
    QTest::newRow("another driver at the template's path")
        << "another driver"
        << "'<save>Alex.sav' has reached mission 3 now, but had more progress when it was chosen as the template "
           "driver: it is another driver's savegame";
    QTest::newRow("a data file older than its record") << "no record"
                                                       << "Nothing tells which template driver it was written for";
    QTest::newRow("another copy of Kelmora chose the template")
        << "other copy"
        << "The template driver was chosen by the copy of Kelmora that keeps it in '<other>'";
#ifdef Q_OS_UNIX
    QTest::newRow("another user's file") << "owner"
                                         << "It belongs to another user";
    QTest::newRow("a file others may write") << "mode"
                                             << "Other users may change it";
#endif
}

// The save writes only bytes that this user took from the stored template: anything else would give
// one driver another driver's progress, and report it as saved.
void TestSave::testDataFileNotTheTemplates()
{
    QFETCH(QString, change);
    QFETCH(QString, reason);
    const QString otherData = QDir::toNativeSeparators(m_dir->filePath("Other copy/kelmora.dat"));
    RunState other;
    // A save first, which the next one might go on from, once the files are older than the clock's
    // current tick and their stamps can be trusted; the change, too, is older than the next save.
    const auto settle = [&] {
#ifdef Q_OS_UNIX
        while (!StampAt(m_dataPath).stamp || !StampAt(m_dir->filePath("User/kelmora.dat.template")).stamp)
            QThread::msleep(1);
#endif
    };
    settle();
    QCOMPARE(save(20), QStringLiteral("Saved [Mission #21] @ 9:41:07 PM"));
    if (change == "settings") {
        QSettings(QSettings::defaultFormat(), QSettings::UserScope, "Quorrick", "Kelmora")
            .setValue(TemplateDriverFileValue, "Bob.sav");
        m_state.TemplateDriverFile = "Bob.sav";
        m_state.FactoryDriverFile = "BFactMS.sav";
        WriteWholeFile(m_saveFolder + "BFactMS.sav", ReadWholeFile(m_saveFolder + "Bob.sav"));
    } else if (change == "bytes") {
        WriteWholeFile(m_dataPath, RecordsOf(BlockOf(ReadWholeFile(m_saveFolder + "Bob.sav"))));
    } else if (change == "another driver") {
        WriteWholeFile(m_saveFolder + "Alex.sav", SavedFrom(m_template, 2));
    } else if (change == "no record") {
        QVERIFY(QFile::remove(m_dir->filePath("User/kelmora.dat.template")));
    } else if (change == "other copy") {
        // It chose the same template, so that only the record can tell the two data files apart.
        QCOMPARE(Shown(store("Other copy").ChooseTemplate(other, {m_saveFolder + "Alex.sav", "Alex.sav"}).problems),
                 QList<ShownMessage>());
    }
#ifdef Q_OS_UNIX
    else if (change == "owner") {
        QCOMPARE(::chown(QFile::encodeName(m_dataPath).constData(), 65534, 65534), 0);
    } else {
        QCOMPARE(::chmod(QFile::encodeName(m_dataPath).constData(), 0666), 0);
    }
#endif
    settle();
    const QMap<QString, QByteArray> before = Snapshot(m_dir->path());

    QCOMPARE(save(5), NotSaved);
    const QString expected =
        QStringLiteral("Nothing was saved: the program data file '%1' does not hold the progress "
                       "of the current template driver [%2]. Choose the template driver again "
                       "to fix this.")
            .arg(m_dataPath, QString(reason).replace("<save>", m_saveFolder).replace("<other>", otherData));
    QCOMPARE(m_shown, (QList<ShownMessage>{{expected, "Error! - Save failed", MessageIcon::Exclamation}}));
    QCOMPARE(Snapshot(m_dir->path()), before);

    // Choosing the template again makes the data file this choice's.
    const QString name = m_state.TemplateDriverFile;
    QCOMPARE(Shown(store().ChooseTemplate(m_state, {m_saveFolder + name, name}).problems), QList<ShownMessage>());
    QCOMPARE(save(5), QStringLiteral("Saved [Mission #6] @ 9:41:07 PM"));
    QCOMPARE(ReadWholeFile(m_saveFolder + m_state.FactoryDriverFile), SavedFrom(ReadWholeFile(m_saveFolder + name), 5));
}

// Root choosing a template for a portable copy in a player's folder: the data file is root's choice
// and stays root's, for root's next save to take; the factory driver file goes to the player.
void TestSave::testRootKeepsItsDataFile()
{
#ifndef Q_OS_UNIX
    QSKIP("Unix: only root there gives new files to a folder's owner");
#else
    if (!RunningAsAdministrator())
        QSKIP("Needs root");
    for (const QString& folder : {QFileInfo(m_dataPath).path(), m_saveFolder})
        QCOMPARE(::chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
    QVERIFY(QFile::remove(m_dataPath) && QFile::remove(m_factoryPath));
    QCOMPARE(Shown(store().ChooseTemplate(m_state, {m_saveFolder + "Alex.sav", "Alex.sav"}).problems),
             QList<ShownMessage>());
    QCOMPARE(QFileInfo(m_dataPath).ownerId(), 0u);
    QCOMPARE(QFileInfo(m_factoryPath).ownerId(), 65534u);
    QCOMPARE(save(5), QStringLiteral("Saved [Mission #6] @ 9:41:07 PM"));
#endif
}

// A file put in the factory driver file's place is given no other driver's progress: where it is
// another savegame of the folder but for its progress, or where the template is gone and the file
// has changed beyond its progress since it was copied.
void TestSave::testAnotherDriversFile()
{
    const QString bea = m_saveFolder + "Bea.sav";
    WriteWholeFile(bea, SavedFrom(MakeSavegame(65536, 79), 12));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const auto changedAt = [](const QString& path, const QDateTime& time) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly));
        QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
    };
    const auto refusedWith = [&](const QString& reason) {
        const QMap<QString, QByteArray> before = Snapshot(m_dir->path());
        QCOMPARE(save(3), NotSaved);
        QCOMPARE(m_shown.size(), 1);
        QVERIFY2(m_shown.first().text.contains(reason), qPrintable(m_shown.first().text));
        QCOMPARE(Snapshot(m_dir->path()), before);
        const MissionChoice seen = store().FactoryDriverChoice(m_state);
        QCOMPARE(seen.kind, MissionChoice::Kind::Unknown);
        QVERIFY2(seen.reason.contains(reason), qPrintable(seen.reason));
    };
    // Bea's savegame, copied over by hand or by another program's choice, set to a mission of hers,
    // after a save of this process, which the next one goes on from.
    QCOMPARE(save(2), QStringLiteral("Saved [Mission #3] @ 9:41:07 PM"));
    WriteWholeFile(m_factoryPath, SavedFrom(ReadWholeFile(bea), 7));
    changedAt(bea, now.addSecs(-3600));
    changedAt(m_factoryPath, now);
    refusedWith("Apart from its mission progress it is the same as '" + bea + "'");
    // Or Bea's very file, given the factory driver file's name as a second one.
    QVERIFY(QFile::remove(m_factoryPath));
    QVERIFY(MakeHardLink(bea, m_factoryPath));
    refusedWith("Apart from its mission progress it is the same as '" + bea + "'");
    QVERIFY(QFile::remove(m_factoryPath));

    // Played on, the bytes beyond the block changed too; a copy the player made of it is no other
    // driver: one named after it, one changed later, or one made later though it keeps the time.
    QByteArray played = SavedFrom(m_template, 10);
    played[245 + 240 * 10] = 9;
    played[40000] = 'p';
    WriteWholeFile(m_factoryPath, played);
    WriteWholeFile(m_saveFolder + "AFactMS kept.sav", played);
    WriteWholeFile(m_saveFolder + "Mine.sav", played);
    changedAt(m_factoryPath, now.addSecs(120));
    changedAt(m_saveFolder + "AFactMS kept.sav", now.addSecs(120));
    changedAt(m_saveFolder + "Mine.sav", now.addSecs(180));
    QCOMPARE(save(3), QStringLiteral("Saved [Mission #4] @ 9:41:07 PM"));
    played = ReadWholeFile(m_factoryPath);
    QCOMPARE(played, WithBlock(played, ExpectedAfterSave(BlockOf(m_template), 3)));
    const QString kept = m_saveFolder + "Copy of my driver.sav";
    WriteWholeFile(kept, played);
    changedAt(m_factoryPath, now.addSecs(-60));
    changedAt(kept, now.addSecs(-60));
    // Where the file system keeps when a file was made, apart from its time of change (not under Wine).
    if (QFileInfo(kept).birthTime() > QFileInfo(kept).lastModified())
        QCOMPARE(save(3), QStringLiteral("Saved [Mission #4] @ 9:41:07 PM"));

    // With the template gone (another card in the reader), only a file unchanged beyond its block is
    // known to be its copy.
    QVERIFY(QFile::rename(m_saveFolder + "Alex.sav", m_dir->filePath("Alex.sav")));
    refusedWith("The template driver '" + m_saveFolder + "Alex.sav' is missing");
    WriteWholeFile(m_factoryPath, m_template);
    QCOMPARE(save(5), QStringLiteral("Saved [Mission #6] @ 9:41:07 PM"));

    // A choice recorded before copies were known by their bytes still saves, as it did; a record 2
    // without a digest vouches for nothing.
    const QString recordPath = m_dir->filePath("User/kelmora.dat.template");
    QList<QByteArray> parts = ReadWholeFile(recordPath).split('\0');
    QCOMPARE(parts.size(), 5);
    QByteArray broken = ReadWholeFile(recordPath);
    broken.chop(parts.last().size());
    WriteWholeFile(recordPath, broken);
    QCOMPARE(save(5), NotSaved);
    QVERIFY(m_shown.first().text.contains("Nothing tells which template driver it was written for"));
    parts.first() = "kelmora template record 1";
    parts.removeLast();
    WriteWholeFile(recordPath, parts.join('\0'));
    WriteWholeFile(m_factoryPath, played);
    QCOMPARE(save(5), QStringLiteral("Saved [Mission #6] @ 9:41:07 PM"));
}

void TestSave::testFullDiskKeepsTheOldBytes()
{
#ifndef Q_OS_UNIX
    // Windows sets no file-size limit: a small drive is filled instead, with the savegames on it.
    const QString drive = qEnvironmentVariable("KELMORA_TEST_SMALL_DRIVE");
    if (drive.isEmpty())
        QSKIP("Needs a small drive to fill, named by KELMORA_TEST_SMALL_DRIVE (./scripts/windows maps one)");
    const QString folder = QDir(drive).filePath(QStringLiteral("kelmora-%1").arg(QCoreApplication::applicationPid()));
    QVERIFY(QDir().mkpath(folder));
    const auto cleanUp = qScopeGuard([&] { QDir(folder).removeRecursively(); });
    m_saveFolder = QDir::toNativeSeparators(folder) + QDir::separator();
    m_factoryPath = m_saveFolder + "AFactMS.sav";
    WriteWholeFile(m_saveFolder + "Alex.sav", m_template);
    m_state = {};
    QCOMPARE(Shown(store().ChooseTemplate(m_state, {m_saveFolder + "Alex.sav", "Alex.sav"}).problems),
             QList<ShownMessage>());
#endif
    // The player has played on since the last save; a save cut short leaves that whole.
    QByteArray played = SavedFrom(m_template, 10);
    played[245 + 240 * 10] = 9;
    played[40000] = 'p'; // and the game changed bytes outside the block too
    WriteWholeFile(m_factoryPath, played);
    {
#ifdef Q_OS_UNIX
        const FileSizeLimit limit(30000);
        QCOMPARE(save(2), NotSaved);
    }
    // The backup came first, and is what failed.
    QCOMPARE(m_shown.size(), 1);
    QVERIFY2(m_shown.first().text.endsWith("File too large]"), qPrintable(m_shown.first().text));
#else
        // Room for the backup, which goes to the user's folder, not for the new version.
        QFile filler(m_saveFolder + "filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray chunk(4096, 'f');
        while (filler.write(chunk) == chunk.size()) { }
        QVERIFY(filler.resize(qMax<qint64>(0, filler.size() - 8192)));
        filler.close();
        QCOMPARE(save(2), NotSaved);
        QVERIFY(filler.remove());
    }
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().title, QStringLiteral("Error! - Write failed"));
#endif
    QCOMPARE(ReadWholeFile(m_factoryPath), played);
    // Nothing left beside it.
    QVERIFY(QDir(m_saveFolder).entryList(QDir::Files | QDir::Hidden).filter("AFactMS").size() == 1);

    // The bytes outside the block are the game's and stay; the block is the save's.
    QVERIFY(save(2) != NotSaved);
    QCOMPARE(ReadWholeFile(m_factoryPath), WithBlock(played, ExpectedAfterSave(BlockOf(m_template), 2)));
}

void TestSave::testBackupStaysAsKept_data()
{
    QTest::addColumn<bool>("heldOpen");
#ifdef Q_OS_UNIX
    // Windows replaces no file that a program holds open.
    QTest::newRow("held open across the save") << true;
#endif
    QTest::newRow("another name of the file") << false;
}

// A backup holds the bytes as they were, whatever is written afterwards into the file it was taken
// of: by a game that held it open across the save, or through another name of the file. Either would
// reach a backup that shared the file, as the old version given a second name instead of copied would.
void TestSave::testBackupStaysAsKept()
{
    QFETCH(bool, heldOpen);
    const QString written = heldOpen ? m_factoryPath : m_saveFolder + "Other.sav";
    if (!heldOpen && !MakeHardLink(m_factoryPath, written))
        QSKIP("No second names for files here");
    QFile file(written);
    if (heldOpen)
        QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(save(5) != NotSaved);
    if (!heldOpen)
        QVERIFY(file.open(QIODevice::ReadWrite));
    QCOMPARE(file.write("played on"), 9);
    QVERIFY(file.flush());
    const QList<ListedBackup> kept = store().Backups().backups;
    QCOMPARE(kept.size(), 1);
    QCOMPARE(ReadWholeFile(kept.first().backup.file), m_template);
}

void TestSave::testUnusableSettings_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("templateName");
    QTest::newRow("no template name") << "<save>"
                                      << "";
    QTest::newRow("relative folder") << "Save/"
                                     << "Alex.sav";
    QTest::newRow("no folder") << ""
                               << "Alex.sav";
    // Edited by hand, the folder ends inside a name: with the template name put after it, it still
    // names Alex.sav, but a copy the player made, AlFactMS.sav, as the file to write.
    QTest::newRow("folder without its separator") << "<save>A"
                                                  << "lex.sav";
}

void TestSave::testUnusableSettings()
{
    QFETCH(QString, folder);
    QFETCH(QString, templateName);
    const bool cut = folder.endsWith("A");
    if (cut)
        QVERIFY(QFile::copy(m_factoryPath, m_state.SavedataFolder + "AlFactMS.sav"));
    m_state.SavedataFolder = folder.replace("<save>", m_state.SavedataFolder);
    m_state.TemplateDriverFile = templateName;
    m_state.FactoryDriverFile = templateName.isEmpty() ? QString() : FactoryDriverFileFor(templateName);
    // Stored so, as the hand edit leaves them.
    if (cut)
        QCOMPARE(WriteSettingValues(KelmoraSettingsKey(), {{SavedataFolderValue, m_state.SavedataFolder},
                                                           {TemplateDriverFileValue, templateName}}),
                 std::nullopt);
    QVERIFY(QDir::setCurrent(m_dir->path()));
    const QMap<QString, QByteArray> before = Snapshot(m_dir->path());

    QCOMPARE(save(4), NotSaved);
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().title, QStringLiteral("Error! - Save failed"));
    QVERIFY(m_shown.first().text.startsWith(QStringLiteral("The settings name no usable template driver")));
    QCOMPARE(Snapshot(m_dir->path()), before);
}

QTEST_GUILESS_MAIN(TestSave)
#include "TestSave.moc"
