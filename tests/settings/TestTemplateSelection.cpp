#include "mission/MissionDataFile.h"
#include "mission/SaveSequence.h"
#include "settings/SettingsStore.h"
#include "settings/TemplateSelection.h"

#include "support/Fakes.h"
#include "support/Savegames.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kelmora;
using namespace kelmora::test;

namespace {

// Records what the flow did to the main window.
class RecordingView final : public TemplateSelectionView
{
public:
    explicit RecordingView(std::optional<ChosenFile> choice)
        : m_choice(std::move(choice))
    { }
    void HideMainWindow() override { calls << "hide"; }
    void ShowMainWindow() override { calls << "show"; }
    std::optional<ChosenFile> RunOpenDialog(const QString& folder) override
    {
        calls << "dialog";
        initialFolder = folder;
        return m_choice;
    }
    void SetTemplateDriverText(const QString& text) override { templateText = text; }
    void SetFactoryDriverText(const QString& text) override { factoryText = text; }
    void EnableMissionList() override { calls << "list"; }
    void EnableSavePanel() override { calls << "panel"; }

    QStringList calls;
    QString initialFolder;
    QString templateText;
    QString factoryText;

private:
    std::optional<ChosenFile> m_choice;
};

} // namespace

class TestTemplateSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void testChooseTemplate();
    void testRefusals_data();
    void testRefusals();
    void testCancelChangesNothing();
    void testEarlierFactoryFilesReplaced();
    void testFolderNamedLikeFactoryFile();
    void testTemplateVanishedBeforeCopy();
    void testUnreadableTemplateLeavesNoStaleData();
    void testReadOnlyTemplateGivesWritableCopy();
    void testDialogStartsInLastFolder();

private:
    ChosenFile choose(const QString& name) const;
    SelectionResult select(const std::optional<ChosenFile>& choice);
    QString save(const QString& name) const { return m_saveFolder + name; }
    QStringList filesInSave() const { return QDir(m_saveFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }
    void verifyTemplatesUntouched();

    QTemporaryDir m_store;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<RecordingView> m_view;
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

    m_fakes = std::make_unique<FakeServices>(QDir::toNativeSeparators(m_dir->filePath("Program")));
    m_state = RunState{};
}

void TestTemplateSelection::cleanup()
{
    verifyTemplatesUntouched();
}

void TestTemplateSelection::verifyTemplatesUntouched()
{
    if (QFileInfo::exists(save("Alex.sav"))) {
        QCOMPARE(ReadWholeFile(save("Alex.sav")), m_alex);
        QCOMPARE(QFileInfo(save("Alex.sav")).lastModified(), m_alexModified);
    }
    if (QFileInfo::exists(save("Bob.sav")))
        QCOMPARE(ReadWholeFile(save("Bob.sav")), m_bob);
}

ChosenFile TestTemplateSelection::choose(const QString& name) const
{
    // As the open dialog hands it over: forward slashes, full path and bare name.
    return {QDir::fromNativeSeparators(save(name)), name};
}

SelectionResult TestTemplateSelection::select(const std::optional<ChosenFile>& choice)
{
    m_view = std::make_unique<RecordingView>(choice);
    return SelectNewTemplateDriver(m_state, m_fakes->services, *m_view);
}

void TestTemplateSelection::testChooseTemplate()
{
    QCOMPARE(select(choose("Alex.sav")), SelectionResult::Selected);
    QCOMPARE(m_fakes->messages.shown, QList<ShownMessage>{});

    QCOMPARE(m_state.SavedataFolder, m_saveFolder);
    QVERIFY(m_state.SavedataFolder.endsWith(QDir::separator()));
    QCOMPARE(m_state.TemplateDriverFile, QStringLiteral("Alex.sav"));
    QCOMPARE(m_state.FactoryDriverFile, QStringLiteral("AFactMS.sav"));
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), m_alex);

    const QByteArray dataFile = ReadWholeFile(MissionDataFilePath(m_fakes->services.programFolder));
    QCOMPARE(dataFile.size(), 170);
    for (int i = 0; i < MISSION_COUNT; ++i) {
        for (int j = 0; j < MissionRecordSize; ++j)
            QCOMPARE(dataFile.at(5 * i + j), m_alex.at(245 + 240 * i + j));
    }

    QCOMPARE(m_view->calls, (QStringList{"hide", "dialog", "list", "panel", "show"}));
    QCOMPARE(m_view->templateText, QStringLiteral("Alex.sav  [Never gets modified!]"));
    QCOMPARE(m_view->factoryText, QStringLiteral("AFactMS.sav  [Select mission for this driver]"));

    RunState loaded;
    LoadSettings(loaded);
    QVERIFY(loaded.SettingsValid);
    QCOMPARE(loaded.SavedataFolder, m_saveFolder);
    QCOMPARE(loaded.TemplateDriverFile, QStringLiteral("Alex.sav"));
    QCOMPARE(loaded.FactoryDriverFile, QStringLiteral("AFactMS.sav"));
}

