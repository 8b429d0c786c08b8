// The main window as the player uses it once a template is chosen.
#include "MainWindow.h"
#include "StatusPanel.h"
#include "mission/MissionDataFile.h"

#include "UiFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

using namespace kelmora;
using namespace kelmora::test;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void testMissionList();
    void testDetailsFollowTheSelection();
    void testDisabledSavePanelDoesNothing();
    void testSaveFromTheKeyboard();
    void testSelectionSurvivesNewTemplate();
    void testCancelledDialogKeepsEverything();
    void testEveryWayOutEndsTheProgram();
    void testKeyboard();
    void testStatusBarPanels();
    void testLongTemplateNameStaysOnOneLine();
    void testAboutWindow();
    void testReadme();

private:
    QString text(const char* name) const { return m_main->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    QComboBox* list() const { return m_main->findChild<QComboBox*>("cbxMissions"); }
    void chooseTemplate(const QString& name);

    std::unique_ptr<UiFixture> m_fixture;
    MainWindow* m_main = nullptr;
};

void TestMainWindow::init()
{
    m_fixture = std::make_unique<UiFixture>();
    m_main = &m_fixture->start().mainWindow();
}

void TestMainWindow::cleanup()
{
    m_main = nullptr;
    m_fixture.reset();
}

void TestMainWindow::chooseTemplate(const QString& name)
{
    m_fixture->openDialog.answer = QDir::fromNativeSeparators(m_fixture->saveFolder + name);
    m_main->findChild<QAction*>("mnuFile_SelectNewTemplateDriver")->trigger();
}

void TestMainWindow::testMissionList()
{
    QCOMPARE(list()->count(), MISSION_COUNT);
    for (int row = 0; row < MISSION_COUNT; ++row)
        QCOMPARE(list()->itemText(row), ListText(row));
    QCOMPARE(list()->itemText(33), QStringLiteral("Factory Driver  34"));
    QCOMPARE(list()->currentIndex(), 0);
    QCOMPARE(text("lblCarDesc"), Details(0).Car);
    QCOMPARE(text("lblLocationDesc"), Details(0).Location);
    QCOMPARE(text("lblMissionDesc"), Details(0).Mission);
    QCOMPARE(text("lblGoalTimeDesc"), QStringLiteral("00:27.00"));
}

void TestMainWindow::testDetailsFollowTheSelection()
{
    chooseTemplate("Alex.sav");
    const QByteArray dataFile = ReadWholeFile(MissionDataFilePath(m_fixture->programFolder));
    for (const int row : {17, 24, 33, 1}) {
        list()->setCurrentIndex(row);
        QCOMPARE(text("lblCarDesc"), Details(row).Car);
        QCOMPARE(text("lblLocationDesc"), Details(row).Location);
        QCOMPARE(text("lblMissionDesc"), Details(row).Mission);
        QCOMPARE(text("lblGoalTimeDesc"), Details(row).GoalTime);
    }
    // Picking is not saving.
    QCOMPARE(ReadWholeFile(m_fixture->saveFolder + "AFactMS.sav"), m_fixture->alex);
    QCOMPARE(ReadWholeFile(MissionDataFilePath(m_fixture->programFolder)), dataFile);
    QCOMPARE(text("lblSaveStatusDesc"), QStringLiteral("Not saved this session"));
}

void TestMainWindow::testDisabledSavePanelDoesNothing()
{
    m_main->show();
    QTest::mouseClick(m_main->panel(MainWindow::SavePanel), Qt::LeftButton);
    m_main->sbrMain_PanelClick(MainWindow::SavePanel);
    m_main->sbrMain_PanelClick(MainWindow::ClockPanel);
    QCOMPARE(m_fixture->messages.shown, QList<ShownMessage>{});
    QCOMPARE(text("lblSaveStatusDesc"), QStringLiteral("Not saved this session"));
    QCOMPARE(m_fixture->exit.endCount, 0);
}

