// A fresh platform root for each registry test, so that every test starts from a new machine (and is seeded
// anew) also when all tests of the program run in one process; a new root has no key marks.
#pragma once

#include "platform/testing/keymarktable.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace orupim::test {

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& text);

// Runs `call` and expects a RegistryError with exactly `message`.
void expectRegistryError(const std::function<void()>& call, const std::string& message);

class RegistryRootTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Points the platform root at a new empty directory (for tests that need several new machines).
    void freshRoot();

    std::filesystem::path root() const { return root_; }
    std::filesystem::path userHive() const { return root_ / "user.reg"; }
    std::filesystem::path systemHive() const { return root_ / "system.reg"; }

    // The marks of this test's keys.
    orupim::testing::KeyMarkTable keyMarks;

private:
    std::filesystem::path root_;
    std::string savedRoot_;
};

} // namespace orupim::test
