// Finding host programs (the shell starts them, the registry seeds the browser command from them): a name
// without "/" is searched in the directories of $PATH, a path is taken as it stands; either way the result is
// an absolute path to an executable regular file.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace orupim::files {

// Whether a host file is a regular file that someone may execute.
bool isExecutableFile(const std::filesystem::path& hostPath);

// The absolute host path of a program named as a host command's first word.
std::optional<std::filesystem::path> findHostProgram(std::string_view name);

} // namespace orupim::files
