#include "SettingsStore.h"
#include "Platform.h"

#include "store/FileLookup.h"
#include "store/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>

namespace kelmora {
namespace {

QSettings OpenStore(const SettingsKey& key)
{
    // The native store, unless tests have sent the default format elsewhere.
    return QSettings(QSettings::defaultFormat(), key.root, key.organization, key.application);
}

QString ReadValue(const QVariant& value)
{
    QString text = value.toString();
    // Older stores may have kept the string's terminator; a real last character always stays.
    if (text.size() > 1 && text.endsWith(QChar(u'\0')))
        text.chop(1);
    return text;
}

QString StoreName(const QSettings& settings)
{
    return QDir::toNativeSeparators(settings.fileName());
}

// Why `folder` cannot take a new file of `size` bytes: a full disk lets the file be made, and says so
// only when the bytes go in. Empty when it can.
QString CannotFill(const QString& folder, qint64 size)
{
    // Where the system lets it, the probe never has a name (O_TMPFILE): a run killed now leaves no
    // file behind. Its name is never asked for, which would give it one.
    QTemporaryFile probe(folder + QStringLiteral("/.kelmora-probe-XXXXXX"));
    if (!probe.open())
        return probe.errorString();
    // In pieces, unbuffered: a piece cut short by a full disk is followed by one that fails with the
    // system's reason, which QFile does not give for the piece cut short. Nothing is flushed: the
    // bytes are only to be taken, never kept.
    QFile bytes;
    if (!bytes.open(probe.handle(), QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        return bytes.errorString();
    const QByteArray piece(4096, '\n');
    for (qint64 done = 0; done < size;) {
        const qint64 written = bytes.write(piece.constData(), qMin<qint64>(piece.size(), size - done));
        if (written <= 0)
            return bytes.errorString();
        done += written;
    }
    return {};
}

// The lock file QSettings writes the settings' file `file` under.
QString LockOf(const QString& file)
{
    return file + QStringLiteral(".lock");
}

// Why no new file can be made in `folder` (QSettings writes a new file beside the old one).
QString FolderError(const QString& folder)
{
    if (!QFileInfo(folder).isDir()) {
        const QString why = CannotMakeBelow(folder);
        return why.isEmpty() ? ErrorText(EACCES) : why;
    }
    if (const QString full = CannotFill(folder, 1); !full.isEmpty())
        return full;
    return ErrorText(EACCES);
}

// Qt's save file renames its new version into place even where writing it failed, and QSettings
// then reports no error: on a full disk the stored settings would be lost and the change called
// stored. So the folder must first take a file the size of the old one and two long paths.
std::optional<Problem> NoRoomFor(const QSettings& settings)
{
    const QFileInfo file(settings.fileName());
    if (!SettingsInFiles(settings.format()) || !file.absoluteDir().exists())
        return std::nullopt;
    if (const QString error = CannotFill(file.absolutePath(), file.size() + 16 * 1024); !error.isEmpty())
        return Problem{Failure::SettingsWrite, StoreName(settings), error};
    return std::nullopt;
}

// Whether the settings' file holds `values` as they were just written. Qt's save file renames its
// new version into place even where writing it failed (an error of the disk, a quota), and QSettings
// then reports no error. The file is read from a copy: a QSettings of the file itself answers from
// what this process wrote, whatever reached the disk.
bool HoldsValues(const QSettings& settings, const QList<SettingValue>& values)
{
    if (!SettingsInFiles(settings.format()))
        return true;
    QByteArray bytes;
    if (!ReadRegularFile(settings.fileName(), bytes, 1024 * 1024).isEmpty())
        return false;
    QTemporaryFile copy;
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush())
        return !bytes.isEmpty(); // no room for a copy: at least an emptied file is caught
    copy.close();
    const QSettings stored(copy.fileName(), settings.format());
    return std::all_of(values.begin(), values.end(),
                       [&](const SettingValue& value) { return stored.value(value.name).toString() == value.text; });
}

// QSettings only says that access failed; the file system says why.
QString StoreError(const QSettings& settings)
{
    if (settings.status() == QSettings::FormatError)
        return QCoreApplication::translate("kelmora::SettingsStore", "The settings file is damaged");
    QFile file(settings.fileName());
    if (file.exists() && !file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::ExistingOnly))
        return file.errorString();
    return FolderError(QFileInfo(settings.fileName()).absolutePath());
}

// Each from a store of a name nobody uses: making one reads its files, so this is only done once
// QSettings::setPath has moved the folders (tests do), which SettingsFoldersMoved tells, or where
// the system has no rule for them. The answer is kept for each format.
// `generation`, where asked for, gets a number that changes whenever the folders given may have.
SettingsFolders FoldersOf(QSettings::Format format, bool lookAgain, bool moved = false, quint64* generation = nullptr)
{
    static QMutex mutex;
    static QHash<int, SettingsFolders> known;
    static bool everMoved = false;
    static quint64 looks = 0;
    const QMutexLocker locker(&mutex);
    everMoved = everMoved || moved;
    const auto found = known.constFind(int(format));
    const bool kept = !lookAgain && found != known.constEnd();
    if (!kept)
        ++looks;
    if (generation)
        *generation = looks;
    if (kept)
        return *found;
    const std::optional<SettingsFolders> standard = DefaultSettingsFolders(format);
    SettingsFolders folders;
    if (standard && !everMoved) {
        folders = *standard;
    } else {
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
            const QFileInfo probe(
                QSettings(format, scope, QStringLiteral(".kelmora-probe"), QStringLiteral("probe")).fileName());
            const QString folder = QFileInfo(probe.absolutePath()).absolutePath() + u'/';
            if (scope == QSettings::UserScope)
                folders.user = folder;
            else
                folders.system = {folder};
            folders.suffix = u'.' + probe.suffix();
        }
        // A store names the first of the system's folders only; where that one has not moved, the
        // others are read too.
        if (standard && standard->system.value(0) == folders.system.first())
            folders.system = standard->system;
    }
    known.insert(int(format), folders);
    return folders;
}

// The files a store of `key` reads, the key's own first: the key's and the organization's, the
// user's (for a user's store) and the system's.
QStringList FilesOf(const SettingsFolders& folders, const SettingsKey& key)
{
    QStringList bases = folders.system;
    if (key.root == QSettings::UserScope)
        bases.prepend(folders.user);
    QStringList files;
    for (const QString& base : std::as_const(bases))
        files << base + key.organization + u'/' + key.application + folders.suffix
              << base + key.organization + folders.suffix;
    return files;
}

// FilesOf the folders of `format`, made again only when the folders may have changed: each save
// reads the settings again. `generation` gets FoldersOf's.
QStringList StoreFilesOf(QSettings::Format format, const SettingsKey& key, bool lookAgain, quint64& generation)
{
    struct Made
    {
        quint64 generation;
        QSettings::Format format;
        SettingsKey key;
        QStringList files;
    };
    const SettingsFolders folders = FoldersOf(format, lookAgain, false, &generation);
    static QMutex mutex;
    static std::optional<Made> last;
    const QMutexLocker locker(&mutex);
    if (!last || last->generation != generation || last->format != format || last->key != key)
        last = Made{generation, format, key, FilesOf(folders, key)};
    return last->files;
}

// QSettings reads its files as soon as it is made, and an ordinary open of a FIFO waits for a writer
// for ever. So the files it would read are looked at first. For the changes, which are rare, with
// the folders looked up anew. `stamps` gets the files' stamps with what names the files, or nothing
// when one of them has no stamp.
std::optional<Problem> StoreFileInTheWay(const SettingsKey& key, Failure failure, bool lookAgain = true,
                                         std::optional<QByteArray>* stamps = nullptr)
{
    if (stamps)
        stamps->reset();
    const QSettings::Format format = QSettings::defaultFormat();
    if (!SettingsInFiles(format))
        return std::nullopt;
    quint64 generation = 0;
    const QStringList files = StoreFilesOf(format, key, lookAgain, generation);
    // A write takes QSettings' own lock, a file beside the key's: at a FIFO or a folder there it
    // would wait for ever.
    if (failure == Failure::SettingsWrite) {
        const QString lock = LockOf(files.first());
        if (const EntryKind kind = EntryAt(lock); kind != EntryKind::Missing && kind != EntryKind::RegularFile)
            return Problem{failure, QDir::toNativeSeparators(lock), NotAFileReason(kind)};
    }
    // The format and the folders' generation stand for the files' paths.
    const quint64 paths[] = {quint64(format), generation};
    QByteArray all(reinterpret_cast<const char*>(paths), sizeof paths);
    bool stamped = true;
    // The user's own files, where a folder that cannot be entered hides them: QSettings would read
    // nothing there, and no choice would seem to have been made.
    const qsizetype own = key.root == QSettings::UserScope ? 2 : 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString& file = files[i];
        const EntryStamp entry = StampAt(file);
        if (entry.kind != EntryKind::Missing && entry.kind != EntryKind::RegularFile)
            return Problem{failure, QDir::toNativeSeparators(file), NotAFileReason(entry.kind)};
        if (i < own && !entry.unreachable.isEmpty())
            return Problem{failure, QDir::toNativeSeparators(file), entry.unreachable};
        stamped = stamped && entry.stamp;
        if (stamped)
            all.append(char(entry.stamp->size())).append(*entry.stamp);
    }
    if (stamps && stamped)
        *stamps = all;
    return std::nullopt;
}

