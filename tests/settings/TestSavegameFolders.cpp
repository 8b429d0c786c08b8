#include "settings/SavegameFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <future>

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
    void testManifest();
    void testDocumentsBehindAFifo();
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

void TestSavegameFolders::testManifest()
{
    const SteamApp app = SteamAppOf(R"("AppState" { "appid" "2450" "installdir" "Vantor Gold" "name" "Vantor: Gold" )"
                                    R"("InstalledDepots" { "2451" { "name" "depot" } } })");
    QCOMPARE(app.name, QStringLiteral("Vantor: Gold"));
    QCOMPARE(app.installDir, QStringLiteral("Vantor Gold"));
    QCOMPARE(SteamAppOf("not a manifest").name, QString());
}

namespace {

void WriteText(const QString& path, const QByteArray& text)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray LibraryFile(const QStringList& paths)
{
    QByteArray text = "\"libraryfolders\"\n{\n";
    for (int i = 0; i < paths.size(); ++i)
        text += QStringLiteral("\t\"%1\"\n\t{\n\t\t\"path\"\t\t\"%2\"\n\t}\n").arg(i).arg(paths[i]).toUtf8();
    return text + "}\n";
}

QByteArray Manifest(const QString& id, const QString& name, const QString& installDir)
{
    return QStringLiteral("\"AppState\"\n{\n\t\"appid\"\t\t\"%1\"\n\t\"name\"\t\t\"%2\"\n\t\"installdir\"\t\t\"%3\"\n"
                          "\t\"UserConfig\"\n\t{\n\t\t\"name\"\t\t\"not this\"\n\t}\n}\n")
        .arg(id, name, installDir)
        .toUtf8();
}

// Each place as "name = folder relative to `root`", for comparing whole lists at a glance.
QStringList Described(const QList<SavegamePlace>& places, const QString& root)
{
    QStringList described;
    for (const SavegamePlace& place : places) {
        QString folder =
            QDir(QFileInfo(root).canonicalFilePath()).relativeFilePath(QFileInfo(place.folder).canonicalFilePath());
        described << place.name + QStringLiteral(" = ") + folder +
                         (place.kind == SavegamePlace::Kind::WindowsDrive ? QStringLiteral(" (drive)") : QString());
    }
    return described;
}

} // namespace

