#include "SavegameStore.h"

#include "FileLookup.h"
#include "FileSystem.h"
#include "mission/MissionDataFile.h"
#include "mission/NextMission.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QtEndian>

#include <algorithm>

namespace kelmora {
namespace {

// What `savegame` is set to against the template at `templatePath` and its block: the template's
// exact copy, or the mission whose save gives its block. Only a file whose block is the template's
// can be its copy, and only then is the template read.
MissionChoice ChoiceOf(const QByteArray& savegame, const QString& templatePath, const MissionStatusTable& templateBlock)
{
    const MissionStatusTable block = MissionBlockIn(savegame);
    if (block == templateBlock && FileHolds(templatePath, savegame))
        return {MissionChoice::Kind::AsTemplate, {}, {}};
    return MatchMissionChoice(templateBlock, block);
}

QString TemplateNeverWritten()
{
    return QCoreApplication::translate("kelmora::SavegameStore",
                                       "It is the template driver file, which is never written");
}

QString TooShort(qint64 size)
{
    return QCoreApplication::translate("kelmora::SavegameStore",
                                       "The file is too short to be a driver savegame (%1 bytes, at least %2 needed)")
        .arg(size)
        .arg(MinimumSavegameSize);
}

// Far beyond the 170 bytes of a program data file, and far below what could hurt to read.
constexpr qint64 MaxDataFileSize = 1024 * 1024;

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString TemplatePathOf(const RunState& state)
{
    return state.TemplateDriverFile.isEmpty() ? QString() : state.SavedataFolder + state.TemplateDriverFile;
}

QString FactoryPathOf(const RunState& state)
{
    return state.FactoryDriverFile.isEmpty() ? QString() : state.SavedataFolder + state.FactoryDriverFile;
}

// Why a player's file that this user read may not be changed by this user, or empty: a savegame of
// another user's is theirs, even where the system would allow the change.
QString Unchangeable(const FileFacts& facts)
{
    return facts.mine || RunningAsAdministrator()
               ? QString()
               : QCoreApplication::translate("kelmora::SavegameStore",
                                             "It belongs to another user, whose savegames Kelmora never changes");
}

// Which template the program data file was written for, by whom: kept in the user's own folder, so
// that no other user and no other copy of the program can vouch for bytes that are not this
// choice's. The data file itself stays the 170 bytes every copy reads.
//   "kelmora template record 2", the data file's path, the template's path, the SHA-256 of the
//   170 bytes in hex, CopyDigest of the factory driver file the choice made; separated by NULs.
//   A record 1 has no copy digest.
struct TemplateRecord
{
    QString dataFile;
    QString templatePath;
    QByteArray digest;
    QByteArray copyDigest; // empty in a record 1
};

const QByteArray RecordHeader = "kelmora template record 2";
const QByteArray FirstRecordHeader = "kelmora template record 1";

// Which backups of the factory driver file were taken before the template was last chosen: the
// number of the newest then, which every later backup of the file exceeds, whatever the clock
// does. Beside the record, for the copy it names only: an older Kelmora that chooses again rewrites
// the record and leaves this, which then names another copy, or the same copy, whose backups since
// are its own either way.
//   "kelmora template choice 1", the template's path, the CopyDigest of the copy, the number in
//   decimal; separated by NULs.
const QByteArray ChoiceHeader = "kelmora template choice 1";

// What the bytes a save leaves alone hold: all but the mission block, which a save rewrites. The
// copy a template choice makes holds the template's bytes there, until the game writes its own as
// it is played. 16 hex digits of ContentDigest over the bytes before the block's end with the block
// as zeros, and over the bytes after it (`tailDigest`, where the caller has it).
QByteArray CopyDigest(const QByteArray& savegame, std::optional<quint64> tailDigest = {})
{
    QByteArray head = savegame.left(MissionBlockEnd);
    PutBlock(head, MissionStatusTable{});
    const QByteArray tail = QByteArray::fromRawData(savegame.constData() + head.size(), savegame.size() - head.size());
    const quint64 digests[] = {qToLittleEndian(ContentDigest(head, DigestKind::FourLane)),
                               qToLittleEndian(tailDigest ? *tailDigest : ContentDigest(tail, DigestKind::FourLane))};
    const QByteArray both = QByteArray::fromRawData(reinterpret_cast<const char*>(digests), sizeof digests);
    return QByteArray::number(ContentDigest(both, DigestKind::FourLane), 16).rightJustified(16, '0');
}

// Why the factory driver file at `path`, which holds `savegame`, is not to be given the progress of
// the template at `templatePath`, or nothing. `copyDigest`: the CopyDigest of the copy the choice
// made, empty where it is not known. While the file holds the copy's bytes outside its block it is
// that copy, however the game has played on. Where those bytes have changed, it is the game's
// writing or another driver's file: a file put there from another savegame of its folder (by
// another program's choice of a template with the same first letter, or by hand), or one on another
// card in the same reader. The first shows as a file whose bytes outside the block are that
// savegame's; the second, where the template is not on that card, as a missing template. A copy
// the player made of the factory driver file is no other driver: one named after it, or one made
// or changed after the file was last written, which cannot be what was copied over it (a file
// manager's copy keeps its source's time of change, but is made anew). Nor is another driver's
// savegame given a second name in its place: the file under both names is that driver's.
std::optional<QString> AnotherDriversFile(const QString& path, const QByteArray& savegame, const QString& templatePath,
                                          const QByteArray& copyDigest, std::optional<quint64> tailDigest = {})
{
    if (copyDigest.isEmpty())
        return std::nullopt;
    const QByteArray digest = CopyDigest(savegame, tailDigest);
    if (digest == copyDigest)
        return std::nullopt;
    if (EntryAt(templatePath) == EntryKind::Missing)
        return QCoreApplication::translate("kelmora::SavegameStore",
                                           "The template driver '%1' is missing, and this file has changed beyond its "
                                           "mission progress since it was copied from it: it may be another driver's "
                                           "savegame. Put the template driver back, or choose a template driver again")
            .arg(Native(templatePath));
    const QFileInfo factory(path);
    const QDir folder = factory.dir();
    const QDateTime written = factory.lastModified();
    for (const QString& name : ListFolder(folder.path(), QStringLiteral(".sav")).files) {
        const QString other = Native(folder.filePath(name));
        const QFileInfo otherInfo(other);
        if (name.contains(QLatin1String("FactMS"), Qt::CaseInsensitive) || otherInfo.size() != savegame.size())
            continue;
        const Identity sameFile = CompareFiles(other, path);
        if (sameFile == Identity::MaybeSame || CompareFiles(other, templatePath) != Identity::Different)
            continue;
        // A second name of the file itself holds its bytes, whatever its times say: nothing to read.
        QByteArray bytes;
        if (sameFile == Identity::Different &&
            (otherInfo.lastModified() > written || otherInfo.birthTime() > written ||
             !ReadRegularFile(other, bytes, MaximumSavegameSize).isEmpty() || CopyDigest(bytes) != digest))
            continue;
        return QCoreApplication::translate("kelmora::SavegameStore",
                                           "Apart from its mission progress it is the same as '%1': it may be that "
                                           "driver's savegame put here, which a save would give the template "
                                           "driver's progress. Choose the template driver again to make a fresh "
                                           "copy of it")
            .arg(other);
    }
    return std::nullopt;
}

QString RecordPath(const StorePlaces& places)
{
    return QDir(places.userFolder).filePath(QStringLiteral("kelmora.dat.template"));
}

QString ChoicePath(const StorePlaces& places)
{
    return QDir(places.userFolder).filePath(QStringLiteral("kelmora.dat.choice"));
}

QByteArray ChoiceBytes(const TemplateRecord& record, qint64 newestBackup)
{
    return ChoiceHeader + '\0' + Native(record.templatePath).toUtf8() + '\0' + record.copyDigest + '\0' +
           QByteArray::number(newestBackup);
}

// The number of the newest backup of the factory driver file when the template of `record` was
// chosen, where the choice file tells it for that very copy.
std::optional<qint64> NewestBackupBeforeChoice(const StorePlaces& places, const TemplateRecord& record)
{
    QByteArray bytes;
    if (record.copyDigest.isEmpty() || !ReadRegularFile(ChoicePath(places), bytes, 64 * 1024, nullptr, false).isEmpty())
        return std::nullopt;
    const QList<QByteArray> parts = bytes.split('\0');
    bool number = false;
    const qint64 newest = parts.value(3).toLongLong(&number);
    if (parts.size() != 4 || parts[0] != ChoiceHeader || QString::fromUtf8(parts[1]) != Native(record.templatePath) ||
        parts[2] != record.copyDigest || !number || newest < 0)
        return std::nullopt;
    return newest;
}

QByteArray RecordsDigest(const QByteArray& records)
{
    return QCryptographicHash::hash(records.left(MissionDataFileSize), QCryptographicHash::Sha256).toHex();
}

QByteArray RecordBytes(const TemplateRecord& record)
{
    return RecordHeader + '\0' + Native(record.dataFile).toUtf8() + '\0' + Native(record.templatePath).toUtf8() + '\0' +
           record.digest + '\0' + record.copyDigest;
}

std::optional<TemplateRecord> ReadRecord(const StorePlaces& places)
{
    QByteArray bytes;
    if (!ReadRegularFile(RecordPath(places), bytes, 64 * 1024, nullptr, false).isEmpty())
        return std::nullopt;
    const QList<QByteArray> parts = bytes.split('\0');
    const auto isDigest = [](const QByteArray& text) {
        return text.size() == 16 && std::all_of(text.begin(), text.end(), [](char c) {
                   return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
               });
    };
    if (!(parts.size() == 5 && parts[0] == RecordHeader && isDigest(parts[4])) &&
        !(parts.size() == 4 && parts[0] == FirstRecordHeader))
        return std::nullopt;
    return TemplateRecord{QString::fromUtf8(parts[1]), QString::fromUtf8(parts[2]), parts[3], parts.value(4)};
}

// The template's bytes as the last save of this process found them vouched for, for the next save to
// go on from rather than read and check both files again: only while the lock's count is the one
// that save left (every run of this user that could change either file counts itself when it takes
// the lock) and both files have the stamps they had before they were read (another user's copy of
// the program beside a shared portable one may replace the data file; a person may remove the
// record). On a file system that keeps coarser times than the clock's tick (FAT's two seconds), a
// change in that time may go unseen: the save then still writes the bytes vouched for this
// template, where a fresh look would refuse. Taken out by the next save, and put back only when it
// is vouched for.
struct VouchedBlock
{
    quint64 count = 0;
    QString dataFile;
    QString recordFile;
    QString templatePath;
    QByteArray dataStamp;
    QByteArray recordStamp;
    std::optional<QByteArray> templateStamp; // nothing where the template is not there
    MissionStatusTable table{};
    QByteArray copyDigest;
};

QMutex vouchedMutex;
std::optional<VouchedBlock> lastVouched;

std::optional<VouchedBlock> RecallVouched()
{
    const QMutexLocker locker(&vouchedMutex);
    return std::exchange(lastVouched, std::nullopt);
}

void RememberVouched(VouchedBlock vouched)
{
    const QMutexLocker locker(&vouchedMutex);
    lastVouched = std::move(vouched);
}

// A driver's progress never goes back: a template that has reached an earlier mission than the data
// file keeps for it is another driver's savegame put at its path (another memory card in the same
// reader, a folder link pointed elsewhere), whose factory driver file must not get these bytes. Why,
// or nothing; nothing too where the template cannot be read, as when it has been moved away.
std::optional<QString> AnotherDriverAt(const QString& templatePath, const MissionStatusTable& table)
{
    QByteArray start;
    if (!ReadFileStart(templatePath, start, MissionBlockEnd).isEmpty() || start.size() < MissionBlockEnd)
        return std::nullopt;
    const MissionStatusTable now = MissionBlockIn(start);
    if (MissionOfferedNext(now).value_or(MISSION_COUNT) >= MissionOfferedNext(table).value_or(MISSION_COUNT))
        return std::nullopt;
    return QCoreApplication::translate("kelmora::SavegameStore",
                                       "'%1' %2 now, but had more progress when it was chosen as the template "
                                       "driver: it is another driver's savegame")
        .arg(templatePath, ProgressText(now));
}

// The changes of a template choice so far, undone in reverse order when a later one fails.
class Undo
{
public:
    // `before`: what the file held, or nothing when there was none or it could not be read; `after`:
    // what the change puts there, or nothing when it removes the file. Told before the change is
    // tried: a change may fail after it has been made (its folder not flushed).
    void Changing(const QString& path, std::optional<QByteArray> before, std::optional<QByteArray> after)
    {
        m_files.prepend({path, std::move(before), std::move(after)});
    }

