#include "mission/MissionDataFile.h"
#include "mission/SaveSequence.h"
#include "mission/SystemServices.h"

#include "support/Fakes.h"
#include "support/Savegames.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>

#include <memory>

using namespace kelmora;
using namespace kelmora::test;

class TestSaveSequence : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void testSave_data();
    void testSave();
    void testEarlierSaveLeavesNoTrace();
    void testSelectionRule();
    void testDisabledPanelDoesNothing();
    void testDataFileUnreadable_data();
    void testDataFileUnreadable();
    void testIndexOutsideTheList();
    void testFactoryFileNotWritable_data();
    void testFactoryFileNotWritable();
    void testLongTimeFormat_data();
    void testLongTimeFormat();

private:
    // Runs a save of `index` and returns the save status text afterwards.
    QString save(int index, bool enabled = true);
    void verifyNothingWritten();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeServices> m_fakes;
    RunState m_state;
    QByteArray m_template;
    QString m_factoryPath;
    QString m_dataPath;
    static inline const QString NotSaved = QStringLiteral("Not saved this session");
};

void TestSaveSequence::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath("Save"));
    QVERIFY(QDir(m_dir->path()).mkpath("Program"));

    m_state = RunState{};
    m_state.SavedataFolder = QDir::toNativeSeparators(m_dir->filePath("Save")) + QDir::separator();
    m_state.TemplateDriverFile = "Alex.sav";
    m_state.FactoryDriverFile = "AFactMS.sav";
    m_factoryPath = m_state.SavedataFolder + m_state.FactoryDriverFile;

    m_template = MakeSavegame(65536, 77);
    WriteWholeFile(m_state.SavedataFolder + m_state.TemplateDriverFile, m_template);
    WriteWholeFile(m_factoryPath, m_template);

    m_fakes = std::make_unique<FakeServices>(QDir::toNativeSeparators(m_dir->filePath("Program")));
    m_dataPath = MissionDataFilePath(m_fakes->services.programFolder);
    RunState dataFileState;
    dataFileState.MissionStatus = BlockOf(m_template);
    WriteMissionDataFile(dataFileState, m_fakes->services);
}

QString TestSaveSequence::save(int index, bool enabled)
{
    HeadlessSaveView view(index, enabled, NotSaved);
    RunSaveSequence(m_state, m_fakes->services, view);
    return view.statusText();
}

void TestSaveSequence::verifyNothingWritten()
{
    QCOMPARE(ReadWholeFile(m_factoryPath), m_template);
    QCOMPARE(ReadWholeFile(m_state.SavedataFolder + m_state.TemplateDriverFile), m_template);
}

void TestSaveSequence::testSave_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("first mission") << 0;
    QTest::newRow("sixth") << 5;
    QTest::newRow("seventh") << 6;
    QTest::newRow("next to last") << 32;
    QTest::newRow("last mission") << 33;
}

void TestSaveSequence::testSave()
{
    QFETCH(int, index);
    const QByteArray dataFileBefore = ReadWholeFile(m_dataPath);

    QCOMPARE(save(index), QStringLiteral("Saved [Mission #%1] @ 9:41:07 PM").arg(index + 1));
    QCOMPARE(m_fakes->messages.shown, QList<ShownMessage>{});

    const QByteArray factory = ReadWholeFile(m_factoryPath);
    QCOMPARE(factory, WithBlock(m_template, ExpectedAfterSave(BlockOf(m_template), index)));
    if (index == 0)
        QVERIFY(BlockOf(factory) == MissionStatusTable{});
    if (index == 33)
        QCOMPARE(factory, m_template);
    QCOMPARE(ReadWholeFile(m_state.SavedataFolder + m_state.TemplateDriverFile), m_template);
    QCOMPARE(ReadWholeFile(m_dataPath), dataFileBefore);
}

void TestSaveSequence::testEarlierSaveLeavesNoTrace()
{
    save(20);
    QCOMPARE(save(5), QStringLiteral("Saved [Mission #6] @ 9:41:07 PM"));
    const MissionStatusTable block = BlockOf(ReadWholeFile(m_factoryPath));
    for (int mission = 0; mission < MISSION_COUNT; ++mission) {
        const MissionStatusRecord expected = mission < 5 ? BlockOf(m_template)[mission] : MissionStatusRecord{};
        QVERIFY2(block[mission] == expected, qPrintable(QStringLiteral("mission %1").arg(mission)));
    }
    // And back to a later mission: the zeroed records come back from the template, not the factory file.
    save(33);
    QCOMPARE(ReadWholeFile(m_factoryPath), m_template);
}

void TestSaveSequence::testSelectionRule()
{
    const MissionStatusTable original = BlockOf(m_template);
    for (const int outside : {-1, 34, 1000}) {
        MissionStatusTable table = original;
        QVERIFY(!ApplyMissionSelection(table, outside));
        QVERIFY(table == original);
    }

    MissionStatusTable table = original;
    QVERIFY(ApplyMissionSelection(table, 32));
    for (int mission = 0; mission < 32; ++mission)
        QVERIFY(table[mission] == original[mission]);
    QVERIFY(table[32] == MissionStatusRecord{} && table[33] == MissionStatusRecord{});

    table = original;
    QVERIFY(ApplyMissionSelection(table, 33));
    QVERIFY(table == original);
}

