#include "fuzz/fuzzroot.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace orupim::fuzz {
namespace {

std::filesystem::path& rootPath() {
    static std::filesystem::path root;
    return root;
}

void removeRoot() {
    std::error_code ignored;
    std::filesystem::remove_all(rootPath(), ignored);
}

} // namespace

std::filesystem::path useTemporaryRoot() {
    if (rootPath().empty()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "orupim-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        rootPath() = pattern;
        ::setenv("ORUPIM_ROOT", pattern.c_str(), 1);
        std::atexit(removeRoot);
    }
    return rootPath();
}

void require(bool holds, std::string_view what) {
    if (holds)
        return;
    std::fprintf(stderr, "property failed: %.*s\n", int(what.size()), what.data());
    std::abort();
}

} // namespace orupim::fuzz
