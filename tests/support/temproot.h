// Every test case runs on a machine of its own: before each case a fresh temporary directory is made and the
// platform root (ORUPIM_ROOT), HOME and the XDG directories point into it; after the case it is removed. The
// process current directory and PATH are put back after each case, and the resets that other test libraries
// register (the shared values of a program, seams left in place) run before and after every case, so that a
// test program passes whole, case by case and in any order.
#pragma once

#include <filesystem>
#include <functional>

namespace orupim::test {

// The platform root of the running case.
std::filesystem::path tempRoot();

// The running case's own directory: the root, HOME and the XDG directories all lie below it.
std::filesystem::path caseDirectory();

// Runs `reset` before and after every case, to put process-wide state back to its start.
void addCaseReset(std::function<void()> reset);

// Installs the per-case directories; called once by the test mains, after GoogleTest is initialised.
void installCaseIsolation();

} // namespace orupim::test
