#include "settings/SavegameFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace kelmora;

class TestSavegameFolders : public QObject
{
    Q_OBJECT

private slots:
    void testLibraryPaths_data();
    void testLibraryPaths();
    void testJunkDoesNotCrash();
    void testPrefixesOfAFakeHome();
    void testNothingInstalled();
};

void TestSavegameFolders::testLibraryPaths_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("paths");

    QTest::newRow("current layout") << QByteArray(
                                           "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/home/p/.local/"
                                           "share/Steam\"\n\t\t\"label\"\t\t\"\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"228980\""
                                           "\t\t\"1234\"\n\t\t}\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"/mnt/Games Disk/"
                                           "SteamLibrary\"\n\t}\n}\n")
                                    << QStringList{"/home/p/.local/share/Steam", "/mnt/Games Disk/SteamLibrary"};
    QTest::newRow("older layout") << QByteArray("\"LibraryFolders\" { \"TimeNextStatsReport\" \"1699999999\" "
                                                "\"ContentStatsID\" \"-42\" \"1\" \"/data/steam\" }")
                                  << QStringList{"/data/steam"};
    QTest::newRow("escapes") << QByteArray(R"("libraryfolders" { "0" { "path" "D:\\Games\\Steam \"X\"" } })")
                             << QStringList{R"(D:\Games\Steam "X")"};
    QTest::newRow("comments and bare tokens")
        << QByteArray("// made by hand\nlibraryfolders {\n 0 { path /srv/lib // x\n"
                      " } }")
        << QStringList{"/srv/lib"};
    // A "path" deeper down (an app's own block) or at the top is not a library.
    QTest::newRow("path elsewhere") << QByteArray(
                                           R"("path" "/top" "libraryfolders" { "0" { "apps" { "path" "/deep" } } })")
                                    << QStringList();
    QTest::newRow("empty path skipped") << QByteArray(R"("libraryfolders" { "0" { "path" "" } "1" { "path" "/b" } })")
                                        << QStringList{"/b"};
    QTest::newRow("cut off in a string") << QByteArray(R"("libraryfolders" { "0" { "path" "/a" } "1" { "path" "/b)")
                                         << QStringList{"/a", "/b"};
    QTest::newRow("stray closing braces")
        << QByteArray(R"(} } "libraryfolders" { "0" { "path" "/a" } } } })") << QStringList{"/a"};
}

void TestSavegameFolders::testLibraryPaths()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, paths);
    QCOMPARE(SteamLibraryPaths(text), paths);
}

void TestSavegameFolders::testJunkDoesNotCrash()
{
    // Every cut of a real file, and bytes of every value, end without a crash or an endless loop.
    const QByteArray real = R"("libraryfolders" { "0" { "path" "/a\\b" "apps" { "1" "2" } } })";
    for (qsizetype length = 0; length <= real.size(); ++length)
        SteamLibraryPaths(real.left(length));
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise += char((i * 7919) % 256);
    SteamLibraryPaths(noise);
    SteamLibraryPaths(QByteArray(1000, '{') + QByteArray(1000, '\\') + QByteArray(1000, '"'));
}

void TestSavegameFolders::testPrefixesOfAFakeHome()
{
    QTemporaryDir home;
    QTemporaryDir otherDisk;
    QDir root(home.path());
    const QString steam = home.filePath(".local/share/Steam");
    const QString library = otherDisk.filePath("Games Library");
    QVERIFY(root.mkpath(".wine/drive_c"));
    QVERIFY(root.mkpath(".steam"));
    QVERIFY(root.mkpath(steam + "/steamapps/compatdata/1001/pfx/drive_c"));
    QVERIFY(root.mkpath(steam + "/steamapps/compatdata/1002")); // a prefix not made yet
    QVERIFY(root.mkpath(library + "/steamapps/compatdata/2001/pfx/drive_c"));
    // The usual link from ~/.steam/steam to the real root: its prefixes must not come twice.
    QVERIFY(QFile::link(steam, home.filePath(".steam/steam")));
    QFile vdf(steam + "/steamapps/libraryfolders.vdf");
    QVERIFY(vdf.open(QIODevice::WriteOnly));
    vdf.write(
        QStringLiteral(
            "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"%1\"\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"%2\"\n"
            "\t}\n\t\"2\"\n\t{\n\t\t\"path\"\t\t\"%3\"\n\t}\n}\n")
            .arg(steam, library, otherDisk.filePath("unplugged"))
            .toUtf8());
    vdf.close();

    const QStringList expected{home.filePath(".wine/drive_c"),
                               home.filePath(".steam/steam/steamapps/compatdata/1001/pfx/drive_c"),
                               library + "/steamapps/compatdata/2001/pfx/drive_c"};
    const QStringList found = WindowsPrefixDriveFolders(home.path());
    QCOMPARE(found.size(), expected.size());
    for (int i = 0; i < found.size(); ++i)
        QCOMPARE(QFileInfo(found[i]).canonicalFilePath(), QFileInfo(expected[i]).canonicalFilePath());
}

void TestSavegameFolders::testNothingInstalled()
{
    QTemporaryDir home;
    // A file where the Steam root would be, and a library file that is a folder.
    QVERIFY(QDir(home.path()).mkpath(".local/share"));
    QFile file(home.filePath(".local/share/Steam"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(QDir(home.path()).mkpath(".steam/steam/steamapps/libraryfolders.vdf"));
    QCOMPARE(WindowsPrefixDriveFolders(home.path()), QStringList());
    QCOMPARE(WindowsPrefixDriveFolders(home.filePath("missing")), QStringList());
#ifdef Q_OS_UNIX
    // A named pipe as the library file is passed by, not waited on.
    QTemporaryDir second;
    QVERIFY(QDir(second.path()).mkpath(".local/share/Steam/steamapps/compatdata/7/pfx/drive_c"));
    const QByteArray pipe = QFile::encodeName(second.filePath(".local/share/Steam/steamapps/libraryfolders.vdf"));
    QCOMPARE(mkfifo(pipe.constData(), 0600), 0);
    QCOMPARE(WindowsPrefixDriveFolders(second.path()),
             QStringList{second.filePath(".local/share/Steam/steamapps/compatdata/7/pfx/drive_c")});
#endif
}

QTEST_GUILESS_MAIN(TestSavegameFolders)
#include "TestSavegameFolders.moc"
