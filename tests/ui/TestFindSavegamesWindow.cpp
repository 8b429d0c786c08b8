// File, Find Savegames: the savegames of a made-up home folder listed, one chosen, as a player would.
#include "FindSavegamesWindow.h"
#include "MainWindow.h"

#include "UiFixture.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

using namespace kelmora;
using namespace kelmora::test;

class TestFindSavegamesWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void testChooseFromTheKeyboard();
    void testNothingFound();
    void testLongNameKeepsTheColumnsInSight();

private:
    // Opens the window with Ctrl+F, as the player would.
    QDialog* openFind()
    {
        m_main->show();
        m_main->activateWindow();
        if (!QTest::qWaitForWindowActive(m_main))
            return nullptr;
        QTest::keyClick(m_main, Qt::Key_F, Qt::ControlModifier);
        auto* dialog = m_main->findChild<QDialog*>("frmFindSavegames");
        if (dialog && !QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }))
            return nullptr;
        return dialog;
    }
    QTreeWidget* list(QDialog* dialog) const { return dialog->findChild<QTreeWidget*>("lvwSavegames"); }
    QStringList row(QDialog* dialog, int index) const
    {
        const QTreeWidgetItem* item = list(dialog)->topLevelItem(index);
        return item ? QStringList{item->text(0), item->text(1), item->text(2), item->text(3)} : QStringList{};
    }
    // A savegame below the home folder whose progress reaches mission `reached`, `minutesAgo` old.
    QString put(const QString& relative, int reached, int minutesAgo)
    {
        MissionStatusTable block = BlockOf(m_fixture->alex);
        for (int mission = reached - 1; mission < MISSION_COUNT; ++mission)
            block[mission].fill(0);
        const QString path = m_fixture->home + u'/' + relative;
        QDir().mkpath(QFileInfo(path).path());
        WriteWholeFile(path, WithBlock(m_fixture->alex, block));
        QFile file(path);
        if (file.open(QIODevice::ReadWrite))
            file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutesAgo), QFileDevice::FileModificationTime);
        return path;
    }

    std::unique_ptr<UiFixture> m_fixture;
    MainWindow* m_main = nullptr;
};

void TestFindSavegamesWindow::init()
{
    m_fixture.reset();
    m_fixture = std::make_unique<UiFixture>();
    m_main = &m_fixture->start().mainWindow();
}

