#include "platform/files/platformroot.h"

#include <cstdlib>
#include <sys/stat.h>
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
    // A new root is its owner's alone: it holds the user's settings and, below it, the user's drive C:.
    std::error_code ignored;
    if (!std::filesystem::exists(root, ignored)) {
        std::filesystem::create_directories(root.parent_path(), ignored);
        if (::mkdir(root.c_str(), 0700) == 0)
            ::chmod(root.c_str(), 0700);
    }
    std::filesystem::create_directories(root, ignored);
    return root;
}

} // namespace orupim::files
