#include "Savegames.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#else
#include <windows.h>
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
        // The lock file counts every run that takes the lock, whatever the run does then.
        const QByteArray content = it.fileInfo().isDir()                             ? "<folder>"
                                   : it.fileName() == QStringLiteral("kelmora.lock") ? "<lock>"
                                                                                     : ReadWholeFile(path);
        entries.insert(QDir(root).relativeFilePath(path), content);
    }
    return entries;
}

#ifdef Q_OS_UNIX
bool MakeLink(const QString& target, const QString& link)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
}

bool MakeHardLink(const QString& target, const QString& link)
{
    return ::link(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
}

QString NoSuchFileText()
{
    return QStringLiteral("No such file or directory");
}

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
bool MakeLink(const QString& target, const QString& link)
{
    // Relative targets as on Unix: from the link's folder.
    const QString full = QDir::isAbsolutePath(target) ? target : QFileInfo(link).dir().filePath(target);
    const DWORD folder = QFileInfo(full).isDir() ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0;
    const auto wide = [](const QString& path) {
        return reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16());
    };
    // Wine answers yes and makes nothing: only a link that is there counts.
    return ::CreateSymbolicLinkW(wide(link), wide(target), folder | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) &&
           ::GetFileAttributesW(wide(link)) != INVALID_FILE_ATTRIBUTES;
}

bool MakeHardLink(const QString& target, const QString& link)
{
    return ::CreateHardLinkW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(link).utf16()),
                             reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()), nullptr) != 0;
}

QString NoSuchFileText()
{
    return qt_error_string(ERROR_FILE_NOT_FOUND);
}

FileSizeLimit::FileSizeLimit(qint64) { }
FileSizeLimit::~FileSizeLimit() = default;
#endif

} // namespace kelmora::test
