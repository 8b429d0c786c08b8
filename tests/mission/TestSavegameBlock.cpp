#include "mission/SavegameBlock.h"

#include "support/Fakes.h"
#include "support/Savegames.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kelmora;
using namespace kelmora::test;

class TestSavegameBlock : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void testReadTemplate_data();
    void testReadTemplate();
    void testWriteTouchesOnlyTheBlock_data();
    void testWriteTouchesOnlyTheBlock();
    void testMissingTemplateEndsTheProgram();
    void testUnreadableTemplate_data();
    void testUnreadableTemplate();
    void testWriteNeverCreatesOrLengthens_data();
    void testWriteNeverCreatesOrLengthens();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString folder() const { return QDir::toNativeSeparators(m_dir->path()) + QDir::separator(); }
};

void TestSavegameBlock::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSavegameBlock::testReadTemplate_data()
{
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("just long enough") << qsizetype(MinimumSavegameSize) << 1u;
    QTest::newRow("one byte more") << qsizetype(MinimumSavegameSize + 1) << 2u;
    QTest::newRow("64 KiB") << qsizetype(65536) << 3u;
    QTest::newRow("large") << qsizetype(300000) << 4u;
}

void TestSavegameBlock::testReadTemplate()
{
    QFETCH(qsizetype, size);
    QFETCH(quint32, seed);
    const QByteArray savegame = MakeSavegame(size, seed);
    WriteWholeFile(m_dir->filePath("Alex.sav"), savegame);

    FakeServices fakes(m_dir->path());
    RunState state;
    state.SavedataFolder = folder();
    state.TemplateDriverFile = "Alex.sav";
    QCOMPARE(ReadTemplateMissionData(state, fakes.services), TemplateReadResult::Read);
    QCOMPARE(fakes.messages.shown, QList<ShownMessage>{});

    // First byte at 245 (not 240 or 246), each mission 240 bytes after the one before.
    QCOMPARE(state.MissionStatus[0][0], quint8(savegame.at(245)));
    QCOMPARE(state.MissionStatus[0][4], quint8(savegame.at(249)));
    QCOMPARE(state.MissionStatus[1][0], quint8(savegame.at(485)));
    QCOMPARE(state.MissionStatus[33][4], quint8(savegame.at(8169)));
    for (int i = 0; i < MISSION_COUNT; ++i) {
        for (int j = 0; j < MissionRecordSize; ++j)
            QCOMPARE(state.MissionStatus[i][j], quint8(savegame.at(245 + 240 * i + j)));
    }
    QCOMPARE(ReadWholeFile(m_dir->filePath("Alex.sav")), savegame);
}

void TestSavegameBlock::testWriteTouchesOnlyTheBlock_data()
{
    testReadTemplate_data();
}

void TestSavegameBlock::testWriteTouchesOnlyTheBlock()
{
    QFETCH(qsizetype, size);
    QFETCH(quint32, seed);
    const QByteArray savegame = MakeSavegame(size, seed);
    const QString path = m_dir->filePath("AFactMS.sav");
    WriteWholeFile(path, savegame);

    MissionStatusTable table = BlockOf(MakeSavegame(MinimumSavegameSize, seed + 100));
    table[7] = MissionStatusRecord{};
    QCOMPARE(WriteMissionBlock(path, table), QString());

    const QByteArray written = ReadWholeFile(path);
    QCOMPARE(written.size(), savegame.size());
    int differing = 0;
    for (qsizetype at = 0; at < written.size(); ++at) {
        if (written[at] != savegame[at]) {
            ++differing;
            const qint64 inBlock = at - MissionBlockOffset;
            QVERIFY2(inBlock >= 0 && inBlock % MissionBlockStride < MissionRecordSize && at < MissionBlockEnd,
                     qPrintable(QStringLiteral("byte %1 outside the mission block changed").arg(at)));
        }
    }
    QVERIFY(differing > 0 && differing <= MISSION_COUNT * MissionRecordSize);
    QCOMPARE(written, WithBlock(savegame, table));
}

