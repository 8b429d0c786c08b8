// From start-up to a first save, as a new player meets the program.
#include "MainWindow.h"
#include "StatusPanel.h"
#include "WelcomeWindow.h"
#include "WindowArguments.h"

#include "UiFixture.h"

#include "mission/MissionCatalogue.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

using namespace kelmora;
using namespace kelmora::test;

namespace {

// Within the few pixels that a window frame may add.
bool IsCentred(const QWidget& window)
{
    const QPoint offset = window.frameGeometry().center() - window.screen()->availableGeometry().center();
    return offset.manhattanLength() <= 40;
}

void ClickSave(MainWindow& main, int index)
{
    main.findChild<QComboBox*>("cbxMissions")->setCurrentIndex(index);
    QTest::mouseClick(main.panel(MainWindow::SavePanel), Qt::LeftButton);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void testFirstRunShowsWelcome();
    void testUnreadableSettingsToldFirst();
    void testWelcomeToFirstSave();
    void testSecondRunSavesAtOnce();
    void testTemplateVanishedFromWelcome();
    void testStartsAtTheFactoryDriversMission_data();
    void testStartsAtTheFactoryDriversMission();
    void testSavegameOnTheCommandLine();
};

void TestStartup::testFirstRunShowsWelcome()
{
    UiFixture fixture;
    Program& program = fixture.start();
    WelcomeWindow& welcome = program.welcomeWindow();
    MainWindow& main = program.mainWindow();
    QVERIFY(welcome.isVisible() && !main.isVisible());
    QVERIFY(IsCentred(welcome));
    QVERIFY(QTest::qWaitForWindowExposed(&welcome));
    QCOMPARE(ClippedLabels(welcome), QStringList());

    // The hidden main window is ready, with nothing to save with yet: the save panel does nothing.
    QVERIFY(!main.findChild<QComboBox*>("cbxMissions")->isEnabled());
    main.sbrMain_PanelClick(MainWindow::SavePanel);
    main.sbrMain_PanelClick(MainWindow::ClockPanel);
    QCOMPARE(TextOf(main, "lblSaveStatusDesc"), QStringLiteral("Not saved this session"));
    // No dead end: the empty template label says how to choose one.
    QCOMPARE(TextOf(main, "lblTemplateDriverDesc"),
             QStringLiteral("None yet: choose File, Select New Template Driver"));
    QCOMPARE(fixture.messages.shown, QList<ShownMessage>{});

    // Closing the welcome window, if the window system allows it, ends the program.
    welcome.close();
    QCOMPARE(fixture.exit.endCount, 1);
    QCOMPARE(fixture.openDialog.opened, 0);
}

// Settings that cannot be read are no first run: the player is told why before the welcome window.
void TestStartup::testUnreadableSettingsToldFirst()
{
    UiFixture fixture;
    const QString store = QSettings(QSettings::defaultFormat(), QSettings::UserScope, "Quorrick", "Kelmora").fileName();
    QVERIFY(QDir().mkpath(store)); // a folder where the file should be
    Program& program = fixture.start();
    QVERIFY(program.welcomeWindow().isVisible());
    QCOMPARE(fixture.messages.shown.size(), 1);
    const QString told = QStringLiteral("Could not read the settings from '%1' [").arg(QDir::toNativeSeparators(store));
    QVERIFY2(fixture.messages.shown.first().text.startsWith(told), qPrintable(fixture.messages.shown.first().text));
}

void TestStartup::testWelcomeToFirstSave()
{
    UiFixture fixture;
    Program& program = fixture.start();
    MainWindow& main = program.mainWindow();
    fixture.answer("Alex.sav");
    // From the keyboard: the window opens with Proceed focused, and Enter takes it.
    WelcomeWindow& welcome = program.welcomeWindow();
    welcome.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&welcome));
    QCOMPARE(QApplication::focusWidget(), welcome.findChild<QPushButton*>("cmdProceed"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    QCOMPARE(fixture.openDialog.opened, 1);
    QCOMPARE(fixture.openDialog.lastTitle, QStringLiteral("Select Driver Savegame File"));
    QVERIFY(fixture.openDialog.lastFilter.startsWith("Driver Savegames (*.sav)"));
    QVERIFY(!program.welcomeWindow().isVisible() && main.isVisible());
    QVERIFY(IsCentred(main));
    QCOMPARE(TextOf(main, "lblTemplateDriverDesc"), QStringLiteral("Alex.sav  [Never gets modified!]"));
    QCOMPARE(TextOf(main, "lblFactoryDriverDesc"), QStringLiteral("AFactMS.sav  [Select mission for this driver]"));

    ClickSave(main, 6);
    QCOMPARE(fixture.messages.shown, QList<ShownMessage>{});
    QCOMPARE(TextOf(main, "lblSaveStatusDesc"), QStringLiteral("Saved [Mission #7] @ 9:41:07 PM"));
    QCOMPARE(fixture.file("AFactMS.sav"), SavedFrom(fixture.alex, 6));
}

void TestStartup::testSecondRunSavesAtOnce()
{
    UiFixture fixture;
    fixture.start();
    fixture.answer("Alex.sav");
    fixture.program->mainWindow().mnuFile_SelectNewTemplateDriver_Click();
    // Neither start-up nor a save reads the template: its block is in the program data file.
    QVERIFY(QFile::remove(fixture.saveFolder + "Alex.sav"));

    Program& second = fixture.start();
    MainWindow& main = second.mainWindow();
    QVERIFY(main.isVisible() && !second.welcomeWindow().isVisible());
    QCOMPARE(TextOf(main, "lblTemplateDriverDesc"), QStringLiteral("Alex.sav  [Never gets modified!]"));
    QCOMPARE(TextOf(main, "lblFactoryDriverDesc"), QStringLiteral("AFactMS.sav  [Select mission for this driver]"));
    QCOMPARE(TextOf(main, "lblSaveStatusDesc"), QStringLiteral("Not saved this session"));

    ClickSave(main, 20);
    QCOMPARE(fixture.messages.shown, QList<ShownMessage>{});
    QCOMPARE(TextOf(main, "lblSaveStatusDesc"), QStringLiteral("Saved [Mission #21] @ 9:41:07 PM"));
    QCOMPARE(fixture.file("AFactMS.sav"), SavedFrom(fixture.alex, 20));
    QCOMPARE(fixture.openDialog.opened, 1);
}

void TestStartup::testTemplateVanishedFromWelcome()
{
    UiFixture fixture;
    Program& program = fixture.start();
    fixture.answer("Gone.sav");
    QTest::mouseClick(program.welcomeWindow().findChild<QPushButton*>("cmdProceed"), Qt::LeftButton);

    QCOMPARE(fixture.messages.shown.size(), 2);
    QCOMPARE(fixture.messages.shown.last().title, QStringLiteral("Fatal Error!"));
    QCOMPARE(fixture.exit.endCount, 1);
    QVERIFY(!program.mainWindow().isVisible());
    QVERIFY(!QFileInfo::exists(fixture.programFolder + QDir::separator() + "kelmora.dat"));
}

void TestStartup::testStartsAtTheFactoryDriversMission_data()
{
    QTest::addColumn<QString>("change"); // what happens to the files between the runs
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("shown"); // after the save status
    QTest::addColumn<QString>("tip"); // "*" stands for the system's words

    const QString unknown = "Which mission the factory driver file is set to cannot be told: ";
    QTest::newRow("set by a save") << "" << 11 << "set to Mission #12"
                                   << "The factory driver file is set to Mission #12";
    QTest::newRow("played on since") << "played" << 0 << "played on since a save"
                                     << "The factory driver file has been played on or changed since the last "
                                        "save: no mission's save gives its bytes";
    QTest::newRow("factory file missing") << "missing" << 0 << "mission unknown"
                                          << unknown + "Could not read factory driver file '<save>AFactMS.sav' [*]";
    QTest::newRow("data file unreadable") << "unreadable" << 0 << "mission unknown"
                                          << unknown + "Could not read from data file '<program>kelmora.dat' [*]";
    // Saves of missions 30 to 34 give the same bytes when the template's last five are all zero.
    QTest::newRow("several saves match") << "zero tail" << 29 << "set to Missions #30\u2013#34"
                                         << "The factory driver file is set to Mission #30 (a save of any mission "
                                            "from #30 to #34 gives the same bytes)";
}

void TestStartup::testStartsAtTheFactoryDriversMission()
{
    QFETCH(QString, change);
    QFETCH(int, row);
    QFETCH(QString, shown);
    QFETCH(QString, tip);

    UiFixture fixture;
    if (change == "zero tail") {
        MissionStatusTable block = BlockOf(fixture.alex);
        for (int mission = 29; mission < MISSION_COUNT; ++mission)
            block[mission].fill(0);
        WriteWholeFile(fixture.saveFolder + "Alex.sav", WithBlock(fixture.alex, block));
    }
    fixture.start();
    fixture.answer("Alex.sav");
    fixture.program->mainWindow().mnuFile_SelectNewTemplateDriver_Click();
    ClickSave(fixture.program->mainWindow(), change == "zero tail" ? 29 : 11);
    const QString factoryPath = fixture.saveFolder + "AFactMS.sav";
    const QString dataPath = fixture.programFolder + QDir::separator() + "kelmora.dat";
    if (change == "played") {
        QByteArray played = fixture.file("AFactMS.sav");
        played[245 + 240 * 11] = 7; // the game recorded progress in mission 12
        WriteWholeFile(factoryPath, played);
    } else if (change == "zero tail") {
        QByteArray played = fixture.file("AFactMS.sav");
        played[100] = char(played[100] + 1); // the game wrote outside the block: no longer the template's copy
        WriteWholeFile(factoryPath, played);
    } else if (change == "missing") {
        QVERIFY(QFile::remove(factoryPath));
    } else if (change == "unreadable") {
        QVERIFY(QFile::remove(dataPath));
        QVERIFY(QDir().mkdir(dataPath));
    }

    const QMap<QString, QByteArray> before = Snapshot(fixture.dir.path());
    MainWindow& main = fixture.start().mainWindow();
    QCOMPARE(main.findChild<QComboBox*>("cbxMissions")->currentIndex(), row);
    QCOMPARE(TextOf(main, "lblMissionDesc"), Details(row).Mission);
    QCOMPARE(TextOf(main, "lblSaveStatusDesc"), QStringLiteral("Not saved this session"));
    // In the window's own text, right after the save status, for players who never see a tooltip.
    QCOMPARE(TextOf(main, "lblFactoryStateDesc"), QStringLiteral(" \u00b7 ") + shown);
    const auto* state = main.findChild<QLabel*>("lblFactoryStateDesc");
    QVERIFY(state->isVisibleTo(&main));
    QCOMPARE(state->x(), main.findChild<QLabel*>("lblSaveStatusDesc")->geometry().right() + 1);
    const QString toolTip = main.findChild<QLabel*>("lblSaveStatusDesc")->toolTip();
    // Screen readers hear the whole sentence.
    QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<QLabel*>(state))->text(QAccessible::Name), toolTip);
    const QString expected = QString(tip)
                                 .replace("<save>", fixture.saveFolder)
                                 .replace("<program>", fixture.programFolder + QDir::separator());
    const QString pattern = QRegularExpression::escape(expected).replace(QStringLiteral("\\*"), ".+");
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(toolTip).hasMatch(),
             qPrintable(toolTip));
    QCOMPARE(Snapshot(fixture.dir.path()), before);
    QCOMPARE(fixture.messages.shown.size(), 0);

    // A new template in this run gives a fresh copy, and the window says what that holds. (A folder
    // in the data file's place makes a new choice refuse, and then nothing changes.)
    if (change == "unreadable")
        return;
    fixture.answer("Bob.sav");
    main.mnuFile_SelectNewTemplateDriver_Click();
    QCOMPARE(main.findChild<QLabel*>("lblSaveStatusDesc")->toolTip(),
             QStringLiteral("The factory driver file is as the template"));
    QCOMPARE(TextOf(main, "lblFactoryStateDesc"),
             QStringLiteral(" \u00b7 as the template")); // after the last save's report
    if (change == "") {
        // Once this run has saved, the save status tells it; the state shows again only when the file
        // holds something else.
        MainWindow& third = fixture.start().mainWindow();
        ClickSave(third, 2);
        QCOMPARE(TextOf(third, "lblSaveStatusDesc"), QStringLiteral("Saved [Mission #3] @ 9:41:07 PM"));
        QVERIFY(!third.findChild<QLabel*>("lblFactoryStateDesc")->isVisibleTo(&third));
        QCOMPARE(third.findChild<QLabel*>("lblSaveStatusDesc")->toolTip(),
                 QStringLiteral("The factory driver file is set to Mission #3"));
    }
}

