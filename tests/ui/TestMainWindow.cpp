// The main window as the player uses it once a template is chosen.
#include "MainWindow.h"
#include "StatusPanel.h"

#include "UiFixture.h"
#include "settings/TemplateSelection.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QUrl>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {

QMimeData* SavegameDrag(const QStringList& paths)
{
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

// Sends a drag over the window and, when it is taken, drops it there. True when it was taken.
bool DragAndDrop(QWidget* window, const QStringList& paths)
{
    const std::unique_ptr<QMimeData> data(SavegameDrag(paths));
    const QPoint where = window->rect().center();
    QDragEnterEvent enter(where, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(where, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    drop.ignore();
    QApplication::sendEvent(window, &drop);
    return drop.isAccepted();
}

} // namespace

using namespace kelmora;
using namespace kelmora::test;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void testMissionList();
    void testNewTemplateOrCancel();
    void testEveryWayOutEndsTheProgram();
    void testKeyboard();
    void testStatusBarPanels();
    void testLongTemplateNameStaysOnOneLine();
    void testAboutWindow();
    void testReadme();
    void testViewerThatEndsWithAFailure();
    void testScreenReaders();
    void testFirstDialogAtHomeWithPrefixes();
    void testSidebarNames();
    void testDragAcceptsOneSavegame_data();
    void testDragAcceptsOneSavegame();
    void testDropGoesTheDialogsWay_data();
    void testDropGoesTheDialogsWay();
    void testTemplateChosenElsewhere();
    void testWhatASaveGivesTheGame();
    void testFollowsTheFile();

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

// The busy pointer never outlasts the store's work, nor stands over a message.
void TestMainWindow::cleanup()
{
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(m_fixture->messages.busyWhenShown, 0);
}

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

    // The desktop's usual keys work as well: F1 for help, Ctrl+Q to quit.
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    QTest::keyClick(m_main, Qt::Key_F1);
    QCOMPARE(m_fixture->messages.shown.size(), 2);
    QCOMPARE(m_fixture->messages.shown.last().text, QStringLiteral("Could not open 'Readme-KELMORA.TXT'"));
    QTest::keyClick(m_main, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(m_fixture->exit.endCount, 2);
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
    const QString longName = QString(30, u'L') + QString(30, u'R') + ".sav";
    WriteWholeFile(m_fixture->saveFolder + longName, m_fixture->alex);
    m_main->show();
    const QSize before = m_main->size();
    chooseTemplate(longName);
    // The name loses its middle, its note stays whole, and all of it fits inside the window.
    const auto* label = m_main->findChild<QLabel*>("lblTemplateDriverDesc");
    QVERIFY2(label->text().startsWith("LLLL") && label->text().contains(QChar(0x2026)) &&
                 label->text().endsWith("RRRR.sav  [Never gets modified!]"),
             qPrintable(label->text()));
    QVERIFY(label->mapTo(m_main, QPoint(label->fontMetrics().horizontalAdvance(label->text()), 0)).x() <=
            m_main->width());
    QVERIFY(label->width() >= label->sizeHint().width());
    QCOMPARE(m_main->size(), before);
    // The whole name and its folder are one hover, or one screen reader question, away.
    QCOMPARE(label->toolTip(), m_fixture->saveFolder + longName);
    QCOMPARE(label->accessibleName(), longName + "  [Never gets modified!]");
    const auto* factory = m_main->findChild<QLabel*>("lblFactoryDriverDesc");
    QCOMPARE(factory->text(), QStringLiteral("LFactMS.sav  [Select mission for this driver]"));
    QCOMPARE(factory->toolTip(), m_fixture->saveFolder + "LFactMS.sav");

    // A name that would turn its note around shows what it holds instead.
    const QString turning = QStringLiteral("Evil\u202Egnp.sav");
    WriteWholeFile(m_fixture->saveFolder + turning, m_fixture->alex);
    chooseTemplate(turning);
    QCOMPARE(label->text(), QStringLiteral("Evil\uFFFDgnp.sav  [Never gets modified!]"));
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
    // Its picture is the traffic light showing green.
    const auto* picture = window->findChild<QLabel*>("picIcon");
    QVERIFY(picture);
    QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(32, 32));
    QCOMPARE_LT(DifferenceFrom(picture->pixmap(), ":/icons/trafficlight-32.png"), 6.0);

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
    // The viewer found nothing to show it with, after it had started.
    m_fixture->launcher.fail("no program that shows text files was found");
    const ShownMessage nothingShown{"Could not open 'Readme-KELMORA.TXT' [no program that shows text files was found]",
                                    "Error - Viewing Aborted", MessageIcon::Exclamation};
    QCOMPARE(m_fixture->messages.shown.last(), nothingShown);

    m_fixture->launcher.succeeds = false;
    readme->trigger();
    const ShownMessage failed{"Could not execute '" + viewer.toUpper() + "'", "Error - Viewing Aborted",
                              MessageIcon::Exclamation};
    QCOMPARE(m_fixture->messages.shown.last(), failed);
}

// The real launcher: a viewer that starts and then ends with a failure is told of, in its own session.
void TestMainWindow::testViewerThatEndsWithAFailure()
{
    ProcessLauncher launcher;
    QObject context;
    QStringList reasons;
    const auto failed = [&reasons](const QString& reason) { reasons << reason; };
#ifdef Q_OS_WIN
    QVERIFY(launcher.Start("cmd.exe", "/c exit 3", &context, failed));
    QTRY_COMPARE(reasons, QStringList{"CMD.EXE ended with exit code 3"});
#else
    const QTemporaryDir folder;
    const QString viewer = folder.filePath("viewer");
    const QString session = folder.filePath("session");
    // Ends as xdg-open does when no program shows text files, or with the code it is given.
    WriteWholeFile(viewer, "#!/bin/sh\nawk '{ print $6 }' /proc/$$/stat >\"$(dirname \"$0\")/session\"\nexit $1\n");
    QVERIFY(QFile::setPermissions(viewer, QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY(launcher.Start(viewer, "3", &context, failed));
    QTRY_COMPARE(reasons, QStringList{"no program that shows text files was found"});
    QVERIFY(ReadWholeFile(session).trimmed().toLongLong() != ::getsid(0));
    QVERIFY(launcher.Start(viewer, "4", &context, failed));
    QTRY_COMPARE(reasons.size(), 2);
    QCOMPARE(reasons.last(), QStringLiteral("the program for text files failed to show it"));
    QVERIFY(launcher.Start(viewer, "7", &context, failed));
    QTRY_COMPARE(reasons.size(), 3);
    QCOMPARE(reasons.last(), viewer.toUpper() + " ended with exit code 7");
    // A viewer that shows the file and ends well is no failure.
    QVERIFY(QFile::remove(session));
    QVERIFY(launcher.Start(viewer, "0", &context, failed));
    QTRY_VERIFY(QFile::exists(session));
    QTest::qWait(200);
    QCOMPARE(reasons.size(), 3);
#endif
    QVERIFY(!launcher.Start(QDir::current().filePath("no-such-viewer"), "x", &context, failed));
}

void TestMainWindow::testScreenReaders()
{
    // Before a template, the save panel's press does nothing, as its click does.
    QAccessibleInterface* save = QAccessible::queryAccessibleInterface(m_main->panel(MainWindow::SavePanel));
    QVERIFY(save && save->actionInterface());
    save->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(text("lblSaveStatusDesc"), QStringLiteral("Not saved this session"));
    QCOMPARE(m_fixture->messages.shown, QList<ShownMessage>{});

    chooseTemplate("Alex.sav");
    list()->setCurrentIndex(4);
    save = QAccessible::queryAccessibleInterface(m_main->panel(MainWindow::SavePanel));
    QCOMPARE(save->role(), QAccessible::Button);
    QCOMPARE(save->text(QAccessible::Name), QStringLiteral("Save Factory Driver"));
    QVERIFY(save->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    save->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(text("lblSaveStatusDesc"), QStringLiteral("Saved [Mission #5] @ 9:41:07 PM"));
    QCOMPARE(m_fixture->file("AFactMS.sav"), SavedFrom(m_fixture->alex, 4));

    QAccessibleInterface* exitPanel = QAccessible::queryAccessibleInterface(m_main->panel(MainWindow::ExitPanel));
    QCOMPARE(exitPanel->role(), QAccessible::Button);
    QCOMPARE(exitPanel->text(QAccessible::Name), QStringLiteral("Exit"));
    exitPanel->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_fixture->exit.endCount, 1);

    // The clock is read, not pressed.
    QAccessibleInterface* clock = QAccessible::queryAccessibleInterface(m_main->panel(MainWindow::ClockPanel));
    QCOMPARE(clock->role(), QAccessible::StaticText);
    QCOMPARE(clock->text(QAccessible::Name), QStringLiteral("Time"));
    QVERIFY(!clock->actionInterface() ||
            !clock->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

    QAccessibleInterface* missions = QAccessible::queryAccessibleInterface(list());
    QCOMPARE(missions->role(), QAccessible::ComboBox);
    QCOMPARE(missions->text(QAccessible::Name), QStringLiteral("Select Mission"));
    QCOMPARE(missions->text(QAccessible::Value), ListText(4));

    // Each value is read with its caption.
    const QStringList captions{"Template Driver", "Factory Driver", "Save Status", "Car",
                               "Location",        "Mission",        "Goal Time"};
    for (const QString& caption : captions) {
        const QString name = "lbl" + QString(caption).remove(' ') + "Desc";
        QAccessibleInterface* value = QAccessible::queryAccessibleInterface(m_main->findChild<QLabel*>(name));
        QVERIFY2(value->text(QAccessible::Description).contains(caption), qPrintable(name));
        QCOMPARE(value->text(QAccessible::Name), text(qPrintable(name)));
    }
    // Nothing a screen reader can reach is nameless.
    for (QWidget* widget : m_main->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(m_main) || (widget->focusPolicy() == Qt::NoFocus && !qobject_cast<QLabel*>(widget)))
            continue;
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
        QVERIFY2(control && !control->text(QAccessible::Name).isEmpty(), qPrintable(widget->objectName()));
    }
}

void TestMainWindow::testFirstDialogAtHomeWithPrefixes()
{
#ifdef Q_OS_WIN
    QSKIP("Wine and Proton prefixes are found on Linux");
#else
    // A first run, started from a desktop menu in "/": the dialog starts at home, with the Wine
    // prefix in its side bar.
    QVERIFY(QDir(m_fixture->home).mkpath(".wine/drive_c"));
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent("/");
    m_main->mnuFile_SelectNewTemplateDriver_Click();
    QDir::setCurrent(oldCurrent);

    QCOMPARE(m_fixture->openDialog.lastFolder, m_fixture->home);
    const SavegamePlace wine{"Wine", m_fixture->home + "/.wine/drive_c", SavegamePlace::Kind::WindowsDrive};
    QCOMPARE(m_fixture->openDialog.lastSidebar, QList<SavegamePlace>{wine});
    QCOMPARE(m_fixture->openDialog.lastTitle, QStringLiteral("Select Driver Savegame File"));
    QCOMPARE(m_fixture->openDialog.lastFilter, QStringLiteral("Driver Savegames (*.sav);;All Files (*)"));
#endif
}

void TestMainWindow::testSidebarNames()
{
    // Qt's own dialog, as the open dialog shows it, without running it. It keeps its side bar from
    // run to run: an earlier run's prefix is still in it.
    QVERIFY(QDir(m_fixture->home).mkpath(".wine/drive_c"));
    QVERIFY(QDir(m_fixture->home).mkpath("steam/compatdata/2450/pfx/drive_c"));
    QVERIFY(QDir(m_fixture->home).mkpath("steam/compatdata/1001/pfx/drive_c"));
    QVERIFY(QDir(m_fixture->home).mkpath("Bookmarked"));
    QFileDialog dialog(nullptr, "Select Driver Savegame File", m_fixture->home);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QUrl bookmark = QUrl::fromLocalFile(m_fixture->home + "/Bookmarked");
    dialog.setSidebarUrls({QUrl::fromLocalFile(m_fixture->home), bookmark,
                           QUrl::fromLocalFile(m_fixture->home + "/steam/compatdata/1001/pfx/drive_c")});
    const QString proton = m_fixture->home + "/steam/compatdata/2450/pfx/drive_c";
    const QList<QUrl> kept =
        OfferPlaces(dialog, {{"Wine", m_fixture->home + "/.wine/drive_c", SavegamePlace::Kind::WindowsDrive},
                             {"Proton 2450 (Vantor)", proton, SavegamePlace::Kind::WindowsDrive},
                             {"Gone", m_fixture->home + "/gone/drive_c", SavegamePlace::Kind::WindowsDrive}});
    auto* sidebar = dialog.findChild<QListView*>("sidebar");
    QVERIFY(sidebar);
    const auto names = [sidebar] {
        QStringList shown;
        for (int row = 0; row < sidebar->model()->rowCount(); ++row)
            shown << sidebar->model()->index(row, 0).data().toString();
        return shown;
    };
    // The player's own places stay; a missing folder is left out; the others keep their folder as
    // the address.
    const QStringList expected{"home", "Bookmarked", "Wine", "Proton 2450 (Vantor)"};
    QCOMPARE(names(), expected);
    QCOMPARE(dialog.sidebarUrls().last(), QUrl::fromLocalFile(proton));
    QCOMPARE(kept, QList<QUrl>({QUrl::fromLocalFile(m_fixture->home), bookmark}));

    // The dialog's file system model puts the folder's own name back whenever it refreshes a row.
    auto* files = dialog.findChild<QFileSystemModel*>();
    QVERIFY(files);
    emit files->layoutChanged();
    QCOMPARE(names(), expected);

    // Wide enough for the names.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(sidebar->viewport()->width() >= sidebar->sizeHintForColumn(0));
}

void TestMainWindow::testDragAcceptsOneSavegame_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("taken");
    QTest::newRow("savegame") << QStringList{"Alex.sav"} << true;
    QTest::newRow("upper case") << QStringList{"CAROL.SAV"} << true;
    QTest::newRow("other kind of file") << QStringList{"notes.txt"} << false;
    QTest::newRow("folder named like one") << QStringList{"Folder.sav"} << false;
    QTest::newRow("gone") << QStringList{"Gone.sav"} << false;
    QTest::newRow("two at once") << QStringList{"Alex.sav", "Bob.sav"} << false;
}

void TestMainWindow::testDragAcceptsOneSavegame()
{
    QFETCH(QStringList, names);
    QFETCH(bool, taken);
    WriteWholeFile(m_fixture->saveFolder + "CAROL.SAV", m_fixture->alex);
    WriteWholeFile(m_fixture->saveFolder + "notes.txt", "notes");
    QVERIFY(QDir(m_fixture->saveFolder).mkdir("Folder.sav"));
    m_main->show();
    QStringList paths;
    for (const QString& name : names)
        paths << m_fixture->saveFolder + name;
    QCOMPARE(DragAndDrop(m_main, paths), taken);
    if (taken)
        QTRY_VERIFY(text("lblTemplateDriverDesc").startsWith(names.first() + "  "));
    QCOMPARE(m_fixture->openDialog.opened, 0);
}

void TestMainWindow::testDropGoesTheDialogsWay_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("template") << "Alex.sav" << QByteArray();
    QTest::newRow("named like a factory file") << "XFactMS.sav" << QByteArray();
    QTest::newRow("too short to read") << "Short.sav" << QByteArray("tiny");
}

void TestMainWindow::testDropGoesTheDialogsWay()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);

    // The same choice, once through the dialog and once dropped, in two separate runs.
    struct Outcome
    {
        QList<ShownMessage> shown;
        QStringList labels;
        QMap<QString, QByteArray> files;
        bool visible = false;
        bool taken = true;
    };
    const auto choose = [&](bool drop) {
        m_fixture.reset();
        m_fixture = std::make_unique<UiFixture>();
        m_main = &m_fixture->start().mainWindow();
        WriteWholeFile(m_fixture->saveFolder + name, content.isNull() ? m_fixture->alex : content);
        m_main->show();
        bool taken = true;
        if (drop) {
            // The choice runs once the drop is over: wait until it shows something.
            taken = DragAndDrop(m_main, {m_fixture->saveFolder + name}) && QTest::qWaitFor([&] {
                        return !m_fixture->messages.shown.isEmpty() ||
                               !text("lblTemplateDriverDesc").startsWith("None yet");
                    });
        } else {
            chooseTemplate(name);
        }
        // The record of which template the data file is for names this run's folders.
        QMap<QString, QByteArray> files = Snapshot(m_fixture->dir.path());
        for (QByteArray& bytes : files)
            bytes.replace(QDir::toNativeSeparators(m_fixture->dir.path()).toUtf8(), "<dir>");
        Outcome outcome{m_fixture->messages.shown,
                        {text("lblTemplateDriverDesc"), text("lblFactoryDriverDesc")},
                        files,
                        m_main->isVisible(),
                        taken};
        for (ShownMessage& message : outcome.shown)
            message.text.replace(m_fixture->dir.path(), "<dir>")
                .replace(QDir::toNativeSeparators(m_fixture->dir.path()), "<dir>");
        return outcome;
    };
    const Outcome picked = choose(false);
    const Outcome dropped = choose(true);
    QVERIFY(dropped.taken);
    QCOMPARE(dropped.shown, picked.shown);
    QCOMPARE(dropped.labels, picked.labels);
    QCOMPARE(dropped.files, picked.files);
    QCOMPARE(dropped.visible, picked.visible);
    QCOMPARE(m_fixture->openDialog.opened, 0);
    if (name == "XFactMS.sav") {
        const ShownMessage refusal{"You can't select the factory driver file as your template file!",
                                   "Error! - Select New Template Driver failed", MessageIcon::Information};
        QCOMPARE(dropped.shown, QList<ShownMessage>{refusal});
    }
}

