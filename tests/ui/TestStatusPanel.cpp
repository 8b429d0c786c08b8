// The clock panel: when its text must next change, and that it does change on time.
#include "StatusPanel.h"

#include <QLocale>
#include <QTest>
#include <QTime>
#include <QTimer>

using namespace kelmora;

class TestStatusPanel : public QObject
{
    Q_OBJECT

private slots:
    void testClockWakeInterval_data();
    void testClockWakeInterval();
    void testClockFollowsTheTime();
};

void TestStatusPanel::testClockWakeInterval_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QTime>("now");
    QTest::addColumn<int>("expected");
    const QString seconds = QStringLiteral("HH:mm:ss");
    const QString minutes = QStringLiteral("h:mm AP");
    QTest::newRow("seconds, on the second") << seconds << QTime(12, 0, 0, 0) << 1000;
    QTest::newRow("seconds, within the second") << seconds << QTime(12, 34, 56, 250) << 750;
    QTest::newRow("seconds, just before midnight") << seconds << QTime(23, 59, 59, 999) << 1;
    QTest::newRow("one-digit seconds") << QStringLiteral("H:m:s") << QTime(1, 2, 3, 400) << 600;
    QTest::newRow("minutes, on the minute") << minutes << QTime(12, 0, 0, 0) << 60000;
    QTest::newRow("minutes, within the minute") << minutes << QTime(12, 34, 56, 250) << 3750;
    // Not a whole second later: the new minute would show late.
    QTest::newRow("minutes, half a second before the turn") << minutes << QTime(12, 34, 59, 500) << 500;
    QTest::newRow("minutes, just before midnight") << minutes << QTime(23, 59, 59, 999) << 1;
    QTest::newRow("an s in quoted text is no second")
        << QStringLiteral("H 'hours' mm 'mins'") << QTime(8, 15, 30, 0) << 30000;
    QTest::newRow("seconds after quoted text") << QStringLiteral("HH'h'mm'm'ss") << QTime(8, 15, 30, 100) << 900;
}

void TestStatusPanel::testClockWakeInterval()
{
    QFETCH(const QString, format);
    QFETCH(const QTime, now);
    QFETCH(const int, expected);
    QCOMPARE(ClockWakeInterval(format, now), expected);
}

// CTest runs this in the C locale, whose short time format shows seconds. How late a busy machine
// delivers a timer is no fault of the panel: each time it wakes, it must show the time of that moment.
void TestStatusPanel::testClockFollowsTheTime()
{
    const QLocale locale = QLocale::system();
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    StatusPanel panel(QString{});
    panel.ShowClock();
    QTimer* timer = panel.findChild<QTimer*>();
    QVERIFY(timer && timer->isActive());
    // Never later than the next change of the text.
    QVERIFY(timer->interval() <= ClockWakeInterval(format, QTime(0, 0)));
    if (ClockWakeInterval(format, QTime(0, 0)) != 1000)
        QSKIP("The locale's short time format shows no seconds; the panel changes once a minute");

    // Connected after the panel's own update, so that this runs right after it.
    QStringList wrong;
    int wakes = 0;
    connect(timer, &QTimer::timeout, &panel, [&] {
        const QTime now = QTime::currentTime();
        ++wakes;
        if (panel.text() != locale.toString(now, format) && panel.text() != locale.toString(now.addSecs(-1), format))
            wrong << panel.text() + QStringLiteral(" shown at ") + now.toString(QStringLiteral("HH:mm:ss.zzz"));
    });
    QTRY_VERIFY_WITH_TIMEOUT(wakes >= 2, 60000);
    QCOMPARE(wrong, QStringList());
}

QTEST_MAIN(TestStatusPanel)
#include "TestStatusPanel.moc"
