#include "MissionDataFile.h"

#include "SafeFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstring>

namespace kelmora {

QString MissionDataFilePath(const QString& dataFolder)
{
    // The separator is always added; at a root the doubled one is harmless.
    return dataFolder + QDir::separator() + QStringLiteral("kelmora.dat");
}

namespace {

QString WriteRecords(const QString& path, const MissionStatusTable& table)
{
    // One step: a kill or a full disk leaves the old file or the new one, never a mix of templates.
    return ReplaceFile(path, QByteArray(reinterpret_cast<const char*>(table.data()), MissionDataFileSize), true);
}

} // namespace

QString ReadMissionRecords(const QString& path, MissionStatusTable& table)
{
    QByteArray records;
    const QString error = ReadRegularFile(path, records, 1024 * 1024);
    if (!error.isEmpty())
        return error;
    // A cut-off file would hand stale bytes to the next save; treat it as unreadable.
    if (records.size() < MissionDataFileSize)
        return QStringLiteral("The file is truncated (%1 of %2 bytes)").arg(records.size()).arg(MissionDataFileSize);
    std::memcpy(table.data(), records.constData(), MissionDataFileSize);
    return {};
}

std::optional<Problem> WriteMissionDataFile(const MissionStatusTable& table, const QString& dataFolder)
{
    const QString path = MissionDataFilePath(dataFolder);
    const QString error = WriteRecords(path, table);
    if (!error.isEmpty())
        return Problem{Failure::DataFileWrite, QDir::toNativeSeparators(path), error};
    return std::nullopt;
}

std::optional<Problem> DiscardMissionDataFile(const QString& dataFolder)
{
    const QString path = MissionDataFilePath(dataFolder);
    const EntryKind kind = EntryAt(path);
    if (kind == EntryKind::Missing)
        return std::nullopt;
    // Only the file the program made: a folder or a device of that name is left alone.
    QString error = kind == EntryKind::RegularFile || kind == EntryKind::Link ? QString() : NotAFileReason(kind);
    QFile file(path);
    if (error.isEmpty() && !file.remove())
        error = file.errorString();
    if (!error.isEmpty())
        return Problem{Failure::DataFileWrite, QDir::toNativeSeparators(path), error};
    return std::nullopt;
}

std::optional<Problem> ReadMissionDataFile(MissionStatusTable& table, const QString& dataFolder)
{
    const QString path = MissionDataFilePath(dataFolder);
    const QString error = ReadMissionRecords(path, table);
    if (!error.isEmpty())
        return Problem{Failure::DataFileRead, QDir::toNativeSeparators(path), error};
    return std::nullopt;
}

} // namespace kelmora
