#include "settings/DataLocation.h"
#include "settings/Platform.h"
#include "settings/ReadmeLocation.h"

#include "support/Savegames.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kelmora;
using namespace kelmora::test;

class TestDataLocation : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void testSettingsFolders();
    void testChoice_data();
    void testChoice();
    void testReadme_data();
    void testReadme();

private:
    // A path below the temporary root, in native form.
    QString At(const QString& relative) const { return QDir::toNativeSeparators(m_root->filePath(relative)); }
    std::unique_ptr<QTemporaryDir> m_root;
};

void TestDataLocation::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
}

// Where the settings files are is worked out without a QSettings, which reads its files as soon as
// it is made: it must be where QSettings puts them, with every system folder. First in this process,
// before anything has made QSettings fix its folders.
void TestDataLocation::testSettingsFolders()
{
#ifndef Q_OS_UNIX
    QSKIP("The settings live in the registry here");
#else
    const QByteArray home = qgetenv("XDG_CONFIG_HOME"), dirs = qgetenv("XDG_CONFIG_DIRS");
    const auto restore = qScopeGuard([&] {
        for (const auto& [name, value] : {std::pair{"XDG_CONFIG_HOME", home}, std::pair{"XDG_CONFIG_DIRS", dirs}})
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    });
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root->filePath("home")));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_root->filePath("first") + ':' + m_root->filePath("second")));
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        const std::optional<SettingsFolders> folders = DefaultSettingsFolders(format);
        QVERIFY(folders);
        QCOMPARE(folders->user + "Probe/App" + folders->suffix,
                 QSettings(format, QSettings::UserScope, "Probe", "App").fileName());
        QCOMPARE(folders->system, QStringList({m_root->filePath("first/"), m_root->filePath("second/")}));
        QCOMPARE(folders->system.first() + "Probe/App" + folders->suffix,
                 QSettings(format, QSettings::SystemScope, "Probe", "App").fileName());
    }
#endif
}

void TestDataLocation::testChoice_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QStringList>("writable"); // what the user may write; "*" for everything, as root
    QTest::addColumn<bool>("dataFileBeside");
    QTest::addColumn<bool>("beside"); // whether kelmora.dat is to live beside the program
    QTest::addColumn<QString>("reasonHas");

    const QStringList everything{QStringLiteral("*")};
    QTest::newRow("portable folder") << "Kelmora 1.0" << QStringList{"Kelmora 1.0"} << false << true << "writable";
    QTest::newRow("read-only folder") << "Kelmora 1.0" << QStringList{} << false << false << "not writable";
    QTest::newRow("system location") << "usr/bin" << QStringList{"usr/bin"} << false << false << "system folder";
    QTest::newRow("below a system location") << "opt/kelmora/bin" << everything << false << false << "opt";
    QTest::newRow("the prefix itself") << "prefix" << everything << false << false << "prefix";
    QTest::newRow("root in the prefix, kelmora.dat there")
        << "prefix/bin" << everything << true << false << "installed copy";
    QTest::newRow("a name that only starts like one") << "usr2/bin" << QStringList{"usr2/bin"} << false << true << "";
    QTest::newRow("existing kelmora.dat in a read-only folder")
        << "Kelmora" << QStringList{"Kelmora/kelmora.dat"} << true << true << "already";
    // Another account's copy: its template's bytes must not go into this player's savegames.
    QTest::newRow("someone else's kelmora.dat") << "Kelmora" << QStringList{} << true << false << "not writable";
    QTest::newRow("through a link into a system location")
        << "link/bin" << QStringList{"link/bin"} << false << false << "system folder";
}

void TestDataLocation::testChoice()
{
    QFETCH(QString, programFolder);
    QFETCH(QStringList, writable);
    QFETCH(bool, dataFileBeside);
    QFETCH(bool, beside);
    QFETCH(QString, reasonHas);

    for (const char* folder : {"usr/bin", "usr2/bin", "opt/kelmora/bin", "prefix/bin", "Kelmora 1.0", "Kelmora"})
        QVERIFY(QDir(m_root->path()).mkpath(QString::fromLatin1(folder)));
    if (programFolder.startsWith("link/") && !MakeLink(m_root->filePath("usr"), m_root->filePath("link")))
        QSKIP(NoLinksHere);
    if (dataFileBeside)
        WriteWholeFile(m_root->filePath(programFolder + "/kelmora.dat"), QByteArray(170, 'x'));

    QSet<QString> writablePaths;
    for (const QString& path : writable)
        writablePaths << At(path);
    const DataLocationInputs inputs{
        At(programFolder),
        {At("usr"), At("opt"), At("prefix/")},
        At("home/.local/share/Quorrick/Kelmora"),
        [&](const QString& path) { return writable == QStringList{"*"} || writablePaths.contains(path); }};

    const DataLocation location = ChooseDataLocation(inputs);
    QCOMPARE(location.place, beside ? DataPlace::ProgramFolder : DataPlace::UserDataFolder);
    QCOMPARE(location.folder, beside ? At(programFolder) : At("home/.local/share/Quorrick/Kelmora"));
    QVERIFY2(location.reason.contains(reasonHas), qPrintable(location.reason));
    QVERIFY(!location.reason.contains(u'\n'));
}

void TestDataLocation::testReadme_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("expected");
    QTest::newRow("build tree or portable copy")
        << QStringList{"prefix/bin", "prefix/share/doc/kelmora", "doc"} << "prefix/bin";
    QTest::newRow("installed beside the program")
        << QStringList{"prefix/share/doc/kelmora", "doc"} << "prefix/share/doc/kelmora";
    QTest::newRow("the build's doc folder") << QStringList{"doc"} << "doc";
    QTest::newRow("nowhere: where a portable copy keeps it") << QStringList{} << "prefix/bin";
}

void TestDataLocation::testReadme()
{
    QFETCH(QStringList, present);
    QFETCH(QString, expected);
    for (const char* folder : {"prefix/bin", "prefix/share/doc/kelmora", "doc"})
        QVERIFY(QDir(m_root->path()).mkpath(QString::fromLatin1(folder)));
    for (const QString& folder : present)
        WriteWholeFile(m_root->filePath(folder + "/Readme-KELMORA.TXT"), "Read me");

    QCOMPARE(ReadmePath(At("prefix/bin"), At("doc")), At(expected + "/Readme-KELMORA.TXT"));
}

QTEST_GUILESS_MAIN(TestDataLocation)
#include "TestDataLocation.moc"
