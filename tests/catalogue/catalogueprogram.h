// A catalogue program for a test: its own program directory under the test's platform root (with the edition
// table and list file the test asks for), the start-up run as the program runs it, and the main window shown
// offscreen with the focus in it. Message boxes are recorded instead of shown.
#pragma once

#include "catalogue/edition.h"
#include "catalogue/mainwindow.h"
#include "platform/core/stringlist.h"
#include "platform/testing/messageboxrecorder.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QLineEdit;

namespace orupim::ui {
class Application;
}

namespace orupim::catalogue::test {

// A record as field name to text; fields not named stay empty.
using Record = std::map<std::string, std::string>;

class CatalogueProgram {
public:
    // Names the program file <root>/<directory>/<deliverable> (the directory is made).
    explicit CatalogueProgram(const Edition& edition, const std::string& directory = "catalog");
    ~CatalogueProgram();
    CatalogueProgram(const CatalogueProgram&) = delete;
    CatalogueProgram& operator=(const CatalogueProgram&) = delete;

    const std::filesystem::path& hostDirectory() const { return directory_; }
    void writeListFile(const std::string& text) const;
    std::string driveDirectory() const; // the program directory as the program sees it, ending in "\"

    // Creates the edition's table in the program directory holding these records, in this order.
    void createTable(const std::vector<Record>& records = {}) const;
    // The records the table holds now, read through a query of its own (every field as text).
    std::vector<Record> storedRecords() const;
    // One field of each stored record, in the table's order.
    std::vector<std::string> storedValues(const std::string& field) const;
    // Marks the table file read-only (no one may write it), so that its results cannot be modified.
    void makeTableReadOnly() const;

    // Start-up up to the message loop (splash, the three windows, the pause), then the main window shown.
    void start();
    // Creates the table with these records and starts the program; fails when start-up showed an error box.
    ::testing::AssertionResult startWith(const std::vector<Record>& records);
    void startWithoutShowing();
    void show();
    // Ends the program: its windows are freed, as at exit.
    void stop();

    TMainWindow& window() const;
    std::string message() const; // the left status panel
    std::string counts() const;  // the right status panel

    // The user's steps on the main window. The commands clear the message panel first and answer the message
    // the command left there ("" when it left none).
    QWidget* control(const std::string& name) const;        // a data control, "DBEdit3"
    std::string shown(const std::string& control) const;    // the text the control shows
    QLineEdit* editBox(const std::string& control) const;   // the edit box of a text or drop-down field
    StringList entries(const std::string& listField) const; // a drop-down field's choices
    std::string field(const std::string& name) const;       // the current record's field, as text
    // Enters a data control, as a click in it does; it must become the field last entered.
    void enter(const std::string& control) const;
    // Enters a data control and types after what it holds.
    void type(const std::string& control, const QString& text) const;
    std::string click(std::size_t speedButton) const;      // SpeedButtons[speedButton]
    std::string choose(const std::string& menuItem) const; // "ReloadLists1"
    std::string run(void (TMainWindow::*command)()) const; // the handler, as the form runs it
    orupim::testing::MessageBoxRecorder boxes;

    // The pauses start-up made (they return at once), and the beeps.
    struct Pause {
        std::uint32_t milliseconds;
        bool splashShown;    // the splash window was up
        bool windowsCreated; // the main window, the about box and the search dialog were made
    };
    std::vector<Pause> pauses;
    std::vector<unsigned> beeps;

    static bool splashShown();

private:
    const Edition& edition_;
    std::filesystem::path directory_;
    std::unique_ptr<ui::Application> application_;
};

// Registers a web browser: the default value of the browser's open-command key in the system's classes.
void registerBrowser(const std::string& command);

} // namespace orupim::catalogue::test