// The values last read, with the stamps of the files they were read from: while no file has
// changed, a QSettings made again would give the same values. (QSettings itself reads a file again
// only when its size or time has changed, which changes its stamp too.)
struct StoredValues
{
    SettingsKey key;
    QByteArray stamps;
    bool exists = false;
    QString savedataFolder;
    QString templateDriverFile;
};

} // namespace

const SettingsKey& KelmoraSettingsKey()
{
    static const SettingsKey key{QSettings::UserScope, QStringLiteral("Quorrick"), QStringLiteral("Kelmora")};
    return key;
}

QString FactoryDriverFileFor(const QString& templateDriverFile)
{
    return FirstCharacter(templateDriverFile) + FactoryDriverSuffix;
}

std::optional<Problem> LoadSettings(RunState& state, const SettingsKey& key)
{
    state.SettingsValid = false;
    std::optional<QByteArray> stamps;
    if (auto problem = StoreFileInTheWay(key, Failure::SettingsRead, false, &stamps))
        return problem;
    static QMutex mutex;
    static QList<StoredValues> known; // one for each key, which are few
    const auto knownAt = [&] {
        return std::find_if(known.begin(), known.end(), [&](const StoredValues& values) { return values.key == key; });
    };
    std::optional<StoredValues> values;
    if (stamps) {
        const QMutexLocker locker(&mutex);
        if (const auto found = knownAt(); found != known.end() && found->stamps == *stamps)
            values = *found;
    }
    if (!values) {
        const QSettings settings = OpenStore(key);
        if (settings.status() != QSettings::NoError)
            return Problem{Failure::SettingsRead, StoreName(settings), StoreError(settings)};
        const QVariant folder = settings.value(SavedataFolderValue);
        const QVariant templateFile = settings.value(TemplateDriverFileValue);
        // The key exists as soon as either value has been stored (one stored as no value at all too).
        values = StoredValues{key, stamps.value_or(QByteArray()),
                              folder.isValid() || templateFile.isValid() || settings.contains(SavedataFolderValue) ||
                                  settings.contains(TemplateDriverFileValue),
                              ReadValue(folder), ReadValue(templateFile)};
        if (stamps) {
            const QMutexLocker locker(&mutex);
            if (const auto found = knownAt(); found != known.end())
                *found = *values;
            else
                known.append(*values);
        }
    }
    if (!values->exists)
        return std::nullopt;
    state.SavedataFolder = values->savedataFolder;
    state.TemplateDriverFile = values->templateDriverFile;
    if (!state.TemplateDriverFile.isEmpty())
        state.FactoryDriverFile = FactoryDriverFileFor(state.TemplateDriverFile);
    state.SettingsValid = true;
    return std::nullopt;
}

