#include "platform/files/xdgdirectories.h"

#include <cstdlib>

namespace orupim::files {
namespace {

std::filesystem::path baseDirectory(const char* variable, const char* belowHome) {
    const char* value = std::getenv(variable);
    if (value && *value == '/')
        return value;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home == '/' ? home : "/tmp") / belowHome;
}

} // namespace

std::filesystem::path xdgDataHome() {
    return baseDirectory("XDG_DATA_HOME", ".local/share");
}

std::filesystem::path xdgConfigHome() {
    return baseDirectory("XDG_CONFIG_HOME", ".config");
}

} // namespace orupim::files
