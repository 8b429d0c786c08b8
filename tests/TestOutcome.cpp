#include "Outcome.h"
#include "SystemServices.h"

#include "support/Fakes.h"

#include <QTest>
#include <QTime>

using namespace kelmora;
using namespace kelmora::test;

// The window and kelmora-cli word every problem through MessageFor: these are the program's own texts,
// titles and icons, which players and their scripts know.
class TestOutcome : public QObject
{
    Q_OBJECT

private slots:
    void testMessages_data();
    void testMessages();
    void testLongTimeFormat_data();
    void testLongTimeFormat();
};

void TestOutcome::testMessages_data()
{
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<ShownMessage>("expected");
    const QString path = QStringLiteral("/p/f"), why = QStringLiteral("Why");
    const QString error = QStringLiteral("Error!");
    const auto add = [](const char* name, const Problem& problem, const ShownMessage& expected) {
        QTest::newRow(name) << problem << expected;
    };
    add("data file read", {Failure::DataFileRead, path, why},
        {"Could not read from data file '/p/f' [Why]", error, MessageIcon::Exclamation});
    add("data file write", {Failure::DataFileWrite, path, why},
        {"Could not write to data file '/p/f' [Why]", error, MessageIcon::Exclamation});
    add("data folder", {Failure::DataFolderCreate, path, why},
        {"Could not create the program data folder '/p/f' [Why]", error, MessageIcon::Exclamation});
    add("save: data file unreadable", {Failure::SaveDataFileUnreadable, path, {}},
        {"Could not read in program data file '/p/f' properly", "Error! - Save failed", MessageIcon::Exclamation});
    add("selection rule", {Failure::SelectionRule, {}, {}},
        {"Could not successfully manipulate mission selection data array", "Error! - Save failed",
         MessageIcon::Exclamation});
    add("factory write", {Failure::FactoryWrite, path, why},
        {"Could not write to factory driver file '/p/f' [Why]", "Error! - Write failed", MessageIcon::Exclamation});
    add("template vanished", {Failure::TemplateVanished, path, {}},
        {"Could not find driver file at /p/f", "Fatal Error!", MessageIcon::Critical});
    add("template read", {Failure::TemplateRead, path, why},
        {"Could not read in template driver file [Why]", error, MessageIcon::Exclamation});
    add("template not found", {Failure::TemplateNotFound, path, {}},
        {"Could not find template driver file '/p/f'", error, MessageIcon::Exclamation});
    add("make factory", {Failure::MakeFactory, path, why},
        {"Could not make factory driver file from template driver file [Why]", error, MessageIcon::Exclamation});
    add("factory file as template", {Failure::FactoryTemplateRefused, {}, {}},
        {"You can't select the factory driver file as your template file!",
         "Error! - Select New Template Driver failed", MessageIcon::Information});
    // No settings at all (none stored, or emptied by hand): nothing named, no empty quotes.
    add("no template in the settings", {Failure::NoTemplate, {}, {}},
        {"The settings name no template driver. Choose a template driver first.", "Error! - Save failed",
         MessageIcon::Exclamation});
    add("settings read", {Failure::SettingsRead, path, why},
        {"Could not read the settings from '/p/f' [Why]", error, MessageIcon::Exclamation});
    add("settings write", {Failure::SettingsWrite, path, why},
        {"Could not store the settings in '/p/f' [Why]", error, MessageIcon::Exclamation});
    add("backup failed", {Failure::BackupFailed, path, why},
        {"Could not back up '/p/f' before changing it [Why]", error, MessageIcon::Exclamation});
    add("unknown backup", {Failure::BackupUnknown, "2026-x", {}},
        {"There is no backup '2026-x'", "Error! - Restore failed", MessageIcon::Exclamation});
    add("restore failed", {Failure::RestoreFailed, path, why},
        {"Could not restore '/p/f' [Why]", "Error! - Restore failed", MessageIcon::Exclamation});
    add("template changed elsewhere", {Failure::TemplateChanged, path, {}},
        {"The settings have named '/p/f' as the template driver since this Kelmora started; nothing was saved. "
         "Start Kelmora again to save for that template driver.",
         "Error! - Save failed", MessageIcon::Exclamation});
    add("data file of another template", {Failure::DataFileNotTheTemplates, path, why},
        {"Nothing was saved: the program data file '/p/f' does not hold the progress of the current template driver "
         "[Why]. Choose the template driver again to fix this.",
         "Error! - Save failed", MessageIcon::Exclamation});
    add("restore that would mix drivers", {Failure::RestoreMixesDrivers, path, why},
        {"Restoring '/p/f' puts back a savegame that saves may give another driver's progress [Why]. The next save "
         "would write the current template driver's progress into it.",
         "Restore Factory Driver", MessageIcon::Exclamation});
    add("backups unreadable", {Failure::BackupsUnreadable, path, why},
        {"Could not read the backups in '/p/f' [Why]", error, MessageIcon::Exclamation});
}

void TestOutcome::testMessages()
{
    QFETCH(Problem, problem);
    QFETCH(ShownMessage, expected);
    QCOMPARE(MessageFor(problem), expected);
}

void TestOutcome::testLongTimeFormat_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English (US)") << "en_US" << QStringLiteral("9:41:07 PM");
    QTest::newRow("German") << "de_DE" << QStringLiteral("21:41:07");
    // Some locales frame the zone: "H:mm:ss (t)", "HH:mm:ss, t", "Bh:mm:ss [t]".
    QTest::newRow("zone in brackets") << "ca_ES" << QStringLiteral("21:41:07");
    QTest::newRow("zone after a comma") << "be_BY" << QStringLiteral("21:41:07");
    QTest::newRow("zone in square brackets") << "zh_TW" << QLocale("zh_TW").toString(QTime(21, 41, 7), "Bh:mm:ss");
}

// The save status ends in the time as the player's locale writes it, without the zone it has no
// room for.
void TestOutcome::testLongTimeFormat()
{
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    const QLocale qlocale(locale);
    QVERIFY2(qlocale.timeFormat(QLocale::LongFormat).contains(u't'), "the test needs a format with a zone");
    QCOMPARE(qlocale.toString(QTime(21, 41, 7), LongTimeFormatWithoutZone(qlocale)), expected);
}

QTEST_GUILESS_MAIN(TestOutcome)
#include "TestOutcome.moc"
