// What the tests of Program Manager share: the case's own directories (tests/support/temproot.h) under the
// names the menus use, and whatever the case published checked at its end with the desktop's own tools:
// desktop-file-validate for every entry, xmllint against the menu document type for every merge file, and the
// menu library of python3-xdg for what a desktop shows.
#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace orupim::progman {

struct CommandResult {
    int status = -1; // the exit status, or -1 when the command did not end normally
    std::string output;
};

// Runs a command through /bin/sh, its standard output and error captured.
CommandResult runCommand(const std::string& command);

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& content, bool executable = false);

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path store() const { return root / "progman.ini"; }
    std::filesystem::path applications() const { return base / "xdg/data/applications"; }
    std::filesystem::path directories() const { return base / "xdg/data/desktop-directories"; }
    std::filesystem::path merged() const { return base / "xdg/config/menus/applications-merged"; }
    // The host directory of drive C:, without a trailing "/".
    std::string driveC() const;

    // Checks every published file with the desktop's validators (done at the end of every case).
    void expectValidMenus() const;
    // The applications menu as the desktop's menu library shows it (showmenu.py's lines).
    std::string menuLibraryView() const;

    std::filesystem::path base; // the case's own directory
    std::filesystem::path root; // its platform root
};

} // namespace orupim::progman
