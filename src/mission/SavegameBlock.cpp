#include "SavegameBlock.h"

#include "FileLookup.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace kelmora {
namespace {

QString TooShortDescription(qint64 size)
{
    return QStringLiteral("The file is too short to be a driver savegame (%1 bytes, at least %2 needed)")
        .arg(size)
        .arg(MinimumSavegameSize);
}

} // namespace

QString ReadSavegame(const QString& path, QByteArray& savegame)
{
    QByteArray bytes;
    const QString error = ReadRegularFile(path, bytes, MaximumSavegameSize);
    if (!error.isEmpty())
        return error;
    if (bytes.size() < MinimumSavegameSize)
        return TooShortDescription(bytes.size());
    savegame = bytes;
    return {};
}

MissionStatusTable MissionBlockIn(const QByteArray& savegame)
{
    Q_ASSERT(savegame.size() >= MinimumSavegameSize);
    MissionStatusTable table{};
    for (int mission = 0; mission < MISSION_COUNT; ++mission)
        std::memcpy(table[mission].data(), savegame.constData() + MissionByteOffset(mission, 0), MissionRecordSize);
    return table;
}

void PutBlock(QByteArray& savegame, const MissionStatusTable& table)
{
    Q_ASSERT(savegame.size() >= MinimumSavegameSize);
    char* const bytes = savegame.data();
    for (int mission = 0; mission < MISSION_COUNT; ++mission)
        std::memcpy(bytes + MissionByteOffset(mission, 0), table[mission].data(), MissionRecordSize);
}

QString ReadMissionBlock(const QString& path, MissionStatusTable& table)
{
    QByteArray savegame;
    const QString error = ReadSavegame(path, savegame);
    if (error.isEmpty())
        table = MissionBlockIn(savegame);
    return error;
}

QString WriteMissionBlock(const QString& path, const MissionStatusTable& table, const BeforeOverwrite& beforeOverwrite,
                          const WriteInterruption* interruption)
{
    // Never made up or lengthened: the game would load a made-up file as a blank driver.
    const EntryKind kind = EntryAt(path);
    if (kind != EntryKind::RegularFile)
        return NotAFileReason(kind);
    // Not through a link swapped in since the look above: its bytes would be written here.
    QByteArray savegame;
    QString error = ReadRegularFile(path, savegame, MaximumSavegameSize, false);
    if (!error.isEmpty())
        return error;
    if (savegame.size() < MinimumSavegameSize)
        return TooShortDescription(savegame.size());
    const QByteArray current = savegame;
    PutBlock(savegame, table);
    if (savegame == current)
        return {}; // already holds these bytes
    // A folder where no new file can be made, or a shared one where another user's file may not be
    // replaced, still lets the player write the file itself: then the span that holds the block
    // goes in with one write.
    const bool inPlace = !interruption && !CanReplaceFile(path) && QFileInfo(path).isWritable();
    if (beforeOverwrite) {
        error = beforeOverwrite(current, inPlace);
        if (!error.isEmpty())
            return error;
    }
    if (inPlace)
        return WriteSpanInPlace(path, MissionBlockOffset,
                                savegame.mid(MissionBlockOffset, MissionBlockEnd - MissionBlockOffset));
    return ReplaceFile(path, savegame, false, interruption);
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
