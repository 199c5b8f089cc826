// Splitting a parameters text into program arguments by the old platform's command-line rules: blanks (spaces
// and tabs) separate arguments, and double quotes group, so that "C:\My Files\a.txt" is one argument. The
// quotes themselves are dropped; a quote may open or close in the middle of an argument (a"b c"d is "ab cd"),
// and "" is an empty argument. Backslashes are ordinary characters, as drive paths need. The arguments are
// handed to the started program one by one: nothing is ever passed to a shell.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orupim::shell {

std::vector<std::string> splitCommandLine(std::string_view text);

// One argument as a host program gets it: a full drive path ("C:\x.txt") becomes its host path, which is all
// a host program can open; any other argument, or a drive that is not mapped, stays as it is.
std::string hostArgument(std::string_view argument);

} // namespace orupim::shell
