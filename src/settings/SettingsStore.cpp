#include "SettingsStore.h"
#include "Platform.h"

#include "store/FileLookup.h"
#include "store/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>

namespace kelmora {
namespace {

QSettings OpenStore(const SettingsKey& key)
{
    // The native store, unless tests have sent the default format elsewhere.
    return QSettings(QSettings::defaultFormat(), key.root, key.organization, key.application);
}

QString ReadValue(const QSettings& settings, const QString& name)
{
    QString text = settings.value(name).toString();
    // Older stores may have kept the string's terminator; a real last character always stays.
    if (text.size() > 1 && text.endsWith(QChar(u'\0')))
        text.chop(1);
    return text;
}

QString StoreName(const QSettings& settings)
{
    return QDir::toNativeSeparators(settings.fileName());
}

// Why no new file can be made in `folder` (QSettings writes a new file beside the old one).
QString FolderError(const QString& folder)
{
    if (!QFileInfo(folder).isDir()) {
        // The nearest part of the path that exists says why nothing could be made below it.
        QFileInfo existing(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
        while (!existing.exists() && !existing.isRoot())
            existing.setFile(existing.absolutePath());
        if (!existing.isDir())
            return ErrorText(ENOTDIR);
        const QString why = CannotMakeFilesIn(existing.filePath());
        return why.isEmpty() ? ErrorText(EACCES) : why;
    }
    QTemporaryFile probe(folder + QStringLiteral("/.kelmora-probe-XXXXXX"));
    if (!probe.open())
        return probe.errorString();
    return ErrorText(EACCES);
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

// QSettings reads its files as soon as it is made, and an ordinary open of a FIFO waits for a writer
// for ever. So the files it would read, the key's own and the organization's, in the user's and the
// system's folders, are looked at first. Their folders come from a store of a name nobody uses.
std::optional<Problem> StoreFileInTheWay(const SettingsKey& key, Failure failure)
{
    if (!SettingsInFiles(QSettings::defaultFormat()))
        return std::nullopt;
    for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
        const QFileInfo probe(
            QSettings(QSettings::defaultFormat(), scope, QStringLiteral(".kelmora-probe"), QStringLiteral("probe"))
                .fileName());
        const QString base = QFileInfo(probe.absolutePath()).absolutePath() + u'/';
        const QString suffix = u'.' + probe.suffix();
        for (const QString& file :
             {base + key.organization + u'/' + key.application + suffix, base + key.organization + suffix}) {
            const QFileInfo info(file);
            if (info.exists() && !info.isFile()) {
                return Problem{failure, QDir::toNativeSeparators(file),
                               NotAFileReason(info.isDir() ? EntryKind::Folder : EntryKind::Other)};
            }
        }
        if (key.root == QSettings::SystemScope)
            break;
    }
    return std::nullopt;
}

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
    if (auto problem = StoreFileInTheWay(key, Failure::SettingsRead)) {
        state.SettingsValid = false;
        return problem;
    }
    const QSettings settings = OpenStore(key);
    if (settings.status() != QSettings::NoError) {
        state.SettingsValid = false;
        return Problem{Failure::SettingsRead, StoreName(settings), StoreError(settings)};
    }
    // The key exists as soon as either value has been stored.
    if (!settings.contains(SavedataFolderValue) && !settings.contains(TemplateDriverFileValue)) {
        state.SettingsValid = false;
        return std::nullopt;
    }
    state.SavedataFolder = ReadValue(settings, SavedataFolderValue);
    state.TemplateDriverFile = ReadValue(settings, TemplateDriverFileValue);
    if (!state.TemplateDriverFile.isEmpty())
        state.FactoryDriverFile = FactoryDriverFileFor(state.TemplateDriverFile);
    state.SettingsValid = true;
    return std::nullopt;
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
    // that file leaves it empty: the next write would wait half a minute before taking it as stale.
    // The callers hold the store's lock, so no other Kelmora is writing now.
    const QFileInfo lock(settings.fileName() + QStringLiteral(".lock"));
    if (lock.isFile() && lock.size() == 0)
        QFile::remove(lock.filePath());
    for (const SettingValue& value : values)
        settings.setValue(value.name, value.text);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return Problem{Failure::SettingsWrite, StoreName(settings), StoreError(settings)};
    return std::nullopt;
}

} // namespace kelmora