void TestTemplateSelection::testRefusals_data()
{
    QTest::addColumn<QString>("currentFactory");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("current factory file, other case") << "AFactMS.sav"
                                                      << "afactms.sav";
    QTest::newRow("named like a factory file") << ""
                                               << "ZFACTMS.SAV";
    QTest::newRow("another template's factory file") << "AFactMS.sav"
                                                     << "BFactMS.sav";
}

void TestTemplateSelection::testRefusals()
{
    QFETCH(QString, currentFactory);
    QFETCH(QString, chosen);
    const QByteArray chosenBytes = MakeSavegame(9000, 40);
    WriteWholeFile(save(chosen), chosenBytes);
    m_state.FactoryDriverFile = currentFactory;
    const RunState before = m_state;
    const QStringList filesBefore = filesInSave();

    QCOMPARE(select(choose(chosen)), SelectionResult::Refused);
    const ShownMessage refusal{"You can't select the factory driver file as your template file!",
                               "Error! - Select New Template Driver failed", MessageIcon::Information};
    QCOMPARE(m_fakes->messages.shown, QList<ShownMessage>{refusal});
    QCOMPARE(m_view->calls, (QStringList{"hide", "dialog", "show"}));
    QCOMPARE(m_state.SavedataFolder, before.SavedataFolder);
    QCOMPARE(m_state.FactoryDriverFile, before.FactoryDriverFile);
    QCOMPARE(filesInSave(), filesBefore);
    QCOMPARE(ReadWholeFile(save(chosen)), chosenBytes);
    RunState loaded;
    LoadSettings(loaded);
    QVERIFY(!loaded.SettingsValid);
    QVERIFY(!QFileInfo::exists(MissionDataFilePath(m_fakes->services.programFolder)));
}

void TestTemplateSelection::testCancelChangesNothing()
{
    QCOMPARE(select(choose("Alex.sav")), SelectionResult::Selected);
    // The player saves a mission, then opens the dialog again and cancels: the save must stay.
    QByteArray saved = m_alex;
    saved[300] = 0;
    WriteWholeFile(save("AFactMS.sav"), saved);
    WriteSettingValue(KelmoraSettingsKey(), "Template Driver File", "Marker.sav");
    const RunState before = m_state;

    QCOMPARE(select(std::nullopt), SelectionResult::Cancelled);
    QCOMPARE(m_fakes->messages.shown, QList<ShownMessage>{});
    QCOMPARE(m_view->calls, (QStringList{"hide", "dialog", "show"}));
    QCOMPARE(ReadWholeFile(save("AFactMS.sav")), saved);
    QCOMPARE(m_state.TemplateDriverFile, before.TemplateDriverFile);
    RunState loaded;
    LoadSettings(loaded);
    QCOMPARE(loaded.TemplateDriverFile, QStringLiteral("Marker.sav"));
}

void TestTemplateSelection::testEarlierFactoryFilesReplaced()
{
    WriteWholeFile(save("AFactMS.sav"), "old A");
    WriteWholeFile(save("bfactms.sav"), "old b");
    WriteWholeFile(save("AFactMS.sav.bak"), "keep");
    WriteWholeFile(save("XYFactMS.sav"), "keep");

    QCOMPARE(select(choose("Bob.sav")), SelectionResult::Selected);
    QCOMPARE(m_fakes->messages.shown, QList<ShownMessage>{});
    QCOMPARE(filesInSave(), (QStringList{"AFactMS.sav.bak", "Alex.sav", "BFactMS.sav", "Bob.sav", "XYFactMS.sav"}));
    QCOMPARE(ReadWholeFile(save("BFactMS.sav")), m_bob);
}