// "Open with Kelmora" on a savegame, or kelmora FILE.sav: the same choice as the open dialog's.
void TestStartup::testSavegameOnTheCommandLine()
{
    UiFixture fixture;
    Program& first = fixture.start();
    first.ChooseTemplateAtStart(fixture.saveFolder + "Alex.sav");
    // Chosen once the program runs, not before.
    QVERIFY(first.welcomeWindow().isVisible());
    QTRY_VERIFY(first.mainWindow().isVisible());
    QVERIFY(!first.welcomeWindow().isVisible());
    QCOMPARE(TextOf(first.mainWindow(), "lblTemplateDriverDesc"), QStringLiteral("Alex.sav  [Never gets modified!]"));
    QCOMPARE(fixture.file("AFactMS.sav"), fixture.alex);
    QVERIFY(first.mainWindow().SavePanelEnabled());
    QCOMPARE(fixture.messages.shown, QList<ShownMessage>{});
    QCOMPARE(fixture.openDialog.opened, 0);

    // A factory driver file is refused as the dialog refuses it; the template stays.
    Program& second = fixture.start();
    second.ChooseTemplateAtStart(fixture.saveFolder + "AFactMS.sav");
    const ShownMessage refusal{"You can't select the factory driver file as your template file!",
                               "Error! - Select New Template Driver failed", MessageIcon::Information};
    QTRY_COMPARE(fixture.messages.shown, QList<ShownMessage>{refusal});
    QCOMPARE(TextOf(second.mainWindow(), "lblTemplateDriverDesc"), QStringLiteral("Alex.sav  [Never gets modified!]"));

    // One that is gone by the time it is read ends the program after the messages.
    fixture.messages.shown.clear();
    Program& third = fixture.start();
    third.ChooseTemplateAtStart(fixture.saveFolder + "Gone.sav");
    QTRY_COMPARE(fixture.exit.endCount, 1);
    QCOMPARE(fixture.messages.shown.last().title, QStringLiteral("Fatal Error!"));

    // One gone before the start ("Open with" on a file deleted since) is told, and the program goes
    // on as it would without it.
    fixture.messages.shown.clear();
    Program& fourth = fixture.start();
    fourth.OpenAtStart(ParseWindowArguments({"kelmora", fixture.saveFolder + "Gone.sav"}));
    const ShownMessage notFound{"Could not find template driver file '" +
                                    QDir::toNativeSeparators(fixture.saveFolder + "Gone.sav") + "'",
                                "Error!", MessageIcon::Exclamation};
    QTRY_COMPARE(fixture.messages.shown, QList<ShownMessage>{notFound});
    QVERIFY(fourth.mainWindow().isVisible());
    QCOMPARE(TextOf(fourth.mainWindow(), "lblTemplateDriverDesc"), QStringLiteral("Alex.sav  [Never gets modified!]"));
    QCOMPARE(fixture.exit.endCount, 1);
}

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
