#pragma once

#include <QString>

namespace kelmora {

inline constexpr const char* ReadmeFileName = "Readme-KELMORA.TXT";

// The documentation folder of the installation this program was built for.
QString InstalledDocFolder();

// The player's readme: beside the program (the build tree, a portable copy), else in the doc folder
// of the installation the program sits in (<program folder>/../share/doc/kelmora), else in
// `installedDocFolder`. When none holds it, the path beside the program, so that the player is told
// about the place a portable copy keeps it. Native separators.
QString ReadmePath(const QString& programFolder, const QString& installedDocFolder = InstalledDocFolder());

} // namespace kelmora