void TestTemplateSelection::testFolderNamedLikeFactoryFile()
{
    // A folder is no factory driver file: it is never deleted. In the copy's way, the copy fails,
    // but the settings were stored first and the rest of the choice goes on.
    QVERIFY(QDir(m_saveFolder).mkdir("CFactMS.sav"));
    QVERIFY(QDir(m_saveFolder).mkdir("BFactMS.sav"));
    QVERIFY(QFile::copy(save("Alex.sav"), save("BFactMS.sav/inside.sav")));

    QString storedWhenCopyFailed;
    m_fakes->messages.onShow = [&storedWhenCopyFailed](const ShownMessage&) {
        RunState loaded;
        LoadSettings(loaded);
        storedWhenCopyFailed = loaded.TemplateDriverFile;
    };
    QCOMPARE(select(choose("Bob.sav")), SelectionResult::Selected);
    QCOMPARE(storedWhenCopyFailed, QStringLiteral("Bob.sav"));
    const QString mismatch =
        ErrorMessageMismatch(m_fakes->messages.shown, "Could not make factory driver file from template driver file ",
                             QString(), "Error!", MessageIcon::Exclamation);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));

    QVERIFY(QFileInfo(save("CFactMS.sav")).isDir());
    QCOMPARE(ReadWholeFile(save("BFactMS.sav/inside.sav")), m_alex);
    RunState loaded;
    LoadSettings(loaded);
    QCOMPARE(loaded.TemplateDriverFile, QStringLiteral("Bob.sav"));
    QCOMPARE(m_view->calls, (QStringList{"hide", "dialog", "list", "panel", "show"}));
    QVERIFY(ReadWholeFile(MissionDataFilePath(m_fakes->services.programFolder)).size() == 170);
}

void TestTemplateSelection::testTemplateVanishedBeforeCopy()
{
    QCOMPARE(select(choose("Gone.sav")), SelectionResult::ProgramEnded);
    const QList<ShownMessage> expected{
        {"Could not find template driver file '" + save("Gone.sav") + "'", "Error!", MessageIcon::Exclamation},
        {"Could not find driver file at " + save("Gone.sav"), "Fatal Error!", MessageIcon::Critical},
    };
    QCOMPARE(m_fakes->messages.shown, expected);
    QCOMPARE(m_fakes->exit.endCount, 1);
    QVERIFY(!m_view->calls.contains("show"));
    QVERIFY(!QFileInfo::exists(save("GFactMS.sav")));
    QVERIFY(!QFileInfo::exists(MissionDataFilePath(m_fakes->services.programFolder)));
    RunState loaded;
    LoadSettings(loaded);
    QCOMPARE(loaded.TemplateDriverFile, QStringLiteral("Gone.sav"));
}

void TestTemplateSelection::testUnreadableTemplateLeavesNoStaleData()
{
    QCOMPARE(select(choose("Alex.sav")), SelectionResult::Selected);
    const QByteArray shortSavegame = MakeSavegame(8000, 33);
    WriteWholeFile(save("Short.sav"), shortSavegame);

    QCOMPARE(select(choose("Short.sav")), SelectionResult::Selected);
    const ShownMessage readFailed{
        "Could not read in template driver file [The file is too short to be a driver savegame (8000 bytes, at least "
        "8170 needed)]",
        "Error!", MessageIcon::Exclamation};
    QCOMPARE(m_fakes->messages.shown, QList<ShownMessage>{readFailed});
    QCOMPARE(m_view->calls, (QStringList{"hide", "dialog", "list", "panel", "show"}));
    QCOMPARE(ReadWholeFile(save("SFactMS.sav")), shortSavegame);

    // Alex's bytes must not find their way into Short's copy: the save fails instead.
    const QString dataFile = MissionDataFilePath(m_fakes->services.programFolder);
    QVERIFY(!QFileInfo::exists(dataFile));
    HeadlessSaveView view(3);
    RunSaveSequence(m_state, m_fakes->services, view);
    QCOMPARE(m_fakes->messages.shown.size(), 3);
    QCOMPARE(m_fakes->messages.shown.last().title, QStringLiteral("Error! - Save failed"));
    QCOMPARE(ReadWholeFile(save("SFactMS.sav")), shortSavegame);
}

void TestTemplateSelection::testReadOnlyTemplateGivesWritableCopy()
{
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QVERIFY(QFile::setPermissions(save("Alex.sav"), readOnly));
    QCOMPARE(select(choose("Alex.sav")), SelectionResult::Selected);
    QVERIFY(QFileInfo(save("AFactMS.sav")).permissions().testFlag(QFileDevice::WriteOwner));
    QVERIFY(!QFile::permissions(save("Alex.sav")).testFlag(QFileDevice::WriteOwner));
}

void TestTemplateSelection::testDialogStartsInLastFolder()
{
    select(std::nullopt);
    QCOMPARE(m_view->initialFolder, QString());

    m_state.SavedataFolder = m_saveFolder;
    select(std::nullopt);
    QCOMPARE(m_view->initialFolder, m_saveFolder);

    // A folder without files, or one that is no longer there, leaves the dialog where it starts.
    QVERIFY(QDir(m_saveFolder).mkdir("Empty"));
    for (const QString& folder : {save("Empty") + QDir::separator(), save("Missing") + QDir::separator()}) {
        m_state.SavedataFolder = folder;
        select(std::nullopt);
        QCOMPARE(m_view->initialFolder, QString());
    }
}

QTEST_GUILESS_MAIN(TestTemplateSelection)
#include "TestTemplateSelection.moc"
