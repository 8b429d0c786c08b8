// The savegame search, in a made-up home folder with Wine, Proton and Lutris prefixes.
#include "settings/SavegameFinder.h"

#include "support/Savegames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace kelmora;
using namespace kelmora::test;

class TestSavegameFinder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void testFindsDriverSavegamesNewestFirst();
    void testPassesByWhatIsNoDriverSavegame();
    void testNeverLeavesThePrefix();
    void testLimits();

private:
    // A savegame at `relative` below the home folder, modified `minutesAgo`, whose template has
    // progress up to (not including) mission `reached` (1-based; 0: progress everywhere).
    void Put(const QString& relative, int minutesAgo, int reached = 0, qsizetype size = 9000)
    {
        QByteArray bytes = MakeSavegame(size, quint32(relative.size()));
        if (reached > 0 && size >= MinimumSavegameSize) {
            MissionStatusTable block = BlockOf(bytes);
            for (int mission = reached - 1; mission < MISSION_COUNT; ++mission)
                block[mission].fill(0);
            bytes = WithBlock(bytes, block);
        }
        const QString path = m_home->filePath(relative);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        WriteWholeFile(path, bytes);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(m_now.addSecs(-60 * minutesAgo), QFileDevice::FileModificationTime));
    }
    QStringList Found(const SearchLimits& limits = {}) const
    {
        QStringList found;
        for (const FoundSavegame& savegame : Search(limits).savegames)
            found << QFileInfo(savegame.path).fileName() + " | " + savegame.place + " | " + savegame.folder + " | " +
                         savegame.progress;
        return found;
    }
    SavegameSearch Search(const SearchLimits& limits = {}) const
    {
        return FindSavegames(SavegamePlaces({m_home->path(), {}, m_home->filePath("Documents"), {}}), limits);
    }

    std::unique_ptr<QTemporaryDir> m_home;
    bool m_links = false; // whether the system made the link init() asks for
    QDateTime m_now = QDateTime::currentDateTime();
    const QString m_proton = ".local/share/Steam/steamapps/compatdata/2450/pfx/drive_c/users/steamuser/";
};

void TestSavegameFinder::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_home->path()).mkpath("Documents"));
    QVERIFY(QDir(m_home->path()).mkpath(".wine/drive_c/users/player"));
    // Wine links the player's own Documents folder into its prefix.
    m_links = MakeLink(m_home->filePath("Documents"), m_home->filePath(".wine/drive_c/users/player/Documents"));
    QVERIFY(QDir(m_home->path()).mkpath(m_proton));
    QVERIFY(QDir(m_home->path()).mkpath(".local/share/Steam/steamapps/compatdata/1001/pfx/drive_c"));
    WriteWholeFile(m_home->filePath(".local/share/Steam/steamapps/appmanifest_2450.acf"),
                   R"("AppState" { "appid" "2450" "name" "Vantor" "installdir" "Vantor" })");
    QVERIFY(QDir(m_home->path()).mkpath("Games/vantor/drive_c"));
}

