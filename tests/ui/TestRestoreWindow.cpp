// File, Restore Factory Driver: the backups listed, one put back, driven as a player would.
#include "MainWindow.h"
#include "RestoreWindow.h"
#include "StatusPanel.h"
#include "store/BackupFolder.h"

#include "UiFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

using namespace kelmora;
using namespace kelmora::test;

class TestRestoreWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void testMenuItem();
    void testRestoreFromTheKeyboard();
    void testNothingToRestore();
    void testAsksBeforeMixingDrivers();
    void testMainWindowShowsWhatWasRestored();

private:
    void chooseTemplate(const QString& name)
    {
        m_fixture->answer(name);
        m_main->findChild<QAction*>("mnuFile_SelectNewTemplateDriver")->trigger();
    }
    void saveMission(int number)
    {
        m_main->findChild<QComboBox*>("cbxMissions")->setCurrentIndex(number - 1);
        QTest::mouseClick(m_main->panel(MainWindow::SavePanel), Qt::LeftButton);
    }
    // Opens the dialog with Ctrl+R, as the player would.
    QDialog* openRestore();
    QTreeWidget* backups(QDialog* dialog) const { return dialog->findChild<QTreeWidget*>("lvwBackups"); }
    QStringList row(QDialog* dialog, int index) const
    {
        const QTreeWidgetItem* item = backups(dialog)->topLevelItem(index);
        return item ? QStringList{item->text(0), item->text(1), item->text(2), item->text(3)} : QStringList{};
    }
    // What the main window shows and knows, which a restore must leave alone.
    QStringList mainWindowState() const
    {
        const RunState& state = m_fixture->program->state();
        return {TextOf(*m_main, "lblTemplateDriverDesc"),
                TextOf(*m_main, "lblFactoryDriverDesc"),
                TextOf(*m_main, "lblSaveStatusDesc"),
                QString::number(m_main->findChild<QComboBox*>("cbxMissions")->currentIndex()),
                QString::number(m_main->SavePanelEnabled()),
                state.SavedataFolder + u'|' + state.TemplateDriverFile + u'|' + state.FactoryDriverFile,
                QString::fromLatin1(RecordsOf(state.MissionStatus).toHex())};
    }

    std::unique_ptr<UiFixture> m_fixture;
    MainWindow* m_main = nullptr;
};

void TestRestoreWindow::initTestCase()
{
    Q_INIT_RESOURCE(kelmora);
    // A locale whose date and time are easy to spell out: dd.MM.yy HH:mm:ss.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestRestoreWindow::cleanupTestCase()
{
    QLocale::setDefault(QLocale::c());
}

// The busy pointer never outlasts the store's work, nor stands over a message.
void TestRestoreWindow::cleanup()
{
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(m_fixture->messages.busyWhenShown, 0);
}

void TestRestoreWindow::init()
{
    m_fixture.reset();
    m_fixture = std::make_unique<UiFixture>();
    m_main = &m_fixture->start().mainWindow();
}

QDialog* TestRestoreWindow::openRestore()
{
    m_main->show();
    m_main->activateWindow();
    if (!QTest::qWaitForWindowActive(m_main))
        return nullptr;
    QTest::keyClick(m_main, Qt::Key_R, Qt::ControlModifier);
    auto* dialog = m_main->findChild<QDialog*>("frmRestore");
    // A dialog's window counts as active while its parent is: wait for the dialog itself.
    if (dialog && !QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }))
        return nullptr;
    return dialog;
}

void TestRestoreWindow::testMenuItem()
{
    QStringList items;
    for (const QAction* action : m_main->findChild<QMenu*>("mnuFile")->actions())
        items << action->objectName() + u' ' + action->text() + u' ' + action->shortcut().toString();
    QCOMPARE(items, QStringList({"mnuFile_SelectNewTemplateDriver &Select New Template Driver Ctrl+S",
                                 "mnuFile_FindSavegames &Find Savegames... Ctrl+F",
                                 "mnuFile_RestoreFactoryDriver &Restore Factory Driver... Ctrl+R",
                                 "mnuFile_Separator1  ", "mnuFile_Exit E&xit Ctrl+X"}));
}