void SettingsFoldersMoved()
{
    FoldersOf(QSettings::defaultFormat(), true, true);
}

std::optional<Problem> CreateSettingsKey(const SettingsKey& key)
{
    // A registry key is created together with its first value.
    if (!SettingsInFiles(QSettings::defaultFormat()))
        return std::nullopt;
    if (auto problem = StoreFileInTheWay(key, Failure::SettingsWrite))
        return problem;
    const QSettings settings = OpenStore(key);
    const QString folder = QFileInfo(settings.fileName()).absolutePath();
    if (const QString error = MakeFolder(folder, false); !error.isEmpty())
        return Problem{Failure::SettingsWrite, StoreName(settings), error};
    return std::nullopt;
}

std::optional<Problem> CheckSettingsWritable(const SettingsKey& key)
{
    if (auto problem = StoreFileInTheWay(key, Failure::SettingsWrite))
        return problem;
    const QSettings settings = OpenStore(key);
    if (settings.status() != QSettings::NoError)
        return Problem{Failure::SettingsWrite, StoreName(settings), StoreError(settings)};
    if (auto problem = NoRoomFor(settings))
        return problem;
    if (!settings.isWritable()) {
        QFile file(settings.fileName());
        QString reason = FolderError(QFileInfo(settings.fileName()).absolutePath());
        if (file.exists() && !file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::ExistingOnly))
            reason = file.errorString();
        return Problem{Failure::SettingsWrite, StoreName(settings), reason};
    }
    return std::nullopt;
}