void TestFindSavegamesWindow::testChooseFromTheKeyboard()
{
    const QString steam = ".local/share/Steam/steamapps/";
    put(steam + "compatdata/2450/pfx/drive_c/users/steamuser/Documents/Vantor/Save/Dora.sav", 9, 5);
    // The game's name, from the prefix's own file, with a tab that must not open a gap.
    WriteWholeFile(m_fixture->home + u'/' + steam + "appmanifest_2450.acf",
                   R"("AppState" { "name" "Vantor\tGOTY" "installdir" "Vantor" })");
    const QString ed = put("Documents/Vantor/Ed.sav", 21, 60);

    QDialog* dialog = openFind();
    QVERIFY(dialog);
    QCOMPARE(QApplication::focusWidget(), list(dialog));
    QCOMPARE(list(dialog)->topLevelItemCount(), 2);
    QCOMPARE(row(dialog, 0), QStringList({"Dora.sav", "has reached mission 9", "Proton 2450 (Vantor\uFFFDGOTY)",
                                          "C:\\users\\steamuser\\Documents\\Vantor\\Save"}));
    QCOMPARE(row(dialog, 1), QStringList({"Ed.sav", "has reached mission 21", "Documents", "Vantor"}));
    QCOMPARE(TextOf(*dialog, "lblSearched"), QStringLiteral("Looked in: Documents, Proton 2450 (Vantor\uFFFDGOTY)."));

    // Down to the older one; Enter makes it the template, just as the open dialog would.
    QTest::keyClick(list(dialog), Qt::Key_Down);
    QTest::keyClick(list(dialog), Qt::Key_Return);
    QTRY_VERIFY(!m_main->findChild<QDialog*>("frmFindSavegames"));
    QCOMPARE(m_fixture->messages.shown, QList<ShownMessage>{});
    QCOMPARE(TextOf(*m_main, "lblTemplateDriverDesc"), QStringLiteral("Ed.sav  [Never gets modified!]"));
    QCOMPARE(ReadWholeFile(QFileInfo(ed).path() + "/EFactMS.sav"), ReadWholeFile(ed));
    QVERIFY(m_main->SavePanelEnabled());
    QCOMPARE(TextOf(*m_main, "lblSaveEffectDesc"), QStringLiteral("Once saved, the game will offer mission 1 next"));
    QCOMPARE(m_fixture->openDialog.opened, 0);

    // One gone since the list was made is refused, and the program goes on with the template it had.
    dialog = openFind();
    QVERIFY(dialog);
    const QString dora = QDir::toNativeSeparators(list(dialog)->topLevelItem(0)->toolTip(0));
    QVERIFY(QFile::remove(dora));
    QTest::keyClick(list(dialog), Qt::Key_Return);
    QTRY_VERIFY(!m_main->findChild<QDialog*>("frmFindSavegames"));
    QCOMPARE(m_fixture->messages.shown, QList<ShownMessage>({{"Could not find template driver file '" + dora + "'",
                                                              "Error!", MessageIcon::Exclamation}}));
    QCOMPARE(m_fixture->exit.endCount, 0);
    QCOMPARE(TextOf(*m_main, "lblTemplateDriverDesc"), QStringLiteral("Ed.sav  [Never gets modified!]"));
}

void TestFindSavegamesWindow::testNothingFound()
{
    // The menu item sits with the other ways to a template.
    QStringList items;
    for (const QAction* action : m_main->findChild<QMenu*>("mnuFile")->actions())
        items << action->objectName();
    QCOMPARE(items.indexOf("mnuFile_FindSavegames"), items.indexOf("mnuFile_SelectNewTemplateDriver") + 1);

    QDialog* dialog = openFind();
    QVERIFY(dialog);
    QVERIFY(CentredOnItsScreen(*dialog));
    QCOMPARE(list(dialog)->topLevelItemCount(), 0);
    QCOMPARE(TextOf(*dialog, "lblSavegames"),
             QStringLiteral("No driver savegame was found. Choose one with File, Select New Template Driver."));
    QCOMPARE(TextOf(*dialog, "lblSearched"), QStringLiteral("None of the places where savegames live was found."));
    QVERIFY(!dialog->findChild<QPushButton*>("cmdChoose")->isEnabled());
    QTest::keyClick(list(dialog), Qt::Key_Return);
    QCOMPARE(m_fixture->messages.shown, QList<ShownMessage>{});
    QTest::keyClick(list(dialog), Qt::Key_Escape);
    QTRY_VERIFY(!m_main->findChild<QDialog*>("frmFindSavegames"));
    QCOMPARE(TextOf(*m_main, "lblTemplateDriverDesc"),
             QStringLiteral("None yet: choose File, Select New Template Driver"));
}

void TestFindSavegamesWindow::testLongNameKeepsTheColumnsInSight()
{
    put("Documents/Vantor/" + QString(200, u'N') + ".sav", 9, 5);
    QDialog* dialog = openFind();
    QVERIFY(dialog);
    const QHeaderView* header = list(dialog)->header();
    const int last = header->count() - 1;
    QVERIFY2(header->sectionViewportPosition(last) + header->sectionSize(last) <= list(dialog)->viewport()->width(),
             qPrintable(QString::number(header->sectionSize(0))));
    QVERIFY(row(dialog, 0).constFirst().startsWith("NNNN"));
}

QTEST_MAIN(TestFindSavegamesWindow)
#include "TestFindSavegamesWindow.moc"
