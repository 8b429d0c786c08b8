#include "BackupFolder.h"

#include "FileSystem.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRandomGenerator>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <queue>

namespace kelmora {
namespace {

constexpr qsizetype IdLength = 28; // yyyyMMdd-HHmmss-zzz-xxxxxxxx
constexpr qsizetype KeyLength = 16;
constexpr qsizetype TemplateKeyLength = 8;
// A backup a millisecond for 30,000 years; a longer number was not written by Kelmora.
constexpr qsizetype MaxSequenceDigits = 15;
constexpr qint64 MaxSequence = 999'999'999'999'999; // the largest of those digits
// A path file holds one path; anything far bigger is not one of ours.
constexpr qint64 MaxPathFileSize = 64 * 1024;

const QString NoTemplateKey = QStringLiteral("00000000");
const QString OriginalFile = QStringLiteral("original");
const QString TemplateSuffix = QStringLiteral(".template");
const QString ContentSuffix = QStringLiteral(".sav");
const QString SpareFile = QStringLiteral("spare");

bool IsDigits(QStringView text, qsizetype maxDigits = 20)
{
    return !text.isEmpty() && text.size() <= maxDigits &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool IsLowerHex(QStringView text, qsizetype length)
{
    return text.size() == length && std::all_of(text.begin(), text.end(), [](QChar c) {
               return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
           });
}

// Also what keeps a typed ID from naming anything outside the folder.
bool IsBackupId(QStringView id)
{
    return id.size() == IdLength && IsDigits(id.first(8)) && id[8] == u'-' && IsDigits(id.sliced(9, 6)) &&
           id[15] == u'-' && IsDigits(id.sliced(16, 3)) && id[19] == u'-' && IsLowerHex(id.sliced(20, 8), 8);
}

// `value` in lower-case digits of `base` at `out`, at least `width` of them: the end. Sizes, sequences
// and times are never negative.
char* PutDigits(char* out, quint64 value, int width = 1, int base = 10)
{
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, value, base).ptr;
    for (qsizetype pad = width - (end - digits); pad > 0; --pad)
        *out++ = '0';
    return std::copy(static_cast<const char*>(digits), end, out);
}

// The value of decimal or hexadecimal digits that IsDigits or IsLowerHex accepted.
quint64 NumberOf(QStringView digits, int base = 10)
{
    quint64 value = 0;
    for (const QChar c : digits)
        value = value * base + (c.unicode() <= u'9' ? c.unicode() - u'0' : c.unicode() - u'a' + 10);
    return value;
}

// A number as Kelmora writes it: no leading zero, so that a name is read back only as it was made.
bool IsNumber(QStringView text, qsizetype maxDigits)
{
    return IsDigits(text, maxDigits) && (text.size() == 1 || text[0] != u'0');
}

QDateTime TimeOfId(QStringView id)
{
    const auto number = [&](qsizetype from, qsizetype length) { return int(NumberOf(id.mid(from, length))); };
    return QDateTime(QDate(number(0, 4), number(4, 2), number(6, 2)),
                     QTime(number(9, 2), number(11, 2), number(13, 2), number(16, 3)), Qt::UTC);
}

QString ChoiceCode(const MissionChoice& choice)
{
    if (choice.kind == MissionChoice::Kind::PlayedOn)
        return QStringLiteral("p");
    if (choice.kind == MissionChoice::Kind::AsTemplate)
        return QStringLiteral("t");
    if (choice.kind == MissionChoice::Kind::Set && !choice.indexes.isEmpty())
        return u'm' + QString::number(choice.indexes.constFirst() + 1);
    return QStringLiteral("u");
}

// The mission of an "m" code, or 0 for any other code.
int MissionOfCode(QStringView code)
{
    const int number = code.startsWith(u'm') && IsNumber(code.sliced(1), 2) ? int(NumberOf(code.sliced(1))) : 0;
    return number >= 1 && number <= MISSION_COUNT ? number : 0;
}

bool IsChoiceCode(QStringView code)
{
    return code == u"p" || code == u"t" || code == u"u" || MissionOfCode(code) != 0;
}

// What a code that IsChoiceCode accepted stands for.
MissionChoice ChoiceOf(QStringView code)
{
    if (code == u"p")
        return MissionChoice{MissionChoice::Kind::PlayedOn, {}, {}};
    if (code == u"t")
        return MissionChoice{MissionChoice::Kind::AsTemplate, {}, {}};
    if (code == u"u")
        return MissionChoice{};
    return MissionChoice{MissionChoice::Kind::Set, {MissionOfCode(code) - 1}, {}};
}

// A backup as its name tells it. Only what Keep needs is taken out of the name; the listing makes a
// whole Backup (BackupOf) of each one it returns.
struct Named
{
    QString fileName;
    qint64 sequence = 0;
    qint64 size = 0;
    quint64 digest = 0;
    DigestKind digestKind = DigestKind::FourLane;
    qsizetype choiceAt = 0; // where the choice code starts in the name; the template key ends before it
    qsizetype choiceLength = 0;

