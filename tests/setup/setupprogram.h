// A setup program directory of a test's own under the platform root: the running program is taken to be
// OruInst there, and the package description is written beside it, from a fixture or from a text.
#pragma once

#include <filesystem>
#include <string>

namespace orupim::ui {
class Application;
}

namespace orupim::setup::test {

class SetupDirectory {
public:
    SetupDirectory();
    ~SetupDirectory();

    const std::filesystem::path& path() const { return path_; }
    // The package description beside the program: a fixture of tests/data/setup, or a text.
    void copyPackage(const std::string& fixture) const;
    void writePackage(const std::string& text) const;

private:
    std::filesystem::path path_;
};

// Reads the package beside the program as the setup's start does, then creates the wizard and shows it.
void showWizard(ui::Application& application);

// Clicks the wizard's Next button.
void clickNext();

} // namespace orupim::setup::test
