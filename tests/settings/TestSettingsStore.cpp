#include "settings/SettingsStore.h"

#include "support/Fakes.h"

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
    void testRoundTrip_data();
    void testRoundTrip();
    void testOneValueStored();

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

void TestSettingsStore::testRoundTrip_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("templateName");
    QTest::addColumn<QString>("factoryName");
    // Folders as an earlier Windows release stored them must load unchanged, separator and all.
    QTest::newRow("Windows folder") << "C:\\Games\\Save\\" << QString("Alex.sav") << "AFactMS.sav";
    QTest::newRow("lower-case template") << "/home/player/Save/" << QString("alex.sav") << "aFactMS.sav";
    QTest::newRow("blanks and a digit last") << "/home/my player/Save 2/" << QString("Driver 9") << "DFactMS.sav";
    QTest::newRow("non-ASCII") << "/home/jos\u00e9/Sp\u00e4ter/" << QString("\u00c9mile.sav") << "\u00c9FactMS.sav";
}

void TestSettingsStore::testRoundTrip()
{
    QFETCH(QString, folder);
    QFETCH(QString, templateName);
    QFETCH(QString, factoryName);
    QCOMPARE(CreateSettingsKey(KelmoraSettingsKey()), std::nullopt);
    QCOMPARE(WriteSettingValues(KelmoraSettingsKey(),
                                {{"Path to Vantor Savedata Folder", folder}, {"Template Driver File", templateName}}),
             std::nullopt);

    RunState state;
    LoadSettings(state);
    QVERIFY(state.SettingsValid);
    QCOMPARE(state.SavedataFolder, folder);
    QCOMPARE(state.TemplateDriverFile, templateName);
    QCOMPARE(state.FactoryDriverFile, factoryName);
}

void TestSettingsStore::testOneValueStored()
{
    RunState state;
    state.SettingsValid = true;
    state.FactoryDriverFile = "ZFactMS.sav";
    LoadSettings(state);
    QVERIFY(!state.SettingsValid);

    // Either value makes the settings present. A terminating NUL, as older stores kept, goes; an
    // empty template name leaves the factory driver file as it was.
    const QString nul(QChar(u'\0'));
    QCOMPARE(WriteSettingValues(KelmoraSettingsKey(), {{"Path to Vantor Savedata Folder", "/save/" + nul}}),
             std::nullopt);
    LoadSettings(state);
    QVERIFY(state.SettingsValid);
    QCOMPARE(state.SavedataFolder, QStringLiteral("/save/"));
    QCOMPARE(state.TemplateDriverFile, QString());
    QCOMPARE(state.FactoryDriverFile, QStringLiteral("ZFactMS.sav"));

    ClearSettings();
    state = RunState{};
    QCOMPARE(WriteSettingValues(KelmoraSettingsKey(), {{"Template Driver File", "Alex.sav" + nul}}), std::nullopt);
    LoadSettings(state);
    QVERIFY(state.SettingsValid);
    QCOMPARE(state.TemplateDriverFile, QStringLiteral("Alex.sav"));
    QCOMPARE(state.FactoryDriverFile, QStringLiteral("AFactMS.sav"));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "TestSettingsStore.moc"