void TestRestoreWindow::testRestoreFromTheKeyboard()
{
    chooseTemplate("Alex.sav");
    saveMission(5);
    QByteArray played = m_fixture->file("AFactMS.sav");
    played[MissionByteOffset(4, 1)] = 42;
    WriteWholeFile(m_fixture->saveFolder + "AFactMS.sav", played);
    saveMission(1);
    saveMission(9);
    m_fixture->messages.shown.clear();
    const QStringList before = mainWindowState();

    QDialog* dialog = openRestore();
    QVERIFY(dialog);
    QCOMPARE(QApplication::focusWidget(), backups(dialog));
    const QString folder = m_fixture->saveFolder.chopped(1);
    const QList<Backup> kept = BackupFolder(QDir(m_fixture->dir.path()).filePath("User/Backups")).List();
    QCOMPARE(kept.size(), 3);
    const auto timeOf = [](const Backup& backup) {
        return backup.time.toLocalTime().toString(QStringLiteral("dd.MM.yy HH:mm:ss"));
    };
    QCOMPARE(backups(dialog)->topLevelItemCount(), 3);
    QCOMPARE(row(dialog, 0), QStringList({timeOf(kept[0]), "AFactMS.sav", folder, "Mission 1"}));
    QCOMPARE(row(dialog, 1), QStringList({timeOf(kept[1]), "AFactMS.sav", folder, "played on since a save"}));
    QCOMPARE(row(dialog, 2), QStringList({timeOf(kept[2]), "AFactMS.sav", folder, "as the template"}));
    QCOMPARE(backups(dialog)->currentItem(), backups(dialog)->topLevelItem(0));

    // Down to the played-on file; Enter restores it.
    QTest::keyClick(backups(dialog), Qt::Key_Down);
    QTest::keyClick(backups(dialog), Qt::Key_Return);
    QCOMPARE(m_fixture->file("AFactMS.sav"), played);
    QCOMPARE(m_fixture->messages.shown, QList<ShownMessage>({{"Restored '" + m_fixture->saveFolder +
                                                                  "AFactMS.sav' as it was at " + timeOf(kept[1]),
                                                              "Restore Factory Driver", MessageIcon::Information}}));
    QCOMPARE(mainWindowState(), before);
    QCOMPARE(m_fixture->file("Alex.sav"), m_fixture->alex);

    // What it replaced is listed first now; the restored one stays chosen.
    QCOMPARE(backups(dialog)->topLevelItemCount(), 4);
    QCOMPARE(row(dialog, 0).last(), QStringLiteral("Mission 9"));
    QCOMPARE(backups(dialog)->currentItem(), backups(dialog)->topLevelItem(2));
    QCOMPARE(QApplication::focusWidget(), backups(dialog));

    // One gone since the list was shown (dropped as the oldest of a file, say) is named by its time,
    // the only thing of it the list showed, and leaves the list.
    m_fixture->messages.shown.clear();
    const QList<Backup> now = BackupFolder(QDir(m_fixture->dir.path()).filePath("User/Backups")).List();
    QVERIFY(QFile::remove(now.constLast().file));
    backups(dialog)->setCurrentItem(backups(dialog)->topLevelItem(3));
    QTest::keyClick(backups(dialog), Qt::Key_Return);
    QCOMPARE(m_fixture->messages.shown,
             QList<ShownMessage>({{"The backup taken at " + timeOf(now.constLast()) +
                                       " is no longer there. The list now shows the backups there are.",
                                   "Error! - Restore failed", MessageIcon::Exclamation}}));
    QCOMPARE(backups(dialog)->topLevelItemCount(), 3);
    QCOMPARE(m_fixture->file("AFactMS.sav"), played);

    // Tab goes to Restore, then Close; Escape closes from anywhere.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog->findChild<QPushButton*>("cmdRestore"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog->findChild<QPushButton*>("cmdClose"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!m_main->findChild<QDialog*>("frmRestore"));
    QCOMPARE(m_fixture->messages.shown.size(), 1);
    QCOMPARE(m_fixture->file("AFactMS.sav"), played);
}

