#include "settings/SettingsStore.h"
#include "settings/TemplateSelection.h"

#include "store/BackupFolder.h"
#include "store/FileSystem.h"
#include "support/Fakes.h"
#include "support/Savegames.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

using namespace kelmora;
using namespace kelmora::test;

class TestTemplateSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void testChooseTemplate();
    void testRefused_data();
    void testRefused();
    void testEarlierFactoryFilesReplaced();
    void testHiddenFactoryFileKept();
    void testTemplateVanishedBeforeCopy();
    void testDialogStartsInLastFolder();
    void testChoiceNeverMixesTemplates_data();
    void testChoiceNeverMixesTemplates();
    void testGameWritingDuringChoice();
    void testWholeCharacterNames();

private:
    ChosenFile choose(const QString& name) const;
    // Runs the choice; what the player is shown lands in m_shown.
    SelectionOutcome::Result select(const ChosenFile& choice);
    QString save(const QString& name) const { return m_saveFolder + name; }
    QString dataFile() const { return QDir::toNativeSeparators(m_dir->filePath("Program/kelmora.dat")); }
    QStringList filesInSave() const { return QDir(m_saveFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }
    // The settings as a fresh start would load them.
    static RunState Loaded()
    {
        RunState state;
        LoadSettings(state);
        return state;
    }

    QTemporaryDir m_store;
    QTemporaryDir m_user;
    std::unique_ptr<QTemporaryDir> m_dir;
    FixedClock m_clock;
    QString m_programFolder;
    QList<ShownMessage> m_shown;
    SelectionOutcome m_outcome;
    RunState m_state;
    QString m_saveFolder; // native, with its trailing separator
    QByteArray m_alex, m_bob;
    QDateTime m_alexModified;
};

void TestTemplateSelection::initTestCase()
{
    QVERIFY(m_store.isValid());
    RedirectSettings(m_store.path());
}

void TestTemplateSelection::init()
{
    ClearSettings();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath("Save") && QDir(m_dir->path()).mkpath("Program"));
    m_saveFolder = QDir::toNativeSeparators(m_dir->filePath("Save")) + QDir::separator();
    m_alex = MakeSavegame(20000, 31);
    m_bob = MakeSavegame(9000, 32);
    WriteWholeFile(save("Alex.sav"), m_alex);
    WriteWholeFile(save("Bob.sav"), m_bob);
    QFile alex(save("Alex.sav"));
    QVERIFY(alex.open(QIODevice::ReadWrite));
    QVERIFY(alex.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
    alex.close();
    m_alexModified = QFileInfo(save("Alex.sav")).lastModified();
    // As from a disc: read-only. Its copy must be writable all the same.
    QVERIFY(alex.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));

    m_programFolder = QDir::toNativeSeparators(m_dir->filePath("Program"));
    m_state = RunState{};
}

void TestTemplateSelection::cleanup()
{
    // Whatever the flow did, the templates are as they were.
    QCOMPARE(ReadWholeFile(save("Alex.sav")), m_alex);
    QCOMPARE(QFileInfo(save("Alex.sav")).lastModified(), m_alexModified);
    QVERIFY(!QFile::permissions(save("Alex.sav")).testFlag(QFileDevice::WriteOwner));
    QCOMPARE(ReadWholeFile(save("Bob.sav")), m_bob);
}

ChosenFile TestTemplateSelection::choose(const QString& name) const
{
    // As the open dialog hands it over: forward slashes, full path and bare name.
    return {QDir::fromNativeSeparators(save(name)), name};
}

SelectionOutcome::Result TestTemplateSelection::select(const ChosenFile& choice)
{
    m_outcome = SelectNewTemplateDriver(m_state, SavegameStore({m_programFolder, m_user.path()}), choice);
    m_shown = Shown(m_outcome.problems);
    return m_outcome.result;
}

void TestTemplateSelection::testChooseTemplate()
{
    QCOMPARE(select(choose("Alex.sav")), SelectionOutcome::Result::Selected);
    QCOMPARE(m_shown, QList<ShownMessage>{});
    QCOMPARE(m_outcome.templateText, QStringLiteral("Alex.sav  [Never gets modified!]"));
    QCOMPARE(m_outcome.factoryText, QStringLiteral("AFactMS.sav  [Select mission for this driver]"));
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), m_alex);
    QVERIFY(QFile::permissions(save("AFactMS.sav")).testFlag(QFileDevice::WriteOwner));
    QCOMPARE(ReadWholeFile(dataFile()), RecordsOf(BlockOf(m_alex)));
    // In this run and as the next start loads them; the folder keeps its trailing separator.
    for (const RunState& state : {m_state, Loaded()}) {
        QCOMPARE(state.SavedataFolder, m_saveFolder);
        QCOMPARE(state.TemplateDriverFile, QStringLiteral("Alex.sav"));
        QCOMPARE(state.FactoryDriverFile, QStringLiteral("AFactMS.sav"));
    }
