// The windows in every language the program speaks: each text whole and in its place, and the
// English ones as they have always been.
#include "AboutWindow.h"
#include "MainWindow.h"
#include "StatusPanel.h"
#include "WelcomeWindow.h"

#include "Translations.h"
#include "UiFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QTranslator>

using namespace kelmora;
using namespace kelmora::test;

namespace {

// The shown texts of a window that do not fit: a label or button narrower than its text, a
// word-wrapped label shorter than its lines, or either reaching out of the widget that holds it.
QStringList ClippedTexts(const QWidget& window)
{
    QStringList clipped;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        if ((!label || label->text().isEmpty()) && (!button || button->text().isEmpty()))
            continue;
        bool fits = true;
        if (label && label->wordWrap())
            fits = label->height() >= label->heightForWidth(label->width());
        else if (label)
            fits = label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width();
        else
            fits = button->sizeHint().width() <= button->width();
        if (!fits || !widget->parentWidget()->rect().contains(widget->geometry()))
            clipped << QStringLiteral("%1 \"%2\"").arg(widget->objectName(), label ? label->text() : button->text());
    }
    return clipped;
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void testEveryTextFits_data();
    void testEveryTextFits();
    void testEnglishLayoutUnchanged();

private:
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<QTranslator> m_qtTranslator;
    std::unique_ptr<UiFixture> m_fixture;
};

void TestLanguages::initTestCase()
{
    Q_INIT_RESOURCE(kelmora);
    QVERIFY(TranslatedLanguages().size() >= 6);
}

void TestLanguages::init()
{
    m_fixture = std::make_unique<UiFixture>();
}

void TestLanguages::cleanup()
{
    m_fixture.reset();
    for (auto* translator : {&m_translator, &m_qtTranslator}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

void TestLanguages::testEveryTextFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("en");
    for (const QString& language : TranslatedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void TestLanguages::testEveryTextFits()
{
    QFETCH(QString, language);
    if (language != QStringLiteral("en")) {
        m_translator = std::make_unique<QTranslator>();
        QVERIFY(LoadTranslation(*m_translator, {language}));
        QCoreApplication::installTranslator(m_translator.get());
        m_qtTranslator = std::make_unique<QTranslator>();
        if (LoadQtTranslation(*m_qtTranslator, language))
            QCoreApplication::installTranslator(m_qtTranslator.get());
    }

    // The first run's welcome.
    Program& program = m_fixture->start();
    WelcomeWindow& welcome = program.welcomeWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&welcome));
    QCOMPARE(ClippedTexts(welcome), QStringList());
    welcome.close();

    // The main window with a template, at each mission, before and after a save; the longest
    // name a template can have is cut short by design and is not asked for here.
    m_fixture->start();
    MainWindow& main = m_fixture->program->mainWindow();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    // Before it, the advice on choosing one is whole, never cut short as a long name is.
    QVERIFY2(!TextOf(main, "lblTemplateDriverDesc").contains(u'\u2026'),
             qPrintable(TextOf(main, "lblTemplateDriverDesc")));
    m_fixture->answer(QStringLiteral("Alex.sav"));
    main.findChild<QAction*>(QStringLiteral("mnuFile_SelectNewTemplateDriver"))->trigger();
    auto* missions = main.findChild<QComboBox*>(QStringLiteral("cbxMissions"));
    for (int mission = 0; mission < missions->count(); ++mission) {
        missions->setCurrentIndex(mission);
        QCOMPARE(ClippedTexts(main), QStringList());
    }
    for (int mission : {33, 11, 0}) {
        missions->setCurrentIndex(mission);
        main.sbrMain_PanelClick(MainWindow::SavePanel);
        QCOMPARE(ClippedTexts(main), QStringList());
    }
    // With room on both sides: the last letter never sits on the panel's frame.
    for (int panel : {int(MainWindow::SavePanel), int(MainWindow::ExitPanel)}) {
        const StatusPanel* shown = main.panel(panel);
        QVERIFY(shown->fontMetrics().horizontalAdvance(shown->text()) <=
                shown->contentsRect().width() - 2 * (shown->indent() + shown->margin()));
    }
    QCOMPARE(m_fixture->messages.shown, QList<ShownMessage>{});

    // Help, About.
    main.findChild<QAction*>(QStringLiteral("mnuHelp_about"))->trigger();
    auto* about = main.findChild<QDialog*>(QStringLiteral("frmAbout"));
    QVERIFY(about && QTest::qWaitForWindowExposed(about));
    QCOMPARE(ClippedTexts(*about), QStringList());
    about->close();

    // File, Find Savegames, with one in the Documents folder, which is named in the player's language.
    const QString documents = m_fixture->home + QStringLiteral("/Documents/Vantor/Ed.sav");
    QVERIFY(QDir().mkpath(QFileInfo(documents).path()));
    WriteWholeFile(documents, m_fixture->alex);
    main.findChild<QAction*>(QStringLiteral("mnuFile_FindSavegames"))->trigger();
    auto* find = main.findChild<QDialog*>(QStringLiteral("frmFindSavegames"));
    QVERIFY(find && QTest::qWaitForWindowExposed(find));
    const QMap<QString, QString> documentsName = {{"en", "Documents"},    {"de", "Dokumente"}, {"es", "Documentos"},
                                                  {"fr", "Documents"},    {"it", "Documenti"}, {"pl", "Dokumenty"},
                                                  {"pt_BR", "Documentos"}};
    QCOMPARE(TextOf(*find, "lblSearched").section(u' ', -1), documentsName.value(language) + u'.');
    QCOMPARE(ClippedTexts(*find), QStringList());
    find->close();

    // File, Restore Factory Driver, with the backups of the saves above.
    main.findChild<QAction*>(QStringLiteral("mnuFile_RestoreFactoryDriver"))->trigger();
    auto* restore = main.findChild<QDialog*>(QStringLiteral("frmRestore"));
    QVERIFY(restore && QTest::qWaitForWindowExposed(restore));
    QCOMPARE(ClippedTexts(*restore), QStringList());
    restore->close();
}

void TestLanguages::testEnglishLayoutUnchanged()
{
    // Room is made for longer translations only: in English every place is where the form puts it.
    m_fixture->start();
    MainWindow& main = m_fixture->program->mainWindow();
    const QWidget* form = main.findChild<QWidget*>(QStringLiteral("centralWidget"));
    QCOMPARE(form->size(), QSize(451, 244));
    const QStringList names = {"lblTemplateDriver", "lblTemplateDriverDesc", "lblSelectMission", "cbxMissions",
                               "lblMissionDesc",    "lblGoalTime",           "lblSaveEffectDesc"};
    const QList<QRect> places = {{0, 8, 113, 17},     {120, 8, 331, 17}, {0, 80, 113, 17},   {120, 78, 225, 22},
                                 {120, 160, 331, 17}, {0, 184, 113, 17}, {120, 212, 323, 32}};
    for (int i = 0; i < names.size(); ++i) {
        const QWidget* widget = form->findChild<QWidget*>(names.at(i));
        QVERIFY2(widget, qPrintable(names.at(i)));
        QCOMPARE(widget->geometry(), places.at(i));
    }
}

QTEST_MAIN(TestLanguages)
#include "TestLanguages.moc"