void TestSavegameBlock::testMissingTemplateEndsTheProgram()
{
    FakeServices fakes(m_dir->path());
    RunState state;
    state.SavedataFolder = folder();
    state.TemplateDriverFile = "Alex.sav";
    state.MissionStatus[3][2] = 0x5a;
    // A folder of that name is not a savegame either.
    QVERIFY(QDir(m_dir->path()).mkdir("Alex.sav"));

    QCOMPARE(ReadTemplateMissionData(state, fakes.services), TemplateReadResult::ProgramEnded);
    const ShownMessage expected{"Could not find driver file at " + folder() + "Alex.sav", "Fatal Error!",
                                MessageIcon::Critical};
    QCOMPARE(fakes.messages.shown, QList<ShownMessage>{expected});
    QCOMPARE(fakes.exit.endCount, 1);
    QCOMPARE(state.MissionStatus[3][2], quint8(0x5a));
}

void TestSavegameBlock::testUnreadableTemplate_data()
{
    QTest::addColumn<QString>("savedataFolder");
    QTest::addColumn<QString>("description");
    QTest::newRow("too short") << QString()
                               << "The file is too short to be a driver savegame (8169 bytes, at least 8170 needed)";
    QTest::newRow("folder through a file") << "plain.txt/"
                                           << "Not a directory";
}

void TestSavegameBlock::testUnreadableTemplate()
{
    QFETCH(QString, savedataFolder);
    QFETCH(QString, description);
    WriteWholeFile(m_dir->filePath("Alex.sav"), MakeSavegame(MinimumSavegameSize - 1, 9));
    WriteWholeFile(m_dir->filePath("plain.txt"), "not a folder");

    FakeServices fakes(m_dir->path());
    RunState state;
    state.SavedataFolder = folder() + QDir::toNativeSeparators(savedataFolder);
    state.TemplateDriverFile = "Alex.sav";
    state.MissionStatus[0][0] = 0x11;

    QCOMPARE(ReadTemplateMissionData(state, fakes.services), TemplateReadResult::Failed);
    QCOMPARE(fakes.exit.endCount, 0);
    const QString mismatch = ErrorMessageMismatch(fakes.messages.shown, "Could not read in template driver file ",
                                                  description, "Error!", MessageIcon::Exclamation);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QCOMPARE(state.MissionStatus[0][0], quint8(0x11));
}

void TestSavegameBlock::testWriteNeverCreatesOrLengthens_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qsizetype>("existingSize"); // -1: no file, -2: a folder
    QTest::addColumn<QString>("descriptionPart");
    QTest::newRow("missing") << "AFactMS.sav" << qsizetype(-1) << "No such file or directory";
    QTest::newRow("empty") << "AFactMS.sav" << qsizetype(0) << "too short to be a driver savegame";
    QTest::newRow("one byte short") << "AFactMS.sav" << qsizetype(MinimumSavegameSize - 1) << "too short";
    QTest::newRow("folder") << "AFactMS.sav" << qsizetype(-2) << "";
    QTest::newRow("through a file") << "plain.txt/AFactMS.sav" << qsizetype(-1) << "";
}

void TestSavegameBlock::testWriteNeverCreatesOrLengthens()
{
    QFETCH(QString, name);
    QFETCH(qsizetype, existingSize);
    QFETCH(QString, descriptionPart);
    WriteWholeFile(m_dir->filePath("plain.txt"), "not a folder");
    const QString path = m_dir->filePath(name);
    QByteArray before;
    if (existingSize >= 0) {
        before = MakeSavegame(existingSize, 5);
        WriteWholeFile(path, before);
    } else if (existingSize == -2) {
        QVERIFY(QDir(m_dir->path()).mkdir(name));
    }

    const QString error = WriteMissionBlock(path, BlockOf(MakeSavegame(MinimumSavegameSize, 6)));
    QVERIFY(!error.isEmpty());
    QVERIFY2(error.contains(descriptionPart), qPrintable(error));
    if (existingSize >= 0)
        QCOMPARE(ReadWholeFile(path), before);
    else if (existingSize == -1)
        QVERIFY(!QFileInfo::exists(path));
    else
        QVERIFY(QFileInfo(path).isDir());
}

QTEST_GUILESS_MAIN(TestSavegameBlock)
#include "TestSavegameBlock.moc"
