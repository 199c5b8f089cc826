// Finding the suite's own host programs (orupim-progman, orupim-helpviewer, orupim-uninst): beside the
// running executable, else in $PATH. The build stages each service beside every program that starts it, and
// an installation puts them together too; nothing here knows where the program was built.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace orupim::shell {

// The host path of the suite's program `name` ("orupim-" followed by the service's name in lower case).
std::optional<std::filesystem::path> findSuiteProgram(std::string_view name);

// The host path of a mapped program's first word: one of the suite's programs where the name says so, else
// a program searched in $PATH (or a host path as it stands).
std::optional<std::filesystem::path> findMappedProgram(std::string_view word);

} // namespace orupim::shell