void TestSavegameFinder::testFindsDriverSavegamesNewestFirst()
{
    Put("Documents/Vantor/Save/Alex.sav", 30, 12);
    Put(m_proton + "Documents/Vantor/Save/Bob.sav", 5, 17);
    Put(m_proton + "AppData/Roaming/Vantor/CAROL.SAV", 20, 1);
    Put(".local/share/Steam/steamapps/compatdata/1001/pfx/drive_c/Program Files (x86)/Vantor/Save/Dave.sav", 10);
    Put(".local/share/Steam/steamapps/common/Vantor/Save/Eve.sav", 40, 34);
    Put("Games/vantor/drive_c/users/Public/Documents/Frank.sav", 50, 2);

    const QStringList expected{
        "Bob.sav | Proton 2450 (Vantor) | C:\\users\\steamuser\\Documents\\Vantor\\Save | has reached mission 17",
        "Dave.sav | Proton 1001 | C:\\Program Files (x86)\\Vantor\\Save | has progress in every mission",
        "CAROL.SAV | Proton 2450 (Vantor) | C:\\users\\steamuser\\AppData\\Roaming\\Vantor | has reached mission 1",
        "Alex.sav | Documents | " + QDir::toNativeSeparators("Vantor/Save") + " | has reached mission 12",
        "Eve.sav | Steam: Vantor | Save | has reached mission 34",
        "Frank.sav | Lutris: vantor | C:\\users\\Public\\Documents | has reached mission 2",
    };
    QCOMPARE(Found(), expected);

    const SavegameSearch search = Search();
    QCOMPARE(search.savegames.first().path,
             QDir::toNativeSeparators(m_home->filePath(m_proton + "Documents/Vantor/Save/Bob.sav")));
    QCOMPARE(search.savegames.first().reached, 16);
    QCOMPARE(search.savegames.at(1).reached, std::nullopt);
    QCOMPARE(search.searched, QStringList({"Documents", "Wine", "Proton 1001", "Proton 2450 (Vantor)", "Lutris: vantor",
                                           "Steam: Vantor"}));
    QCOMPARE(search.cutShort, QStringList());
}

