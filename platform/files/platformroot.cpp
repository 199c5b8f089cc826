#include "platform/files/platformroot.h"

#include "platform/files/xdgdirectories.h"

#include <cstdlib>
#include <system_error>

namespace orupim::files {

std::filesystem::path platformRoot() {
    std::filesystem::path root;
    if (const char* env = std::getenv("ORUPIM_ROOT"); env && *env) {
        root = env;
    } else {
        root = xdgDataHome() / "orupim";
    }
    std::error_code ignored;
    std::filesystem::create_directories(root, ignored);
    return root;
}

} // namespace orupim::files
