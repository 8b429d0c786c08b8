#include "mission/MissionDataFile.h"
#include "mission/MissionSelection.h"

#include "support/Savegames.h"

#include <QTest>

using namespace kelmora;
using namespace kelmora::test;

// The game's data in memory: where the block lies in a savegame, the program data file's records,
// the selection rule and what a block says about the last save. Files are tested through the store.
class TestMissionSelection : public QObject
{
    Q_OBJECT

private slots:
    void testBlockInASavegame_data();
    void testBlockInASavegame();
    void testDataFileRecords();
    void testSelectionRule();
    void testWhatAFileIsSetTo();
};

void TestMissionSelection::testBlockInASavegame_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("just long enough") << 8170;
    QTest::newRow("one byte more") << 8171;
    QTest::newRow("64 KiB") << 65536;
}

void TestMissionSelection::testBlockInASavegame()
{
    QFETCH(int, size);
    const QByteArray savegame = MakeSavegame(size, size);
    QCOMPARE(RecordsOf(MissionBlockIn(savegame)), RecordsOf(BlockOf(savegame)));
    // Into a copy: the block's 170 bytes change, nothing else, and the length stays.
    const MissionStatusTable other = BlockOf(MakeSavegame(8170, size + 1));
    QByteArray copy = savegame;
    PutBlock(copy, other);
    QCOMPARE(copy, WithBlock(savegame, other));
}

void TestMissionSelection::testDataFileRecords()
{
    const MissionStatusTable table = BlockOf(MakeSavegame(8170, 7));
    const QByteArray records = MissionRecordsOf(table);
    // Exactly 170 bytes, record after record.
    QCOMPARE(records, RecordsOf(table));
    MissionStatusTable read{};
    QCOMPARE(ParseMissionRecords(records, read), QString());
    QCOMPARE(RecordsOf(read), records);
    // A cut-off file would hand stale bytes to the next save.
    MissionStatusTable untouched{};
    QCOMPARE(ParseMissionRecords(records.left(169), untouched),
             QStringLiteral("The file is truncated (169 of 170 bytes)"));
    QCOMPARE(RecordsOf(untouched), RecordsOf(MissionStatusTable{}));
}

void TestMissionSelection::testSelectionRule()
{
    const MissionStatusTable block = BlockOf(MakeSavegame(8170, 8));
    for (const int index : {0, 1, 5, 32, 33}) {
        MissionStatusTable table = block;
        QVERIFY(ApplyMissionSelection(table, index));
        QCOMPARE(RecordsOf(table), RecordsOf(ExpectedAfterSave(block, index)));
    }
    for (const int outside : {-1, 34}) {
        MissionStatusTable table = block;
        QVERIFY(!ApplyMissionSelection(table, outside));
        QCOMPARE(RecordsOf(table), RecordsOf(block));
    }
}

void TestMissionSelection::testWhatAFileIsSetTo()
{
    MissionStatusTable block = BlockOf(MakeSavegame(8170, 9));
    const MissionChoice twelve = MatchMissionChoice(block, ExpectedAfterSave(block, 11));
    QCOMPARE(twelve.indexes, QList<int>{11});
    QCOMPARE(MissionChoiceText(twelve), QStringLiteral("Mission 12"));
    // A template that has not reached the last missions gives their saves the same bytes.
    block[30].fill(0), block[31].fill(0), block[32].fill(0), block[33].fill(0);
    QCOMPARE(MatchMissionChoice(block, block).indexes, (QList<int>{30, 31, 32, 33}));
    MissionStatusTable played = ExpectedAfterSave(block, 4);
    played[4][0] = 1;
    QCOMPARE(MissionChoiceText(MatchMissionChoice(block, played)), QStringLiteral("played on since a save"));
    MissionStatusTable lastPlayed = block;
    lastPlayed[MISSION_COUNT - 1][0] = 1;
    QCOMPARE(MatchMissionChoice(block, lastPlayed).kind, MissionChoice::Kind::PlayedOn);
    QCOMPARE(MissionChoiceText(MissionChoice{}), QStringLiteral("unknown"));

    // Each save of a template that reached any mission is known as every save that gives its bytes.
    for (const int reached : {0, 1, 17, 33, 34}) {
        MissionStatusTable reachedBlock = BlockOf(MakeSavegame(8170, 9));
        for (int mission = reached; mission < MISSION_COUNT; ++mission)
            reachedBlock[mission].fill(0);
        for (int index = 0; index < MISSION_COUNT; ++index) {
            const MissionStatusTable saved = ExpectedAfterSave(reachedBlock, index);
            QList<int> same;
            for (int other = 0; other < MISSION_COUNT; ++other) {
                if (ExpectedAfterSave(reachedBlock, other) == saved)
                    same << other;
            }
            QCOMPARE(MatchMissionChoice(reachedBlock, saved).indexes, same);
        }
    }
}

QTEST_GUILESS_MAIN(TestMissionSelection)
#include "TestMissionSelection.moc"