// A second Kelmora, or kelmora-cli, chooses a template in another folder while this window is open:
// the program data file then holds that template's bytes, which must never go into this window's
// factory driver file.
void TestMainWindow::testTemplateChosenElsewhere()
{
    chooseTemplate("Alex.sav");
    const QString otherFolder = QDir(m_fixture->dir.path()).filePath("Other");
    QVERIFY(QDir().mkpath(otherFolder));
    const QString bob = QDir::toNativeSeparators(otherFolder + "/Bob.sav");
    WriteWholeFile(bob, m_fixture->bob);
    RunState other;
    const SelectionOutcome elsewhere = SelectNewTemplateDriver(
        other, SavegameStore({m_fixture->programFolder, QDir(m_fixture->dir.path()).filePath("User")}),
        {bob, "Bob.sav"});
    QCOMPARE(elsewhere.problems, Problems{});

    list()->setCurrentIndex(3);
    clickSave();
    QCOMPARE(m_fixture->file("AFactMS.sav"), m_fixture->alex);
    const ShownMessage refused{QStringLiteral("The settings have named '%1' as the template driver since this "
                                              "Kelmora started; nothing was saved. Start Kelmora again to save for "
                                              "that template driver.")
                                   .arg(bob),
                               "Error! - Save failed", MessageIcon::Exclamation};
    QCOMPARE(m_fixture->messages.shown, QList<ShownMessage>{refused});
    QVERIFY(!text("lblSaveStatusDesc").startsWith("Saved"));

    // Settings emptied since then name no template at all: no other run chose one.
    QSettings(QSettings::defaultFormat(), QSettings::UserScope, "Quorrick", "Kelmora").clear();
    m_fixture->messages.shown.clear();
    clickSave();
    QCOMPARE(m_fixture->file("AFactMS.sav"), m_fixture->alex);
    const ShownMessage none{"The settings name no template driver. Choose a template driver first.",
                            "Error! - Save failed", MessageIcon::Exclamation};
    QCOMPARE(m_fixture->messages.shown, QList<ShownMessage>{none});
}

