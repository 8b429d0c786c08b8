// From start-up to a first save, as a new player meets the program.
#include "MainWindow.h"
#include "StatusPanel.h"
#include "WelcomeWindow.h"
#include "mission/MissionDataFile.h"

#include "UiFixture.h"

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

QString textOf(QWidget& window, const char* name)
{
    auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void testFirstRunShowsWelcome();
    void testWelcomeToFirstSave();
    void testSecondRunSavesAtOnce();
    void testMissingTemplateDoesNotStopStartup();
    void testClosingWelcomeEndsProgram();
    void testTemplateVanishedFromWelcome();
};

void TestStartup::testFirstRunShowsWelcome()
{
    UiFixture fixture;
    Program& program = fixture.start();
    MainWindow& main = program.mainWindow();

    QVERIFY(program.welcomeWindow().isVisible());
    QVERIFY(!main.isVisible());
    QCOMPARE(program.welcomeWindow().windowTitle(), QStringLiteral("Welcome!"));
    QVERIFY(IsCentred(program.welcomeWindow()));
    QVERIFY(QTest::qWaitForWindowExposed(&program.welcomeWindow()));
    QCOMPARE(ClippedLabels(program.welcomeWindow()), QStringList());

    // The hidden main window is ready: list filled, row 0 shown, nothing to save with yet.
    auto* list = main.findChild<QComboBox*>("cbxMissions");
    QCOMPARE(list->count(), 34);
    QCOMPARE(list->currentIndex(), 0);
    QVERIFY(!list->isEnabled());
    QVERIFY(!main.panel(MainWindow::SavePanel)->isEnabled());
    QCOMPARE(textOf(main, "lblSaveStatusDesc"), QStringLiteral("Not saved this session"));
    QCOMPARE(textOf(main, "lblCarDesc"), Details(0).Car);
    QCOMPARE(textOf(main, "lblTemplateDriverDesc"), QString());
    QCOMPARE(fixture.messages.shown, QList<ShownMessage>{});
}

void TestStartup::testWelcomeToFirstSave()
{
    UiFixture fixture;
    Program& program = fixture.start();
    MainWindow& main = program.mainWindow();
    fixture.openDialog.answer = QDir::fromNativeSeparators(fixture.saveFolder + "Alex.sav");

    QTest::mouseClick(program.welcomeWindow().findChild<QPushButton*>("cmdProceed"), Qt::LeftButton);

    QCOMPARE(fixture.openDialog.opened, 1);
    QCOMPARE(fixture.openDialog.lastTitle, QStringLiteral("Select Driver Savegame File"));
    QVERIFY(fixture.openDialog.lastFilter.startsWith("Driver Savegames (*.sav)"));
    QVERIFY(!program.welcomeWindow().isVisible());
    QVERIFY(main.isVisible());
    QVERIFY(IsCentred(main));
    QCOMPARE(textOf(main, "lblTemplateDriverDesc"), QStringLiteral("Alex.sav  [Never gets modified!]"));
    QCOMPARE(textOf(main, "lblFactoryDriverDesc"), QStringLiteral("AFactMS.sav  [Select mission for this driver]"));
    auto* list = main.findChild<QComboBox*>("cbxMissions");
    QVERIFY(list->isEnabled());
    QVERIFY(main.panel(MainWindow::SavePanel)->isEnabled());

    list->setCurrentIndex(6);
    QTest::mouseClick(main.panel(MainWindow::SavePanel), Qt::LeftButton);

    QCOMPARE(fixture.messages.shown, QList<ShownMessage>{});
    QCOMPARE(textOf(main, "lblSaveStatusDesc"), QStringLiteral("Saved [Mission #7] @ 9:41:07 PM"));
    QCOMPARE(ReadWholeFile(fixture.saveFolder + "AFactMS.sav"),
             WithBlock(fixture.alex, ExpectedAfterSave(BlockOf(fixture.alex), 6)));
    QCOMPARE(ReadWholeFile(fixture.saveFolder + "Alex.sav"), fixture.alex);
}

void TestStartup::testSecondRunSavesAtOnce()
{
    UiFixture fixture;
    fixture.start();
    fixture.openDialog.answer = QDir::fromNativeSeparators(fixture.saveFolder + "Alex.sav");
    fixture.program->mainWindow().mnuFile_SelectNewTemplateDriver_Click();

    Program& second = fixture.start();
    MainWindow& main = second.mainWindow();
    QVERIFY(main.isVisible());
    QVERIFY(!second.welcomeWindow().isVisible());
    QCOMPARE(textOf(main, "lblTemplateDriverDesc"), QStringLiteral("Alex.sav  [Never gets modified!]"));
    QCOMPARE(textOf(main, "lblFactoryDriverDesc"), QStringLiteral("AFactMS.sav  [Select mission for this driver]"));
    QCOMPARE(textOf(main, "lblSaveStatusDesc"), QStringLiteral("Not saved this session"));

    main.findChild<QComboBox*>("cbxMissions")->setCurrentIndex(0);
    QTest::mouseClick(main.panel(MainWindow::SavePanel), Qt::LeftButton);
    QCOMPARE(textOf(main, "lblSaveStatusDesc"), QStringLiteral("Saved [Mission #1] @ 9:41:07 PM"));
    QVERIFY(BlockOf(ReadWholeFile(fixture.saveFolder + "AFactMS.sav")) == MissionStatusTable{});
    QCOMPARE(fixture.openDialog.opened, 1);
}

void TestStartup::testMissingTemplateDoesNotStopStartup()
{
    UiFixture fixture;
    fixture.start();
    fixture.openDialog.answer = QDir::fromNativeSeparators(fixture.saveFolder + "Alex.sav");
    fixture.program->mainWindow().mnuFile_SelectNewTemplateDriver_Click();
    QVERIFY(QFile::remove(fixture.saveFolder + "Alex.sav"));

    // Neither start-up nor a save reads the template.
    MainWindow& main = fixture.start().mainWindow();
    QVERIFY(main.isVisible());
    main.findChild<QComboBox*>("cbxMissions")->setCurrentIndex(33);
    QTest::mouseClick(main.panel(MainWindow::SavePanel), Qt::LeftButton);
    QCOMPARE(fixture.messages.shown, QList<ShownMessage>{});
    QCOMPARE(ReadWholeFile(fixture.saveFolder + "AFactMS.sav"), fixture.alex);
}

void TestStartup::testClosingWelcomeEndsProgram()
{
    UiFixture fixture;
    Program& program = fixture.start();
    program.welcomeWindow().close();
    QCOMPARE(fixture.exit.endCount, 1);
    QCOMPARE(fixture.openDialog.opened, 0);
}

void TestStartup::testTemplateVanishedFromWelcome()
{
    UiFixture fixture;
    Program& program = fixture.start();
    fixture.openDialog.answer = QDir::fromNativeSeparators(fixture.saveFolder + "Gone.sav");
    QTest::mouseClick(program.welcomeWindow().findChild<QPushButton*>("cmdProceed"), Qt::LeftButton);

    QCOMPARE(fixture.messages.shown.size(), 2);
    QCOMPARE(fixture.messages.shown.last().title, QStringLiteral("Fatal Error!"));
    QCOMPARE(fixture.exit.endCount, 1);
    QVERIFY(!program.mainWindow().isVisible());
    QVERIFY(!QFileInfo::exists(MissionDataFilePath(fixture.programFolder)));
}

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
