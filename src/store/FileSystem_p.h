#pragma once

#include "FileSystem.h"

#include <QString>

#include <optional>
#include <utility>

namespace kelmora {

// Between FileSystem.cpp and the system's own file.

// The system's own words for a file that is not there.
QString NoSuchFileWords();

// The FileId of the file or folder at `path`, following links; nothing when there is none.
std::optional<FileId> FileIdOf(const QString& path);

} // namespace kelmora
