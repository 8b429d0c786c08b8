#pragma once

#include "mission/MissionData.h"

#include <QByteArray>
#include <QString>

namespace kelmora::test {

// A savegame of `size` random bytes (repeatable for a seed), no byte of its mission block zero, so
// that a zeroed record always shows.
QByteArray MakeSavegame(qsizetype size, quint32 seed);

// The mission block as it lies in a savegame's bytes.
MissionStatusTable BlockOf(const QByteArray& savegame);

// `savegame` with its mission block replaced by `table`.
QByteArray WithBlock(QByteArray savegame, const MissionStatusTable& table);

// The table a save of mission `index` must leave, starting from the template's block.
MissionStatusTable ExpectedAfterSave(const MissionStatusTable& templateBlock, int index);

QByteArray ReadWholeFile(const QString& path);
void WriteWholeFile(const QString& path, const QByteArray& bytes);

} // namespace kelmora::test
