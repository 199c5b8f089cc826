// A catalogue program for a test: its own program directory under the test's platform root (with the edition
// table and list file the test asks for), the start-up run as the program runs it, and the main window shown
// offscreen with the focus in it. Message boxes are recorded instead of shown.
#pragma once

#include "../platform/ui/messageboxrecorder.h"
#include "catalogue/edition.h"
#include "catalogue/mainwindow.h"

#include <filesystem>
#include <memory>
#include <string>

namespace orupim::ui {
class Application;
}

namespace orupim::catalogue::test {

class CatalogueProgram {
public:
    // Names the program file <root>/<directory>/<deliverable> (the directory is made).
    explicit CatalogueProgram(const Edition& edition, const std::string& directory = "catalog");
    ~CatalogueProgram();
    CatalogueProgram(const CatalogueProgram&) = delete;
    CatalogueProgram& operator=(const CatalogueProgram&) = delete;

    const std::filesystem::path& hostDirectory() const { return directory_; }
    void writeListFile(const std::string& text) const;

    // Start-up up to the message loop (splash, the three windows, the pause), then the main window shown.
    void start();
    void startWithoutShowing();
    void show();
    // Ends the program: its windows are freed, as at exit.
    void stop();

    TMainWindow& window() const;
    std::string message() const; // the left status panel
    std::string counts() const;  // the right status panel
    ui::test::MessageBoxRecorder boxes;

private:
    const Edition& edition_;
    std::filesystem::path directory_;
    std::unique_ptr<ui::Application> application_;
};

} // namespace orupim::catalogue::test
