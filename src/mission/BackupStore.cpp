#include "BackupStore.h"

#include "SafeFile.h"
#include "SavegameBlock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string_view>
#else
#include <filesystem>
#include <system_error>
#endif

namespace kelmora {
namespace {

#ifdef Q_OS_WIN
constexpr int NoSuchFileError = 2; // ERROR_FILE_NOT_FOUND
constexpr int InvalidNameError = 123; // ERROR_INVALID_NAME
#else
constexpr int NoSuchFileError = ENOENT;
constexpr int InvalidNameError = EINVAL;
#endif

constexpr qsizetype IdLength = 28; // yyyyMMdd-HHmmss-zzz-xxxxxxxx
constexpr qsizetype KeyLength = 8;
constexpr qsizetype MaxSequenceDigits = 18;
// A backup numbered beyond this would get a name that no listing reads.
constexpr qint64 MaxSequence = 999'999'999'999'999'999;
// A path file holds one path; anything far bigger is not one of ours.
constexpr qint64 MaxSmallFileSize = 64 * 1024;

const QString ContentSuffix = QStringLiteral(".sav");
const QString PathSuffix = QStringLiteral(".path");
const QString OldRecordSuffix = QStringLiteral(".json");

bool IsDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool IsLowerHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
}

bool IsLowerHex(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return IsLowerHex(c); });
}

// Also what keeps a typed ID from naming anything outside the folder.
bool IsBackupId(QStringView id)
{
    return id.size() == IdLength && IsDigits(id.mid(0, 8)) && id[8] == u'-' && IsDigits(id.mid(9, 6)) &&
           id[15] == u'-' && IsDigits(id.mid(16, 3)) && id[19] == u'-' && IsLowerHex(id.mid(20, 8));
}

QDateTime TimeOfId(QStringView id)
{
    const auto number = [&](qsizetype from, qsizetype length) { return id.mid(from, length).toInt(); };
    return QDateTime(QDate(number(0, 4), number(4, 2), number(6, 2)),
                     QTime(number(9, 2), number(11, 2), number(13, 2), number(16, 3)), Qt::UTC);
}