#ifdef Q_OS_UNIX
    // A name that starts with a dot is an ordinary name for a savegame the player chose. (On Windows
    // hidden is an attribute; Wine gives it to such names.)
    WriteWholeFile(save(".Dot.sav"), m_bob);
    QCOMPARE(select(choose(".Dot.sav")), SelectionOutcome::Result::Selected);
    QCOMPARE(m_shown, QList<ShownMessage>{});
    QCOMPARE(ReadWholeFile(save(".FactMS.sav")), m_bob);
    QVERIFY(QFile::remove(save(".Dot.sav")) && QFile::remove(save(".FactMS.sav")));
#endif
}

void TestTemplateSelection::testRefused_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("link"); // what the chosen file is: "" a savegame of its own, else a link to that
    QTest::addColumn<ShownMessage>("expected");
    const ShownMessage refusal{"You can't select the factory driver file as your template file!",
                               "Error! - Select New Template Driver failed", MessageIcon::Information};
    QTest::newRow("current factory file, other case") << "afactms.sav"
                                                      << "" << refusal;
    QTest::newRow("named like a factory file") << "ZFACTMS.SAV"
                                               << "" << refusal;
    // Under another name, the choice would delete the very file it is to copy.
    QTest::newRow("link to the factory file") << "Carl.sav"
                                              << "symlink AFactMS.sav" << refusal;
    QTest::newRow("hard link to the factory file") << "Dan.sav"
                                                   << "hardlink AFactMS.sav" << refusal;
    QTest::newRow("link to the program data file")
        << "Eve.sav"
        << "symlink <data>"
        << ShownMessage{"Could not make factory driver file from template driver file [The chosen file is the program "
                        "data file]",
                        "Error!", MessageIcon::Exclamation};
    // Replaced or removed by the choice, a factory driver file the player made read-only stays, for
    // root too.
    QTest::newRow("factory file made read-only")
        << "Bob.sav"
        << "readonly AFactMS.sav"
        << ShownMessage{
               "Could not make factory driver file from template driver file [*AFactMS.sav: " + ReadOnlyReason() + "]",
               "Error!", MessageIcon::Exclamation};
    QTest::newRow("name the file system cannot store")
        << QStringLiteral("Fr") + QChar(0xD800) + QStringLiteral("d.sav") << "none"
        << ShownMessage{"Could not use '*' [The name holds characters that the file system cannot store]", "Error!",
                        MessageIcon::Exclamation};
}

