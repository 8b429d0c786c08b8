#pragma once

#include <QString>

#include <filesystem>
#include <optional>
#include <utility>

namespace kelmora {

// Between FileSystem.cpp and the system's own file.

// The path as the system's calls take it.
std::filesystem::path SystemPath(const QString& path);

// What tells one existing file or folder from every other on this machine (device and inode,
// volume and file index), following links; nothing when there is none at the path.
using FileId = std::pair<quint64, quint64>;
std::optional<FileId> FileIdOf(const QString& path);

} // namespace kelmora