QString NewId(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) + u'-' +
           QString::number(QRandomGenerator::system()->generate(), 16).rightJustified(8, u'0');
}

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool SamePath(const QString& a, const QString& b)
{
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

QString NormalisedPath(const QString& path)
{
    return Native(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

struct FolderError
{
    QString error;
    QString path;
};

FolderError MakeFolder(const QString& folder)
{
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (QFileInfo(clean).isDir())
        return {};
#ifdef Q_OS_UNIX
    // Step by step, so that the failing folder and the system's reason are known.
    QString current;
    const QStringList parts = clean.split(u'/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        current += u'/' + part;
        const QByteArray name = QFile::encodeName(current);
        struct stat info;
        if (::stat(name.constData(), &info) == 0) {
            if (S_ISDIR(info.st_mode))
                continue;
            return {qt_error_string(ENOTDIR), Native(current)};
        }
        // The backups are the player's savegames: the folder that holds them is the player's alone.
        const mode_t mode = current == clean ? 0700 : 0777;
        if (::mkdir(name.constData(), mode) != 0) {
            const int error = errno;
            if (error == EEXIST && ::stat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode))
                continue;
            return {qt_error_string(error == EEXIST ? ENOTDIR : error), Native(current)};
        }
    }
    return {};
#else
    if (!QDir().mkpath(clean))
        return {qt_error_string(), Native(clean)};
    return {};
#endif
}

// The original becomes the backup: a second name for the file in the backup folder. Only when
// nothing can reach the backup's bytes afterwards: the file has no other name, and the caller
// replaces or removes this one without writing into it. False leaves nothing behind.
bool TakeOver(const QString& original, const QByteArray& content, const QString& target)
{
#ifdef Q_OS_UNIX
    const QByteArray from = QFile::encodeName(original), to = QFile::encodeName(target);
    struct stat before = {};
    if (::lstat(from.constData(), &before) != 0 || !S_ISREG(before.st_mode) || before.st_nlink != 1 ||
        before.st_size != content.size())
        return false;
    // The backup stays the same file, with the same owner and mode: whoever else may write it, or
    // owns it and may give itself the right, could change the backup afterwards.
    if (before.st_uid != ::geteuid() || (before.st_mode & S_IWOTH) ||
        ((before.st_mode & S_IWGRP) && before.st_gid != ::getegid()))
        return false;
    // Fails across file systems, and for a file that this user may not link; a copy does then.
    if (::link(from.constData(), to.constData()) != 0)
        return false;
    // What was linked must be the file looked at, still with no other name, holding exactly the
    // bytes to keep: nothing may have replaced or changed it since it was read.
    struct stat after = {};
    if (::lstat(to.constData(), &after) == 0 && after.st_dev == before.st_dev && after.st_ino == before.st_ino &&
        after.st_nlink == 2 && FileHolds(target, content))
        return true;
    ::unlink(to.constData());
    return false;
#else
    Q_UNUSED(original);
    Q_UNUSED(content);
    Q_UNUSED(target);
    return false;
#endif
}

int LinkCount(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_nlink) : 0;
#else
    Q_UNUSED(path);
    return 1;
#endif
}

// Gives a backup that is still a name of its original a file of its own, holding the same bytes.
QString Detach(const QString& backup)
{
    QByteArray bytes;
    if (QString error = ReadRegularFile(backup, bytes, MaximumSavegameSize); !error.isEmpty())
        return error;
    return ReplaceFile(backup, bytes, false);
}

// A backup as its name tells it.
struct Named
{
    QString id;
    QString key;
    qint64 sequence = 0;
    QString fileName;
};

bool IsNewer(const Named& a, const Named& b)
{
    if (a.sequence != b.sequence)
        return a.sequence > b.sequence;
    return a.id > b.id; // starts with the time
}

QString FileNameOf(const QString& id, const QString& key, qint64 sequence)
{
    return QStringLiteral("%1-%2-%3").arg(id, key).arg(sequence) + ContentSuffix;
}

std::optional<Named> ParseName(const QString& fileName)
{
    if (!fileName.endsWith(ContentSuffix))
        return std::nullopt;
    const QStringView stem = QStringView(fileName).chopped(ContentSuffix.size());
    const qsizetype sequenceAt = IdLength + 1 + KeyLength + 1;
    if (stem.size() <= sequenceAt || stem.size() > sequenceAt + MaxSequenceDigits ||
        !IsBackupId(stem.first(IdLength)) || stem[IdLength] != u'-' || !IsLowerHex(stem.mid(IdLength + 1, KeyLength)) ||
        stem[sequenceAt - 1] != u'-' || !IsDigits(stem.mid(sequenceAt)))
        return std::nullopt;
    return Named{stem.first(IdLength).toString(), stem.mid(IdLength + 1, KeyLength).toString(),
                 stem.mid(sequenceAt).toLongLong(), fileName};
}

// What a key stands for: the original's full path, and the template driver it was a copy of
// when that is known (backups taken before it was recorded, and of other templates' copies, have none).
struct Origin
{
    QString path;
    QString templatePath;
};

bool Usable(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isAbsolute() && !path.contains(QChar(u'\0'));
}

class Folder
{
public:
    explicit Folder(const QString& path)
        : m_dir(path)
    { }

    QString FilePath(const QString& name) const { return m_dir.filePath(name); }

    // Every backup in the folder, newest first; backups of the earlier layout are moved in first.
    QList<Named> Names()
    {
        QList<Named> names;
        QStringList oldIds;
        for (const QString& file : FileNames()) {
            if (std::optional<Named> named = ParseName(file))
                names.append(std::move(*named));
            else if (const QString stem = QFileInfo(file).completeBaseName(); IsBackupId(stem))
                oldIds.append(stem);
        }
        oldIds.removeDuplicates();
        if (!oldIds.isEmpty() && MoveOldLayout(oldIds))
            return Names();
        std::sort(names.begin(), names.end(), IsNewer);
        return names;
    }

    // The original behind `key`, with an empty path when its path file is missing or unusable.
    Origin OriginOf(const QString& key)
    {
        const auto cached = m_origins.constFind(key);
        if (cached != m_origins.constEnd())
            return *cached;
        QByteArray bytes;
        Origin origin;
        if (ReadRegularFile(FilePath(key + PathSuffix), bytes, MaxSmallFileSize).isEmpty()) {
            const QList<QByteArray> parts = bytes.split('\0');
            origin = {QString::fromUtf8(parts.value(0)), QString::fromUtf8(parts.value(1))};
            if (parts.size() > 2 || !Usable(origin.path) ||
                (!origin.templatePath.isEmpty() && !Usable(origin.templatePath)))
                origin = {};
        }
        m_origins.insert(key, origin);
        return origin;
    }

    // The key of `origin`: taken from its hash, and the next part of the hash while another origin
    // holds it. A new key's path file is written, flushed, before any backup uses it; `madeNow` tells.
    FolderError KeyFor(const Origin& origin, QString& key, bool* madeNow = nullptr)
    {
        QByteArray named = origin.path.toUtf8();
        if (!origin.templatePath.isEmpty())
            named += '\0' + origin.templatePath.toUtf8();
        QByteArray folded = named;
#ifdef Q_OS_WIN
        folded = QString::fromUtf8(named).toCaseFolded().toUtf8();
#endif
        const QByteArray hash = QCryptographicHash::hash(folded, QCryptographicHash::Sha256).toHex();
        for (qsizetype at = 0; at + KeyLength <= hash.size(); at += KeyLength) {
            const QString candidate = QString::fromLatin1(hash.mid(at, KeyLength));
            const Origin held = OriginOf(candidate);
            if (!held.path.isEmpty()) {
                if (SamePath(held.path, origin.path) && SamePath(held.templatePath, origin.templatePath)) {
                    key = candidate;
                    return {};
                }
                continue;
            }
            const QString pathFile = FilePath(candidate + PathSuffix);
            if (EntryAt(pathFile) != EntryKind::Missing)
                continue; // something unusable stands there: leave it alone
            if (const QString error = ReplaceFile(pathFile, named, true); !error.isEmpty())
                return {error, Native(pathFile)};
            m_origins.insert(candidate, origin);
            key = candidate;
            if (madeNow)
                *madeNow = true;
            return {};
        }
        return {qt_error_string(EEXIST), Native(m_dir.path())};
    }

    // `listed`: as a listing shows it. A backup that is still a name of its original (taken over
    // by a change that was killed before it replaced the file) is no backup yet: whatever is
    // written into the file would change it. It shows once the file is replaced; the next change
    // of the file gives it a copy of its own first, if it must.
    std::optional<Backup> BackupOf(const Named& named, bool listed = true)
    {
        const Origin origin = OriginOf(named.key);
        if (origin.path.isEmpty())
            return std::nullopt;
        const QString file = FilePath(named.fileName);
        if (listed && LinkCount(file) > 1 && IsSameFile(file, origin.path))
            return std::nullopt;
        return Backup{named.id, TimeOfId(named.id), origin.path, QFileInfo(file).size(), origin.templatePath};
    }

private:
    // The names of the regular files in the folder (not links) that may be backups, their path
    // files or the earlier layout's files: all start with a digit or a lower-case hex letter and
    // are plain ASCII. Taken from the directory entries alone, without looking at each file.
    QStringList FileNames() const
    {
        QStringList names;
        const auto add = [&](const auto& name) {
            if (name.empty() || !IsLowerHex(QChar(char16_t(name.front()))) ||
                !std::all_of(name.begin(), name.end(), [](auto c) { return c > 0x20 && c < 0x7f; }))
                return;
            QString text(qsizetype(name.size()), Qt::Uninitialized);
            std::transform(name.begin(), name.end(), text.begin(), [](auto c) { return QChar(char16_t(c)); });
            names.append(text);
        };
#ifdef Q_OS_UNIX
        // readdir() rather than a directory iterator: a save lists the folder every time, and the
        // iterators build a path, or a file info, for each of its entries.
        DIR* const folder = ::opendir(QFile::encodeName(m_dir.path()).constData());
        if (!folder)
            return names;
        while (const dirent* entry = ::readdir(folder)) {
            const std::string_view name(entry->d_name);
            if (entry->d_type == DT_UNKNOWN) {
                struct stat info = {};
                if (::fstatat(::dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
                    !S_ISREG(info.st_mode))
                    continue;
            } else if (entry->d_type != DT_REG) {
                continue;
            }
            add(name);
        }
        ::closedir(folder);
#else
        std::error_code error;
        const std::filesystem::path folder(m_dir.path().toStdWString());
        for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            std::error_code typeError;
            if (!it->is_symlink(typeError) && it->is_regular_file(typeError) && !typeError)
                add(it->path().filename().native());
        }
#endif
        return names;
    }

    // Backups from before one file per backup: <id>.sav, and its record <id>.json written after it.
    // Each becomes a backup of this layout under the same ID. What is not plainly one of ours stays
    // as it is, never listed. Returns whether anything was moved or removed.
    bool MoveOldLayout(const QStringList& oldIds)
    {
        bool changed = false;
        const QDateTime dayAgo = QDateTime::currentDateTimeUtc().addDays(-1);
        for (const QString& id : oldIds) {
            const QString content = FilePath(id + ContentSuffix), record = FilePath(id + OldRecordSuffix);
            QByteArray recordBytes;
            if (!ReadRegularFile(record, recordBytes, MaxSmallFileSize).isEmpty()) {
                // Bytes whose record was never written, as a process killed between the two left them;
                // only old ones, so that one still writing its record keeps its bytes.
                if (EntryAt(record) == EntryKind::Missing && EntryAt(content) == EntryKind::RegularFile &&
                    QFileInfo(content).lastModified().toUTC() < dayAgo)
                    changed = QFile::remove(content) || changed;
                continue;
            }
            const QJsonObject json = QJsonDocument::fromJson(recordBytes).object();
            const QString path = json.value(u"path").toString();
            const double size = json.value(u"size").toDouble(-1);
            const double sequence = json.value(u"sequence").toDouble(-1);
            // Compared as a double first: a number past the names' range has no qint64 to be.
            if (json.value(u"format").toInt() != 1 || path.isEmpty() || !QFileInfo(path).isAbsolute() || size < 0 ||
                !(sequence >= 0 && sequence < double(MaxSequence)) || sequence != qint64(sequence))
                continue;
            if (EntryAt(content) == EntryKind::Missing) {
                changed = QFile::remove(record) || changed; // a record whose bytes never came
                continue;
            }
            QByteArray bytes;
            if (!ReadRegularFile(content, bytes, MaximumSavegameSize).isEmpty() || bytes.size() != qint64(size) ||
                QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() !=
                    json.value(u"sha256").toString().toLatin1())
                continue;
            QString key;
            if (!KeyFor({NormalisedPath(path), {}}, key).error.isEmpty())
                continue;
            if (QFile::rename(content, FilePath(FileNameOf(id, key, qint64(sequence))))) {
                QFile::remove(record);
                changed = true;
            }
        }
        return changed;
    }

    QDir m_dir;
    QHash<QString, Origin> m_origins;
};

} // namespace