void TestTemplateSelection::testRefused()
{
    QFETCH(QString, chosen);
    QFETCH(QString, link);
    QFETCH(ShownMessage, expected);
    // Alex.sav is the template and a mission has been saved since; no file, setting or name changes.
    QCOMPARE(select(choose("Alex.sav")), SelectionOutcome::Result::Selected);
    WriteWholeFile(save("AFactMS.sav"), SavedFrom(m_alex, 3));
    const QString target = link.section(u' ', 1).replace("<data>", dataFile());
    const QString targetPath = target.startsWith(u'/') ? target : save(target);
    if (link.isEmpty())
        WriteWholeFile(save(chosen), MakeSavegame(9000, 40));
    else if (link.startsWith("symlink")) {
        if (!MakeLink(targetPath, save(chosen)))
            QSKIP(NoLinksHere);
    } else if (link.startsWith("hardlink")) {
        QVERIFY(MakeHardLink(targetPath, save(chosen)));
    } else if (link.startsWith("readonly")) {
        WriteWholeFile(save(chosen), m_bob);
        QVERIFY(QFile::setPermissions(targetPath, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    }
    QCOMPARE(WriteSettingValues(KelmoraSettingsKey(), {{"Template Driver File", "Marker.sav"}}), std::nullopt);
    const QMap<QString, QByteArray> before = Snapshot(m_dir->path());

    QCOMPARE(select(choose(chosen)), SelectionOutcome::Result::Refused);
    QCOMPARE(m_shown.size(), 1);
    // A regular expression cannot look at a broken name, so the parts around it are compared.
    QVERIFY2(m_shown.first().text.startsWith(expected.text.section(u'*', 0, 0)) &&
                 m_shown.first().text.endsWith(expected.text.section(u'*', -1)),
             qPrintable(m_shown.first().text));
    QCOMPARE(m_shown.first().title, expected.title);
    QCOMPARE(m_shown.first().icon, expected.icon);
    QCOMPARE(Snapshot(m_dir->path()), before);
    QCOMPARE(Loaded().TemplateDriverFile, QStringLiteral("Marker.sav"));
    QCOMPARE(m_state.TemplateDriverFile, QStringLiteral("Alex.sav"));
}

void TestTemplateSelection::testEarlierFactoryFilesReplaced()
{
    WriteWholeFile(save("AFactMS.sav"), "old A");
    WriteWholeFile(save("bfactms.sav"), "old b");
    WriteWholeFile(save("AFactMS.sav.bak"), "keep");
    WriteWholeFile(save("XYFactMS.sav"), "keep");
    // A folder is no factory driver file: it is never deleted.
    QVERIFY(QDir(m_saveFolder).mkdir("CFactMS.sav"));
    // What a run killed while it replaced one left beside it goes with it; no later write would
    // clear it away. A folder of that name is the player's.
    WriteWholeFile(save("AFactMS.sav.kelmora-new"), "left by a killed run");
    QVERIFY(QDir(m_saveFolder).mkdir("DFactMS.sav.kelmora-new"));
    // Nor goes another user's, nor one beside no factory driver file.
    WriteWholeFile(save("EFactMS.sav"), "old E");
    WriteWholeFile(save("EFactMS.sav.kelmora-new"), "another user's");
    WriteWholeFile(save("FFactMS.sav.kelmora-new"), "the player's");
    QStringList kept{
        "AFactMS.sav.bak",         "Alex.sav",    "BFactMS.sav", "Bob.sav", "CFactMS.sav", "DFactMS.sav.kelmora-new",
        "FFactMS.sav.kelmora-new", "XYFactMS.sav"};
#ifdef Q_OS_UNIX
    if (::geteuid() == 0 && ::chown(QFile::encodeName(save("EFactMS.sav.kelmora-new")).constData(), 12345, 12345) == 0)
        kept << "EFactMS.sav.kelmora-new";
#endif
    kept.sort();

    QCOMPARE(select(choose("Bob.sav")), SelectionOutcome::Result::Selected);
    QCOMPARE(m_shown, QList<ShownMessage>{});
    QCOMPARE(filesInSave(), kept);
    QCOMPARE(ReadWholeFile(save("BFactMS.sav")), m_bob);
}

// A factory driver file the player has hidden is played on like any other: before the new copy
// replaces it, it is kept as a backup; and the new copy is hidden as the old one was.
void TestTemplateSelection::testHiddenFactoryFileKept()
{
#ifdef Q_OS_WIN
    const QString factory = QDir::toNativeSeparators(save("BFactMS.sav"));
    WriteWholeFile(factory, MakeSavegame(9000, 30));
    QVERIFY(::SetFileAttributesW(reinterpret_cast<LPCWSTR>(factory.utf16()), FILE_ATTRIBUTE_HIDDEN));
    QCOMPARE(select(choose("Bob.sav")), SelectionOutcome::Result::Selected);
    QCOMPARE(ReadWholeFile(factory), m_bob);
    // The new copy stays hidden, as the player made the file.
    QVERIFY(::GetFileAttributesW(reinterpret_cast<LPCWSTR>(factory.utf16())) & FILE_ATTRIBUTE_HIDDEN);
    BackupFolder kept(m_user.path() + QStringLiteral("/Backups"));
    const QList<Backup> backups = kept.List();
    QVERIFY(std::any_of(backups.begin(), backups.end(), [&](const Backup& backup) {
        QByteArray bytes;
        return kept.Read(backup, bytes).isEmpty() && bytes == MakeSavegame(9000, 30);
    }));
#else
    QSKIP("Only Windows hides a file by an attribute; elsewhere only a template's own name would");
#endif
}

void TestTemplateSelection::testTemplateVanishedBeforeCopy()
{
    QCOMPARE(select(choose("Gone.sav")), SelectionOutcome::Result::ProgramEnded);
    const QList<ShownMessage> expected{
        {"Could not find template driver file '" + save("Gone.sav") + "'", "Error!", MessageIcon::Exclamation},
        {"Could not find driver file at " + save("Gone.sav"), "Fatal Error!", MessageIcon::Critical},
    };
    QCOMPARE(m_shown, expected);
    QCOMPARE(filesInSave(), (QStringList{"Alex.sav", "Bob.sav"}));
    QVERIFY(!QFileInfo::exists(dataFile()));
    QCOMPARE(Loaded().SettingsValid, false);
}

void TestTemplateSelection::testDialogStartsInLastFolder()
{
    // Where the savegames were last time, unless that folder holds no file or is gone.
    QVERIFY(QDir(m_saveFolder).mkdir("Empty"));
    const QString empty = save("Empty") + QDir::separator(), missing = save("Missing") + QDir::separator();
    for (const QString& folder : {QString(), m_saveFolder, empty, missing}) {
        m_state.SavedataFolder = folder;
        QCOMPARE(InitialDialogFolder(m_state), folder == m_saveFolder ? folder : QString());
    }
}

void TestTemplateSelection::testChoiceNeverMixesTemplates_data()
{
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<QString>("expected");
    QTest::newRow("settings cannot be read") << "settings"
                                             << "Could not read the settings from '*' [*]";
    QTest::newRow("data file a folder") << "data folder"
                                        << "Could not write to data file '<data>' [Is a directory]";
    QTest::newRow("copy in a folder's way")
        << "copy"
        << "Could not make factory driver file from template driver file [<save>BFactMS.sav: Is a directory]";
    QTest::newRow("template too short")
        << "short"
        << "Could not read in template driver file [The file is too short to be a driver savegame (8000 bytes, at "
           "least 8170 needed)]";
    QTest::newRow("template too large")
        << "too large"
        << "Could not make factory driver file from template driver file [The file is too large (67108865 bytes, at "
           "most 67108864 expected)]";
#ifdef Q_OS_UNIX
    // Each fails once files have changed, and every change is undone.
    QTest::newRow("copy fails over a copy of the same name")
        << "same name"
        << "Could not make factory driver file from template driver file [File too large]";
#endif
    QTest::newRow("data file cannot be replaced")
        << "data blocked"
        << "Could not write to data file '<data>' [<data>.kelmora-new: File exists]";
}

// A choice that fails leaves the settings, the program data file and every savegame as they were:
// the earlier template's saves go on, and no save writes one driver's progress into another's file.
void TestTemplateSelection::testChoiceNeverMixesTemplates()
{
    QFETCH(QString, trouble);
    QFETCH(QString, expected);
    QCOMPARE(select(choose("Alex.sav")), SelectionOutcome::Result::Selected);
    QString chosen = "Bob.sav";
    const QString settingsFile =
        QSettings(QSettings::defaultFormat(), QSettings::UserScope, "Quorrick", "Kelmora").fileName();
    const QByteArray settingsBytes = ReadWholeFile(settingsFile);
    const auto putBackSettings = [&] {
        QDir(settingsFile).removeRecursively();
        WriteWholeFile(settingsFile, settingsBytes);
    };
    const auto restoreSettingsFile = qScopeGuard(putBackSettings);
    if (trouble == "settings") {
        QVERIFY(QFile::remove(settingsFile) && QDir().mkdir(settingsFile));
    } else if (trouble == "data folder") {
        QVERIFY(QFile::remove(dataFile()) && QDir().mkdir(dataFile()));
    } else if (trouble == "copy") {
        QVERIFY(QDir(m_saveFolder).mkdir("BFactMS.sav"));
    } else if (trouble == "short") {
        chosen = "Short.sav";
        WriteWholeFile(save(chosen), MakeSavegame(8000, 34));
    } else if (trouble == "too large") {
        chosen = "Anna.sav";
        QFile large(save(chosen));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(MaximumSavegameSize + 1));
    } else if (trouble == "same name") {
        chosen = "Anna.sav";
        WriteWholeFile(save(chosen), MakeSavegame(60000, 35));
    } else if (trouble == "data blocked") {
        // What a killed run may leave, and the file system cannot clear away: the new version's name.
        QVERIFY(QDir().mkpath(dataFile() + ".kelmora-new/left"));
    }
    const QMap<QString, QByteArray> before = Snapshot(m_dir->path());
    SelectionOutcome::Result result;
    {
        const FileSizeLimit limit(trouble == "same name" ? 40000 : 1 << 30);
        result = select(choose(chosen));
    }
    QCOMPARE(result, SelectionOutcome::Result::Refused);
    const QList<ShownMessage> shown{{QString(expected).replace("<data>", dataFile()).replace("<save>", m_saveFolder),
                                     "Error!", MessageIcon::Exclamation}};
    QCOMPARE(Matched(m_shown, shown), shown);
    QCOMPARE(Snapshot(m_dir->path()), before);
    QCOMPARE(m_state.TemplateDriverFile, QStringLiteral("Alex.sav"));
    putBackSettings();
    QCOMPARE(Loaded().TemplateDriverFile, QStringLiteral("Alex.sav"));
    // The earlier template's saves go on as before.
    if (trouble == "data folder")
        return;
    QDir(dataFile() + ".kelmora-new").removeRecursively();
    const SaveOutcome saved = SavegameStore({m_programFolder, m_user.path()}).Save(m_state, true, 6, m_clock);
    QCOMPARE(Shown(saved.problems), QList<ShownMessage>());
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), SavedFrom(m_alex, 6));
}

