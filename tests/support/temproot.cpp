#include "temproot.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

namespace orupim::test {
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

std::filesystem::path tempRoot() { return rootPath(); }

void installTempRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orupim-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary platform root");
    rootPath() = pattern;
    setenv("ORUPIM_ROOT", pattern.c_str(), 1);
    std::atexit(removeRoot);
}

} // namespace orupim::test