void TestRestoreWindow::testNothingToRestore()
{
    chooseTemplate("Alex.sav");
    QDialog* dialog = openRestore();
    QVERIFY(dialog);
    QVERIFY(CentredOnItsScreen(*dialog));
    QCOMPARE(backups(dialog)->topLevelItemCount(), 0);
    QCOMPARE(TextOf(*dialog, "lblBackups"), QStringLiteral("No factory driver file has been backed up yet."));
    QVERIFY(!dialog->findChild<QPushButton*>("cmdRestore")->isEnabled());
    QTest::keyClick(backups(dialog), Qt::Key_Return);
    QCOMPARE(m_fixture->messages.shown, QList<ShownMessage>{});
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    QTRY_VERIFY(!m_main->findChild<QDialog*>("frmRestore"));
}

// Alex and Ann share AFactMS.sav: Alex's copy, put back while Ann is the template, would come out of
// the next save as Alex's driver with Ann's progress. The player decides, having been told.
void TestRestoreWindow::testAsksBeforeMixingDrivers()
{
    WriteWholeFile(m_fixture->saveFolder + "Ann.sav", MakeSavegame(9000, 53));
    chooseTemplate("Alex.sav");
    saveMission(5);
    chooseTemplate("Ann.sav");
    const QByteArray annCopy = m_fixture->file("AFactMS.sav");
    m_fixture->messages.shown.clear();
    QDialog* dialog = openRestore();
    QVERIFY(dialog);
    QCOMPARE(row(dialog, 0).last(), QStringLiteral("unknown")); // Alex's copy of mission 5

    for (const bool goOn : {false, true}) {
        m_fixture->messages.goOn = goOn;
        QTest::keyClick(backups(dialog), Qt::Key_Return);
        QCOMPARE(m_fixture->messages.asked, QStringList(goOn ? 2 : 1, "Restore it anyway?"));
        QCOMPARE(m_fixture->file("AFactMS.sav"), goOn ? SavedFrom(m_fixture->alex, 4) : annCopy);
    }
    QVERIFY(m_fixture->messages.shown.constFirst().text.startsWith("Restoring '" + m_fixture->saveFolder +
                                                                   "AFactMS.sav' puts back a savegame"));
    QCOMPARE(m_fixture->messages.shown.constLast().icon, MessageIcon::Information); // "Restored ..."
}

// The main window behind the dialog shows what the restored file holds at once: the list, the state
// after the save status and what a save gives. The last save's report stays as it was.
void TestRestoreWindow::testMainWindowShowsWhatWasRestored()
{
    chooseTemplate("Alex.sav");
    saveMission(12);
    saveMission(20);
    QDialog* dialog = openRestore();
    QVERIFY(dialog);
    QCOMPARE(row(dialog, 0).last(), QStringLiteral("Mission 12"));
    QTest::keyClick(backups(dialog), Qt::Key_Return);
    QCOMPARE(m_fixture->file("AFactMS.sav"), SavedFrom(m_fixture->alex, 11));

    QVERIFY(dialog->isVisible());
    QCOMPARE(m_main->findChild<QComboBox*>("cbxMissions")->currentIndex(), 11);
    QCOMPARE(TextOf(*m_main, "lblSaveStatusDesc"), QStringLiteral("Saved [Mission #20] @ 9:41:07 PM"));
    QCOMPARE(TextOf(*m_main, "lblFactoryStateDesc"), QStringLiteral(" \u00b7 set to #12"));
    QCOMPARE(TextOf(*m_main, "lblSaveEffectDesc"), QStringLiteral("Once saved, the game will offer mission 12 next"));
}

QTEST_MAIN(TestRestoreWindow)
#include "TestRestoreWindow.moc"