// The game writing into the factory driver file while a choice replaces it: the choice is refused,
// and leaves the earlier choice as it was, whose saves go on.
void TestTemplateSelection::testGameWritingDuringChoice()
{
#ifdef Q_OS_WIN
    QSKIP("Windows lets no other program write a file that is being replaced");
#endif
    QCOMPARE(select(choose("Alex.sav")), SelectionOutcome::Result::Selected);
    const QString factory = save("AFactMS.sav");
    std::atomic<bool> playing = true;
    std::thread game([&] {
        for (char mark = 0; playing; ++mark) {
            QFile file(factory);
            if (file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) && file.seek(100))
                file.write(&mark, 1);
        }
    });
    bool met = false;
    for (int round = 0; round < 300 && !met; ++round) {
        // The same template again: a fresh copy replaces the file.
        met = select(choose("Alex.sav")) == SelectionOutcome::Result::Refused &&
              m_shown.value(0).text.contains(ChangedMeanwhileReason());
    }
    playing = false;
    game.join();
    if (!met)
        QSKIP("The game's writes never fell inside a choice");
    // The earlier choice's saves go on: its record is back.
    const QByteArray played = ReadWholeFile(factory);
    const SaveOutcome saved = SavegameStore({m_programFolder, m_user.path()}).Save(m_state, true, 6, m_clock);
    QCOMPARE(Shown(saved.problems), QList<ShownMessage>());
    QCOMPARE(ReadWholeFile(factory), WithBlock(played, ExpectedAfterSave(BlockOf(m_alex), 6)));
}