// Below the details, one line says which mission the game will offer after a save of the selected
// one, from the template's bytes: the same line before and after the save.
void TestMainWindow::testWhatASaveGivesTheGame()
{
    const auto* line = m_main->findChild<QLabel*>("lblSaveEffectDesc");
    QVERIFY(!line->isVisibleTo(m_main)); // no template yet

    // A template whose progress reaches mission 6.
    MissionStatusTable block = BlockOf(m_fixture->alex);
    for (int mission = 5; mission < MISSION_COUNT; ++mission)
        block[mission].fill(0);
    WriteWholeFile(m_fixture->saveFolder + "Gina.sav", WithBlock(m_fixture->alex, block));
    list()->setCurrentIndex(2);
    chooseTemplate("Gina.sav");
    QCOMPARE(text("lblSaveEffectDesc"), QStringLiteral("Once saved, the game will offer mission 3 next"));
    QVERIFY(line->isVisibleTo(m_main));
    const QColor plain = line->palette().color(QPalette::WindowText);
    list()->setCurrentIndex(5);
    QCOMPARE(text("lblSaveEffectDesc"), QStringLiteral("Once saved, the game will offer mission 6 next"));
    list()->setCurrentIndex(19);
    const QString warning = "The template has not reached mission 20: once saved, the game will offer mission 6 next";
    QCOMPARE(text("lblSaveEffectDesc"), warning);
    QVERIFY(line->palette().color(QPalette::WindowText) != plain);
    QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<QLabel*>(line))->text(QAccessible::Name), warning);

    // The save does what it is asked and reports it as it always has; the line stays.
    clickSave();
    QCOMPARE(m_fixture->messages.shown, QList<ShownMessage>{});
    QCOMPARE(text("lblSaveStatusDesc"), QStringLiteral("Saved [Mission #20] @ 9:41:07 PM"));
    QCOMPARE(m_fixture->file("GFactMS.sav"), SavedFrom(WithBlock(m_fixture->alex, block), 19));
    // Its bytes are the template's own, which the status must not tell as a copy not saved into yet.
    QVERIFY(!m_main->findChild<QLabel*>("lblFactoryStateDesc")->isVisibleTo(m_main));
    QCOMPARE(text("lblSaveEffectDesc"), warning);
    QCOMPARE(list()->currentIndex(), 19);
    // The line fits in the window, its words wrapped rather than cut off.
    QVERIFY(line->geometry().bottom() < line->parentWidget()->height());
    QVERIFY(line->height() >= line->heightForWidth(line->width()));

    // A template with progress in every mission: the last mission clears nothing.
    chooseTemplate("Alex.sav");
    list()->setCurrentIndex(MISSION_COUNT - 1);
    QCOMPARE(
        text("lblSaveEffectDesc"),
        QStringLiteral("The template has progress in every mission: once saved, the game will offer no mission next"));
    list()->setCurrentIndex(MISSION_COUNT - 2);
    QCOMPARE(text("lblSaveEffectDesc"), QStringLiteral("Once saved, the game will offer mission 33 next"));

    // Nor from bytes that were read but are not this template's, which the line tells apart.
    const QString dataFile = m_fixture->programFolder + QDir::separator() + "kelmora.dat";
    QByteArray data = ReadWholeFile(dataFile);
    data[7] = char(data[7] ^ 1);
    WriteWholeFile(dataFile, data);
    clickSave();
    QCOMPARE(text("lblSaveEffectDesc"),
             QStringLiteral("What a save gives the game cannot be told: the program data file is not this template's"));
    QVERIFY2(line->toolTip().startsWith(dataFile + " ["), qPrintable(line->toolTip()));

    // Without the template's bytes nothing can be told, and the line says so.
    QVERIFY(QFile::remove(dataFile));
    clickSave();
    QCOMPARE(text("lblSaveEffectDesc"),
             QStringLiteral("What a save gives the game cannot be told: the program data file cannot be read"));
    QVERIFY(line->toolTip().startsWith("Could not read from data file '"));
}