void TestMainWindow::testSaveFromTheKeyboard()
{
    chooseTemplate("Alex.sav");
    list()->setCurrentIndex(12);
    StatusPanel* save = m_main->panel(MainWindow::SavePanel);
    QVERIFY(save->focusPolicy() & Qt::TabFocus);
    save->setFocus();
    QTest::keyClick(save, Qt::Key_Space);
    QCOMPARE(text("lblSaveStatusDesc"), QStringLiteral("Saved [Mission #13] @ 9:41:07 PM"));
    QCOMPARE(ReadWholeFile(m_fixture->saveFolder + "AFactMS.sav"),
             WithBlock(m_fixture->alex, ExpectedAfterSave(BlockOf(m_fixture->alex), 12)));
}

void TestMainWindow::testSelectionSurvivesNewTemplate()
{
    chooseTemplate("Alex.sav");
    list()->setCurrentIndex(10);
    QTest::mouseClick(m_main->panel(MainWindow::SavePanel), Qt::LeftButton);
    const QString status = text("lblSaveStatusDesc");

    chooseTemplate("Bob.sav");
    QCOMPARE(list()->currentIndex(), 10);
    QCOMPARE(text("lblCarDesc"), Details(10).Car);
    QCOMPARE(text("lblTemplateDriverDesc"), QStringLiteral("Bob.sav  [Never gets modified!]"));
    QCOMPARE(text("lblSaveStatusDesc"), status);
    QVERIFY(!QFileInfo::exists(m_fixture->saveFolder + "AFactMS.sav"));
    QCOMPARE(ReadWholeFile(m_fixture->saveFolder + "BFactMS.sav"), m_fixture->bob);
    // The dialog opened in the folder of the last choice.
    QCOMPARE(QDir::toNativeSeparators(m_fixture->openDialog.lastFolder), m_fixture->saveFolder);
}

void TestMainWindow::testCancelledDialogKeepsEverything()
{
    chooseTemplate("Alex.sav");
    list()->setCurrentIndex(3);
    QTest::mouseClick(m_main->panel(MainWindow::SavePanel), Qt::LeftButton);
    const QByteArray saved = ReadWholeFile(m_fixture->saveFolder + "AFactMS.sav");

    m_fixture->openDialog.answer.clear();
    m_main->findChild<QAction*>("mnuFile_SelectNewTemplateDriver")->trigger();
    QVERIFY(m_main->isVisible());
    QCOMPARE(m_fixture->messages.shown, QList<ShownMessage>{});
    QCOMPARE(ReadWholeFile(m_fixture->saveFolder + "AFactMS.sav"), saved);
}

void TestMainWindow::testEveryWayOutEndsTheProgram()
{
    m_main->show();
    m_main->findChild<QAction*>("mnuFile_Exit")->trigger();
    QCOMPARE(m_fixture->exit.endCount, 1);

    m_main->show();
    QTest::mouseClick(m_main->panel(MainWindow::ExitPanel), Qt::LeftButton);
    QCOMPARE(m_fixture->exit.endCount, 2);

    m_main->show();
    m_main->close();
    QCOMPARE(m_fixture->exit.endCount, 3);
}

