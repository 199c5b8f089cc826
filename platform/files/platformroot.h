// The platform root: the one host directory under which the platform layer keeps everything of its own (drive
// map, registry hives, engine configuration, program map). $ORUPIM_ROOT, by default
// ${XDG_DATA_HOME:-$HOME/.local/share}/orupim; created on first use, its owner's alone (mode 0700).
#pragma once

#include <filesystem>

namespace orupim::files {

std::filesystem::path platformRoot();

} // namespace orupim::files
