#include "settings/SettingsStore.h"
#include "store/FileSystem.h"

#include "support/Fakes.h"
#include "support/Savegames.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

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
    void testStoreThatIsNoFile_data();
    void testStoreThatIsNoFile();
    void testReadAgainEachTime();
    void testFailedWriteForgotten();

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

void TestSettingsStore::testStoreThatIsNoFile_data()
{
    QTest::addColumn<QString>("file"); // below the store: the key's own file or the organization's
    QTest::addColumn<bool>("fifo");
#ifdef Q_OS_UNIX
    QTest::newRow("the key's file a FIFO") << "Quorrick/Kelmora.ini" << true;
    QTest::newRow("the organization's file a FIFO") << "Quorrick.ini" << true;
#endif
    QTest::newRow("the key's file a folder") << "Quorrick/Kelmora.ini" << false;
}

void TestSettingsStore::testStoreThatIsNoFile()
{
    QFETCH(QString, file);
    QFETCH(bool, fifo);
    // Reading a FIFO would wait for a writer for ever: refused at once instead, both ways.
    const QString path = m_store.filePath(file);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile::remove(path);
#ifdef Q_OS_UNIX
    if (fifo)
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
#endif
        QVERIFY(QDir().mkdir(path));
    const auto cleanup = qScopeGuard([&] { fifo ? QFile::remove(path) : QDir().rmdir(path); });

    RunState state;
    const std::optional<Problem> read = LoadSettings(state);
    QVERIFY(read);
    QCOMPARE(read->failure, Failure::SettingsRead);
    QCOMPARE(read->reason, fifo ? QStringLiteral("It is not a regular file") : QStringLiteral("Is a directory"));
    QVERIFY(!state.SettingsValid);
    for (const std::optional<Problem>& written :
         {CheckSettingsWritable(KelmoraSettingsKey()), WriteSettingValues(KelmoraSettingsKey(), {{"a", "b"}})}) {
        QVERIFY(written);
        QCOMPARE(written->failure, Failure::SettingsWrite);
    }
}