std::optional<Problem> WriteSettingValues(const SettingsKey& key, const QList<SettingValue>& values)
{
    if (auto problem = StoreFileInTheWay(key, Failure::SettingsWrite))
        return problem;
    QSettings settings = OpenStore(key);
    // QSettings writes its file under a lock file of its own, and a run killed right after making
    // that file leaves it empty (or a file of another kind leaves what it holds): the next write
    // would wait half a minute before taking it as stale. The callers hold the store's lock, so no
    // other Kelmora is writing now, and whatever lock file is there is stale.
    const QFileInfo lock(LockOf(settings.fileName()));
    if (lock.isFile())
        QFile::remove(lock.filePath());
    if (auto problem = NoRoomFor(settings))
        return problem;
    QList<std::pair<QString, QVariant>> before;
    for (const SettingValue& value : values) {
        before.append({value.name, settings.value(value.name)});
        settings.setValue(value.name, value.text);
    }
    settings.sync();
    const bool written = settings.status() == QSettings::NoError;
    if (written && HoldsValues(settings, values))
        return std::nullopt;
    const QString full = written ? CannotFill(QFileInfo(settings.fileName()).absolutePath(), 1) : QString();
    const Problem problem{Failure::SettingsWrite, StoreName(settings),
                          written ? (full.isEmpty() ? ErrorText(EIO) : full) : StoreError(settings)};
    // QSettings keeps what it could not write for the next write of the file by any QSettings of
    // this process: a change the player was told failed would be stored after all. The values read
    // before are put back in its place.
    for (const auto& [name, old] : before) {
        if (old.isValid())
            settings.setValue(name, old);
        else
            settings.remove(name);
    }
    return problem;
}

} // namespace kelmora
