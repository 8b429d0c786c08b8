#include "mission/MissionDataFile.h"

#include "support/Fakes.h"
#include "support/Savegames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kelmora;
using namespace kelmora::test;

// Reading the file, and every way a read fails, is tested through the save that does it.
class TestMissionDataFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void testRewrite();
    void testWriteFailures_data();
    void testWriteFailures();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString folder() const { return QDir::toNativeSeparators(m_dir->path()); }
};

void TestMissionDataFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestMissionDataFile::testRewrite()
{
    const MissionStatusTable first = BlockOf(MakeSavegame(8170, 1));
    const MissionStatusTable second = BlockOf(MakeSavegame(8170, 2));
    QCOMPARE(WriteMissionDataFile(first, folder()), std::nullopt);
    QCOMPARE(WriteMissionDataFile(second, folder()), std::nullopt);

    // Exactly 170 bytes, record after record, none of the first file's left.
    QCOMPARE(ReadWholeFile(m_dir->filePath("kelmora.dat")), RecordsOf(second));
    MissionStatusTable read{};
    QCOMPARE(ReadMissionDataFile(read, folder()), std::nullopt);
    QCOMPARE(RecordsOf(read), RecordsOf(second));
}

void TestMissionDataFile::testWriteFailures_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("obstacle"); // what stands where the file should be
    QTest::addColumn<QString>("description");
    QTest::newRow("missing folder") << "gone" << QString() << "No such file or directory";
    QTest::newRow("folder in the way") << "" << QStringLiteral("<folder>") << "*";
    // Renaming over a link would replace whatever it leads to.
    QTest::newRow("link in the way") << "" << QStringLiteral("/dev/full")
                                     << "It is a link; Kelmora only writes files it made itself";
#ifdef Q_OS_UNIX
    QTest::newRow("file-size limit") << "" << QStringLiteral("<limit>") << "File too large";
#endif
}

void TestMissionDataFile::testWriteFailures()
{
    QFETCH(QString, programFolder);
    QFETCH(QString, obstacle);
    QFETCH(QString, description);
    const QString folder = QDir::toNativeSeparators(m_dir->filePath(programFolder));
    const QString path = MissionDataFilePath(folder);
    if (obstacle == "<folder>")
        QVERIFY(QDir().mkdir(path));
    else if (obstacle == "<limit>")
        WriteWholeFile(path, RecordsOf(BlockOf(MakeSavegame(8170, 3))));
    else if (!obstacle.isEmpty())
        QVERIFY(QFile::link(obstacle, path));
    const QByteArray before = obstacle == "<limit>" ? ReadWholeFile(path) : QByteArray();

    std::optional<Problem> problem;
    {
        const FileSizeLimit limit(obstacle == "<limit>" ? 100 : 1 << 30);
        problem = WriteMissionDataFile(MissionStatusTable{}, folder);
    }
    // Cut short, the old file stays whole.
    if (obstacle == "<limit>")
        QCOMPARE(ReadWholeFile(path), before);
    QVERIFY(problem);
    const QList<ShownMessage> expected{
        {"Could not write to data file '" + path + "' [" + description + "]", "Error!", MessageIcon::Exclamation}};
    QCOMPARE(Matched(Shown({*problem}), expected), expected);
}

QTEST_GUILESS_MAIN(TestMissionDataFile)
#include "TestMissionDataFile.moc"