void TestMainWindow::testKeyboard()
{
    chooseTemplate("Alex.sav");
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main));

    // Tab runs from the list through the two panels that do something.
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_main->panel(MainWindow::SavePanel));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_main->panel(MainWindow::ExitPanel));

    QTest::keyClick(m_main, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_fixture->openDialog.opened, 2);
    QTest::keyClick(m_main, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_fixture->messages.shown.size(), 1);
    QCOMPARE(m_fixture->messages.shown.last().text, QStringLiteral("Could not open 'Readme-KELMORA.TXT'"));
    QTest::keyClick(m_main, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(m_main->findChild<QDialog*>("frmAbout"));
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    QTest::keyClick(m_main, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(m_fixture->exit.endCount, 1);
}

void TestMainWindow::testStatusBarPanels()
{
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    const QStringList tips = {"Save Factory Driver File", "Exit Program", "Time"};
    for (int index = 1; index <= 3; ++index) {
        StatusPanel* panel = m_main->panel(index);
        QCOMPARE(panel->toolTip(), tips[index - 1]);
        QVERIFY(panel->width() >= 96);
        QVERIFY2(panel->width() >= panel->sizeHint().width(), "panel text clipped");
    }
    QVERIFY(!m_main->panel(MainWindow::ClockPanel)->text().isEmpty());
    // In order, left to right, ending 9 pixels short of the window's right edge.
    const auto rightEdge = [this](int index) {
        StatusPanel* panel = m_main->panel(index);
        return panel->mapTo(m_main, QPoint(panel->width(), 0)).x();
    };
    QVERIFY(rightEdge(1) < rightEdge(2) && rightEdge(2) < rightEdge(3));
    QCOMPARE(m_main->width() - rightEdge(3), 9);
}

void TestMainWindow::testLongTemplateNameStaysOnOneLine()
{
    const QString longName = QString(60, u'L') + ".sav";
    WriteWholeFile(m_fixture->saveFolder + longName, m_fixture->alex);
    m_main->show();
    const QSize before = m_main->size();
    chooseTemplate(longName);
    auto* label = m_main->findChild<QLabel*>("lblTemplateDriverDesc");
    QCOMPARE(label->text(), longName + "  [Never gets modified!]");
    QVERIFY(!label->wordWrap());
    QVERIFY(label->width() >= label->sizeHint().width());
    QCOMPARE(m_main->size(), before);
}

void TestMainWindow::testAboutWindow()
{
    m_main->show();
    QAction* about = m_main->findChild<QAction*>("mnuHelp_about");
    about->trigger();
    auto* window = m_main->findChild<QDialog*>("frmAbout");
    QVERIFY(window && window->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(ClippedLabels(*window), QStringList());
    QVERIFY(!window->isModal());
    QCOMPARE(window->windowTitle(), QStringLiteral("About Kelmora"));
    QCOMPARE(window->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 1.0.0"));
    QVERIFY(window->findChild<QLabel*>("lblTitle")->text().contains("Kelmora"));
    QVERIFY(window->findChild<QPushButton*>("cmdOK")->isDefault());

    // Opening it again shows the same window rather than a second one.
    about->trigger();
    QCOMPARE(m_main->findChildren<QDialog*>("frmAbout").size(), 1);

    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(m_main->findChild<QDialog*>("frmAbout") == nullptr);
}

void TestMainWindow::testReadme()
{
    QAction* readme = m_main->findChild<QAction*>("mnuHelp_ViewReadme");
    const ShownMessage missing{"Could not open 'Readme-KELMORA.TXT'", "Error - Viewing Aborted",
                               MessageIcon::Exclamation};
    readme->trigger();
    QCOMPARE(m_fixture->messages.shown, QList<ShownMessage>{missing});
    QVERIFY(m_fixture->launcher.started.isEmpty());

    // The folder's blank stays inside the one argument the viewer gets.
    const QString path = m_fixture->programFolder + QDir::separator() + "Readme-KELMORA.TXT";
    WriteWholeFile(path, "Read me");
    readme->trigger();
#ifdef Q_OS_WIN
    const QString viewer = "notepad.exe";
#else
    const QString viewer = "xdg-open";
#endif
    QCOMPARE(m_fixture->launcher.started, QStringList{viewer + u'|' + path});
    QCOMPARE(m_fixture->messages.shown.size(), 1);

    m_fixture->launcher.succeeds = false;
    readme->trigger();
    const ShownMessage failed{"Could not execute '" + viewer.toUpper() + "'", "Error - Viewing Aborted",
                              MessageIcon::Exclamation};
    QCOMPARE(m_fixture->messages.shown.last(), failed);
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
