// The user's base directories by the freedesktop.org rules: $XDG_DATA_HOME and $XDG_CONFIG_HOME when they
// hold an absolute path (a relative or empty value is ignored, as the rules require), else $HOME/.local/share
// and $HOME/.config. The platform root and Program Manager's menu entries both live below them.
#pragma once

#include <filesystem>

namespace orupim::files {

std::filesystem::path xdgDataHome();
std::filesystem::path xdgConfigHome();

} // namespace orupim::files
