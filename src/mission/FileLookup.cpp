#include "FileLookup.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace kelmora {
namespace {

// The system's own words for the two ways a look-up itself can fail.
#ifdef Q_OS_WIN
constexpr int InvalidNameError = 123; // ERROR_INVALID_NAME
constexpr int NotADirectoryError = 267; // ERROR_DIRECTORY
#else
constexpr int InvalidNameError = EINVAL;
constexpr int NotADirectoryError = ENOTDIR;
#endif

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
        result.error = qt_error_string(InvalidNameError);
        return result;
    }

    const QString path = QDir::fromNativeSeparators(pattern);
    const qsizetype slash = path.lastIndexOf(u'/');
    QString folder = slash < 0 ? QStringLiteral(".") : path.left(slash);
    if (folder.isEmpty() || folder.endsWith(u':'))
        folder += u'/';
    const QString namePattern = path.mid(slash + 1);

    // A missing folder holds nothing, but a path that runs through a file cannot be looked at.
    const QFileInfo folderInfo(folder);
    QFileInfo existing = folderInfo;
    while (!existing.exists() && !existing.isRoot())
        existing.setFile(existing.absolutePath());
    if (existing.exists() && !existing.isDir()) {
        result.error = qt_error_string(NotADirectoryError);
        return result;
    }
    if (existing.absoluteFilePath() != folderInfo.absoluteFilePath())
        return result;

    // The common case, an exact name that is there, needs no listing of the whole folder.
    if (!namePattern.isEmpty() && !namePattern.contains(u'?')) {
        const QFileInfo exact(path);
        if (exact.isFile() && !exact.isHidden() && exact.fileName() == namePattern) {
            result.files << QDir::toNativeSeparators(exact.filePath());
            return result;
        }
    }

    QDir dir(folder);
    // Without QDir::Hidden and QDir::System only ordinary, visible files are listed.
    const QFileInfoList entries = dir.entryInfoList(QDir::Files, QDir::NoSort);
    for (const QFileInfo& entry : entries) {
        if (MatchesFilePattern(namePattern, entry.fileName()))
            result.files << QDir::toNativeSeparators(entry.filePath());
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
