#include "FileLookup.h"

#include "FileSystem.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace kelmora {
namespace {

// Does a bare file name match a look-up pattern? Both are compared character by character, a
// character outside the Basic Multilingual Plane counting as one, as "?" does.
bool MatchesFilePattern(const QString& pattern, const QString& name)
{
    if (pattern.isEmpty())
        return true;
    const QList<uint> wanted = pattern.toCaseFolded().toUcs4();
    const QList<uint> found = name.toCaseFolded().toUcs4();
    if (wanted.size() != found.size())
        return false;
    for (qsizetype i = 0; i < wanted.size(); ++i) {
        if (wanted[i] != u'?' && wanted[i] != found[i])
            return false;
    }
    return true;
}

} // namespace

LookupResult LookUpFiles(const QString& pattern)
{
    LookupResult result;
    if (pattern.contains(QChar(u'\0'))) {
        result.error = ErrorText(EINVAL);
        return result;
    }
    const QString path = QDir::fromNativeSeparators(pattern);
    const qsizetype slash = path.lastIndexOf(u'/');
    QString folder = slash < 0 ? QStringLiteral(".") : path.left(slash);
    if (folder.isEmpty() || folder.endsWith(u':'))
        folder += u'/';
    const QString namePattern = path.mid(slash + 1);

    // A missing folder holds nothing, but a path that runs through a file cannot be looked at.
    QFileInfo existing(folder);
    while (!existing.exists() && !existing.isRoot())
        existing.setFile(existing.absolutePath());
    if (existing.exists() && !existing.isDir()) {
        result.error = ErrorText(ENOTDIR);
        return result;
    }
    if (existing.absoluteFilePath() != QFileInfo(folder).absoluteFilePath())
        return result;

    // An exact name that is there needs no listing of a folder that may hold thousands of files.
    if (!namePattern.isEmpty() && !namePattern.contains(u'?')) {
        const QString name = NameOnDisk(path);
        if (!name.isEmpty()) {
            if (QFileInfo(path).isFile() && !IsHiddenFile(path))
                result.files << QDir::toNativeSeparators(QDir(folder).filePath(name));
            return result;
        }
    }
    // What follows the last "?" must end every name that matches.
    const FolderNames names = ListFolder(folder, namePattern.mid(namePattern.lastIndexOf(u'?') + 1));
    result.error = names.error;
    for (const QString& name : names.files) {
        const QString file = QDir(folder).filePath(name);
        if (MatchesFilePattern(namePattern, name) && !IsHiddenFile(file))
            result.files << QDir::toNativeSeparators(file);
    }
    return result;
}

QString FirstCharacter(const QString& text)
{
    const bool pair = text.size() >= 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate();
    return text.left(pair ? 2 : 1);
}

qsizetype CharacterCount(const QString& text)
{
    return text.toUcs4().size();
}

bool IsFactoryDriverFileName(const QString& name)
{
    return CharacterCount(name) == FactoryDriverSuffix.size() + 1 &&
           name.endsWith(FactoryDriverSuffix, Qt::CaseInsensitive);
}

} // namespace kelmora