    QStringView templateKey() const
    {
        return QStringView(fileName).mid(choiceAt - 1 - TemplateKeyLength, TemplateKeyLength);
    }
    QStringView choiceCode() const { return QStringView(fileName).mid(choiceAt, choiceLength); }
};

// Two of one number (the first found damaged, so not counted) are told apart by their times.
bool IsNewer(const Named& a, const Named& b)
{
    return a.sequence != b.sequence ? a.sequence > b.sequence : a.fileName > b.fileName;
}

// A listing reads thousands of names: each is taken apart where it lies, without a string or a list
// made for its parts.
std::optional<Named> ParseName(const QString& fileName)
{
    if (!fileName.endsWith(ContentSuffix))
        return std::nullopt;
    const QStringView stem = QStringView(fileName).chopped(ContentSuffix.size());
    if (stem.size() <= IdLength + 1 || !IsBackupId(stem.first(IdLength)) || stem[IdLength] != u'-')
        return std::nullopt;
    // sequence, template key, choice, size, digest
    std::array<QStringView, 5> parts;
    qsizetype count = 0, from = IdLength + 1;
    for (qsizetype at = from; at <= stem.size(); ++at) {
        if (at < stem.size() && stem[at] != u'-')
            continue;
        if (count == qsizetype(parts.size()))
            return std::nullopt;
        parts[count++] = stem.sliced(from, at - from);
        from = at + 1;
    }
    const DigestKind digestKind = parts[4].startsWith(u'x') ? DigestKind::FourLane : DigestKind::Serial;
    if (digestKind == DigestKind::FourLane)
        parts[4] = parts[4].sliced(1);
    if (count != qsizetype(parts.size()) || !IsNumber(parts[0], MaxSequenceDigits) ||
        !IsLowerHex(parts[1], TemplateKeyLength) || !IsNumber(parts[3], 12) || !IsLowerHex(parts[4], 16) ||
        !IsChoiceCode(parts[2]))
        return std::nullopt;
    Named named;
    named.fileName = fileName;
    named.sequence = qint64(NumberOf(parts[0]));
    named.size = qint64(NumberOf(parts[3]));
    named.digest = NumberOf(parts[4], 16);
    named.digestKind = digestKind;
    named.choiceAt = parts[2].data() - fileName.constData();
    named.choiceLength = parts[2].size();
    return named;
}

// The whole backup that `named` in `folderPrefix` (its folder and a separator) is.
Backup BackupOf(const Named& named, const QString& folderPrefix)
{
    Backup backup;
    backup.id = named.fileName.left(IdLength);
    backup.time = TimeOfId(backup.id);
    backup.sequence = named.sequence;
    backup.choice = ChoiceOf(named.choiceCode());
    backup.size = named.size;
    backup.digest = named.digest;
    backup.digestKind = named.digestKind;
    backup.file = folderPrefix + named.fileName;
    return backup;
}

QString FileNameOf(const Backup& backup, const QString& templateKey)
{
    // The numbers written out by hand: the name of every backup is made on the way to a save.
    char sequence[24], tail[48];
    char* sequenceEnd = PutDigits(sequence, quint64(backup.sequence));
    char* tailEnd = PutDigits(tail, quint64(backup.size));
    *tailEnd++ = '-';
    if (backup.digestKind == DigestKind::FourLane)
        *tailEnd++ = 'x';
    tailEnd = PutDigits(tailEnd, backup.digest, 16, 16);
    const QString choice = ChoiceCode(backup.choice);
    QString name;
    name.reserve(backup.id.size() + templateKey.size() + choice.size() + 80);
    return name.append(backup.id)
        .append(u'-')
        .append(QLatin1String(sequence, sequenceEnd))
        .append(u'-')
        .append(templateKey)
        .append(u'-')
        .append(choice)
        .append(u'-')
        .append(QLatin1String(tail, tailEnd))
        .append(ContentSuffix);
}

// An original's path as its backups are known by: absolute, clean, with native separators.
QString OriginalPathOf(const QString& path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

bool Usable(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isAbsolute() && !path.contains(QChar(u'\0'));
}

// The path a small path file holds, or empty when it holds none.
QString ReadPathFile(const QString& file)
{
    QByteArray bytes;
    if (!ReadRegularFile(file, bytes, MaxPathFileSize).isEmpty())
        return {};
    const QString path = QString::fromUtf8(bytes);
    return Usable(path) ? path : QString();
}

// The key of `path` in `folder`: the first piece of its hash whose file holds `path` already, or is
// missing and so still to be made (`toMake`). Empty when every piece is taken.
struct KeyPlace
{
    QString key;
    QString file;
    bool toMake = false;
};
KeyPlace FindKey(const QString& folder, const QString& path, qsizetype length, const QString& suffix,
                 const QString& fixedName)
{
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex();
    for (qsizetype at = 0; at + length <= hash.size(); at += length) {
        const QString key = QString::fromLatin1(hash.mid(at, length));
        if (key == NoTemplateKey)
            continue;
        const QString file = QDir(folder).filePath(fixedName.isEmpty() ? key + suffix : key + u'/' + fixedName);
        if (ReadPathFile(file) == path)
            return {key, file, false};
        if (EntryAt(file) == EntryKind::Missing)
            return {key, file, true};
    }
    return {};
}

// The folder's file named by `path`, as FindKey finds it; a missing one is made now, flushed.
QString KeyFor(const QString& folder, const QString& path, qsizetype length, const QString& suffix,
               const QString& fixedName, QString& error, QString* errorPath)
{
    const KeyPlace place = FindKey(folder, path, length, suffix, fixedName);
    if (place.key.isEmpty()) {
        error = ErrorText(EEXIST);
        if (errorPath)
            *errorPath = QDir::toNativeSeparators(folder);
        return {};
    }
    if (!place.toMake)
        return place.key;
    const QString& file = place.file;
    // A folder of its own, in the folder that is made the first time only; both the player's alone.
    if (!fixedName.isEmpty() && (error = MakeFolder(folder, true, errorPath)).isEmpty())
        error = MakeFolder(QFileInfo(file).path(), true, errorPath);
    if (error.isEmpty())
        error = ReplaceFile(file, path.toUtf8(), true);
    if (!error.isEmpty() && errorPath && errorPath->isEmpty())
        *errorPath = QDir::toNativeSeparators(file);
    return error.isEmpty() ? place.key : QString();
}

// The backups in one original's folder, newest first, with their template keys.
QList<Named> BackupsIn(const QStringList& files)
{
    QList<Named> named;
    named.reserve(files.size());
    for (const QString& file : files) {
        if (std::optional<Named> backup = ParseName(file))
            named.append(std::move(*backup));
    }
    std::sort(named.begin(), named.end(), IsNewer);
    return named;
}

// Backups of Kelmora 1.0: <id>-<key>-<sequence>.sav, the key's path file holding the original's
// path, a NUL and the template's path.
std::optional<Backup> LegacyBackup(const QDir& folder, const QString& fileName, QHash<QString, QStringList>& origins)
{
    const QStringView stem = QStringView(fileName).chopped(ContentSuffix.size());
    if (!fileName.endsWith(ContentSuffix) || stem.size() < IdLength + 11 || !IsBackupId(stem.first(IdLength)) ||
        stem[IdLength] != u'-' || !IsLowerHex(stem.mid(IdLength + 1, 8), 8) || stem[IdLength + 9] != u'-' ||
        !IsDigits(stem.mid(IdLength + 10), 18))
        return std::nullopt;
    const QString key = stem.mid(IdLength + 1, 8).toString();
    if (!origins.contains(key)) {
        QByteArray bytes;
        QStringList paths;
        if (ReadRegularFile(folder.filePath(key + QStringLiteral(".path")), bytes, MaxPathFileSize).isEmpty()) {
            for (const QByteArray& part : bytes.split('\0'))
                paths << QString::fromUtf8(part);
        }
        if (paths.size() > 2 || !Usable(paths.value(0)) || (!paths.value(1).isEmpty() && !Usable(paths.value(1))))
            paths.clear();
        origins.insert(key, paths);
    }
    const QStringList& paths = origins[key];
    if (paths.isEmpty())
        return std::nullopt;
    Backup backup;
    backup.id = stem.first(IdLength).toString();
    backup.time = TimeOfId(backup.id);
    backup.originalPath = paths.value(0);
    backup.templatePath = paths.value(1);
    backup.file = folder.filePath(fileName);
    // Such a backup could be a second name of its original; then it is no backup while it is.
    if (CompareFiles(backup.file, backup.originalPath) == Identity::Same)
        return std::nullopt;
    return backup;
}

// What a Keep found in an original's folder and left there, for the next Keep of the same original
// and template in this process to go on from, rather than read the path files, list the folder and
// take apart every name again. Trusted only while the lock's count is the one that Keep left (every
// other run counts itself), the folder and `original` have the stamps they had then (a backup or
// path file added, removed or changed by hand moves one), and for RememberedKeeps in a row at most.
// The folder's stamp is taken after this run's own changes: a backup or template path file added
// or removed by hand while a backup is being made, or in the clock's tick after it (unless the file
// system stamps changes finer once they have been looked at, as ext4, XFS, Btrfs and tmpfs do since
// Linux 6.13), is seen only at the next fresh look. Taken out by the next Keep, and put back only
// when that one succeeds.
struct Remembered
{
    quint64 count = 0; // the lock's count once the run that left this had counted itself
    QString originalPath;
    QString templatePath;
    QString key;
    QString templateKey;
    QByteArray folderStamp;
    QByteArray originalStamp;
    QList<Named> kept; // newest first
    int keeps = 0; // that went on from this memory since the folder was last listed
};
constexpr int RememberedKeeps = 16;

QMutex memoryMutex;
QHash<QString, Remembered> memory; // by Backups folder: one original each

// The stamp of the entry at `path`, even one just changed by this run; none for a missing one or
// where the system keeps none.
std::optional<QByteArray> StampOf(const QString& path)
{
    const EntryStamp entry = StampAt(path, true);
    return entry.kind == EntryKind::Missing || !entry.stamp ? std::nullopt : entry.stamp;
}

std::optional<Remembered> Recall(const QString& backups, quint64 count, const QString& originalPath,
                                 const QString& templatePath)
{
    std::optional<Remembered> found;
    {
        const QMutexLocker locker(&memoryMutex);
        if (const auto at = memory.find(backups); at != memory.end()) {
            found = std::move(*at);
            memory.erase(at);
        }
    }
    if (!found || found->count != count || found->originalPath != originalPath || found->templatePath != templatePath ||
        found->keeps >= RememberedKeeps)
        return std::nullopt;
    const QString folder = QDir(backups).filePath(found->key);
    if (StampOf(folder) != found->folderStamp || StampOf(folder + u'/' + OriginalFile) != found->originalStamp)
        return std::nullopt;
    return found;
}

void Remember(const QString& backups, Remembered remembered)
{
    const QMutexLocker locker(&memoryMutex);
    memory.insert(backups, std::move(remembered));
}

// The backups in `folder` whose names tell of bytes their files may hold, newest first: a file
// Kelmora did not write is no reason to number the next one after it. What a run killed while it
// wrote a backup left at the new version's name goes to `pending`, when asked for.
// How many of the newest of `named` (newest first) in the folder of `prefix` have bytes cut short or
// lengthened on disk: they do not count, and the next backup takes its number from the one below.
qsizetype DamagedNewest(const QString& prefix, const QList<Named>& named)
{
    qsizetype damaged = 0;
    while (damaged < named.size() && QFileInfo(prefix + named[damaged].fileName).size() != named[damaged].size)
        ++damaged;
    return damaged;
}

QList<Named> KeptIn(const QString& folder, QStringList* pending = nullptr)
{
    const QString prefix = folder + u'/';
    const QStringList files = ListFolder(folder).files;
    if (pending) {
        for (const QString& file : files) {
            if (file.endsWith(QLatin1String(PendingSuffix)))
                *pending << prefix + file;
        }
    }
    QList<Named> kept = BackupsIn(files);
    kept.remove(0, DamagedNewest(prefix, kept));
    return kept;
}

// `why`, with the place it tells of in `errorPath` where that is asked for.
QString FailedAt(const QString& place, const QString& why, QString* errorPath)
{
    if (errorPath)
        *errorPath = QDir::toNativeSeparators(place);
    return why;
}

// Whether the newest of `kept` in `folder` holds `content` already, as a copy of the template of
// `templateKey`: then Keep makes no new backup. Only a copy of the same template: the bytes alone do
// not tell whose copy they were.
bool NewestHolds(const QString& folder, const QList<Named>& kept, const QString& templateKey, const Backup& backup,
                 const QByteArray& content)
{
    if (kept.isEmpty())
        return false;
    const Named& newest = kept.first();
    return newest.templateKey() == templateKey && newest.size == backup.size &&
           newest.digestKind == backup.digestKind && newest.digest == backup.digest &&
           FileHolds(folder + u'/' + newest.fileName, content);
}

} // namespace

QString NewBackupId(const QDateTime& time)
{
    const QDateTime first(QDate(1, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime last(QDate(9999, 12, 31), QTime(23, 59, 59, 999), Qt::UTC);
    const QDateTime utc = qBound(first, time.toUTC(), last);
    const QDate date = utc.date();
    const QTime clock = utc.time();
    // yyyyMMdd-HHmmss-zzz-xxxxxxxx
    char id[IdLength];
    char* at = id;
    at = PutDigits(at, quint64(date.year()), 4);
    at = PutDigits(at, quint64(date.month()), 2);
    at = PutDigits(at, quint64(date.day()), 2);
    *at++ = '-';
    for (const int value : {clock.hour(), clock.minute(), clock.second()})
        at = PutDigits(at, quint64(value), 2);
    *at++ = '-';
    at = PutDigits(at, quint64(clock.msec()), 3);
    *at++ = '-';
    at = PutDigits(at, QRandomGenerator::system()->generate(), 8, 16);
    return QString::fromLatin1(id, at - id);
}

namespace {

// FNV-1a over 64-bit words, with a shift that folds the high bits back in.
constexpr quint64 DigestPrime = 0x100000001b3ULL;

quint64 Mixed(quint64 hash, quint64 word)
{
    hash = (hash ^ word) * DigestPrime;
    return hash ^ (hash >> 29);
}

quint64 WordAt(const uchar* at)
{
    return qFromLittleEndian<quint64>(at);
}

quint64 DigestStart(qsizetype size)
{
    return 0xcbf29ce484222325ULL ^ quint64(size);
}

// The words and single bytes from `at` on, each mixed in after the one before.
quint64 SerialFrom(quint64 hash, const uchar* data, qsizetype at, qsizetype size)
{
    for (; at + 8 <= size; at += 8)
        hash = Mixed(hash, WordAt(data + at));
    for (; at < size; ++at)
        hash = (hash ^ data[at]) * DigestPrime;
    return hash;
}

// Four digests of every fourth word, each lane started apart, then mixed into one.
struct FourLanes
{
    explicit FourLanes(qsizetype size)
        : a(DigestStart(size))
    { }
    void Take(const uchar* at)
    {
        a = Mixed(a, WordAt(at));
        b = Mixed(b, WordAt(at + 8));
        c = Mixed(c, WordAt(at + 16));
        d = Mixed(d, WordAt(at + 24));
    }
    quint64 Folded() const { return Mixed(Mixed(Mixed(a, b), c), d); }
    quint64 a, b = 0x9e3779b97f4a7c15ULL, c = 0xc2b2ae3d27d4eb4fULL, d = 0x165667b19e3779f9ULL;
};
constexpr qsizetype LaneBlock = 32;

} // namespace

quint64 ContentDigest(const QByteArray& bytes, DigestKind kind)
{
    const uchar* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (kind == DigestKind::Serial)
        return SerialFrom(DigestStart(size), data, 0, size);
    FourLanes lanes(size);
    qsizetype at = 0;
    for (; at + LaneBlock <= size; at += LaneBlock)
        lanes.Take(data + at);
    return SerialFrom(lanes.Folded(), data, at, size);
}

std::pair<quint64, quint64> FourLaneDigests(const QByteArray& bytes, qsizetype from)
{
    const uchar* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    from = qBound(qsizetype(0), from, size);
    const uchar* rest = data + from;
    const qsizetype restSize = size - from;
    FourLanes whole(size), part(restSize);
    // The whole file's first blocks alone, then both side by side to their ends.
    const qsizetype blocks = size / LaneBlock, restBlocks = restSize / LaneBlock;
    qsizetype block = 0;
    for (; block < blocks - restBlocks; ++block)
        whole.Take(data + block * LaneBlock);
    for (qsizetype restBlock = 0; restBlock < restBlocks; ++block, ++restBlock) {
        whole.Take(data + block * LaneBlock);
        part.Take(rest + restBlock * LaneBlock);
    }
    return {SerialFrom(whole.Folded(), data, blocks * LaneBlock, size),
            SerialFrom(part.Folded(), rest, restBlocks * LaneBlock, restSize)};
}

qint64 BackupFolder::NewestNumber(const QString& originalPath) const
{
    const QString path = OriginalPathOf(originalPath);
    if (!Usable(path))
        return 0;
    const KeyPlace place = FindKey(m_folder, path, KeyLength, {}, OriginalFile);
    if (place.key.isEmpty() || place.toMake)
        return 0;
    const QList<Named> kept = KeptIn(QDir(m_folder).filePath(place.key));
    return kept.isEmpty() ? 0 : kept.first().sequence;
}

BackupFolder::BackupFolder(QString folder, const FlowLock* lock)
    : m_folder(std::move(folder))
    , m_lock(lock)
{ }

QString BackupFolder::CannotKeep(const QString& originalPath, const QByteArray& content, const QString& templatePath,
                                 QString* errorPath) const
{
    const QString path = OriginalPathOf(originalPath);
    if (!Usable(path) || templatePath.contains(QChar(u'\0')))
        return ErrorText(EINVAL);
    if (const QString why = NotOwnFolder(m_folder); !why.isEmpty())
        return FailedAt(m_folder, why, errorPath);
    // The folder that Keep would keep it in, and that it would make there if it is missing.
    const KeyPlace place = FindKey(m_folder, path, KeyLength, {}, OriginalFile);
    if (place.key.isEmpty())
        return FailedAt(m_folder, ErrorText(EEXIST), errorPath);
    const QString folder = QDir(m_folder).filePath(place.key);
    if (const QString why = place.toMake ? QString() : NotOwnFolder(folder); !why.isEmpty())
        return FailedAt(folder, why, errorPath);
    QString where;
    const QString why = CannotMakeBelow(folder, &where);
    if (!why.isEmpty() && !place.toMake) {
        // Where the newest backup holds these bytes already, Keep writes nothing.
        const KeyPlace templatePlace = templatePath.isEmpty() ? KeyPlace{NoTemplateKey, {}, false}
                                                              : FindKey(folder, QDir::toNativeSeparators(templatePath),
                                                                        TemplateKeyLength, TemplateSuffix, {});
        Backup backup;
        backup.size = content.size();
        backup.digest = ContentDigest(content, backup.digestKind);
        if (!templatePlace.key.isEmpty() && !templatePlace.toMake &&
            NewestHolds(folder, KeptIn(folder), templatePlace.key, backup, content))
            return {};
    }
    if (errorPath && !why.isEmpty())
        *errorPath = where;
    return why;
}

QString BackupFolder::Keep(const QString& originalPath, const QByteArray& content, const QString& templatePath,
                           const MissionChoice& choice, QString* errorPath, std::optional<quint64> digest)
{
    const QString path = OriginalPathOf(originalPath);
    if (!Usable(path) || templatePath.contains(QChar(u'\0')))
        return ErrorText(EINVAL);
    const QString nativeTemplate = QDir::toNativeSeparators(templatePath);
    const std::optional<quint64> count = m_lock ? m_lock->CountFound() : std::nullopt;
    std::optional<Remembered> remembered = count ? Recall(m_folder, *count, path, nativeTemplate) : std::nullopt;

    QString key, templateKey;
    QList<Named> kept;
    if (remembered) {
        key = remembered->key;
        templateKey = remembered->templateKey;
        kept = std::move(remembered->kept);
    } else {
        QString error = NotOwnFolder(m_folder);
        if (!error.isEmpty())
            return FailedAt(m_folder, error, errorPath);
        key = KeyFor(m_folder, path, KeyLength, {}, OriginalFile, error, errorPath);
        if (key.isEmpty())
            return error;
        // Nothing is written into a file's folder that is not the player's alone: not even the
        // template's path file.
        if (const QString folder = QDir(m_folder).filePath(key); !(error = NotOwnFolder(folder)).isEmpty())
            return FailedAt(folder, error, errorPath);
        templateKey = templatePath.isEmpty() ? NoTemplateKey
                                             : KeyFor(QDir(m_folder).filePath(key), nativeTemplate, TemplateKeyLength,
                                                      TemplateSuffix, {}, error, errorPath);
        if (templateKey.isEmpty())
            return error;
    }
    const QString folder = QDir(m_folder).filePath(key);
    const QString prefix = folder + u'/';
    if (!remembered) {
        // Where a backup cannot be made without a name (Windows, a file system without unnamed
        // files), a run killed while writing one leaves it at its pending name. Under the lock no
        // other run writes here, so it goes.
        QStringList pending;
        kept = KeptIn(folder, m_lock ? &pending : nullptr);
        for (const QString& file : pending)
            RemoveFile(file, false);
    }
    // What the next Keep may go on from once this one has succeeded: `original` as it was before
    // this Keep's changes, the folder after them.
    const std::optional<QByteArray> originalStamp = !count       ? std::nullopt
                                                    : remembered ? remembered->originalStamp
                                                                 : StampOf(prefix + OriginalFile);
    const int keeps = remembered ? remembered->keeps + 1 : 0;
    const auto remember = [&] {
        const std::optional<QByteArray> folderStamp = originalStamp ? StampOf(folder) : std::nullopt;
        if (folderStamp)
            Remember(m_folder,
                     {*count + 1, path, nativeTemplate, key, templateKey, *folderStamp, *originalStamp, kept, keeps});
    };

    Backup backup;
    backup.size = content.size();
    backup.digest = digest ? *digest : ContentDigest(content, backup.digestKind);
    if (NewestHolds(folder, kept, templateKey, backup, content)) {
        remember();
        return {};
    }
    // A name from elsewhere with the largest number a name may hold would leave the next one none:
    // from there on the time in the names orders them.
    backup.sequence = kept.isEmpty() ? 1 : qMin(kept.first().sequence + 1, MaxSequence);
    backup.choice = choice;
    // Its time to the millisecond and a random part give it a name of its own. Were that taken all
    // the same, the backup would fail rather than replace what is there: ReplaceFile makes a new file
    // only where there is none. Always a copy, never the original given a second name, though that
    // would cost no bytes: a game holding the original open would go on writing into the backup.
    backup.id = NewBackupId(QDateTime::currentDateTimeUtc());
    const QString fileName = FileNameOf(backup, templateKey), target = prefix + fileName;
    if (QString error = ReplaceFile(target, content, true, prefix + SpareFile, NoFileVersion); !error.isEmpty())
        return FailedAt(target, error, errorPath);
    // The new one is never among those dropped. The folder is left for the next backup to flush:
    // after a power cut a dropped one may come back, one backup too many; or, where its move aside
    // was lost but the next backup's bytes were written, under its old name with bytes that its
    // name does not tell of, which a restore refuses as damaged. The first dropped is kept aside,
    // for the next backup to rewrite. One that could not be removed stays among those kept.
    QList<Named> staying;
    for (qsizetype i = BackupsKeptPerFile - 1; i < kept.size(); ++i) {
        const QString dropped = prefix + kept[i].fileName;
        if ((i > BackupsKeptPerFile - 1 || !MoveAside(dropped, prefix + SpareFile)) &&
            !RemoveFile(dropped, false).isEmpty() && EntryAt(dropped) != EntryKind::Missing)
            staying.append(kept[i]);
    }
    kept.resize(qMin(kept.size(), qsizetype(BackupsKeptPerFile - 1)));
    kept.append(staying);
    if (std::optional<Named> made = ParseName(fileName)) {
        kept.prepend(std::move(*made));
        remember();
    }
    return {};
}

namespace {

// All files' backups, newest first. One file's stay in the order they were taken, which their numbers
// tell even where the clock was set back or ahead between them (after a change of time zone on a
// machine that keeps local time, say); the files' backups are taken by turns by time.
QList<Backup> NewestFirst(const QList<QList<Backup>>& files)
{
    using Head = std::pair<qsizetype, qsizetype>; // file, backup
    const auto older = [&](const Head& a, const Head& b) {
        const Backup &x = files[a.first][a.second], &y = files[b.first][b.second];
        return x.time != y.time ? x.time < y.time : x.sequence < y.sequence;
    };
    std::priority_queue<Head, std::vector<Head>, decltype(older)> heads(older);
    qsizetype count = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        count += files[i].size();
        if (!files[i].isEmpty())
            heads.push({i, 0});
    }
    QList<Backup> backups;
    backups.reserve(count);
    while (!heads.empty()) {
        const auto [file, at] = heads.top();
        heads.pop();
        backups.append(files[file][at]);
        if (at + 1 < files[file].size())
            heads.push({file, at + 1});
    }
    return backups;
}

} // namespace

QList<Backup> BackupFolder::List(QString* error, QString* errorPath) const
{
    const auto failed = [&](const QString& at, const QString& why) {
        if (error)
            *error = why;
        if (errorPath)
            *errorPath = QDir::toNativeSeparators(at);
        return QList<Backup>();
    };
    const FolderNames top = ListFolder(m_folder);
    if (!top.error.isEmpty())
        return failed(m_folder, top.error);
    if (const QString why = NotOwnFolder(m_folder); !why.isEmpty())
        return failed(m_folder, why);
    QList<QList<Backup>> files; // each file's backups, newest first
    const QDir root(m_folder);
    for (const QString& key : top.folders) {
        if (!IsLowerHex(key, KeyLength))
            continue;
        const QDir folder(root.filePath(key));
        const FolderNames names = ListFolder(folder.path(), ContentSuffix);
        const QString why = names.error.isEmpty() ? NotOwnFolder(folder.path()) : names.error;
        if (!why.isEmpty()) {
            failed(folder.path(), why); // one file's backups hidden, the others' listed
            continue;
        }
        const QList<Named> named = BackupsIn(names.files);
        const QString original = ReadPathFile(folder.filePath(OriginalFile));
        if (original.isEmpty()) {
            // Backups whose file cannot be told because its name cannot be read (rather than
            // because it is not a name Kelmora wrote) are not passed over in silence.
            QByteArray bytes;
            const QString why = ReadRegularFile(folder.filePath(OriginalFile), bytes, MaxPathFileSize);
            if (!named.isEmpty() && !why.isEmpty())
                failed(folder.filePath(OriginalFile), why);
            continue;
        }
        QHash<QStringView, QString> templates;
        const QString prefix = folder.path() + u'/';
        // The damaged newest, which Keep does not count, are each placed by their time alone: the
        // file's next backup comes before them.
        const qsizetype damaged = DamagedNewest(prefix, named);
        QList<Backup> kept;
        kept.reserve(named.size());
        for (const Named& one : named) {
            const QStringView templateKey = one.templateKey();
            auto known = templates.constFind(templateKey);
            if (known == templates.constEnd())
                known =
                    templates.insert(templateKey, templateKey == NoTemplateKey
                                                      ? QString()
                                                      : ReadPathFile(prefix + templateKey.toString() + TemplateSuffix));
            Backup backup = BackupOf(one, prefix);
            backup.originalPath = original;
            backup.templatePath = *known;
            if (&one - named.constData() < damaged)
                files.append({std::move(backup)});
            else
                kept.append(std::move(backup));
        }
        files.append(std::move(kept));
    }
    QHash<QString, QStringList> origins;
    QHash<QString, qsizetype> legacyFiles; // by the key in the name
    for (const QString& file : top.files) {
        if (std::optional<Backup> backup = LegacyBackup(root, file, origins)) {
            const QString key = QFileInfo(backup->file).fileName().mid(IdLength + 1, 8);
            auto at = legacyFiles.constFind(key);
            if (at == legacyFiles.constEnd()) {
                at = legacyFiles.insert(key, files.size());
                files.emplaceBack();
            }
            files[*at].append(std::move(*backup));
        }
    }
    for (qsizetype i = files.size() - legacyFiles.size(); i < files.size(); ++i)
        std::stable_sort(files[i].begin(), files[i].end(),
                         [](const Backup& a, const Backup& b) { return a.time > b.time; });
    return NewestFirst(files);
}

QString BackupFolder::Read(const Backup& backup, QByteArray& content) const
{
    QByteArray bytes;
    if (const QString error = ReadRegularFile(backup.file, bytes, MaximumSavegameSize); !error.isEmpty())
        return error;
    if (backup.size < 0 ? bytes.size() < MinimumSavegameSize
                        : bytes.size() != backup.size || ContentDigest(bytes, backup.digestKind) != backup.digest)
        return QCoreApplication::translate("kelmora::BackupFolder",
                                           "The backup is damaged: its bytes are not those that were kept");
    content = bytes;
    return {};
}

} // namespace kelmora