BackupStore::BackupStore(QString folder)
    : m_folder(std::move(folder))
{ }

BackupResult BackupStore::KeepFile(const QString& originalPath, KeepMode mode, const QString& templatePath)
{
    const QString path = originalPath.isEmpty() ? QString() : NormalisedPath(originalPath);
    QByteArray content;
    const QString error =
        path.isEmpty() ? qt_error_string(NoSuchFileError) : ReadRegularFile(path, content, MaximumSavegameSize);
    if (!error.isEmpty())
        return {error, path, std::nullopt};
    return Keep(path, content, mode, templatePath);
}

BackupResult BackupStore::Keep(const QString& originalPath, const QByteArray& content, KeepMode mode,
                               const QString& templatePath)
{
    if (originalPath.isEmpty() || originalPath.contains(QChar(u'\0')) || templatePath.contains(QChar(u'\0')))
        return {qt_error_string(InvalidNameError), originalPath, std::nullopt};
    const QString path = NormalisedPath(originalPath);
    const Origin origin{path, templatePath.isEmpty() ? QString() : NormalisedPath(templatePath)};

    if (const FolderError error = MakeFolder(m_folder); !error.error.isEmpty())
        return {error.error, error.path, std::nullopt};

    Folder folder(m_folder);
    const QList<Named> names = folder.Names();
    const qint64 sequence = names.isEmpty() ? 0 : names.first().sequence + 1;
    if (sequence > MaxSequence)
        return {QStringLiteral("A backup in it already has the highest number a backup can have"), Native(m_folder),
                std::nullopt};
    QString key;
    bool newKey = false;
    if (const FolderError error = folder.KeyFor(origin, key, &newKey); !error.error.isEmpty())
        return {error.error, error.path, std::nullopt};
    // The file's backups under any template, newest first, as the names are.
    QList<Named> samePath;
    for (const Named& named : names) {
        if (named.key == key || SamePath(folder.OriginOf(named.key).path, path))
            samePath.append(named);
    }

    // A backup never listed: the file itself, taken over by a change that was killed before it
    // replaced the file. It becomes this change's backup.
    QString adopted;
    if (!samePath.isEmpty()) {
        const QString newest = folder.FilePath(samePath.first().fileName);
        bool holdsThese = false;
        if (IsSameFile(newest, path)) {
            // It holds what is there now. When the file is about to be written into, or has a name
            // besides these two, whatever is written there would change the backup too: it gets a
            // copy of its own first.
            if (mode != KeepMode::TakeOver || LinkCount(newest) != 2) {
                if (const QString error = Detach(newest); !error.isEmpty())
                    return {error, Native(newest), std::nullopt};
            }
            adopted = newest;
        } else {
            // Only under the same template: the bytes alone do not tell whose copy they were.
            holdsThese = samePath.first().key == key && FileHolds(newest, content);
        }
        if (holdsThese) {
            if (std::optional<Backup> backup = folder.BackupOf(samePath.first()))
                return {{}, {}, backup};
        }
    }

    Backup backup;
    backup.time = QDateTime::currentDateTimeUtc();
    backup.originalPath = path;
    backup.size = content.size();
    backup.templatePath = origin.templatePath;
    QString target;
    do {
        backup.id = NewId(backup.time);
        target = folder.FilePath(FileNameOf(backup.id, key, sequence));
    } while (std::any_of(names.begin(), names.end(), [&](const Named& named) { return named.id == backup.id; }) ||
             EntryAt(target) != EntryKind::Missing);

    if (!adopted.isEmpty()) {
        // Under this change's time and number: it was never listed, so no ID of it is known.
        QFile file(adopted);
        if (!file.rename(target))
            return {file.errorString(), Native(adopted), std::nullopt};
        backup.size = QFileInfo(target).size();
    } else if (mode != KeepMode::TakeOver || !TakeOver(path, content, target)) {
        if (const QString error = ReplaceFile(target, content, true); !error.isEmpty()) {
            if (newKey)
                QFile::remove(folder.FilePath(key + PathSuffix));
            return {error, Native(target), std::nullopt};
        }
    }

    // samePath holds only the older ones (and the adopted one first), so the new backup is never
    // among those dropped.
    for (qsizetype i = BackupsKeptPerFile - (adopted.isEmpty() ? 1 : 0); i < samePath.size(); ++i)
        QFile::remove(folder.FilePath(samePath[i].fileName));
    return {{}, {}, backup};
}