// What the factory driver file holds is shown again whenever the window comes back to the front:
// another Kelmora, kelmora-cli or the game may have changed it.
void TestMainWindow::testFollowsTheFile()
{
    chooseTemplate("Alex.sav");
    list()->setCurrentIndex(11);
    clickSave();
    QWidget elsewhere;
    elsewhere.show();
    const auto comeBack = [&] {
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
    };
    m_main->show();
    comeBack();
    QCOMPARE(list()->currentIndex(), 11);
    QVERIFY(!m_main->findChild<QLabel*>("lblFactoryStateDesc")->isVisibleTo(m_main));

    // kelmora-cli saved mission 25 meanwhile: the list follows, the last save's report stays.
    const QString factory = m_fixture->saveFolder + "AFactMS.sav";
    WriteWholeFile(factory, SavedFrom(m_fixture->alex, 24));
    comeBack();
    QCOMPARE(list()->currentIndex(), 24);
    QCOMPARE(text("lblSaveStatusDesc"), QStringLiteral("Saved [Mission #12] @ 9:41:07 PM"));
    // In short, as the save report leaves no room for the whole.
    QCOMPARE(text("lblFactoryStateDesc"), QStringLiteral(" \u00b7 set to #25"));
    QCOMPARE(m_main->findChild<QLabel*>("lblFactoryStateDesc")->accessibleName(),
             QStringLiteral("The factory driver file is set to Mission #25"));
    QCOMPARE(text("lblSaveEffectDesc"), QStringLiteral("Once saved, the game will offer mission 25 next"));

    // A mission the player picks but has not saved stays while the file does not change.
    list()->setCurrentIndex(3);
    comeBack();
    QCOMPARE(list()->currentIndex(), 3);

    // The game played on: no mission to move to, and the window says what happened.
    QByteArray played = SavedFrom(m_fixture->alex, 24);
    played[MissionByteOffset(24, 0)] = 9;
    WriteWholeFile(factory, played);
    comeBack();
    QCOMPARE(list()->currentIndex(), 3);
    QCOMPARE(text("lblFactoryStateDesc"), QStringLiteral(" \u00b7 played on"));

    // Another Kelmora chose another template: the line says so rather than compare with its bytes.
    RunState other;
    QCOMPARE(SelectNewTemplateDriver(
                 other, SavegameStore({m_fixture->programFolder, QDir(m_fixture->dir.path()).filePath("User")}),
                 {m_fixture->saveFolder + "Bob.sav", "Bob.sav"})
                 .problems,
             Problems{});
    comeBack();
    QCOMPARE(text("lblSaveEffectDesc"),
             QStringLiteral("The settings now name Bob.sav as the template driver: start Kelmora again to save for "
                            "it"));
    QVERIFY(!m_main->findChild<QLabel*>("lblFactoryStateDesc")->isVisibleTo(m_main));
    // One of this window's template's name, in another folder, is told by its whole path.
    const QString otherAlex = QDir::toNativeSeparators(m_fixture->dir.path() + "/Other card/Alex.sav");
    QVERIFY(QDir().mkpath(QFileInfo(otherAlex).path()));
    WriteWholeFile(otherAlex, MakeSavegame(9000, 3));
    QCOMPARE(SelectNewTemplateDriver(
                 other, SavegameStore({m_fixture->programFolder, QDir(m_fixture->dir.path()).filePath("User")}),
                 {otherAlex, "Alex.sav"})
                 .problems,
             Problems{});
    comeBack();
    QCOMPARE(text("lblSaveEffectDesc"),
             "The settings now name " + otherAlex + " as the template driver: start Kelmora again to save for it");

    // Choosing a template here makes this window's the stored one again.
    chooseTemplate("Alex.sav");
    QCOMPARE(text("lblSaveEffectDesc"), QStringLiteral("Once saved, the game will offer mission 4 next"));

    // What a save would refuse, the line tells first: a factory driver file removed meanwhile, which
    // only a choice makes anew, and settings that name no template any more.
    QVERIFY(QFile::remove(m_fixture->saveFolder + "AFactMS.sav"));
    comeBack();
    QCOMPARE(text("lblSaveEffectDesc"),
             QStringLiteral("The factory driver file is gone: choose the template driver again to make a new copy"));
    {
        QSettings settings(QSettings::defaultFormat(), QSettings::UserScope, "Quorrick", "Kelmora");
        settings.clear();
    }
    comeBack();
    QCOMPARE(text("lblSaveEffectDesc"),
             QStringLiteral("The settings name no usable template driver now: choose the template driver again to "
                            "save"));
    // Nor does a folder edited by hand into a relative one, which is no other template to start again for.
    QSettings(QSettings::defaultFormat(), QSettings::UserScope, "Quorrick", "Kelmora")
        .setValue(SavedataFolderValue, "Save/");
    QSettings(QSettings::defaultFormat(), QSettings::UserScope, "Quorrick", "Kelmora")
        .setValue(TemplateDriverFileValue, "Alex.sav");
    comeBack();
    QVERIFY(text("lblSaveEffectDesc").startsWith("The settings name no usable template driver now"));
    chooseTemplate("Alex.sav");
    QCOMPARE(text("lblSaveEffectDesc"), QStringLiteral("Once saved, the game will offer mission 4 next"));

    // And another savegame of the folder copied over it, which a save would give Alex's progress.
    WriteWholeFile(factory, m_fixture->file("Bob.sav"));
    comeBack();
    QCOMPARE(text("lblSaveEffectDesc"),
             QStringLiteral("The factory driver file may be another driver's: choose the template driver again"));
    const QString bob = m_fixture->saveFolder + "Bob.sav";
    QVERIFY2(m_main->findChild<QLabel*>("lblSaveEffectDesc")->toolTip().contains("the same as '" + bob + "'"),
             qPrintable(m_main->findChild<QLabel*>("lblSaveEffectDesc")->toolTip()));
    m_fixture->messages.shown.clear();
    clickSave();
    QCOMPARE(m_fixture->file("AFactMS.sav"), m_fixture->file("Bob.sav"));
    QCOMPARE(m_fixture->messages.shown.size(), 1);
    QVERIFY(m_fixture->messages.shown.first().text.contains("the same as '" + bob + "'"));
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
