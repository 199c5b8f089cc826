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
    // A root made here is the owner's alone: it holds the settings and the socket of Program Manager.
    std::error_code ignored;
    if (std::filesystem::create_directories(root, ignored))
        std::filesystem::permissions(root, std::filesystem::perms::owner_all, ignored);
    return root;
}

} // namespace orupim::files