void BackupStore::Release(const QString& originalPath)
{
    if (originalPath.isEmpty() || originalPath.contains(QChar(u'\0')) || !QFileInfo(m_folder).isDir())
        return;
    const QString path = NormalisedPath(originalPath);
    Folder folder(m_folder);
    for (const Named& named : folder.Names()) {
        if (SamePath(folder.OriginOf(named.key).path, path) && IsSameFile(folder.FilePath(named.fileName), path))
            QFile::remove(folder.FilePath(named.fileName));
    }
}

QList<Backup> BackupStore::List() const
{
    QList<Backup> backups;
    if (!QFileInfo(m_folder).isDir())
        return backups;
    Folder folder(m_folder);
    for (const Named& named : folder.Names()) {
        if (std::optional<Backup> backup = folder.BackupOf(named))
            backups.append(std::move(*backup));
    }
    return backups;
}

std::optional<Backup> BackupStore::Find(const QString& id) const
{
    if (!IsBackupId(id))
        return std::nullopt;
    for (const Backup& backup : List()) {
        if (backup.id == id)
            return backup;
    }
    return std::nullopt;
}

BackupContent BackupStore::Read(const Backup& backup) const
{
    BackupContent result;
    if (IsBackupId(backup.id) && QFileInfo(m_folder).isDir()) {
        Folder folder(m_folder);
        for (const Named& named : folder.Names()) {
            if (named.id != backup.id || !folder.BackupOf(named))
                continue;
            const QString path = folder.FilePath(named.fileName);
            result.error = ReadRegularFile(path, result.content, MaximumSavegameSize);
            if (!result.ok())
                result.errorPath = Native(path);
            return result;
        }
    }
    result.error = QStringLiteral("There is no backup with the ID '%1'").arg(backup.id);
    result.errorPath = Native(m_folder);
    return result;
}

} // namespace kelmora
