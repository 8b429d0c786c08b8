#include "mission/MissionDataFile.h"

#include "support/Fakes.h"
#include "support/Savegames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kelmora;
using namespace kelmora::test;

class TestMissionDataFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void testRoundTrip();
    void testRewriteReplacesEarlierRecords();
    void testPathAtRoot();
    void testWriteFailures_data();
    void testWriteFailures();
    void testReadFailures_data();
    void testReadFailures();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString dataFile() const { return QDir::toNativeSeparators(m_dir->filePath("kelmora.dat")); }
};

void TestMissionDataFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestMissionDataFile::testRoundTrip()
{
    FakeServices fakes(QDir::toNativeSeparators(m_dir->path()));
    RunState written;
    written.MissionStatus = BlockOf(MakeSavegame(MinimumSavegameSize, 21));
    WriteMissionDataFile(written, fakes.services);

    const QByteArray bytes = ReadWholeFile(dataFile());
    QCOMPARE(bytes.size(), 170);
    for (int i = 0; i < MISSION_COUNT; ++i) {
        for (int j = 0; j < MissionRecordSize; ++j)
            QCOMPARE(quint8(bytes.at(5 * i + j)), written.MissionStatus[i][j]);
    }

    RunState read;
    QVERIFY(ReadMissionDataFile(read, fakes.services));
    QVERIFY(read.MissionStatus == written.MissionStatus);
    QCOMPARE(fakes.messages.shown, QList<ShownMessage>{});
}

void TestMissionDataFile::testRewriteReplacesEarlierRecords()
{
    FakeServices fakes(QDir::toNativeSeparators(m_dir->path()));
    RunState first, second;
    first.MissionStatus = BlockOf(MakeSavegame(MinimumSavegameSize, 1));
    second.MissionStatus = BlockOf(MakeSavegame(MinimumSavegameSize, 2));
    WriteMissionDataFile(first, fakes.services);
    WriteMissionDataFile(second, fakes.services);

    RunState read;
    QVERIFY(ReadMissionDataFile(read, fakes.services));
    QVERIFY(read.MissionStatus == second.MissionStatus);
    QCOMPARE(QFileInfo(dataFile()).size(), 170);
}

void TestMissionDataFile::testPathAtRoot()
{
    // The separator is always added, so a program at the root gets a doubled one.
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    QCOMPARE(MissionDataFilePath(root), root + QDir::separator() + "kelmora.dat");
    QCOMPARE(MissionDataFilePath(QDir::toNativeSeparators("/opt/kel mora")),
             QDir::toNativeSeparators("/opt/kel mora/kelmora.dat"));
}

void TestMissionDataFile::testWriteFailures_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("description");
    QTest::newRow("missing folder") << "gone"
                                    << ""
                                    << "No such file or directory";
    QTest::newRow("folder in the way") << ""
                                       << "folder"
                                       << "";
#ifdef Q_OS_LINUX
    QTest::newRow("disk full") << ""
                               << "/dev/full"
                               << "No space left on device";
#endif
}

void TestMissionDataFile::testWriteFailures()
{
    QFETCH(QString, programFolder);
    QFETCH(QString, obstacle);
    QFETCH(QString, description);
    const QString folder = QDir::toNativeSeparators(m_dir->filePath(programFolder));
    const QString path = MissionDataFilePath(folder);
    if (obstacle == "folder")
        QVERIFY(QDir().mkdir(path));
    else if (!obstacle.isEmpty())
        QVERIFY(QFile::link(obstacle, path));

    FakeServices fakes(folder);
    RunState state;
    state.MissionStatus[0][0] = 1;
    WriteMissionDataFile(state, fakes.services);

    const QString mismatch = ErrorMessageMismatch(fakes.messages.shown, "Could not write to data file '" + path + "' ",
                                                  description, "Error!", MessageIcon::Exclamation);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestMissionDataFile::testReadFailures_data()
{
    QTest::addColumn<int>("existingSize"); // -1: no file, -2: a folder
    QTest::addColumn<QString>("description");
    QTest::newRow("missing") << -1 << "No such file or directory";
    QTest::newRow("empty") << 0 << "The file is truncated (0 of 170 bytes)";
    QTest::newRow("one record short") << 165 << "The file is truncated (165 of 170 bytes)";
    QTest::newRow("folder") << -2 << "";
}

void TestMissionDataFile::testReadFailures()
{
    QFETCH(int, existingSize);
    QFETCH(QString, description);
    if (existingSize >= 0)
        WriteWholeFile(dataFile(), QByteArray(existingSize, '\x07'));
    else if (existingSize == -2)
        QVERIFY(QDir().mkdir(dataFile()));

    FakeServices fakes(QDir::toNativeSeparators(m_dir->path()));
    RunState state;
    state.MissionStatus[33][4] = 0x42;
    QVERIFY(!ReadMissionDataFile(state, fakes.services));

    const QString mismatch =
        ErrorMessageMismatch(fakes.messages.shown, "Could not read from data file '" + dataFile() + "' ", description,
                             "Error!", MessageIcon::Exclamation);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    // A cut-off file must not leave half of its records behind for the next save.
    QCOMPARE(state.MissionStatus[33][4], quint8(0x42));
}

QTEST_GUILESS_MAIN(TestMissionDataFile)
#include "TestMissionDataFile.moc"
