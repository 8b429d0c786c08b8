#include "mission/NextMission.h"

#include <QTest>

using namespace kelmora;

namespace {

// A template with progress in every mission but those listed; `oneByte` keeps only the last byte of
// each other record, so that a single non-zero byte must count as progress.
MissionStatusTable TemplateWithout(const QList<int>& zeroMissions, bool oneByte = false)
{
    MissionStatusTable table{};
    for (int mission = 0; mission < MISSION_COUNT; ++mission) {
        if (zeroMissions.contains(mission))
            continue;
        if (oneByte)
            table[mission][MissionRecordSize - 1] = 1;
        else
            table[mission].fill(quint8(mission + 1));
    }
    return table;
}

QList<int> Range(int from, int to)
{
    QList<int> range;
    for (int i = from; i <= to; ++i)
        range << i;
    return range;
}

} // namespace

class TestNextMission : public QObject
{
    Q_OBJECT

private slots:
    void testOfferedAfterSave_data();
    void testOfferedAfterSave();
    void testTexts();
};

void TestNextMission::testOfferedAfterSave_data()
{
    QTest::addColumn<QList<int>>("zeroMissions"); // the template's records without progress
    QTest::addColumn<bool>("oneByte");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("offered"); // -1: none

    QTest::newRow("full, first") << QList<int>{} << false << 0 << 0;
    QTest::newRow("full, middle") << QList<int>{} << false << 19 << 19;
    QTest::newRow("full, last but one") << QList<int>{} << false << 32 << 32;
    // The last mission clears no record: a template with progress everywhere leaves nothing to offer.
    QTest::newRow("full, last") << QList<int>{} << false << 33 << -1;
    QTest::newRow("only last bytes set, last") << QList<int>{} << true << 33 << -1;
    QTest::newRow("only last bytes set, middle") << QList<int>{} << true << 11 << 11;

    const QList<int> atSix = Range(5, 33);
    QTest::newRow("reached 6, chose 6") << atSix << false << 5 << 5;
    QTest::newRow("reached 6, chose 3") << atSix << false << 2 << 2;
    QTest::newRow("reached 6, chose 20") << atSix << false << 19 << 5;
    QTest::newRow("reached 6, chose 34") << atSix << false << 33 << 5;

    // A gap counts: the game stops at the first mission without progress.
    QTest::newRow("gap at 11, chose 21") << QList<int>{10} << false << 20 << 10;
    QTest::newRow("gap at 11, chose 11") << QList<int>{10} << false << 10 << 10;
    QTest::newRow("gap at 11, chose 34") << QList<int>{10} << true << 33 << 10;
    QTest::newRow("no progress at all") << Range(0, 33) << false << 25 << 0;
    QTest::newRow("only 34 without progress, chose 34") << QList<int>{33} << false << 33 << 33;

    QTest::newRow("below the catalogue") << QList<int>{} << false << -1 << -1;
    QTest::newRow("past the catalogue") << QList<int>{} << false << MISSION_COUNT << -1;
}

void TestNextMission::testOfferedAfterSave()
{
    QFETCH(QList<int>, zeroMissions);
    QFETCH(bool, oneByte);
    QFETCH(int, index);
    QFETCH(int, offered);
    const MissionStatusTable block = TemplateWithout(zeroMissions, oneByte);
    QCOMPARE(MissionOfferedAfterSave(block, index).value_or(-1), offered);
    // The player is warned whenever the game will not offer the chosen mission next, none included.
    QCOMPARE(SaveFallsShort(block, index), index >= 0 && index < MISSION_COUNT && offered != index);
}

void TestNextMission::testTexts()
{
    const MissionStatusTable atSix = TemplateWithout(Range(5, 33));
    QCOMPARE(SaveEffectText(atSix, 5), QStringLiteral("The game will offer mission 6 next"));
    QCOMPARE(SaveEffectText(atSix, 19),
             QStringLiteral("The template has not reached mission 20: the game will offer mission 6 next"));
    QCOMPARE(SaveEffectText(TemplateWithout({}), 33),
             QStringLiteral("The template has progress in every mission: the game will offer no mission next"));
    // Of a save still to be made, nothing is said as if it were made already.
    QCOMPARE(SaveEffectText(atSix, 5, SaveTense::Ahead),
             QStringLiteral("Once saved, the game will offer mission 6 next"));
    QCOMPARE(SaveEffectText(atSix, 19, SaveTense::Ahead),
             QStringLiteral("The template has not reached mission 20: once saved, the game will offer mission 6 next"));
    QCOMPARE(SaveEffectText(TemplateWithout({}), 33, SaveTense::Ahead),
             QStringLiteral("The template has progress in every mission: once saved, the game will offer no mission "
                            "next"));
    QCOMPARE(SaveEffectText(atSix, MISSION_COUNT), QString());

    // A driver's own progress, as the game would take it up.
    QCOMPARE(ProgressText(atSix), QStringLiteral("has reached mission 6"));
    QCOMPARE(ProgressText(TemplateWithout(Range(0, 33))), QStringLiteral("has reached mission 1"));
    QCOMPARE(ProgressText(TemplateWithout({})), QStringLiteral("has progress in every mission"));
}

QTEST_GUILESS_MAIN(TestNextMission)
#include "TestNextMission.moc"
