#include "mission/SavegameBlock.h"

#include "support/Fakes.h"
#include "support/Savegames.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kelmora;
using namespace kelmora::test;

// Writes that fail are tested through the save that makes them.
class TestSavegameBlock : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void testReadAndWrite_data();
    void testReadAndWrite();
    void testTemplateNotRead_data();
    void testTemplateNotRead();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString folder() const { return QDir::toNativeSeparators(m_dir->path()) + QDir::separator(); }
};

void TestSavegameBlock::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSavegameBlock::testReadAndWrite_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("just long enough") << 8170;
    QTest::newRow("one byte more") << 8171;
    QTest::newRow("64 KiB") << 65536;
    QTest::newRow("large") << 300000;
}

void TestSavegameBlock::testReadAndWrite()
{
    QFETCH(int, size);
    const QByteArray savegame = MakeSavegame(size, size);
    WriteWholeFile(folder() + "Alex.sav", savegame);
    WriteWholeFile(folder() + "AFactMS.sav", savegame);

    RunState state;
    state.SavedataFolder = folder();
    state.TemplateDriverFile = "Alex.sav";
    QCOMPARE(ReadTemplateMissionData(state), std::nullopt);
    QCOMPARE(RecordsOf(state.MissionStatus), RecordsOf(BlockOf(savegame)));

    // Into the copy: the block's 170 bytes change, nothing else, and the file keeps its length.
    const MissionStatusTable other = BlockOf(MakeSavegame(8170, size + 1));
    QCOMPARE(WriteMissionBlock(folder() + "AFactMS.sav", other), QString());
    QCOMPARE(ReadWholeFile(folder() + "AFactMS.sav"), WithBlock(savegame, other));
}

void TestSavegameBlock::testTemplateNotRead_data()
{
    QTest::addColumn<QString>("savedataFolder"); // below the temporary folder
    QTest::addColumn<int>("templateSize"); // -1: no file, -2: a folder
    QTest::addColumn<QList<ShownMessage>>("expected"); // a critical one ends the program
    const QList<ShownMessage> notFound{
        {"Could not find driver file at <save>Alex.sav", "Fatal Error!", MessageIcon::Critical}};
    const auto notRead = [](const QString& description) {
        return QList<ShownMessage>{
            {"Could not read in template driver file [" + description + "]", "Error!", MessageIcon::Exclamation}};
    };
    QTest::newRow("missing") << "" << -1 << notFound;
    QTest::newRow("a folder") << "" << -2 << notFound;
    QTest::newRow("one byte short")
        << "" << 8169 << notRead("The file is too short to be a driver savegame (8169 bytes, at least 8170 needed)");
    QTest::newRow("folder through a file") << "plain.txt/" << 8170 << notRead("Not a directory");
}

void TestSavegameBlock::testTemplateNotRead()
{
    QFETCH(QString, savedataFolder);
    QFETCH(int, templateSize);
    QFETCH(QList<ShownMessage>, expected);
    WriteWholeFile(folder() + "plain.txt", "not a folder");
    if (templateSize == -2)
        QVERIFY(QDir(m_dir->path()).mkdir("Alex.sav"));
    else if (templateSize >= 0)
        WriteWholeFile(folder() + "Alex.sav", MakeSavegame(templateSize, 9));

    RunState state;
    state.SavedataFolder = folder() + QDir::toNativeSeparators(savedataFolder);
    state.TemplateDriverFile = "Alex.sav";
    state.MissionStatus[3][1] = 0x5a;
    const MissionStatusTable before = state.MissionStatus;
    const std::optional<Problem> problem = ReadTemplateMissionData(state);
    QVERIFY(problem);
    // Only a vanished template ends the program, and it alone is worded as the critical message.
    QCOMPARE(problem->failure == Failure::TemplateVanished, expected.first().icon == MessageIcon::Critical);
    expected.first().text.replace("<save>", state.SavedataFolder);
    QCOMPARE(Shown({*problem}), expected);
    QCOMPARE(RecordsOf(state.MissionStatus), RecordsOf(before));
}

QTEST_GUILESS_MAIN(TestSavegameBlock)
#include "TestSavegameBlock.moc"
