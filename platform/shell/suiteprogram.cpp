#include "platform/shell/suiteprogram.h"

#include "platform/files/hostprogram.h"

#include <system_error>

namespace orupim::shell {

namespace {
constexpr std::string_view SuitePrefix = "orupim-";
}

std::optional<std::filesystem::path> findSuiteProgram(std::string_view name) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && files::isExecutableFile(self.parent_path() / name))
        return self.parent_path() / name;
    return files::findHostProgram(name);
}

std::optional<std::filesystem::path> findMappedProgram(std::string_view word) {
    if (word.substr(0, SuitePrefix.size()) == SuitePrefix && word.find('/') == std::string_view::npos)
        return findSuiteProgram(word);
    return files::findHostProgram(word);
}

} // namespace orupim::shell