    // What the change last told of failed with. One refused because another program had changed the
    // file meanwhile never touched it: there is nothing of it to undo, and that program's bytes stay.
    void Failed(const QString& error)
    {
        if (error == ChangedMeanwhileReason())
            m_files.removeFirst();
    }

    // Puts every file back; false when one could not be put back. Only where the file is as the
    // change left it: a file the failed change never reached, or one another program has changed or
    // made since, stays as it is. (So does a file whose bytes were not known, another user's say,
    // unless the change made what stands there.)
    bool Run()
    {
        bool all = true;
        for (const Step& step : std::as_const(m_files)) {
            QByteArray bytes;
            FileFacts facts;
            const EntryKind kind = EntryAt(step.path);
            const bool read = kind == EntryKind::RegularFile &&
                              ReadRegularFile(step.path, bytes, MaximumSavegameSize, &facts, false).isEmpty();
            if (step.before && read && bytes == *step.before)
                continue;
            const bool changeLeftIt = step.after ? read && bytes == *step.after : kind == EntryKind::Missing;
            bool back = changeLeftIt;
            if (changeLeftIt && step.before)
                back = ReplaceFile(step.path, *step.before, true, {}, read ? facts.version : NoFileVersion).isEmpty();
            else if (changeLeftIt && read)
                back = RemoveFile(step.path, true, facts.version).isEmpty();
            all = back && all;
        }
        m_files.clear();
        return all;
    }

private:
    struct Step
    {
        QString path;
        std::optional<QByteArray> before;
        std::optional<QByteArray> after;
    };
    QList<Step> m_files;
};

} // namespace

bool UsableSettings(const RunState& state)
{
    // Saving with other settings would write a file named by nothing, or one relative to wherever
    // the program was started. The folder is stored with its separator at the end and the names are
    // put after it: without one, "/saves/A" and "lex.sav" would name /saves/Alex.sav as the template
    // and /saves/AlFactMS.sav, not its factory driver file, as the file to write.
    const QString& folder = state.SavedataFolder;
    return !state.TemplateDriverFile.isEmpty() && !state.FactoryDriverFile.isEmpty() && QDir::isAbsolutePath(folder) &&
           (folder.endsWith(u'/') || folder.endsWith(QDir::separator())) && !state.TemplateDriverFile.contains(u'/') &&
           !state.TemplateDriverFile.contains(QDir::separator());
}

struct SavegameStore::Session
{
    explicit Session(const QString& userFolder)
        : lock(userFolder)
    { }
    FlowLock lock;
    RunState stored; // the settings as stored once the lock is held
};

SavegameStore::SavegameStore(StorePlaces places)
    : m_places(std::move(places))
{ }

QString SavegameStore::BackupFolderPath() const
{
    return m_places.userFolder.isEmpty() ? QString()
                                         : Native(QDir(m_places.userFolder).filePath(QStringLiteral("Backups")));
}

QString SavegameStore::DataFilePath() const
{
    return Native(MissionDataFilePath(m_places.dataFolder));
}

std::optional<Problem> SavegameStore::Begin(Session& session) const
{
    if (m_places.userFolder.isEmpty())
        return Problem{
            Failure::LockFailed, QStringLiteral("kelmora.lock"),
            QCoreApplication::translate("kelmora::SavegameStore", "There is no per-user folder to keep it in")};
    if (auto problem = session.lock.Acquire())
        return problem;
    return LoadSettings(session.stored, m_places.settings);
}

std::optional<Problem> SavegameStore::TemplateBlock(const RunState& stored, MissionStatusTable& table,
                                                    const FlowLock* lock, QByteArray* copyDigest) const
{
    const QString path = DataFilePath();
    const QString recordPath = RecordPath(m_places);
    const QString templatePath = Native(TemplatePathOf(stored));
    const std::optional<quint64> count = lock ? lock->CountFound() : std::nullopt;
    std::optional<VouchedBlock> vouched = count ? RecallVouched() : std::nullopt;
    // Stamped before they are read: a change after the stamps is seen by the next save.
    const std::optional<QByteArray> dataStamp = count ? StampAt(path).stamp : std::nullopt;
    const std::optional<QByteArray> recordStamp = dataStamp ? StampAt(recordPath).stamp : std::nullopt;
    // The template's too: another file put at its path is looked at again.
    const EntryStamp templateEntry = count ? StampAt(templatePath) : EntryStamp{};
    const bool templateStamped = templateEntry.stamp || templateEntry.kind == EntryKind::Missing;
    const auto vouch = [&](const QByteArray& copy) {
        if (copyDigest)
            *copyDigest = copy;
        if (dataStamp && recordStamp && templateStamped)
            RememberVouched({*count + 1, path, recordPath, templatePath, *dataStamp, *recordStamp, templateEntry.stamp,
                             table, copy});
    };
    if (vouched && vouched->count == *count && vouched->dataFile == path && vouched->recordFile == recordPath &&
        vouched->templatePath == templatePath && dataStamp && vouched->dataStamp == *dataStamp && recordStamp &&
        vouched->recordStamp == *recordStamp && templateStamped && vouched->templateStamp == templateEntry.stamp) {
        table = vouched->table;
        vouch(vouched->copyDigest);
        return std::nullopt;
    }
    QByteArray records;
    FileFacts facts;
    QString error = ReadRegularFile(path, records, MaxDataFileSize, &facts, false);
    if (error.isEmpty())
        error = ParseMissionRecords(records, table);
    if (!error.isEmpty())
        return Problem{Failure::DataFileRead, path, error};
    const auto refuse = [&](const QString& reason) { return Problem{Failure::DataFileNotTheTemplates, path, reason}; };
    if (!facts.mine)
        return refuse(QCoreApplication::translate("kelmora::SavegameStore", "It belongs to another user"));
    if (facts.othersMayWrite)
        return refuse(QCoreApplication::translate("kelmora::SavegameStore", "Other users may change it"));
    const std::optional<TemplateRecord> record = ReadRecord(m_places);
    if (!record)
        return refuse(QCoreApplication::translate("kelmora::SavegameStore",
                                                  "Nothing tells which template driver it was written for"));
    if (record->templatePath != templatePath)
        return refuse(
            QCoreApplication::translate("kelmora::SavegameStore", "It was written for the template driver '%1'")
                .arg(record->templatePath));
    // The same path is the same file, which has just been read.
    if (record->dataFile != path && CompareFiles(record->dataFile, path) != Identity::Same)
        return refuse(
            QCoreApplication::translate("kelmora::SavegameStore",
                                        "The template driver was chosen by the copy of Kelmora that keeps it in '%1'")
                .arg(record->dataFile));
    if (record->digest != RecordsDigest(records))
        return refuse(QCoreApplication::translate("kelmora::SavegameStore",
                                                  "It has changed since the template driver was chosen"));
    if (const std::optional<QString> another = AnotherDriverAt(templatePath, table))
        return refuse(*another);
    // Where the record names the data file by another path, that path is looked at each time.
    if (record->dataFile == path)
        vouch(record->copyDigest);
    else if (copyDigest)
        *copyDigest = record->copyDigest;
    return std::nullopt;
}

std::optional<Problem> SavegameStore::KeepBackup(Session& session, const QString& path, const QByteArray& content,
                                                 const MissionStatusTable* templateBlock, bool onlyCheck,
                                                 std::optional<quint64> digest) const
{
    const RunState& stored = session.stored;
    // Whose copy the file is, only the stored choice can tell, and only for the very file it made.
    QString templatePath;
    MissionChoice choice;
    MissionStatusTable block{};
    if (templateBlock) {
        block = *templateBlock;
    } else if (content.size() < MinimumSavegameSize || FactoryPathOf(stored).isEmpty() ||
               CompareFiles(path, FactoryPathOf(stored)) != Identity::Same || TemplateBlock(stored, block)) {
        templateBlock = nullptr;
    } else {
        templateBlock = &block;
    }
    if (templateBlock) {
        templatePath = TemplatePathOf(stored);
        choice = ChoiceOf(content, templatePath, block);
    }
    QString where;
    const QString folder = BackupFolderPath();
    const QString error =
        folder.isEmpty()
            ? QCoreApplication::translate("kelmora::SavegameStore", "There is no per-user folder to keep it in")
        : onlyCheck ? BackupFolder(folder, &session.lock).CannotKeep(path, content, templatePath, &where)
                    : BackupFolder(folder, &session.lock).Keep(path, content, templatePath, choice, &where, digest);
    if (error.isEmpty())
        return std::nullopt;
    // The player learns where the backups go.
    return Problem{Failure::BackupFailed, Native(path),
                   where.isEmpty() || where == Native(path) ? error : QStringLiteral("%1: %2").arg(where, error)};
}

SaveOutcome SavegameStore::Save(RunState& state, bool panelEnabled, int index, const Clock& clock, bool dryRun) const
{
    return panelEnabled ? SaveFor(state, false, index, clock, dryRun) : SaveOutcome{};
}

SaveOutcome SavegameStore::SaveStoredTemplate(RunState& state, int index, const Clock& clock, bool dryRun) const
{
    return SaveFor(state, true, index, clock, dryRun);
}

SaveOutcome SavegameStore::SaveFor(RunState& state, bool followStored, int index, const Clock& clock, bool dryRun) const
{
    SaveOutcome outcome;
    outcome.attempted = true;
    const auto fail = [&](const Problem& problem) {
        outcome.problems << problem;
        return outcome;
    };
    const auto noTemplate = [&] {
        return fail({Failure::NoTemplate, Native(state.SavedataFolder + state.TemplateDriverFile), {}});
    };
    if (!followStored && !UsableSettings(state))
        return noTemplate();
    Session session(m_places.userFolder);
    if (auto problem = Begin(session))
        return fail(*problem);
    if (followStored) {
        state = session.stored;
        if (!UsableSettings(state))
            return noTemplate();
    } else if (session.stored.SavedataFolder != state.SavedataFolder ||
               session.stored.TemplateDriverFile != state.TemplateDriverFile) {
        // Saved for the template this window shows, or for none: another run may have chosen another.
        // Settings emptied or removed since then name no template: no other run chose one.
        if (!UsableSettings(session.stored))
            return fail({Failure::NoTemplate, Native(TemplatePathOf(session.stored)), {}});
        return fail({Failure::TemplateChanged, Native(TemplatePathOf(session.stored)), {}});
    }

    MissionStatusTable table = state.MissionStatus;
    QByteArray copyDigest;
    if (auto problem = TemplateBlock(session.stored, table, &session.lock, &copyDigest)) {
        outcome.problems << *problem;
        if (problem->failure == Failure::DataFileRead)
            outcome.problems << Problem{Failure::SaveDataFileUnreadable, problem->path, {}};
        return outcome;
    }
    outcome.templateBlock = table;
    state.MissionStatus = table;
    if (!ApplyMissionSelection(state.MissionStatus, index))
        return fail({Failure::SelectionRule, {}, {}});

    // Never made up or lengthened: the game would load a made-up file as a blank driver. And not
    // through a link: a link swapped in would have its target written.
    const QString path = Native(FactoryPathOf(state)), templatePath = TemplatePathOf(state);
    const auto writeFailed = [&](const QString& reason) { return fail({Failure::FactoryWrite, path, reason}); };
    QByteArray current;
    FileFacts facts;
    if (const QString error = ReadRegularFile(path, current, MaximumSavegameSize, &facts, false); !error.isEmpty())
        return writeFailed(error);
    if (current.size() < MinimumSavegameSize)
        return writeFailed(TooShort(current.size()));
    // Through a hard link or a crafted name the factory driver file may be the template. The template
    // is looked at again here, after the read, not taken from the look before it: the nearer the
    // write, the less time for a link to be swapped in.
    if (CompareFiles(path, templatePath, facts.id) != Identity::Different)
        return writeFailed(TemplateNeverWritten());
    if (const QString reason = Unchangeable(facts); !reason.isEmpty())
        return writeFailed(reason);
    // The file's digest for its backup, and its bytes' after the block for the check, in one pass.
    const auto [digest, tailDigest] = FourLaneDigests(current, MissionBlockEnd);
    if (const auto another = AnotherDriversFile(path, current, templatePath, copyDigest, tailDigest))
        return writeFailed(*another);
    outcome.fileBlock = MissionBlockIn(current);
    // One copy of the savegame in memory, however large: kept as it is, then changed where it lies.
    if (*outcome.fileBlock != state.MissionStatus) {
        QString whyNot;
        const ChangeWay way = HowToChange(path, &whyNot);
        if (way == ChangeWay::Impossible)
            return writeFailed(whyNot);
        if (way == ChangeWay::InPlace && facts.links > 1)
            return writeFailed(QCoreApplication::translate(
                "kelmora::SavegameStore", "It has other names, which a write into it would change too"));
        // No backup, no change. A dry run refuses all that the save would refuse, as far as can be
        // told without writing (the backup's folder too), and ends before the first write.
        if (auto problem = KeepBackup(session, path, current, &*outcome.templateBlock, dryRun, digest))
            return fail(*problem);
        if (dryRun)
            return outcome;
        PutBlock(current, state.MissionStatus);
        // A folder where no new file can be made, or a shared one where another user's file may not
        // be replaced, still lets the player write the file itself: then the span that holds the
        // block goes in with one write.
        // Only over the version that was read and backed up: what the game (say) wrote since stays.
        const QString error =
            way == ChangeWay::Replace
                ? ReplaceFile(path, current, false, {}, facts.version)
                : WriteInPlace(path, MissionBlockOffset,
                               current.mid(MissionBlockOffset, MissionBlockEnd - MissionBlockOffset), facts.version);
        if (!error.isEmpty())
            return writeFailed(error);
    }
    outcome.statusText = SaveStatusText(index, clock.LongTimeText());
    return outcome;
}

SelectionOutcome SavegameStore::ChooseTemplate(RunState& state, const ChosenFile& choice) const
{
    SelectionOutcome outcome;
    const auto refuse = [&](const Problem& problem) {
        outcome.problems << problem;
        return outcome;
    };
    // The current factory driver file, and any file named like one: its own name would be the new
    // factory driver file's, and making that file would first delete the template.
    if (choice.FileTitle.compare(state.FactoryDriverFile, Qt::CaseInsensitive) == 0 ||
        IsFactoryDriverFileName(choice.FileTitle))
        return refuse({Failure::FactoryTemplateRefused, {}, {}});
    const QString fileName = Native(choice.FileName);
    // A path the file system cannot store would be written under a look-alike name.
    if (!IsStorablePath(fileName))
        return refuse({Failure::UnusablePath, fileName,
                       QCoreApplication::translate("kelmora::SavegameStore",
                                                   "The name holds characters that the file system cannot store")});

    RunState chosen = state;
    chosen.SavedataFolder = fileName.left(fileName.size() - choice.FileTitle.size());
    chosen.TemplateDriverFile = choice.FileTitle;
    chosen.FactoryDriverFile = FactoryDriverFileFor(chosen.TemplateDriverFile);
    const QString templatePath = TemplatePathOf(chosen), factoryPath = Native(FactoryPathOf(chosen));
    const QString dataPath = DataFilePath();
    Session session(m_places.userFolder);
    if (auto problem = Begin(session))
        return refuse(*problem);

    // Everything that can be checked comes first: until all of it holds, nothing changes.
    const LookupResult found = LookUpFiles(templatePath);
    if (!found.failed() && !found.found()) {
        outcome.result = SelectionOutcome::Result::ProgramEnded;
        outcome.problems << Problem{Failure::TemplateNotFound, templatePath, {}}
                         << Problem{Failure::TemplateVanished, templatePath, {}};
        return outcome;
    }
    const auto cannotMake = [&](const QString& reason) { return refuse({Failure::MakeFactory, templatePath, reason}); };
    if (found.failed())
        return cannotMake(found.error);
    // Every earlier factory driver file of the folder goes: only regular files, links and folders
    // are the player's. The new one replaces a file of its own name in one step.
    const LookupResult earlier = LookUpFiles(chosen.SavedataFolder + u'?' + FactoryDriverSuffix);
    if (earlier.failed())
        return cannotMake(earlier.error);
    struct Earlier
    {
        QString path;
        QByteArray content;
        QByteArray version; // of the content read
    };
    QList<Earlier> replaced;
    for (const QString& path : earlier.files) {
        if (EntryAt(path) == EntryKind::RegularFile)
            replaced.append({Native(path), {}, {}});
    }
    const EntryKind factoryKind = EntryAt(factoryPath);
    if (factoryKind != EntryKind::Missing && factoryKind != EntryKind::RegularFile)
        return cannotMake(QStringLiteral("%1: %2").arg(factoryPath, NotAFileReason(factoryKind)));
    // The file that the new copy replaces is kept too where the look-up passed it over (a hidden one).
    if (factoryKind == EntryKind::RegularFile &&
        std::none_of(replaced.cbegin(), replaced.cend(),
                     [&](const Earlier& file) { return CompareFiles(file.path, factoryPath) != Identity::Different; }))
        replaced.append({factoryPath, {}, {}});
    for (const QString& doomed : QStringList{factoryPath} + QStringList{earlier.files}) {
        if (CompareFiles(templatePath, doomed) != Identity::Different)
            return refuse({Failure::FactoryTemplateRefused, {}, {}});
    }
    if (CompareFiles(templatePath, dataPath) != Identity::Different)
        return cannotMake(
            QCoreApplication::translate("kelmora::SavegameStore", "The chosen file is the program data file"));
    QByteArray templateBytes;
    if (const QString error = ReadRegularFile(templatePath, templateBytes, MaximumSavegameSize); !error.isEmpty())
        return cannotMake(error);
    if (templateBytes.size() < MinimumSavegameSize)
        return refuse({Failure::TemplateRead, templatePath, TooShort(templateBytes.size())});
    for (Earlier& file : replaced) {
        FileFacts facts;
        QString error = ReadRegularFile(file.path, file.content, MaximumSavegameSize, &facts, false);
        file.version = facts.version;
        if (error.isEmpty())
            error = Unchangeable(facts);
        // Each is removed or replaced: one the player made read-only stays as it is, for root too.
        if (error.isEmpty() && facts.readOnly)
            error = ReadOnlyReason();
        if (!error.isEmpty())
            return cannotMake(QStringLiteral("%1: %2").arg(file.path, error));
    }
    if (const QString error = CannotMakeFilesIn(chosen.SavedataFolder); !error.isEmpty())
        return cannotMake(error);
    QString failedFolder;
    if (QString error = MakeFolder(m_places.dataFolder, false, &failedFolder); !error.isEmpty())
        return refuse({Failure::DataFolderCreate, Native(m_places.dataFolder), error});
    if (const EntryKind kind = EntryAt(dataPath); kind != EntryKind::Missing && kind != EntryKind::RegularFile)
        return refuse({Failure::DataFileWrite, dataPath, NotAFileReason(kind)});
    if (const QString error = CannotMakeFilesIn(m_places.dataFolder); !error.isEmpty())
        return refuse({Failure::DataFileWrite, dataPath, error});
    // Settings that cannot be stored would name another template at the next start than the one
    // whose bytes the program data file then holds.
    if (auto problem = CreateSettingsKey(m_places.settings))
        return refuse(*problem);
    if (auto problem = CheckSettingsWritable(m_places.settings))
        return refuse(*problem);
    if (!replaced.isEmpty()) {
        const QString backups = BackupFolderPath();
        if (QString error = MakeFolder(backups, true, &failedFolder); !error.isEmpty())
            return refuse(
                {Failure::BackupFailed, replaced.first().path, QStringLiteral("%1: %2").arg(failedFolder, error)});
    }

    // Whose copy each file is that the choice overwrites or removes, the stored choice tells.
    for (const Earlier& file : replaced) {
        if (auto problem = KeepBackup(session, file.path, file.content))
            return refuse(*problem);
    }
    // From here on every change is undone when a later one fails. The record goes first: whatever
    // stops the choice now, kelmora.dat vouches for no template until the choice is complete.
    Undo undo;
    const QString recordPath = RecordPath(m_places);
    const auto bytesAt = [](const QString& path) -> std::optional<QByteArray> {
        QByteArray bytes;
        if (EntryAt(path) != EntryKind::RegularFile || !ReadRegularFile(path, bytes, MaxDataFileSize).isEmpty())
            return std::nullopt;
        return bytes;
    };
    const std::optional<QByteArray> oldRecord = bytesAt(recordPath);
    const auto failed = [&](const Problem& problem) {
        // Undone, the choice leaves the files as they were; else at least no save uses these bytes.
        if (!undo.Run())
            RemoveFile(recordPath);
        return refuse(problem);
    };
    if (oldRecord) {
        undo.Changing(recordPath, oldRecord, std::nullopt);
        if (const QString error = RemoveFile(recordPath); !error.isEmpty())
            return failed({Failure::DataFileWrite, Native(recordPath), error});
    }
    // The other names go before the copy is made: on a case-insensitive file system aFactMS.sav and
    // AFactMS.sav are one file, which removed afterwards would take the new copy with it.
    std::optional<QByteArray> oldFactory;
    QByteArray oldFactoryVersion = NoFileVersion;
    for (const Earlier& file : replaced) {
        if (QString::compare(file.path, factoryPath, Qt::CaseSensitive) == 0) {
            oldFactory = file.content;
            oldFactoryVersion = file.version;
            continue;
        }
        undo.Changing(file.path, file.content, std::nullopt);
        // Only the version that was backed up: what the game wrote since stays.
        if (const QString error = RemoveFile(file.path, true, file.version); !error.isEmpty()) {
            undo.Failed(error);
            return failed({Failure::MakeFactory, templatePath, QStringLiteral("%1: %2").arg(file.path, error)});
        }
        // Gone under a name that differs only in case, the file may still seem to stand under the
        // factory driver file's name for a moment (a FUSE file system caches names): it was this
        // file, backed up, and the new copy may take its place.
        if (CompareFiles(file.path, factoryPath) == Identity::MaybeSame)
            oldFactoryVersion.clear();
    }
    undo.Changing(factoryPath, oldFactory, templateBytes);
    // Only over the version that was backed up, or where nothing was. Where the game wrote to the file
    // meanwhile, the choice leaves everything as it was, the earlier choice's record too: its saves
    // go on, and they check the file as ever.
    if (const QString error = ReplaceFile(factoryPath, templateBytes, true, {}, oldFactoryVersion); !error.isEmpty()) {
        undo.Failed(error);
        return failed({Failure::MakeFactory, templatePath, error});
    }
    const MissionStatusTable block = MissionBlockIn(templateBytes);
    const QByteArray records = MissionRecordsOf(block);
    const std::optional<QByteArray> oldData = bytesAt(dataPath);
    // Another user's kelmora.dat beside a shared portable copy, or one others may write, goes where
    // the folder lets it: the new one is this user's alone.
    QByteArray ignored;
    FileFacts dataFacts;
    QString dataError;
    undo.Changing(dataPath, oldData, records);
    if (oldData && ReadRegularFile(dataPath, ignored, MaxDataFileSize, &dataFacts).isEmpty() &&
        (!dataFacts.mine || dataFacts.othersMayWrite))
        dataError = RemoveFile(dataPath);
    // Root's choice, beside a portable copy in a player's folder, stays root's: the player's would be
    // refused by root's next save as another user's.
    if (dataError.isEmpty())
        dataError = ReplaceFile(dataPath, records, true, {}, {}, true);
    if (!dataError.isEmpty())
        return failed({Failure::DataFileWrite, dataPath, dataError});
    const TemplateRecord record{dataPath, templatePath, RecordsDigest(records), CopyDigest(templateBytes)};
    // Which backups came before this copy goes before the record: a run killed between the two must
    // not leave a record that saves go on from beside an earlier choice's note, which a restore of
    // the earlier driver's copy would take as telling nothing. The newest number is read under the
    // lock, after this choice's own backups.
    const QString choicePath = ChoicePath(m_places);
    const QByteArray choiceBytes = ChoiceBytes(
        record, BackupFolderPath().isEmpty() ? 0 : BackupFolder(BackupFolderPath()).NewestNumber(factoryPath));
    undo.Changing(choicePath, bytesAt(choicePath), choiceBytes);
    if (const QString error = ReplaceFile(choicePath, choiceBytes, true); !error.isEmpty())
        return failed({Failure::DataFileWrite, Native(choicePath), error});
    undo.Changing(recordPath, oldRecord, RecordBytes(record));
    if (const QString error = ReplaceFile(recordPath, RecordBytes(record), true); !error.isEmpty())
        return failed({Failure::DataFileWrite, Native(recordPath), error});
    if (auto problem = WriteSettingValues(m_places.settings, {{SavedataFolderValue, chosen.SavedataFolder},
                                                              {TemplateDriverFileValue, chosen.TemplateDriverFile}}))
        return failed(*problem);

    // What a run of this user killed while it replaced an earlier factory driver file left at that
    // file's pending name goes with the file: no later write to it would clear it away any more. Only
    // that very name, only a file of this user's, and never the template (a player may name a
    // savegame anything).
    for (const Earlier& file : replaced) {
        const QString left = file.path + QLatin1String(PendingSuffix);
        QByteArray bytes;
        FileFacts facts;
        if (QString::compare(file.path, factoryPath, Qt::CaseSensitive) != 0 &&
            ReadRegularFile(left, bytes, MaximumSavegameSize, &facts, false).isEmpty() && facts.mine &&
            facts.links == 1 && CompareFiles(left, templatePath, facts.id) == Identity::Different)
            RemoveFile(left, false, facts.version);
    }

    state = chosen;
    state.SettingsValid = true;
    state.MissionStatus = block;
    outcome.result = SelectionOutcome::Result::Selected;
    return outcome;
}

namespace {

// Whether `recorded`, the template a backup was a copy of, is `current`, the one saves copy from now:
// the same file, or, while that is away (moved, or on a card taken out), the very path it was chosen
// at. Only the same path: a look-alike name in the same folder may be another driver's.
bool IsTemplate(const QString& recorded, const QString& current)
{
    if (recorded.isEmpty() || current.isEmpty())
        return false;
    const Identity identity = CompareFiles(recorded, current);
    return identity == Identity::Same ||
           (identity == Identity::MaybeSame && QDir::cleanPath(QDir::fromNativeSeparators(recorded)) ==
                                                   QDir::cleanPath(QDir::fromNativeSeparators(current)));
}

} // namespace

RestoreOutcome SavegameStore::Restore(const QString& id, bool acceptMix) const
{
    RestoreOutcome outcome;
    const auto fail = [&](const Problem& problem) {
        outcome.problems << problem;
        return outcome;
    };
    Session session(m_places.userFolder);
    if (auto problem = Begin(session))
        return fail(*problem);
    const RunState& stored = session.stored;
    const BackupListing listing = Backups();
    std::optional<Backup> backup;
    for (const ListedBackup& listed : listing.backups) {
        if (listed.backup.id == id.trimmed())
            backup = listed.backup;
    }
    // What could not be read may have hidden it.
    if (!backup)
        return fail(listing.problem ? *listing.problem : Problem{Failure::BackupUnknown, id, {}});

    const QString target = backup->originalPath;
    const auto refuse = [&](const QString& reason) { return fail({Failure::RestoreFailed, target, reason}); };
    // The template may be missing right now; its name alone is enough to refuse.
    if (!stored.TemplateDriverFile.isEmpty() && CompareFiles(target, TemplatePathOf(stored)) != Identity::Different)
        return refuse(TemplateNeverWritten());
    if (CompareFiles(target, DataFilePath()) != Identity::Different)
        return refuse(QCoreApplication::translate("kelmora::SavegameStore", "It is the program data file"));
    // Backups are only ever taken of factory driver files; a record naming anything else was not
    // written by Kelmora, and the file there is not one it made.
    if (!IsFactoryDriverFileName(QFileInfo(target).fileName()))
        return refuse(QCoreApplication::translate("kelmora::SavegameStore", "It is not a factory driver file"));
    const EntryKind kind = EntryAt(target);
    if (kind != EntryKind::RegularFile && kind != EntryKind::Missing)
        return refuse(NotAFileReason(kind));
    // Read before what stands there is kept: keeping it may drop this very backup as the oldest.
    QByteArray content;
    if (const QString error = BackupFolder(BackupFolderPath()).Read(*backup, content); !error.isEmpty())
        return refuse(QStringLiteral("%1: %2").arg(Native(backup->file), error));

    // Another template driver's copy, or one of a template nobody knows, put back where saves write
    // this template's progress, would come out of the next save as a mix of two drivers.
    const bool savesWriteIt =
        !FactoryPathOf(stored).isEmpty() && CompareFiles(target, FactoryPathOf(stored)) != Identity::Different;
    const bool sameTemplate = IsTemplate(backup->templatePath, TemplatePathOf(stored));
    if (savesWriteIt && !sameTemplate && !acceptMix) {
        outcome.needsConfirmation = true;
        const QString reason =
            backup->templatePath.isEmpty()
                ? QCoreApplication::translate(
                      "kelmora::SavegameStore",
                      "It was backed up while no template driver was known for it, and saves now write "
                      "the progress of '%1' into this file")
                      .arg(Native(TemplatePathOf(stored)))
                : QCoreApplication::translate(
                      "kelmora::SavegameStore",
                      "It is a copy of template driver '%1', and saves now write the progress of '%2' "
                      "into this file")
                      .arg(backup->templatePath, Native(TemplatePathOf(stored)));
        return fail({Failure::RestoreMixesDrivers, target, reason});
    }
    // Under the same name, a copy of another driver: the template's savegame made anew (the driver
    // deleted in the game and another one given his name) and chosen again. A backup taken before the
    // current choice whose bytes beyond the mission progress are not those of the copy it made may
    // be such a copy, or one the game has played on; the player is asked.
    if (savesWriteIt && !acceptMix) {
        // Told by the backups' numbers, not their times: a clock set back or ahead between them would
        // move a backup to the other side of the choice.
        const std::optional<TemplateRecord> record = ReadRecord(m_places);
        const std::optional<qint64> newestBefore = record ? NewestBackupBeforeChoice(m_places, *record) : std::nullopt;
        if (newestBefore && record->templatePath == Native(TemplatePathOf(stored)) &&
            backup->sequence <= *newestBefore &&
            (content.size() < MinimumSavegameSize || CopyDigest(content) != record->copyDigest)) {
            outcome.needsConfirmation = true;
            return fail({Failure::RestoreMixesDrivers, target,
                         QCoreApplication::translate(
                             "kelmora::SavegameStore",
                             "It was backed up before template driver '%1' was last chosen, and beyond its mission "
                             "progress it differs from the copy made then: it may be another driver's savegame of "
                             "that name, or one the game has played on since")
                             .arg(record->templatePath)});
        }
    }

    ChangeWay way = ChangeWay::Replace;
    QByteArray current;
    FileFacts facts;
    if (kind == EntryKind::RegularFile) {
        QString error = ReadRegularFile(target, current, MaximumSavegameSize, &facts, false);
        if (error.isEmpty())
            error = Unchangeable(facts);
        if (!error.isEmpty())
            return refuse(error);
        if (current != content) {
            way = HowToChange(target, &error);
            if (way == ChangeWay::Impossible)
                return refuse(error);
            // Written into, the file must keep its length, and have no other name to change too.
            if (way == ChangeWay::InPlace && (current.size() != content.size() || facts.links > 1))
                return refuse(facts.links > 1
                                  ? QCoreApplication::translate("kelmora::SavegameStore",
                                                                "It has other names, which a write into it would "
                                                                "change too")
                                  : QCoreApplication::translate("kelmora::SavegameStore",
                                                                "No new file can be made in its folder, and the "
                                                                "backup has another length than the file"));
            if (auto problem = KeepBackup(session, target, current))
                return fail(*problem);
        }
    } else if (const QString error = CannotMakeFilesIn(QFileInfo(target).absolutePath()); !error.isEmpty()) {
        return refuse(error);
    }
    if (kind == EntryKind::Missing || current != content) {
        QString error;
        // Only over the version that was read and backed up, or where nothing was: what another
        // program wrote or made there since stays.
        if (way == ChangeWay::Replace) {
            error = ReplaceFile(target, content, true, {}, kind == EntryKind::Missing ? NoFileVersion : facts.version);
        } else {
            // Only the bytes that differ, in one write.
            qsizetype first = 0, last = content.size();
            while (content[first] == current[first])
                ++first;
            while (content[last - 1] == current[last - 1])
                --last;
            error = WriteInPlace(target, first, content.mid(first, last - first), facts.version);
        }
        if (!error.isEmpty())
            return refuse(error);
    }
    outcome.restored = backup;
    return outcome;
}

BackupListing SavegameStore::Backups() const
{
    BackupListing listing;
    const QString folder = BackupFolderPath();
    if (folder.isEmpty())
        return listing;
    QString error, errorPath;
    const QList<Backup> backups = BackupFolder(folder).List(&error, &errorPath);
    if (!error.isEmpty())
        listing.problem = Problem{Failure::BackupsUnreadable, errorPath, error};
    // What a backup was set to means something against the template it was a copy of only.
    RunState current;
    LoadSettings(current, m_places.settings);
    QHash<QString, bool> isCurrent; // by template path: a handful of templates for thousands of backups
    for (const Backup& backup : backups) {
        auto known = isCurrent.constFind(backup.templatePath);
        if (known == isCurrent.constEnd())
            known = isCurrent.insert(backup.templatePath, IsTemplate(backup.templatePath, TemplatePathOf(current)));
        const MissionChoice choice = *known ? backup.choice : MissionChoice{};
        listing.backups.append({backup, MissionChoiceText(choice), MissionChoiceText(choice, Wording::English)});
    }
    return listing;
}

namespace {

// A whole savegame, long enough to hold the mission block.
QString ReadSavegame(const QString& path, QByteArray& savegame)
{
    QString error = ReadRegularFile(path, savegame, MaximumSavegameSize);
    if (error.isEmpty() && savegame.size() < MinimumSavegameSize)
        error = TooShort(savegame.size());
    return error;
}

} // namespace

QString ReadMissionBlock(const QString& path, MissionStatusTable& table)
{
    // Only as far as the block: a search may look at hundreds of savegames, some of them large.
    QByteArray start;
    QString error = ReadFileStart(path, start, MissionBlockEnd, MaximumSavegameSize);
    if (error.isEmpty() && start.size() < MinimumSavegameSize)
        error = TooShort(start.size());
    if (error.isEmpty())
        table = MissionBlockIn(start);
    return error;
}

MissionChoice SavegameStore::FactoryDriverChoice(const RunState& state,
                                                 const std::optional<MissionStatusTable>& templateBlock,
                                                 QByteArray copyDigest) const
{
    MissionChoice unknown;
    const QString path = Native(FactoryPathOf(state));
    QByteArray savegame;
    if (const QString error = ReadSavegame(path, savegame); !error.isEmpty()) {
        unknown.reason =
            QCoreApplication::translate("kelmora::SavegameStore", "Could not read factory driver file '%1' [%2]")
                .arg(path, error);
        return unknown;
    }
    // The template itself, through a second name or a link: never a copy set to anything, and
    // never written.
    if (CompareFiles(path, TemplatePathOf(state)) == Identity::Same) {
        unknown.reason = QStringLiteral("%1: %2").arg(path, TemplateNeverWritten());
        return unknown;
    }
    const auto choiceOf = [&](const MissionStatusTable& block) {
        if (const auto another = AnotherDriversFile(path, savegame, TemplatePathOf(state), copyDigest)) {
            unknown.reason = QStringLiteral("%1: %2").arg(path, *another);
            unknown.anotherDriver = true;
            return unknown;
        }
        return ChoiceOf(savegame, TemplatePathOf(state), block);
    };
    if (templateBlock)
        return choiceOf(*templateBlock);
    MissionStatusTable block{};
    if (const auto problem = TemplateBlock(state, block, nullptr, &copyDigest)) {
        // A look, not a save: the save's refusal would say that nothing was saved.
        unknown.reason = problem->failure == Failure::DataFileNotTheTemplates
                             ? QCoreApplication::translate("kelmora::SavegameStore",
                                                           "The program data file '%1' does not hold the progress of "
                                                           "the current template driver [%2]")
                                   .arg(problem->path, problem->reason)
                             : MessageFor(*problem).text;
        return unknown;
    }
    return choiceOf(block);
}

Message RestoredMessage(const Backup& backup, const QString& timeText)
{
    return {QCoreApplication::translate("kelmora::SavegameStore", "Restored '%1' as it was at %2")
                .arg(backup.originalPath, timeText),
            QCoreApplication::translate("kelmora::SavegameStore", "Restore Factory Driver"), MessageIcon::Information};
}

} // namespace kelmora
