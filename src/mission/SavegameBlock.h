#pragma once

#include "MissionData.h"
#include "Outcome.h"
#include "SafeFile.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace kelmora {

// Far beyond any driver savegame; a larger file is refused rather than read into memory.
inline constexpr qint64 MaximumSavegameSize = 64 * 1024 * 1024;

// The whole savegame at `path`: a regular file of at least MinimumSavegameSize bytes. Returns the
// system's description of a failure, or an empty text.
QString ReadSavegame(const QString& path, QByteArray& savegame);

MissionStatusTable MissionBlockIn(const QByteArray& savegame);
void PutBlock(QByteArray& savegame, const MissionStatusTable& table);

// Reads the template's mission block into MissionStatus. A template that has vanished gives
// Failure::TemplateVanished, after which the program ends; on any failure MissionStatus keeps what
// it held.
std::optional<Problem> ReadTemplateMissionData(RunState& state);

// Called with the savegame's bytes as they are, before anything is written, and whether the file
// itself will be written into (else a new version replaces it); a non-empty answer (the system's
// words) stops the write.
using BeforeOverwrite = std::function<QString(const QByteArray& current, bool inPlace)>;

// Writes the mission block into the existing savegame at `path`, touching no other byte and never
// creating or lengthening a file. The file holds either its old bytes or the new ones, whatever
// happens on the way. Returns the system's description of a failure, or an empty text.
QString WriteMissionBlock(const QString& path, const MissionStatusTable& table,
                          const BeforeOverwrite& beforeOverwrite = {}, const WriteInterruption* interruption = nullptr);

// The mission block of the savegame at `path`, or the description of why it could not be read.
QString ReadMissionBlock(const QString& path, MissionStatusTable& table);

} // namespace kelmora