void TestSaveSequence::testDisabledPanelDoesNothing()
{
    QVERIFY(QFile::remove(m_dataPath)); // would fail loudly if anything were attempted
    QCOMPARE(save(3, false), NotSaved);
    QCOMPARE(m_fakes->messages.shown, QList<ShownMessage>{});
    verifyNothingWritten();
}

void TestSaveSequence::testDataFileUnreadable_data()
{
    QTest::addColumn<int>("dataFileSize"); // -1: missing
    QTest::addColumn<QString>("description");
    QTest::newRow("missing") << -1 << "No such file or directory";
    QTest::newRow("truncated") << 100 << "The file is truncated (100 of 170 bytes)";
}

void TestSaveSequence::testDataFileUnreadable()
{
    QFETCH(int, dataFileSize);
    QFETCH(QString, description);
    QVERIFY(QFile::remove(m_dataPath));
    if (dataFileSize >= 0)
        WriteWholeFile(m_dataPath, QByteArray(dataFileSize, '\0'));

    QCOMPARE(save(4), NotSaved);
    const QList<ShownMessage> expected{
        {"Could not read from data file '" + m_dataPath + "' [" + description + "]", "Error!",
         MessageIcon::Exclamation},
        {"Could not read in program data file '" + m_dataPath + "' properly", "Error! - Save failed",
         MessageIcon::Exclamation},
    };
    QCOMPARE(m_fakes->messages.shown, expected);
    verifyNothingWritten();
}

void TestSaveSequence::testIndexOutsideTheList()
{
    QCOMPARE(save(-1), NotSaved);
    const ShownMessage expected{"Could not successfully manipulate mission selection data array",
                                "Error! - Save failed", MessageIcon::Exclamation};
    QCOMPARE(m_fakes->messages.shown, QList<ShownMessage>{expected});
    verifyNothingWritten();
}

void TestSaveSequence::testFactoryFileNotWritable_data()
{
    QTest::addColumn<int>("obstacle"); // 0: deleted, 1: cut short, 2: a folder in its place
    QTest::addColumn<QString>("description");
    QTest::newRow("deleted") << 0 << "No such file or directory";
    QTest::newRow("cut short") << 1
                               << "The file is too short to be a driver savegame (8000 bytes, at least 8170 needed)";
    QTest::newRow("folder") << 2 << "";
}

void TestSaveSequence::testFactoryFileNotWritable()
{
    QFETCH(int, obstacle);
    QFETCH(QString, description);
    QVERIFY(QFile::remove(m_factoryPath));
    if (obstacle == 1)
        WriteWholeFile(m_factoryPath, m_template.left(8000));
    if (obstacle == 2)
        QVERIFY(QDir().mkdir(m_factoryPath));

    QCOMPARE(save(2), NotSaved);
    const QString mismatch =
        ErrorMessageMismatch(m_fakes->messages.shown, "Could not write to factory driver file '" + m_factoryPath + "' ",
                             description, "Error! - Write failed", MessageIcon::Exclamation);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));

    // A save never makes up a savegame or changes a cut-off one.
    if (obstacle == 0)
        QVERIFY(!QFileInfo::exists(m_factoryPath));
    if (obstacle == 1)
        QCOMPARE(ReadWholeFile(m_factoryPath), m_template.left(8000));
    QCOMPARE(ReadWholeFile(m_state.SavedataFolder + m_state.TemplateDriverFile), m_template);
}

void TestSaveSequence::testLongTimeFormat_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English (US)") << "en_US"
                                  << "9:41:07 PM";
    QTest::newRow("German") << "de_DE"
                            << "21:41:07";
    QTest::newRow("English (UK)") << "en_GB"
                                  << "21:41:07";
    // Some locales frame the zone: "H:mm:ss (t)", "HH:mm:ss, t", "Bh:mm:ss [t]".
    QTest::newRow("zone in brackets") << "ca_ES"
                                      << "21:41:07";
    QTest::newRow("zone after a comma") << "be_BY"
                                        << "21:41:07";
    QTest::newRow("zone in square brackets") << "zh_TW" << QLocale("zh_TW").toString(QTime(21, 41, 7), "Bh:mm:ss");
}

void TestSaveSequence::testLongTimeFormat()
{
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    const QLocale qlocale(locale);
    const QString format = LongTimeFormatWithoutZone(qlocale);
    QVERIFY2(qlocale.timeFormat(QLocale::LongFormat).contains(u't'), "the test needs a format with a zone");
    QCOMPARE(qlocale.toString(QTime(21, 41, 7), format), expected);
}

QTEST_GUILESS_MAIN(TestSaveSequence)
#include "TestSaveSequence.moc"
