#include "platform/files/hostprogram.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <system_error>

namespace orupim::files {

bool isExecutableFile(const std::filesystem::path& hostPath) {
    struct stat info {};
    return ::stat(hostPath.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 0111) != 0;
}

std::optional<std::filesystem::path> findHostProgram(std::string_view name) {
    if (name.empty())
        return std::nullopt;
    std::error_code ec;
    if (name.find('/') != std::string_view::npos) {
        std::filesystem::path path = std::filesystem::absolute(std::string(name), ec);
        if (!ec && isExecutableFile(path))
            return path.lexically_normal();
        return std::nullopt;
    }
    const char* searchPath = std::getenv("PATH");
    std::string_view dirs = searchPath ? searchPath : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        auto colon = dirs.find(':');
        std::string_view dir = dirs.substr(0, colon);
        // An empty entry of $PATH stands for the current directory, as for the host's own shells.
        std::filesystem::path candidate =
            std::filesystem::absolute(dir.empty() ? "." : std::string(dir), ec) / name;
        if (!ec && isExecutableFile(candidate))
            return candidate.lexically_normal();
        if (colon == std::string_view::npos)
            return std::nullopt;
        dirs.remove_prefix(colon + 1);
    }
}

} // namespace orupim::files
