#include "platform/files/xdgdirectories.h"

#include <cstdlib>
#include <string_view>

namespace orupim::files {
namespace {

std::filesystem::path baseDirectory(const char* variable, const char* belowHome) {
    const char* value = std::getenv(variable);
    if (value && *value == '/')
        return value;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home == '/' ? home : "/tmp") / belowHome;
}

std::vector<std::filesystem::path> baseDirectories(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    std::string_view list = value && *value ? value : fallback;
    std::vector<std::filesystem::path> directories;
    while (!list.empty()) {
        const auto colon = list.find(':');
        const std::string_view entry = list.substr(0, colon);
        if (!entry.empty() && entry.front() == '/')
            directories.emplace_back(entry);
        list.remove_prefix(colon == std::string_view::npos ? list.size() : colon + 1);
    }
    return directories;
}

} // namespace

std::filesystem::path xdgDataHome() {
    return baseDirectory("XDG_DATA_HOME", ".local/share");
}

std::filesystem::path xdgConfigHome() {
    return baseDirectory("XDG_CONFIG_HOME", ".config");
}

std::vector<std::filesystem::path> xdgDataDirs() {
    return baseDirectories("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
}

std::vector<std::filesystem::path> xdgConfigDirs() {
    return baseDirectories("XDG_CONFIG_DIRS", "/etc/xdg");
}

} // namespace orupim::files
