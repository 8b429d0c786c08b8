#include "BackupStore.h"

#include "SafeFile.h"
#include "SavegameBlock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace kelmora {
namespace {

constexpr int RecordFormat = 1;
// A record is a few hundred bytes; anything far bigger is not one of ours.
constexpr qint64 MaxRecordSize = 64 * 1024;

#ifdef Q_OS_WIN
constexpr int NoSuchFileError = 2; // ERROR_FILE_NOT_FOUND
constexpr int InvalidNameError = 123; // ERROR_INVALID_NAME
#else
constexpr int NoSuchFileError = ENOENT;
constexpr int InvalidNameError = EINVAL;
#endif

const QString ContentSuffix = QStringLiteral(".sav");
const QString RecordSuffix = QStringLiteral(".json");

struct Entry
{
    Backup backup;
    qint64 sequence = 0;
    QByteArray sha256; // hex
};

bool IsNewer(const Entry& a, const Entry& b)
{
    if (a.sequence != b.sequence)
        return a.sequence > b.sequence;
    if (a.backup.time != b.backup.time)
        return a.backup.time > b.backup.time;
    return a.backup.id > b.backup.id;
}

// Also what keeps a typed ID from naming anything outside the folder.
bool IsBackupId(const QString& id)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]{8}-[0-9]{6}-[0-9]{3}-[0-9a-f]{8}$"));
    return pattern.match(id).hasMatch();
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

QByteArray Sha256Hex(const QByteArray& content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
}

