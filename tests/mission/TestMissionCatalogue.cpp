#include "mission/MissionCatalogue.h"

#include <QSet>
#include <QTest>

using namespace kelmora;

class TestMissionCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void testListTextsAndGoalTimes();
    void testShape();
};

void TestMissionCatalogue::testListTextsAndGoalTimes()
{
    QCOMPARE(ListText(0), QStringLiteral("Factory Driver  1"));
    QCOMPARE(ListText(9), QStringLiteral("Factory Driver  10"));
    QCOMPARE(ListText(33), QStringLiteral("Factory Driver  34"));

    // The game's own goals, row by row; they are shown exactly as written here.
    const QStringList expected = {
        "00:27.00",       "00:26.00",       "00:32.00", "00:15.00",       "00:28.00", "01:50.00",       "00:50.00",
        "00:58.00",       "03:00.00",       "04:00.00", "00:36.00",       "04:00.00", "00:59.00",       "02:33.00",
        "01:09.00",       "03:07.00",       "00:39.00", "Just Win, Baby", "00:39.00", "Just Win, Baby", "06:25.00",
        "00:43.00",       "Just Win, Baby", "00:37.00", "03:30.00",       "00:37.00", "00:50.00",       "00:37.00",
        "Just Win, Baby", "00:50.00",       "03:40.00", "Just Win, Baby", "02:30.00",
    };
    for (int row = 0; row < expected.size(); ++row)
        QCOMPARE(Details(row).GoalTime, expected[row]);
    const QString lastGoal = Details(MISSION_COUNT - 1).GoalTime;
    QVERIFY2(!lastGoal.isEmpty() && !lastGoal.contains(u':'), "the last mission has a goal text, not a time");
}

void TestMissionCatalogue::testShape()
{
    QSet<QString> cars, locations, missions, circuits;
    QList<int> trafficRows;
    for (int row = 0; row < MISSION_COUNT; ++row) {
        const MissionDetails details = Details(row);
        QVERIFY(!details.Car.isEmpty() && !details.Location.isEmpty() && !details.Mission.isEmpty());
        cars.insert(details.Car);
        locations.insert(details.Location);
        missions.insert(details.Mission);
        if (details.Location.contains(QStringLiteral("Circuit")))
            circuits.insert(details.Location);
        if (details.Mission.endsWith(QStringLiteral(" - Traffic, Cops")))
            trafficRows << row;
    }
    QCOMPARE(cars.size(), 10);
    QCOMPARE(locations.size(), 14);
    QCOMPARE(missions.size(), 22);
    // Four of the locations are numbered circuits of one town.
    QCOMPARE(circuits.size(), 4);
    QCOMPARE(trafficRows, (QList<int>{5, 8, 11, 13, 15, 17, 19, 24}));
}

QTEST_GUILESS_MAIN(TestMissionCatalogue)
#include "TestMissionCatalogue.moc"
