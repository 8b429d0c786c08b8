// From start-up to a first save, as a new player meets the program.
#include "MainWindow.h"
#include "StatusPanel.h"
#include "WelcomeWindow.h"

#include "UiFixture.h"

#include <QComboBox>
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
    void testWelcomeToFirstSave();
    void testSecondRunSavesAtOnce();
    void testTemplateVanishedFromWelcome();
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
    QCOMPARE(TextOf(main, "lblTemplateDriverDesc"), QString());
    QCOMPARE(fixture.messages.shown, QList<ShownMessage>{});

    // Closing the welcome window, if the window system allows it, ends the program.
    welcome.close();
    QCOMPARE(fixture.exit.endCount, 1);
    QCOMPARE(fixture.openDialog.opened, 0);
}

void TestStartup::testWelcomeToFirstSave()
{
    UiFixture fixture;
    Program& program = fixture.start();
    MainWindow& main = program.mainWindow();
    fixture.answer("Alex.sav");
    QTest::mouseClick(program.welcomeWindow().findChild<QPushButton*>("cmdProceed"), Qt::LeftButton);

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

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
