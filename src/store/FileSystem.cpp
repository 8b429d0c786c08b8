#include "FileSystem.h"
#include "FileSystem_p.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <system_error>

namespace kelmora {

QString NotAFileReason(EntryKind kind)
{
    switch (kind) {
    case EntryKind::RegularFile:
        return {};
    case EntryKind::Missing:
        return NoSuchFileWords();
    case EntryKind::Folder:
        return ErrorText(EISDIR);
    case EntryKind::Link:
        return QCoreApplication::translate("kelmora::FileSystem",
                                           "It is a link; Kelmora only writes files it made itself");
    case EntryKind::Other:
        break;
    }
    return QCoreApplication::translate("kelmora::FileSystem", "It is not a regular file");
}

QString ErrorText(int error)
{
    // Not qt_error_string(): on Windows it reads the number as a Windows error code, which gives
    // "Out of paper." for a full disk.
    return QString::fromLocal8Bit(std::generic_category().message(error));
}

QString CannotMakeBelow(const QString& folder, QString* failedPath)
{
    // A link counts as standing there: one that leads nowhere, or to a file, is no folder to make
    // anything in.
    QString existing = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    EntryKind kind = EntryAt(existing);
    while (kind == EntryKind::Missing && !QFileInfo(existing).isRoot()) {
        existing = QFileInfo(existing).absolutePath();
        kind = EntryAt(existing);
    }
    const bool isFolder = kind == EntryKind::Folder || (kind == EntryKind::Link && QFileInfo(existing).isDir());
    const QString why = isFolder ? CannotMakeFilesIn(existing) : ErrorText(ENOTDIR);
    if (!why.isEmpty() && failedPath)
        *failedPath = QDir::toNativeSeparators(existing);
    return why;
}

QString TooLargeReason(qint64 size, qint64 maximumSize)
{
    return QCoreApplication::translate("kelmora::FileSystem", "The file is too large (%1 bytes, at most %2 expected)")
        .arg(size)
        .arg(maximumSize);
}

QString ChangedMeanwhileReason()
{
    return QCoreApplication::translate(
        "kelmora::FileSystem", "Another program changed it meanwhile, and it was left as that program wrote it");
}

QString ReadOnlyReason()
{
    return QCoreApplication::translate("kelmora::FileSystem", "It is read-only, and Kelmora leaves it so");
}

QString NotOwnFolder(const QString& folder)
{
    const std::optional<FileFacts> facts = FolderFacts(folder);
    if (facts && !facts->mine && !RunningAsAdministrator())
        return QCoreApplication::translate("kelmora::SavegameStore", "It belongs to another user");
    if (facts && facts->othersMayWrite)
        return QCoreApplication::translate("kelmora::SavegameStore", "Other users may change it");
    return {};
}

Identity CompareFiles(const QString& first, const QString& second, const std::optional<FileId>& knownFirstId)
{
    const std::optional<FileId> firstId = knownFirstId ? knownFirstId : FileIdOf(first), secondId = FileIdOf(second);
    if (firstId && secondId && *firstId == *secondId)
        return Identity::Same;
    const QFileInfo a(first), b(second);
    if (a.fileName().compare(b.fileName(), Qt::CaseInsensitive) != 0)
        return Identity::Different;
    const std::optional<FileId> folderA = FileIdOf(a.absolutePath()), folderB = FileIdOf(b.absolutePath());
    const bool oneFolder =
        folderA && folderB
            ? *folderA == *folderB
            : QDir::cleanPath(a.absolutePath()).compare(QDir::cleanPath(b.absolutePath()), Qt::CaseInsensitive) == 0;
    return oneFolder ? Identity::MaybeSame : Identity::Different;
}

} // namespace kelmora
