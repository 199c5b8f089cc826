// The base directories by the freedesktop.org rules. The user's: $XDG_DATA_HOME and $XDG_CONFIG_HOME when
// they hold an absolute path (a relative or empty value is ignored, as the rules require), else
// $HOME/.local/share and $HOME/.config. The platform root and Program Manager's menu entries both live below
// them. The system's, most important first: the absolute entries of the colon-separated $XDG_DATA_DIRS and
// $XDG_CONFIG_DIRS, else (unset or empty) /usr/local/share, /usr/share and /etc/xdg; the desktop's programs
// and their defaults are found in them.
#pragma once

#include <filesystem>
#include <vector>

namespace orupim::files {

std::filesystem::path xdgDataHome();
std::filesystem::path xdgConfigHome();

std::vector<std::filesystem::path> xdgDataDirs();
std::vector<std::filesystem::path> xdgConfigDirs();

} // namespace orupim::files