void TestSavegameFolders::testPrefixesOfAFakeHome()
{
    QTemporaryDir home;
    QTemporaryDir otherDisk;
    QDir root(home.path());
    const QString steam = home.filePath(".local/share/Steam");
    const QString library = otherDisk.filePath("Games Library");
    QVERIFY(root.mkpath(".wine/drive_c"));
    QVERIFY(root.mkpath(".steam"));
    QVERIFY(root.mkpath(steam + "/steamapps/compatdata/2450/pfx/drive_c"));
    QVERIFY(root.mkpath(steam + "/steamapps/compatdata/1002")); // a prefix not made yet
    QVERIFY(root.mkpath(steam + "/steamapps/compatdata/10001/pfx/drive_c"));
    WriteText(steam + "/steamapps/appmanifest_2450.acf", Manifest("2450", "Vantor", "Vantor"));
    QVERIFY(root.mkpath(steam + "/steamapps/common/Vantor"));
    QVERIFY(root.mkpath(library + "/steamapps/compatdata/2001/pfx/drive_c"));
    // The usual link from ~/.steam/steam to the real root: its prefixes must not come twice.
    QVERIFY(QFile::link(steam, home.filePath(".steam/steam")));
    WriteText(steam + "/steamapps/libraryfolders.vdf", LibraryFile({steam, library, otherDisk.filePath("unplugged")}));
    // Steam from Flathub keeps everything below its own folder.
    const QString flatpak = home.filePath(".var/app/com.valvesoftware.Steam/.local/share/Steam");
    QVERIFY(root.mkpath(flatpak + "/steamapps/compatdata/2450/pfx/drive_c"));
    WriteText(flatpak + "/steamapps/appmanifest_2450.acf", Manifest("2450", "Vantor", "../../.."));
    QVERIFY(root.mkpath(flatpak + "/steamapps/common"));
    // Lutris names a game's prefix in its game file, or keeps it in ~/Games.
    QVERIFY(root.mkpath("Games/vantor/drive_c"));
    QVERIFY(root.mkpath("Games/other/drive_c"));
    QVERIFY(root.mkpath("Games/not a prefix"));
    QVERIFY(root.mkpath("Prefixes/lutris-vantor/drive_c"));
    WriteText(home.filePath(".config/lutris/games/vantor-1699999999.yml"),
              "game:\n  exe: /x/vantor.exe\n  prefix: '" + home.filePath("Prefixes/lutris-vantor").toUtf8() +
                  "'\nwine:\n  prefix: /not/this\n");
    WriteText(home.filePath(".config/lutris/games/broken.yml"), "game: [\n");
    // Heroic, older and newer prefix folders, and one named in its games' settings.
    QVERIFY(root.mkpath("Games/Heroic/Prefixes/default/Vantor Gold/pfx/drive_c"));
    QVERIFY(root.mkpath("Heroic Prefixes/Racer/drive_c"));
    WriteText(home.filePath(".config/heroic/GamesConfig/abc123.json"),
              "{\"abc123\": {\"winePrefix\": \"" + home.filePath("Heroic Prefixes/Racer").toUtf8() + "\"}}");
    QVERIFY(root.mkpath(".local/share/bottles/bottles/Games/drive_c"));
    QVERIFY(root.mkpath("custom/prefix/drive_c"));

    PlaceInputs inputs{home.path(), home.filePath("custom/prefix"), {}, {}};
    QCOMPARE(
        Described(WindowsPrefixes(inputs), home.path()),
        QStringList({"Wine = .wine/drive_c (drive)", "Wine: prefix = custom/prefix/drive_c (drive)",
                     "Proton 2450 (Vantor) = .local/share/Steam/steamapps/compatdata/2450/pfx/drive_c (drive)",
                     "Proton 10001 = .local/share/Steam/steamapps/compatdata/10001/pfx/drive_c (drive)",
                     "Proton 2001 = " +
                         QDir(QFileInfo(home.path()).canonicalFilePath())
                             .relativeFilePath(QFileInfo(library).canonicalFilePath()) +
                         "/steamapps/compatdata/2001/pfx/drive_c (drive)",
                     "Proton 2450 (Vantor, Flatpak) = "
                     ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/2450/pfx/drive_c "
                     "(drive)",
                     "Lutris: vantor = Prefixes/lutris-vantor/drive_c (drive)",
                     "Lutris: other = Games/other/drive_c (drive)", "Lutris: vantor (2) = Games/vantor/drive_c (drive)",
                     "Heroic: Racer = Heroic Prefixes/Racer/drive_c (drive)",
                     "Heroic: Vantor Gold = Games/Heroic/Prefixes/default/Vantor Gold/pfx/drive_c (drive)",
                     "Bottles: Games = .local/share/bottles/bottles/Games/drive_c (drive)"}));

    // The search adds the Documents folder first and the folders of the games Proton runs last; a
    // manifest whose folder leads out of its library gives none.
    QVERIFY(root.mkpath("Documents"));
    inputs.documentsFolder = home.filePath("Documents");
    const QStringList places = Described(SavegamePlaces(inputs), home.path());
    QCOMPARE(places.first(), QStringLiteral("Documents = Documents"));
    QCOMPARE(places.last(), QStringLiteral("Steam: Vantor = .local/share/Steam/steamapps/common/Vantor"));
    QCOMPARE(places.size(), 14);
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
    QCOMPARE(WindowsPrefixes({home.path(), {}, {}, {}}), QList<SavegamePlace>());
    QCOMPARE(WindowsPrefixes({home.filePath("missing"), {}, {}, {}}), QList<SavegamePlace>());
    QCOMPARE(SavegamePlaces({home.filePath("missing"), home.filePath("missing"), home.filePath("missing"), {}}),
             QList<SavegamePlace>());
#ifdef Q_OS_UNIX
    // A named pipe as the library file is passed by, not waited on.
    QTemporaryDir second;
    QVERIFY(QDir(second.path()).mkpath(".local/share/Steam/steamapps/compatdata/7/pfx/drive_c"));
    const QByteArray pipe = QFile::encodeName(second.filePath(".local/share/Steam/steamapps/libraryfolders.vdf"));
    QCOMPARE(mkfifo(pipe.constData(), 0600), 0);
    QCOMPARE(
        WindowsPrefixes({second.path(), {}, {}, {}}),
        QList<SavegamePlace>({{"Proton 7", second.filePath(".local/share/Steam/steamapps/compatdata/7/pfx/drive_c"),
                               SavegamePlace::Kind::WindowsDrive}}));
#endif
}

// A FIFO where the user's folder names are kept would keep the look for the Documents folder waiting
// for a writer for ever, and with it the window's start and every search for savegames.
void TestSavegameFolders::testDocumentsBehindAFifo()
{
#ifndef Q_OS_UNIX
    QSKIP("Windows asks the system for the Documents folder");
#else
    QTemporaryDir home;
    const QByteArray config = qgetenv("XDG_CONFIG_HOME"), homeFolder = qgetenv("HOME");
    const auto putBack = qScopeGuard([&] {
        qputenv("XDG_CONFIG_HOME", config);
        qputenv("HOME", homeFolder);
    });
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    qputenv("HOME", QFile::encodeName(home.path()));
    QVERIFY(QDir(home.path()).mkpath("config"));
    const QString pipe = home.filePath("config/user-dirs.dirs");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    std::future<PlaceInputs> looked = std::async(std::launch::async, [] { return SystemPlaceInputs(); });
    if (looked.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // A writer lets it go.
        QFile writer(pipe);
        QVERIFY(writer.open(QIODevice::WriteOnly));
        looked.wait();
        QFAIL("The look for the Documents folder waited on a FIFO");
    }
    QCOMPARE(looked.get().documentsFolder, home.filePath("Documents"));
    // A link to the file, as tools that keep a user's settings make, is read.
    QVERIFY(QFile::remove(pipe));
    QFile names(home.filePath("names"));
    QVERIFY(names.open(QIODevice::WriteOnly) && names.write("XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n") > 0);
    names.close();
    QVERIFY(QFile::link(names.fileName(), pipe));
    QCOMPARE(SystemPlaceInputs().documentsFolder, home.filePath("Dokumente"));
#endif
}

QTEST_GUILESS_MAIN(TestSavegameFolders)
#include "TestSavegameFolders.moc"
