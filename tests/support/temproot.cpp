#include "temproot.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace orupim::test {
namespace {

struct ProcessState {
    std::filesystem::path caseDir;
    std::filesystem::path startDir;
    std::string path;
    std::vector<std::function<void()>> resets;
};

ProcessState& state() {
    static ProcessState process;
    return process;
}

void removeCase() {
    ProcessState& process = state();
    if (process.caseDir.empty())
        return;
    std::error_code ignored;
    // A case may leave read-only directories behind; give them back to the owner before removing.
    for (auto it = std::filesystem::recursive_directory_iterator(
             process.caseDir, std::filesystem::directory_options::skip_permission_denied, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored))
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(process.caseDir, ignored);
    process.caseDir.clear();
}

void setDirectory(const char* variable, const std::filesystem::path& dir,
                  std::filesystem::perms mode = std::filesystem::perms::owner_all) {
    std::filesystem::create_directories(dir);
    std::filesystem::permissions(dir, mode);
    setenv(variable, dir.c_str(), 1);
}

void startCase() {
    removeCase();
    ProcessState& process = state();
    std::error_code ignored;
    std::filesystem::current_path(process.startDir, ignored);
    setenv("PATH", process.path.c_str(), 1);
    std::string pattern = (std::filesystem::temp_directory_path() / "orupim-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary directory for a test case");
    process.caseDir = pattern;
    setDirectory("ORUPIM_ROOT", process.caseDir / "root");
    setDirectory("HOME", process.caseDir / "home");
    setDirectory("XDG_DATA_HOME", process.caseDir / "xdg/data");
    setDirectory("XDG_CONFIG_HOME", process.caseDir / "xdg/config");
    setDirectory("XDG_CACHE_HOME", process.caseDir / "xdg/cache");
    setDirectory("XDG_STATE_HOME", process.caseDir / "xdg/state");
    setDirectory("XDG_RUNTIME_DIR", process.caseDir / "xdg/runtime");
    unsetenv("XDG_DATA_DIRS");
    unsetenv("XDG_CONFIG_DIRS");
    for (const auto& reset : process.resets)
        reset();
}

void endCase() {
    for (const auto& reset : state().resets)
        reset();
    std::error_code ignored;
    std::filesystem::current_path(state().startDir, ignored);
    setenv("PATH", state().path.c_str(), 1);
}

class CaseIsolation : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { startCase(); }
    void OnTestEnd(const ::testing::TestInfo&) override { endCase(); }
};

} // namespace

std::filesystem::path tempRoot() {
    return state().caseDir / "root";
}

std::filesystem::path caseDirectory() {
    return state().caseDir;
}

void addCaseReset(std::function<void()> reset) {
    state().resets.push_back(std::move(reset));
}

void installCaseIsolation() {
    ProcessState& process = state();
    process.startDir = std::filesystem::current_path();
    // The build's service programs come first in $PATH, which every case starts with and gets back at its
    // end.
    const char* path = std::getenv("PATH");
    process.path = std::string(ORUPIM_TEST_SERVICE_DIRS) + ":" + (path ? path : "/usr/bin:/bin");
    // What runs before the first case (a test main's QApplication) gets directories of its own too.
    startCase();
    std::atexit(removeCase);
    ::testing::UnitTest::GetInstance()->listeners().Append(new CaseIsolation);
}

} // namespace orupim::test