void TestTemplateSelection::testWholeCharacterNames()
{
    // A first character outside the Basic Multilingual Plane stays whole: two such templates get
    // two factory driver files, each a proper name, and '?' finds the earlier one as one character.
    const QString grin = QString::fromUtf8("\xF0\x9F\x98\x80"), star = QString::fromUtf8("\xF0\x9F\x8C\x9F");
    WriteWholeFile(save(grin + "racer.sav"), m_alex);
    WriteWholeFile(save(star + "racer.sav"), m_bob);
    QCOMPARE(select(choose(grin + "racer.sav")), SelectionOutcome::Result::Selected);
    QCOMPARE(m_shown, QList<ShownMessage>{});
    QCOMPARE(m_state.FactoryDriverFile, grin + "FactMS.sav");
    QCOMPARE(ReadWholeFile(save(grin + "FactMS.sav")), m_alex);

    QCOMPARE(select(choose(star + "racer.sav")), SelectionOutcome::Result::Selected);
    QCOMPARE(ReadWholeFile(save(star + "FactMS.sav")), m_bob);
    QVERIFY(!QFileInfo::exists(save(grin + "FactMS.sav")));
    // Named like a factory driver file, character for character: refused.
    WriteWholeFile(save(grin + "FactMS.sav"), m_alex);
    QCOMPARE(select(choose(grin + "FactMS.sav")), SelectionOutcome::Result::Refused);
    QCOMPARE(Loaded().FactoryDriverFile, star + "FactMS.sav");
    QCOMPARE(ReadWholeFile(save(grin + "FactMS.sav")), m_alex);
}

QTEST_GUILESS_MAIN(TestTemplateSelection)
#include "TestTemplateSelection.moc"
