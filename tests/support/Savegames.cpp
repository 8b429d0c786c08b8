#include "Savegames.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace kelmora::test {
namespace {

constexpr qsizetype At(int mission, int byte)
{
    return 245 + 240 * mission + byte;
}

} // namespace

QByteArray MakeSavegame(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = static_cast<char>(random.bounded(256));
    for (int mission = 0; mission < MISSION_COUNT; ++mission) {
        for (int byte = 0; byte < MissionRecordSize; ++byte) {
            if (At(mission, byte) < size)
                bytes[At(mission, byte)] = static_cast<char>(1 + random.bounded(255));
        }
    }
    return bytes;
}

MissionStatusTable BlockOf(const QByteArray& savegame)
{
    MissionStatusTable table{};
    for (int mission = 0; mission < MISSION_COUNT; ++mission) {
        for (int byte = 0; byte < MissionRecordSize; ++byte)
            table[mission][byte] = static_cast<quint8>(savegame.at(At(mission, byte)));
    }
    return table;
}

QByteArray WithBlock(QByteArray savegame, const MissionStatusTable& table)
{
    for (int mission = 0; mission < MISSION_COUNT; ++mission) {
        for (int byte = 0; byte < MissionRecordSize; ++byte)
            savegame[At(mission, byte)] = static_cast<char>(table[mission][byte]);
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

QByteArray SavedFrom(const QByteArray& savegame, int index)
{
    return WithBlock(savegame, ExpectedAfterSave(BlockOf(savegame), index));
}

QByteArray RecordsOf(const MissionStatusTable& table)
{
    QByteArray records;
    for (const MissionStatusRecord& record : table) {
        for (const quint8 byte : record)
            records += static_cast<char>(byte);
    }
    return records;
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

QMap<QString, QByteArray> Snapshot(const QString& root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries.insert(QDir(root).relativeFilePath(path), it.fileInfo().isDir() ? "<folder>" : ReadWholeFile(path));
    }
    return entries;
}

#ifdef Q_OS_UNIX
FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_previous = limit.rlim_cur;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(m_previous);
    setrlimit(RLIMIT_FSIZE, &limit);
}
#else
FileSizeLimit::FileSizeLimit(qint64) { }
FileSizeLimit::~FileSizeLimit() = default;
#endif

} // namespace kelmora::test
