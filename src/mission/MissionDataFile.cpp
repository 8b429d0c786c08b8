#include "MissionDataFile.h"

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
    QFile file(path);
    // ReadWrite creates a missing file and, unlike WriteOnly, does not truncate an existing one.
    if (!file.open(QIODevice::ReadWrite))
        return file.errorString();
    if (file.write(reinterpret_cast<const char*>(table.data()), MissionDataFileSize) != MissionDataFileSize)
        return file.errorString();
    file.close();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return {};
}

} // namespace

QString ReadMissionRecords(const QString& path, MissionStatusTable& table)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return file.errorString();
    const QByteArray records = file.read(MissionDataFileSize);
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    // A cut-off file would hand stale bytes to the next save; treat it as unreadable.
    if (records.size() != MissionDataFileSize)
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

void DiscardMissionDataFile(const QString& dataFolder)
{
    QFile::remove(MissionDataFilePath(dataFolder));
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
