// A temporary platform root for one test process: ORUPIM_ROOT points at a fresh directory that is removed
// when the process ends, so each test starts from a machine that has never run the suite.
#pragma once

#include <filesystem>

namespace orupim::test {

// The root made for this process (created by the test main before any test runs).
std::filesystem::path tempRoot();

// Sets up ORUPIM_ROOT; called once by the test mains.
void installTempRoot();

} // namespace orupim::test
