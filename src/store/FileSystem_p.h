#pragma once

#include "FileSystem.h"

#include <QCryptographicHash>
#include <QString>

#include <optional>
#include <utility>

namespace kelmora {

// Between FileSystem.cpp and the system's own file.

// The system's own words for a file that is not there.
QString NoSuchFileWords();

// The FileId of the file or folder at `path`, following links; nothing when there is none.
std::optional<FileId> FileIdOf(const QString& path);

// Whose the folder at `path` is, following links (`mine` and `othersMayWrite` only); nothing where
// there is no folder or it cannot be looked at.
std::optional<FileFacts> FolderFacts(const QString& path);

// Where a file system keeps a file's times only to the whole second or coarser (FAT to two seconds;
// some keep none at all), a write of the same length within that time leaves them as they were: the
// version of such a file also holds this digest of its bytes.
inline constexpr QCryptographicHash::Algorithm ContentMarkHash = QCryptographicHash::Sha256;

// Whether what stands at a path, of `kind`, is no longer what was read there at `version`: another
// entry, or a regular file whose version `now()` is another. No `version`, nothing to look at;
// NoFileVersion, there was nothing. `now` is asked only where it decides.
template<typename Now>
bool ChangedSince(const QByteArray& version, EntryKind kind, Now now)
{
    if (version.isEmpty())
        return false;
    if (version == NoFileVersion)
        return kind != EntryKind::Missing;
    return kind != EntryKind::RegularFile || now() != version;
}

} // namespace kelmora
