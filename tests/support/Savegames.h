#pragma once

#include "mission/MissionData.h"

#include <QByteArray>
#include <QMap>
#include <QString>

namespace kelmora::test {

// Mission i's byte j lies at 245 + 240 i + j of a savegame. These helpers spell that out themselves
// rather than take it from the code under test, so that they can judge it.

// A savegame of `size` random bytes (repeatable for a seed), no byte of its mission block zero, so
// that a zeroed record always shows.
QByteArray MakeSavegame(qsizetype size, quint32 seed);

// The mission block as it lies in a savegame's bytes.
MissionStatusTable BlockOf(const QByteArray& savegame);

// `savegame` with its mission block replaced by `table`.
QByteArray WithBlock(QByteArray savegame, const MissionStatusTable& table);

// The table a save of mission `index` must leave, starting from the template's block.
MissionStatusTable ExpectedAfterSave(const MissionStatusTable& templateBlock, int index);

// What a save of mission `index` must make of a copy of the template `savegame`.
QByteArray SavedFrom(const QByteArray& savegame, int index);

// The program data file's 170 bytes: the records of `table`, one after the other.
QByteArray RecordsOf(const MissionStatusTable& table);

QByteArray ReadWholeFile(const QString& path);
void WriteWholeFile(const QString& path, const QByteArray& bytes);

// Every file and folder below `root` by relative path, with each file's bytes.
QMap<QString, QByteArray> Snapshot(const QString& root);

// A symbolic link at `link` to `target`, a file or a folder: on Windows a real one, not the .lnk
// shortcut that QFile::link makes there. And a second name of the file `target`.
// False where the system makes none: then a test skips with NoLinksHere.
bool MakeLink(const QString& target, const QString& link);
inline constexpr const char* NoLinksHere =
    "Windows makes symbolic links for administrators and in developer mode only, "
    "and Wine makes none";
bool MakeHardLink(const QString& target, const QString& link);

// The system's words for a file that is not there, as the program shows them.
QString NoSuchFileText();

// While alive, no file of this process may grow beyond `bytes`: a write past it fails with "File too
// large", as on a full disk, for root too. SIGXFSZ is ignored, as the programs do.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    quint64 m_previous = 0;
};

} // namespace kelmora::test
