#include "settings/SettingsStore.h"

#include "support/Fakes.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace kelmora;
using namespace kelmora::test;

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void testNoSettings();
    void testRoundTrip_data();
    void testRoundTrip();
    void testTerminatorDropped();
    void testOnlyTheFolderStored();

private:
    QTemporaryDir m_store;
};

void TestSettingsStore::initTestCase()
{
    QVERIFY(m_store.isValid());
    RedirectSettings(m_store.path());
}

void TestSettingsStore::init()
{
    ClearSettings();
}

void TestSettingsStore::testNoSettings()
{
    RunState state;
    state.SettingsValid = true;
    LoadSettings(state);
    QVERIFY(!state.SettingsValid);
    QVERIFY(state.SavedataFolder.isEmpty() && state.TemplateDriverFile.isEmpty() && state.FactoryDriverFile.isEmpty());
}

void TestSettingsStore::testRoundTrip_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("templateName");
    QTest::addColumn<QString>("factoryName");
    // Folders as an earlier Windows release stored them must load unchanged, separator and all.
    QTest::newRow("Windows folder") << "C:\\Games\\Save\\"
                                    << "Alex.sav"
                                    << "AFactMS.sav";
    QTest::newRow("lower-case template") << "/home/player/Save/"
                                         << "alex.sav"
                                         << "aFactMS.sav";
    QTest::newRow("blanks and a digit last") << "/home/my player/Save 2/"
                                             << "Driver 9"
                                             << "DFactMS.sav";
    QTest::newRow("non-ASCII") << "/home/jos\u00e9/Sp\u00e4ter/"
                               << "\u00c9mile.sav"
                               << "\u00c9FactMS.sav";
}

void TestSettingsStore::testRoundTrip()
{
    QFETCH(QString, folder);
    QFETCH(QString, templateName);
    QFETCH(QString, factoryName);
    CreateSettingsKey(KelmoraSettingsKey());
    WriteSettingValue(KelmoraSettingsKey(), "Path to Vantor Savedata Folder", folder);
    WriteSettingValue(KelmoraSettingsKey(), "Template Driver File", templateName);

    RunState state;
    LoadSettings(state);
    QVERIFY(state.SettingsValid);
    QCOMPARE(state.SavedataFolder, folder);
    QCOMPARE(state.TemplateDriverFile, templateName);
    QCOMPARE(state.FactoryDriverFile, factoryName);
}

void TestSettingsStore::testTerminatorDropped()
{
    WriteSettingValue(KelmoraSettingsKey(), "Path to Vantor Savedata Folder", QStringLiteral("/save/") + QChar(u'\0'));
    WriteSettingValue(KelmoraSettingsKey(), "Template Driver File", QStringLiteral("Alex.sav") + QChar(u'\0'));
    RunState state;
    LoadSettings(state);
    QCOMPARE(state.SavedataFolder, QStringLiteral("/save/"));
    QCOMPARE(state.TemplateDriverFile, QStringLiteral("Alex.sav"));
    QCOMPARE(state.FactoryDriverFile, QStringLiteral("AFactMS.sav"));
}

void TestSettingsStore::testOnlyTheFolderStored()
{
    WriteSettingValue(KelmoraSettingsKey(), "Path to Vantor Savedata Folder", "/save/");
    RunState state;
    state.FactoryDriverFile = "ZFactMS.sav";
    LoadSettings(state);
    // The store counts as present; an empty template name leaves the factory name as it was.
    QVERIFY(state.SettingsValid);
    QCOMPARE(state.SavedataFolder, QStringLiteral("/save/"));
    QCOMPARE(state.TemplateDriverFile, QString());
    QCOMPARE(state.FactoryDriverFile, QStringLiteral("ZFactMS.sav"));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "TestSettingsStore.moc"
