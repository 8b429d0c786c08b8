#include "SavegameBlock.h"

#include "FileLookup.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

namespace kelmora {
namespace {

QString TooShortDescription(qint64 size)
{
    return QStringLiteral("The file is too short to be a driver savegame (%1 bytes, at least %2 needed)")
        .arg(size)
        .arg(MinimumSavegameSize);
}

} // namespace

QString ReadMissionBlock(const QString& path, MissionStatusTable& table)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.size() < MinimumSavegameSize)
        return TooShortDescription(file.size());

    // One read of the span that holds all 34 records is far cheaper than 170 single-byte reads.
    if (!file.seek(MissionBlockOffset))
        return file.errorString();
    const QByteArray span = file.read(MissionBlockEnd - MissionBlockOffset);
    if (span.size() != MissionBlockEnd - MissionBlockOffset)
        return file.error() != QFileDevice::NoError ? file.errorString() : TooShortDescription(file.size());

    for (int mission = 0; mission < MISSION_COUNT; ++mission) {
        for (int byte = 0; byte < MissionRecordSize; ++byte) {
            const qint64 at = MissionByteOffset(mission, byte) - MissionBlockOffset;
            table[mission][byte] = static_cast<quint8>(span[at]);
        }
    }
    return {};
}

QString WriteMissionBlock(const QString& path, const MissionStatusTable& table)
{
    QFile file(path);
    // ReadWrite rather than WriteOnly, which would truncate the savegame. ExistingOnly: a save must
    // never make up a savegame that the game would then load as a blank driver.
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.size() < MinimumSavegameSize)
        return TooShortDescription(file.size());

    for (int mission = 0; mission < MISSION_COUNT; ++mission) {
        const auto* bytes = reinterpret_cast<const char*>(table[mission].data());
        if (!file.seek(MissionByteOffset(mission, 0)) || file.write(bytes, MissionRecordSize) != MissionRecordSize)
            return file.errorString();
    }
    file.close();
    // A failure that only shows on closing (a full disk behind a network share, say) is a failure.
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return {};
}

std::optional<Problem> ReadTemplateMissionData(RunState& state)
{
    const QString path = state.SavedataFolder + state.TemplateDriverFile;
    const LookupResult lookup = LookUpFiles(path);
    if (!lookup.failed() && !lookup.found())
        return Problem{Failure::TemplateVanished, QDir::toNativeSeparators(path), {}};
    MissionStatusTable table = state.MissionStatus;
    const QString error = lookup.failed() ? lookup.error : ReadMissionBlock(path, table);
    if (!error.isEmpty())
        return Problem{Failure::TemplateRead, QDir::toNativeSeparators(path), error};
    state.MissionStatus = table;
    return std::nullopt;
}

} // namespace kelmora
