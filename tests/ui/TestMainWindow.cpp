// The main window as the player uses it once a template is chosen.
#include "MainWindow.h"
#include "StatusPanel.h"

#include "UiFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QStatusBar>

using namespace kelmora;
using namespace kelmora::test;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void testMissionList();
    void testNewTemplateOrCancel();
    void testEveryWayOutEndsTheProgram();
    void testKeyboard();
    void testStatusBarPanels();
    void testLongTemplateNameStaysOnOneLine();
    void testAboutWindow();
    void testReadme();

private:
    QString text(const char* name) const { return TextOf(*m_main, name); }
    QStringList shownDetails() const
    {
        return {text("lblCarDesc"), text("lblLocationDesc"), text("lblMissionDesc"), text("lblGoalTimeDesc")};
    }
    QComboBox* list() const { return m_main->findChild<QComboBox*>("cbxMissions"); }
    void chooseTemplate(const QString& name)
    {
        m_fixture->answer(name);
        m_main->findChild<QAction*>("mnuFile_SelectNewTemplateDriver")->trigger();
    }
    void clickSave() { QTest::mouseClick(m_main->panel(MainWindow::SavePanel), Qt::LeftButton); }

    std::unique_ptr<UiFixture> m_fixture;
    MainWindow* m_main = nullptr;
};

void TestMainWindow::init()
{
    m_fixture.reset(); // the last test's windows go first
    m_fixture = std::make_unique<UiFixture>();
    m_main = &m_fixture->start().mainWindow();
}

void TestMainWindow::testMissionList()
{
    QCOMPARE(list()->count(), MISSION_COUNT);
    for (int row = 0; row < MISSION_COUNT; ++row)
        QCOMPARE(list()->itemText(row), ListText(row));
    QCOMPARE(list()->currentIndex(), 0);
    QCOMPARE(shownDetails(), (QStringList{Details(0).Car, Details(0).Location, Details(0).Mission, "00:27.00"}));

    // Picking a mission shows its details and writes nothing.
    chooseTemplate("Alex.sav");
    const QMap<QString, QByteArray> before = Snapshot(m_fixture->dir.path());
    for (const int row : {17, 33, 1}) {
        list()->setCurrentIndex(row);
        const MissionDetails details = Details(row);
        QCOMPARE(shownDetails(), (QStringList{details.Car, details.Location, details.Mission, details.GoalTime}));
    }
    QCOMPARE(Snapshot(m_fixture->dir.path()), before);
    QCOMPARE(text("lblSaveStatusDesc"), QStringLiteral("Not saved this session"));
}

void TestMainWindow::testNewTemplateOrCancel()
{
    chooseTemplate("Alex.sav");
    list()->setCurrentIndex(10);
    clickSave();
    const QString saved = QStringLiteral("Saved [Mission #11] @ 9:41:07 PM");
    QCOMPARE(text("lblSaveStatusDesc"), saved);

    // A new template keeps the chosen mission and the report of the last save.
    chooseTemplate("Bob.sav");
    QCOMPARE(list()->currentIndex(), 10);
    QCOMPARE(text("lblTemplateDriverDesc"), QStringLiteral("Bob.sav  [Never gets modified!]"));
    QCOMPARE(text("lblSaveStatusDesc"), saved);
    QVERIFY(!QFileInfo::exists(m_fixture->saveFolder + "AFactMS.sav"));
    QCOMPARE(m_fixture->file("BFactMS.sav"), m_fixture->bob);
    // The dialog opened in the folder of the last choice.
    QCOMPARE(QDir::toNativeSeparators(m_fixture->openDialog.lastFolder), m_fixture->saveFolder);

    // After a save, a cancelled dialog keeps everything.
    clickSave();
    const QMap<QString, QByteArray> before = Snapshot(m_fixture->dir.path());
    m_fixture->openDialog.answer.clear();
    m_main->findChild<QAction*>("mnuFile_SelectNewTemplateDriver")->trigger();
    QVERIFY(m_main->isVisible());
    QCOMPARE(m_fixture->messages.shown, QList<ShownMessage>{});
    QCOMPARE(Snapshot(m_fixture->dir.path()), before);
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
    list()->setCurrentIndex(12);
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main));

    // Tab runs from the list through the two panels that do something; Space presses one.
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_main->panel(MainWindow::SavePanel));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(text("lblSaveStatusDesc"), QStringLiteral("Saved [Mission #13] @ 9:41:07 PM"));
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
    for (int index = 1; index <= 3; ++index) {
        const StatusPanel* panel = m_main->panel(index);
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
    const auto* label = m_main->findChild<QLabel*>("lblTemplateDriverDesc");
    QCOMPARE(label->text(), longName + "  [Never gets modified!]");
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
    QCOMPARE(window->windowTitle(), QStringLiteral("About Kelmora"));
    QCOMPARE(TextOf(*window, "lblVersion"), QStringLiteral("Version 1.0.0"));

    // Opening it again shows the same window rather than a second one; Escape closes it for good.
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
