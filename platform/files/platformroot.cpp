#include "platform/files/platformroot.h"

#include <cstdlib>
#include <system_error>

namespace orupim::files {

std::filesystem::path platformRoot() {
    std::filesystem::path root;
    if (const char* env = std::getenv("ORUPIM_ROOT"); env && *env) {
        root = env;
    } else if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
        root = std::filesystem::path(data) / "orupim";
    } else {
        const char* home = std::getenv("HOME");
        root = std::filesystem::path(home && *home ? home : "/tmp") / ".local/share/orupim";
    }
    std::error_code ignored;
    std::filesystem::create_directories(root, ignored);
    return root;
}

} // namespace orupim::files
