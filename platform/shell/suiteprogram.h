// Finding the suite's own host programs (orupim-progman, orupim-helpviewer): beside the running executable,
// then in the build tree's services/<name without "orupim-">, then in $PATH, so that a program run from the
// build tree, from its staged directory or from an installation finds its services alike.
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
