#include "MissionDataFile.h"

#include <QCoreApplication>
#include <QDir>

#include <cstring>

namespace kelmora {

QString MissionDataFilePath(const QString& dataFolder)
{
    return dataFolder + QDir::separator() + QStringLiteral("kelmora.dat");
}

QByteArray MissionRecordsOf(const MissionStatusTable& table)
{
    return QByteArray(reinterpret_cast<const char*>(table.data()), MissionDataFileSize);
}

QString ParseMissionRecords(const QByteArray& records, MissionStatusTable& table)
{
    // A cut-off file would hand stale bytes to the next save; treat it as unreadable.
    if (records.size() < MissionDataFileSize)
        return QCoreApplication::translate("kelmora::MissionDataFile", "The file is truncated (%1 of %2 bytes)")
            .arg(records.size())
            .arg(MissionDataFileSize);
    std::memcpy(table.data(), records.constData(), MissionDataFileSize);
    return {};
}

} // namespace kelmora