void TestSavegameFinder::testPassesByWhatIsNoDriverSavegame()
{
    Put(m_proton + "Documents/Vantor/Alex.sav", 1, 5);
    Put(m_proton + "Documents/Vantor/AFactMS.sav", 2); // a factory driver file, in any case
    Put(m_proton + "Documents/Vantor/bfactms.SAV", 2);
    Put(m_proton + "Documents/Vantor/Short.sav", 2, 0, MinimumSavegameSize - 1);
    Put(m_proton + "Documents/Vantor/Exact.sav", 3, 0, MinimumSavegameSize);
    Put(m_proton + "Documents/Vantor/.hidden.sav", 2);
    Put(m_proton + "Documents/.hidden/Inside.sav", 2);
    Put(m_proton + "Documents/Vantor/notes.txt", 2);
    Put(m_proton + "Documents/Vantor/Alex.sav.bak", 2);
    QVERIFY(QDir().mkpath(m_home->filePath(m_proton + "Documents/Vantor/Folder.sav")));
    // Windows' own files are no place for savegames.
    Put(".local/share/Steam/steamapps/compatdata/1001/pfx/drive_c/windows/Old.sav", 2);
#ifdef Q_OS_UNIX
    const QByteArray fifo = QFile::encodeName(m_home->filePath(m_proton + "Documents/Vantor/Pipe.sav"));
    QCOMPARE(mkfifo(fifo.constData(), 0600), 0);
    // A name that is no text (Latin-1 on a UTF-8 system) cannot be listed by its path, but is told of;
    // not when it is hidden, or a folder.
    const QByteArray folder = QFile::encodeName(m_home->filePath(m_proton + "Documents/Vantor/"));
    for (const QByteArray& name : {QByteArray("\xc9mile.sav"), QByteArray(".\xc9.sav")}) {
        const int fd = ::open((folder + name).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
    }
    QCOMPARE(::mkdir((folder + "\xc9 Folder.sav").constData(), 0755), 0);
    QCOMPARE(Search().undecodable, QStringList{QFile::decodeName(folder + "\xc9mile.sav")});
#else
    // Hidden is an attribute on Windows, whatever the name.
    for (const char* hidden : {"Documents/Vantor/.hidden.sav", "Documents/.hidden"})
        QVERIFY(::SetFileAttributesW(
            reinterpret_cast<const wchar_t*>(
                QDir::toNativeSeparators(m_home->filePath(m_proton + QLatin1String(hidden))).utf16()),
            FILE_ATTRIBUTE_HIDDEN));
#endif
    QCOMPARE(Found(), QStringList({"Alex.sav | Proton 2450 (Vantor) | C:\\users\\steamuser\\Documents\\Vantor | has "
                                   "reached mission 5",
                                   "Exact.sav | Proton 2450 (Vantor) | C:\\users\\steamuser\\Documents\\Vantor | has "
                                   "progress in every mission"}));
}

void TestSavegameFinder::testNeverLeavesThePrefix()
{
    // Links out of a prefix, to a file or a folder, lead to savegames that are not the prefix's; a
    // link to the whole system (Wine's drive Z) would be endless.
    if (!m_links)
        QSKIP(NoLinksHere);
    QTemporaryDir outside;
    WriteWholeFile(outside.filePath("Outside.sav"), MakeSavegame(9000, 3));
    QVERIFY(QDir().mkpath(m_home->filePath(m_proton + "Documents")));
    QVERIFY(MakeLink(outside.path(), m_home->filePath(m_proton + "Documents/Elsewhere")));
    QVERIFY(MakeLink(outside.filePath("Outside.sav"), m_home->filePath(m_proton + "Documents/Linked.sav")));
    QVERIFY(MakeLink("/", m_home->filePath(m_proton + "Documents/z")));
    // A prefix whose user folder is a link to another prefix's.
    QVERIFY(QDir(m_home->path()).mkpath("Games/linked/drive_c/users"));
    QVERIFY(MakeLink(m_home->filePath(m_proton.chopped(1)), m_home->filePath("Games/linked/drive_c/users/x")));
    Put(m_proton + "Documents/Inside.sav", 1, 3);
    // Wine's Documents is a link to the player's own: found once, under the name the player knows.
    Put("Documents/Mine.sav", 2, 4);

    QCOMPARE(Found(),
             QStringList({"Inside.sav | Proton 2450 (Vantor) | C:\\users\\steamuser\\Documents | has reached mission 3",
                          "Mine.sav | Documents |  | has reached mission 4"}));
}

void TestSavegameFinder::testLimits()
{
    const QString deep = m_proton + "Documents/1/2/3/4/5/6/";
    Put(deep + "Six.sav", 1);
    Put(deep + "7/Seven.sav", 2);
    for (int i = 0; i < 20; ++i)
        Put(QStringLiteral("Documents/Many/%1.sav").arg(i, 2, 10, QChar(u'0')), 100 + i);

    // Six folders below the user's Documents and no further.
    QVERIFY(Found().contains("Six.sav | Proton 2450 (Vantor) | C:\\users\\steamuser\\Documents\\1\\2\\3\\4\\5\\6 | "
                             "has progress in every mission"));
    QVERIFY(!Found().join(u'\n').contains("Seven.sav"));
    // A folder left unsearched there makes the place one not searched whole, and the player is told.
    QCOMPARE(Search().cutShort, QStringList{"Proton 2450 (Vantor)"});
    QVERIFY(Found({7, 20000, 200000, 500}).join(u'\n').contains("Seven.sav"));
    QCOMPARE(Search({7, 20000, 200000, 500}).cutShort, QStringList());

    // A place with more entries than it may look at is cut short and said so; the next is searched.
    SavegameSearch search = Search({7, 10, 200000, 500});
    QCOMPARE(search.cutShort, QStringList{"Documents"});
    QVERIFY(search.savegames.size() < 20);
    QCOMPARE(search.savegames.first().place, QStringLiteral("Proton 2450 (Vantor)"));

    // Once the whole search has looked at its share, the places left are not searched at all.
    search = Search({6, 20000, 15, 500});
    QCOMPARE(search.searched, QStringList{"Documents"});
    QCOMPARE(search.cutShort.first(), QStringLiteral("Documents"));
    QVERIFY(search.cutShort.contains("Proton 2450 (Vantor)"));

    // Only the newest are listed; the others are counted.
    search = Search({6, 20000, 200000, 3});
    QCOMPARE(search.savegames.size(), 3);
    QCOMPARE(search.notListed, 18);
    QCOMPARE(QFileInfo(search.savegames.last().path).fileName(), QStringLiteral("01.sav"));
}

QTEST_GUILESS_MAIN(TestSavegameFinder)
#include "TestSavegameFinder.moc"