bool SamePath(const QString& a, const QString& b)
{
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
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
        if (::mkdir(name.constData(), 0777) != 0) {
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

QString NormalisedPath(const QString& path)
{
    return Native(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

class Folder
{
public:
    explicit Folder(const QString& path)
        : m_dir(path)
    { }

    QString ContentPath(const QString& id) const { return m_dir.filePath(id + ContentSuffix); }
    QString RecordPath(const QString& id) const { return m_dir.filePath(id + RecordSuffix); }

    // The record of `id`, or why there is none that can be used.
    QString LoadRecord(const QString& id, Entry& entry, QString& errorPath) const
    {
        errorPath = Native(RecordPath(id));
        if (!IsBackupId(id)) {
            errorPath = Native(m_dir.path());
            return QStringLiteral("There is no backup with the ID '%1'").arg(id);
        }
        QByteArray bytes;
        const QString error = ReadRegularFile(RecordPath(id), bytes, MaxRecordSize);
        if (!error.isEmpty())
            return error;
        const QJsonObject record = QJsonDocument::fromJson(bytes).object();
        const QDateTime time = QDateTime::fromString(record.value(u"time").toString(), Qt::ISODateWithMs);
        const double size = record.value(u"size").toDouble(-1);
        const double sequence = record.value(u"sequence").toDouble(-1);
        const QByteArray sha256 = record.value(u"sha256").toString().toLatin1();
        const QString path = record.value(u"path").toString();
        if (record.value(u"format").toInt() != RecordFormat || !time.isValid() || size < 0 || size != qint64(size) ||
            sequence < 0 || sequence != qint64(sequence) || sha256.size() != 64 ||
            QByteArray::fromHex(sha256).toHex() != sha256 || path.isEmpty() || !QFileInfo(path).isAbsolute())
            return QStringLiteral("The backup's record is damaged");
        entry.backup = Backup{id, time.toUTC(), path, qint64(size)};
        entry.sequence = qint64(sequence);
        entry.sha256 = sha256;
        return {};
    }

    // A backup counts once its record is sound and its bytes are there in full; only their size is
    // looked at here.
    std::optional<Entry> Complete(const QString& id) const
    {
        Entry entry;
        QString errorPath;
        if (!LoadRecord(id, entry, errorPath).isEmpty())
            return std::nullopt;
        const QFileInfo content(ContentPath(id));
        if (!content.isFile() || content.size() != entry.backup.size)
            return std::nullopt;
        return entry;
    }

    QList<Entry> Entries() const
    {
        QList<Entry> entries;
        const QStringList names = m_dir.entryList({u'*' + RecordSuffix}, QDir::Files | QDir::Hidden, QDir::NoSort);
        for (const QString& name : names) {
            if (std::optional<Entry> entry = Complete(name.chopped(RecordSuffix.size())))
                entries.append(std::move(*entry));
        }
        std::sort(entries.begin(), entries.end(), IsNewer);
        return entries;
    }

    QString WriteRecord(const Entry& entry) const
    {
        const QJsonObject record{
            {QStringLiteral("format"), RecordFormat},
            {QStringLiteral("path"), entry.backup.originalPath},
            {QStringLiteral("time"), entry.backup.time.toString(Qt::ISODateWithMs)},
            {QStringLiteral("size"), double(entry.backup.size)},
            {QStringLiteral("sha256"), QString::fromLatin1(entry.sha256)},
            {QStringLiteral("sequence"), double(entry.sequence)},
        };
        return ReplaceFile(RecordPath(entry.backup.id), QJsonDocument(record).toJson(), true);
    }

    // The record goes first: without it the bytes are ignored, never listed half gone.
    void Drop(const QString& id) const
    {
        if (QFile::remove(RecordPath(id)))
            QFile::remove(ContentPath(id));
    }

    // Bytes whose record was never written, as a process killed between the two leaves them; only
    // old ones, so that another process that is about to write its record keeps its bytes.
    void DropLeftovers() const
    {
        const QDateTime before = QDateTime::currentDateTimeUtc().addDays(-1);
        const QFileInfoList files =
            m_dir.entryInfoList({u'*' + ContentSuffix}, QDir::Files | QDir::Hidden, QDir::NoSort);
        for (const QFileInfo& file : files) {
            const QString id = file.fileName().chopped(ContentSuffix.size());
            if (IsBackupId(id) && file.lastModified().toUTC() < before && !QFileInfo::exists(RecordPath(id)))
                QFile::remove(file.filePath());
        }
    }

private:
    QDir m_dir;
};

} // namespace

BackupStore::BackupStore(QString folder)
    : m_folder(std::move(folder))
{ }

BackupResult BackupStore::KeepFile(const QString& originalPath)
{
    const QString path = originalPath.isEmpty() ? QString() : NormalisedPath(originalPath);
    QByteArray content;
    const QString error =
        path.isEmpty() ? qt_error_string(NoSuchFileError) : ReadRegularFile(path, content, MaximumSavegameSize);
    if (!error.isEmpty())
        return {error, path, std::nullopt};
    return Keep(path, content);
}

BackupResult BackupStore::Keep(const QString& originalPath, const QByteArray& content)
{
    if (originalPath.isEmpty() || originalPath.contains(QChar(u'\0')))
        return {qt_error_string(InvalidNameError), originalPath, std::nullopt};
    const QString path = NormalisedPath(originalPath);

    const FolderError folderError = MakeFolder(m_folder);
    if (!folderError.error.isEmpty())
        return {folderError.error, folderError.path, std::nullopt};

    const Folder folder(m_folder);
    const QList<Entry> entries = folder.Entries();
    const QByteArray sha256 = Sha256Hex(content);
    QList<Entry> samePath;
    qint64 sequence = 0;
    for (const Entry& entry : entries) {
        if (SamePath(entry.backup.originalPath, path))
            samePath.append(entry);
        sequence = std::max(sequence, entry.sequence + 1);
    }

    if (!samePath.isEmpty() && samePath.first().backup.size == content.size() && samePath.first().sha256 == sha256) {
        QByteArray kept;
        if (ReadRegularFile(folder.ContentPath(samePath.first().backup.id), kept, MaximumSavegameSize).isEmpty() &&
            kept == content)
            return {{}, {}, samePath.first().backup};
    }

    Entry entry;
    entry.sequence = sequence;
    entry.sha256 = sha256;
    entry.backup.time = QDateTime::currentDateTimeUtc();
    entry.backup.originalPath = path;
    entry.backup.size = content.size();
    do {
        entry.backup.id = NewId(entry.backup.time);
    } while (QFileInfo::exists(folder.ContentPath(entry.backup.id)) ||
             QFileInfo::exists(folder.RecordPath(entry.backup.id)));

    QString error = ReplaceFile(folder.ContentPath(entry.backup.id), content, true);
    if (!error.isEmpty())
        return {error, Native(folder.ContentPath(entry.backup.id)), std::nullopt};
    error = folder.WriteRecord(entry);
    if (!error.isEmpty()) {
        QFile::remove(folder.ContentPath(entry.backup.id));
        return {error, Native(folder.RecordPath(entry.backup.id)), std::nullopt};
    }

    // samePath holds only the older ones, so the new backup is never among those dropped.
    for (qsizetype i = BackupsKeptPerFile - 1; i < samePath.size(); ++i)
        folder.Drop(samePath[i].backup.id);
    folder.DropLeftovers();
    return {{}, {}, entry.backup};
}

QList<Backup> BackupStore::List() const
{
    QList<Backup> backups;
    for (const Entry& entry : Folder(m_folder).Entries())
        backups.append(entry.backup);
    return backups;
}

std::optional<Backup> BackupStore::Find(const QString& id) const
{
    if (const std::optional<Entry> entry = Folder(m_folder).Complete(id))
        return entry->backup;
    return std::nullopt;
}

BackupContent BackupStore::Read(const Backup& backup) const
{
    const Folder folder(m_folder);
    Entry entry;
    BackupContent result;
    result.error = folder.LoadRecord(backup.id, entry, result.errorPath);
    if (!result.ok())
        return result;

    result.errorPath = Native(folder.ContentPath(backup.id));
    QByteArray content;
    result.error = ReadRegularFile(folder.ContentPath(backup.id), content, MaximumSavegameSize);
    if (!result.ok())
        return result;
    if (content.size() != entry.backup.size) {
        result.error = QStringLiteral("The backup is damaged: it holds %1 bytes instead of %2")
                           .arg(content.size())
                           .arg(entry.backup.size);
        return result;
    }
    if (Sha256Hex(content) != entry.sha256) {
        result.error = QStringLiteral("The backup is damaged: its bytes do not match their checksum");
        return result;
    }
    result.errorPath.clear();
    result.content = content;
    return result;
}

} // namespace kelmora