// A save reads the settings again under its lock: what another Kelmora stored since must show, also
// when the file keeps its size, when another of the files QSettings reads turns up (in any of the
// system's folders), and when the settings have moved to another folder. (QSettings
// takes a file of the same size and the same time for unchanged; within one tick of the file
// system's clock the per-user record of the template still refuses the save.)
void TestSettingsStore::testReadAgainEachTime()
{
    QCOMPARE(WriteSettingValues(KelmoraSettingsKey(),
                                {{"Path to Vantor Savedata Folder", "/save/"}, {"Template Driver File", "Alex.sav"}}),
             std::nullopt);
    RunState state;
    LoadSettings(state);
    QCOMPARE(state.TemplateDriverFile, QStringLiteral("Alex.sav"));
#ifdef Q_OS_UNIX
    // Two keys read in one process each have their own files looked at, also once their values are
    // remembered by the files' stamps (given only once the file system's clock has moved past the
    // writes) and a file changes outside this process. (Windows gives no stamps: nothing is
    // remembered there.)
    const SettingsKey other{QSettings::UserScope, QStringLiteral("Quorrick"), QStringLiteral("Other")};
    const QString otherFile = m_store.filePath("Quorrick/Other.ini");
    QCOMPARE(WriteSettingValues(other, {{"Template Driver File", "Olga.sav"}}), std::nullopt);
    QCOMPARE(WriteSettingValues(KelmoraSettingsKey(), {{"Template Driver File", "Alex.sav"}}), std::nullopt);
    QVERIFY(QTest::qWaitFor(
        [&] { return StampAt(m_store.filePath("Quorrick/Kelmora.ini")).stamp && StampAt(otherFile).stamp; }));
    RunState otherState;
    LoadSettings(otherState, other);
    QCOMPARE(otherState.FactoryDriverFile, QStringLiteral("OFactMS.sav"));
    WriteWholeFile(otherFile, "[General]\nTemplate%20Driver%20File=Pia.sav\n");
    QVERIFY(QTest::qWaitFor([&] { return StampAt(otherFile).stamp.has_value(); }));
    LoadSettings(otherState, other);
    QCOMPARE(otherState.FactoryDriverFile, QStringLiteral("PFactMS.sav"));
#endif

    const QString file = m_store.filePath("Quorrick/Kelmora.ini");
    const QDateTime modified = QFileInfo(file).lastModified();
    QFile ini(file);
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QByteArray bytes = ini.readAll();
    ini.close();
    bytes.replace("Alex.sav", "Bert.sav");
    QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(ini.write(bytes), bytes.size());
    ini.close();
    QVERIFY(ini.open(QIODevice::ReadWrite));
    QVERIFY(ini.setFileTime(modified.addSecs(1), QFileDevice::FileModificationTime));
    ini.close();
    LoadSettings(state);
    QCOMPARE(state.TemplateDriverFile, QStringLiteral("Bert.sav"));
    QCOMPARE(state.FactoryDriverFile, QStringLiteral("BFactMS.sav"));

    // Read from a file that was not there at the last reading: the organization's, which QSettings
    // reads after the key's own.
    ClearSettings();
    LoadSettings(state);
    QVERIFY(!state.SettingsValid);
    QFile organization(m_store.filePath("Quorrick.ini"));
    QVERIFY(organization.open(QIODevice::WriteOnly));
    organization.write("[General]\nTemplate%20Driver%20File=Dora.sav\n");
    organization.close();
    const auto removeOrganization = qScopeGuard([&] { organization.remove(); });
    LoadSettings(state);
    QCOMPARE(state.TemplateDriverFile, QStringLiteral("Dora.sav"));

#ifdef Q_OS_UNIX
    // Or in the second of the system's folders (XDG_CONFIG_DIRS), which QSettings reads too.
    {
        organization.remove();
        QTemporaryDir system;
        const QByteArray folders = qgetenv("XDG_CONFIG_DIRS");
        const auto restoreFolders = qScopeGuard([&] {
            folders.isNull() ? qunsetenv("XDG_CONFIG_DIRS") : qputenv("XDG_CONFIG_DIRS", folders);
            SettingsFoldersMoved();
        });
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(system.filePath("first") + ':' + system.filePath("second")));
        SettingsFoldersMoved();
        LoadSettings(state);
        QVERIFY(!state.SettingsValid);
        QVERIFY(QDir().mkpath(system.filePath("second/Quorrick")));
        QFile second(system.filePath("second/Quorrick.ini"));
        QVERIFY(second.open(QIODevice::WriteOnly));
        second.write("[General]\nTemplate%20Driver%20File=Emil.sav\n");
        second.close();
        LoadSettings(state);
        QCOMPARE(state.TemplateDriverFile, QStringLiteral("Emil.sav"));
    }
#endif

    QTemporaryDir moved;
    RedirectSettings(moved.path());
    const auto back = qScopeGuard([&] { RedirectSettings(m_store.path()); });
    LoadSettings(state);
    QVERIFY(!state.SettingsValid);
    QCOMPARE(WriteSettingValues(KelmoraSettingsKey(), {{"Template Driver File", "Carl.sav"}}), std::nullopt);
    LoadSettings(state);
    QCOMPARE(state.TemplateDriverFile, QStringLiteral("Carl.sav"));
}

// A write that failed is forgotten: QSettings would keep its values for the next write of the file
// by any QSettings of the process, and a template choice the player was told failed would be
// stored after all.
void TestSettingsStore::testFailedWriteForgotten()
{
#ifndef Q_OS_UNIX
    QSKIP("Needs a file-size limit to make the write fail");
#else
    QCOMPARE(WriteSettingValues(KelmoraSettingsKey(), {{"Template Driver File", "Alex.sav"}}), std::nullopt);
    rlimit limit = {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit tiny{10, limit.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const std::optional<Problem> failed =
        WriteSettingValues(KelmoraSettingsKey(), {{"Template Driver File", "Bert.sav"}, {"Other", "x"}});
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    std::signal(SIGXFSZ, handler);
    QVERIFY(failed);

    // The next write of this process stores its own values only.
    QCOMPARE(WriteSettingValues(KelmoraSettingsKey(), {{"Path to Vantor Savedata Folder", "/save/"}}), std::nullopt);
    RunState state;
    LoadSettings(state);
    QCOMPARE(state.TemplateDriverFile, QStringLiteral("Alex.sav"));
    QFile file(m_store.filePath("Quorrick/Kelmora.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    QVERIFY2(stored.contains("Alex.sav") && !stored.contains("Bert.sav") && !stored.contains("Other"),
             stored.constData());
#endif
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "TestSettingsStore.moc"
