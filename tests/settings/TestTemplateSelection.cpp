#include "settings/SettingsStore.h"
#include "settings/TemplateSelection.h"

#include "support/Fakes.h"
#include "support/Savegames.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

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
    void testFolderNamedLikeFactoryFile();
    void testTemplateVanishedBeforeCopy();
    void testUnreadableTemplateLeavesNoStaleData();
    void testDialogStartsInLastFolder();

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
    m_outcome = SelectNewTemplateDriver(m_state, {m_clock, m_programFolder, m_user.path()}, choice);
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
}

void TestTemplateSelection::testRefused_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::newRow("current factory file, other case") << "afactms.sav";
    QTest::newRow("named like a factory file") << "ZFACTMS.SAV";
}

void TestTemplateSelection::testRefused()
{
    QFETCH(QString, chosen);
    // Alex.sav is the template and a mission has been saved since; no file, setting or name changes.
    QCOMPARE(select(choose("Alex.sav")), SelectionOutcome::Result::Selected);
    WriteWholeFile(save("AFactMS.sav"), SavedFrom(m_alex, 3));
    if (!chosen.isEmpty())
        WriteWholeFile(save(chosen), MakeSavegame(9000, 40));
    QCOMPARE(WriteSettingValues(KelmoraSettingsKey(), {{"Template Driver File", "Marker.sav"}}), std::nullopt);
    const QMap<QString, QByteArray> before = Snapshot(m_dir->path());

    QCOMPARE(select(choose(chosen)), SelectionOutcome::Result::Refused);
    const ShownMessage refusal{"You can't select the factory driver file as your template file!",
                               "Error! - Select New Template Driver failed", MessageIcon::Information};
    QCOMPARE(m_shown, QList<ShownMessage>{refusal});
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

    QCOMPARE(select(choose("Bob.sav")), SelectionOutcome::Result::Selected);
    QCOMPARE(m_shown, QList<ShownMessage>{});
    QCOMPARE(filesInSave(),
             (QStringList{"AFactMS.sav.bak", "Alex.sav", "BFactMS.sav", "Bob.sav", "CFactMS.sav", "XYFactMS.sav"}));
    QCOMPARE(ReadWholeFile(save("BFactMS.sav")), m_bob);
}

void TestTemplateSelection::testFolderNamedLikeFactoryFile()
{
    // In the copy's way, the folder stays and the copy fails, but the settings were stored first and
    // the rest of the choice goes on.
    QVERIFY(QDir(m_saveFolder).mkdir("BFactMS.sav"));
    WriteWholeFile(save("BFactMS.sav/inside.sav"), m_alex);

    QCOMPARE(select(choose("Bob.sav")), SelectionOutcome::Result::Selected);
    QCOMPARE(Loaded().TemplateDriverFile, QStringLiteral("Bob.sav"));
    const QList<ShownMessage> expected{
        {"Could not make factory driver file from template driver file [*]", "Error!", MessageIcon::Exclamation}};
    QCOMPARE(Matched(m_shown, expected), expected);
    QCOMPARE(ReadWholeFile(save("BFactMS.sav/inside.sav")), m_alex);
    QCOMPARE(ReadWholeFile(dataFile()), RecordsOf(BlockOf(m_bob)));
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
    QCOMPARE(Loaded().TemplateDriverFile, QStringLiteral("Gone.sav"));
}

void TestTemplateSelection::testUnreadableTemplateLeavesNoStaleData()
{
    QCOMPARE(select(choose("Alex.sav")), SelectionOutcome::Result::Selected);
    const QByteArray shortSavegame = MakeSavegame(8000, 33);
    WriteWholeFile(save("Short.sav"), shortSavegame);

    QCOMPARE(select(choose("Short.sav")), SelectionOutcome::Result::Selected);
    const ShownMessage readFailed{
        "Could not read in template driver file [The file is too short to be a driver savegame (8000 bytes, at least "
        "8170 needed)]",
        "Error!", MessageIcon::Exclamation};
    QCOMPARE(m_shown, QList<ShownMessage>{readFailed});
    QCOMPARE(ReadWholeFile(save("SFactMS.sav")), shortSavegame);
    // Alex's bytes must not find their way into Short's copy: without a data file the save fails.
    QVERIFY(!QFileInfo::exists(dataFile()));
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

QTEST_GUILESS_MAIN(TestTemplateSelection)
#include "TestTemplateSelection.moc"
