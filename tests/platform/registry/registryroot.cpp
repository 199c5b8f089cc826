#include "registryroot.h"

#include "platform/core/errors.h"
#include "temproot.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace orupim::test {

void RegistryRootTest::SetUp() {
    const char* saved = std::getenv("ORUPIM_ROOT");
    savedRoot_ = saved ? saved : "";
    freshRoot();
}

void RegistryRootTest::freshRoot() {
    static int counter = 0;
    root_ = tempRoot() / ("registry-" + std::to_string(++counter));
    std::filesystem::create_directories(root_);
    setenv("ORUPIM_ROOT", root_.c_str(), 1);
    keyMarks.clear();
}

void RegistryRootTest::TearDown() {
    setenv("ORUPIM_ROOT", savedRoot_.c_str(), 1);
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

void expectRegistryError(const std::function<void()>& call, const std::string& message) {
    try {
        call();
        ADD_FAILURE() << "no error, expected: " << message;
    } catch (const RegistryError& error) {
        EXPECT_EQ(error.message(), message);
    }
}

} // namespace orupim::test
