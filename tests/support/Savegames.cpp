#include "Savegames.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

namespace kelmora::test {

QByteArray MakeSavegame(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = static_cast<char>(random.bounded(256));
    for (int mission = 0; mission < MISSION_COUNT; ++mission) {
        for (int byte = 0; byte < MissionRecordSize; ++byte) {
            const qint64 at = MissionByteOffset(mission, byte);
            if (at < size)
                bytes[at] = static_cast<char>(1 + random.bounded(255));
        }
    }
    return bytes;
}

MissionStatusTable BlockOf(const QByteArray& savegame)
{
    MissionStatusTable table{};
    for (int mission = 0; mission < MISSION_COUNT; ++mission) {
        for (int byte = 0; byte < MissionRecordSize; ++byte)
            table[mission][byte] = static_cast<quint8>(savegame.at(MissionByteOffset(mission, byte)));
    }
    return table;
}

QByteArray WithBlock(QByteArray savegame, const MissionStatusTable& table)
{
    for (int mission = 0; mission < MISSION_COUNT; ++mission) {
        for (int byte = 0; byte < MissionRecordSize; ++byte)
            savegame[MissionByteOffset(mission, byte)] = static_cast<char>(table[mission][byte]);
    }
    return savegame;
}

MissionStatusTable ExpectedAfterSave(const MissionStatusTable& templateBlock, int index)
{
    MissionStatusTable expected = templateBlock;
    if (index < MISSION_COUNT - 1) {
        for (int mission = index; mission < MISSION_COUNT; ++mission)
            expected[mission] = MissionStatusRecord{};
    }
    return expected;
}

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QTest::qFail(qPrintable(QStringLiteral("cannot read %1: %2").arg(path, file.errorString())), __FILE__,
                     __LINE__);
        return {};
    }
    return file.readAll();
}

void WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        QTest::qFail(qPrintable(QStringLiteral("cannot write %1: %2").arg(path, file.errorString())), __FILE__,
                     __LINE__);
}

} // namespace kelmora::test
