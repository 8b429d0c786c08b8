#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace kelmora {

// Between FileSystem.cpp and the system's own file.

// The system's own words for a file that is not there.
QString NoSuchFileWords();

// What tells one existing file or folder from every other on this machine (device and inode,
// volume and file index), following links; nothing when there is none at the path.
using FileId = std::pair<quint64, quint64>;
std::optional<FileId> FileIdOf(const QString& path);

} // namespace kelmora
