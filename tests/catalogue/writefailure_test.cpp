// Writes of the table that fail, as the user meets them in the record view: a change SQLite refuses (a full
// disk, an input/output error, the file locked by another program) is rolled back and shown, and the record
// stays as typed so that it can be saved again; a record that another program deleted is reported, not
// brought back; a lock that another program lets go within the wait is waited for, one held longer is
// reported.
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/db/table.h"
#include "userinput.h"

#include <QApplication>
#include <chrono>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <thread>

namespace orupim::catalogue {
namespace {

using test::Record;

const std::vector<Record> TwoFilms = {
    {{"Director", "Lang"}, {"Title", "Metropolis"}},
    {{"Director", "Murnau"}, {"Title", "Nosferatu"}},
};

enum Button { AddButton = 6, DeleteButton = 7, EditButton = 8, UndoButton = 9, SaveButton = 10 };

class WriteFailure : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(program.startWith(TwoFilms)); }
    void TearDown() override { db::setWriteFailure({}); }
    TMainWindow& window() { return program.window(); }
    void typeTitle(const QString& text) { orupim::test::retype(program.control("DBEdit2"), text); }
    std::vector<std::string> storedTitles() { return program.storedValues("Title"); }
    std::string tableName() { return program.driveDirectory() + "flx.db"; }
    std::filesystem::path tableFile() { return program.hostDirectory() / "flx.db"; }
    // Another program's connection to the table.
    sqlite3* otherConnection() {
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(tableFile().c_str(), &db), SQLITE_OK);
        return db;
    }

    test::CatalogueProgram program{videoEdition()};
};

TEST_F(WriteFailure, RefusedChangeIsRolledBackShownAndCanBeSavedAgain) {
    using Titles = std::vector<std::string>;
    // Each case works on the current record, the one the case before left current.
    struct Case {
        Button enter;
        const char* title;
        Button command;
        int code;
        Titles storedAfterRetry;
    } cases[] = {
        {EditButton, "Edited", SaveButton, SQLITE_FULL, {"Edited", "Nosferatu"}},
        {AddButton, "Added", SaveButton, SQLITE_IOERR, {"Edited", "Nosferatu", "Added"}},
        {EditButton, "Edited again", SaveButton, SQLITE_BUSY, {"Edited", "Nosferatu", "Edited again"}},
        {EditButton, "Deleted", DeleteButton, SQLITE_BUSY, {"Edited", "Nosferatu"}},
    };
    int failures = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const Titles before = storedTitles();
        program.click(c.enter);
        typeTitle(c.title);
        const db::DataSetState state = window().mainDataSource().state();
        db::setWriteFailure([&](const std::filesystem::path& file) {
            ++failures;
            EXPECT_EQ(file, tableFile());
            return c.code;
        });
        program.boxes.boxes.clear();
        program.click(c.command);
        ASSERT_EQ(program.boxes.boxes.size(), 1u);
        EXPECT_EQ(program.boxes.boxes[0].caption, "OruFLX 1.1");
        EXPECT_EQ(program.boxes.boxes[0].text,
                  "Cannot write the table: " + tableName() + " (" + sqlite3_errstr(c.code) + ")");
        // Nothing reached the file, and the record is still as typed.
        EXPECT_EQ(storedTitles(), before);
        EXPECT_EQ(window().mainDataSource().state(), state);
        EXPECT_EQ(window().controlText(1), c.title);

        db::setWriteFailure({});
        program.boxes.boxes.clear();
        program.click(c.command);
        for (const auto& box : program.boxes.boxes)
            ADD_FAILURE() << box.text;
        EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Browse);
        EXPECT_EQ(storedTitles(), c.storedAfterRetry);
    }
    EXPECT_EQ(failures, 4);
}

TEST_F(WriteFailure, RecordDeletedByAnotherProgramIsReportedNotBroughtBack) {
    sqlite3* other = otherConnection();
    ASSERT_EQ(sqlite3_exec(other, "DELETE FROM flx WHERE Title = 'Metropolis'", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(other);

    program.click(EditButton);
    typeTitle("Metropolis restored");
    program.click(SaveButton);
    ASSERT_EQ(program.boxes.boxes.size(), 1u);
    EXPECT_EQ(program.boxes.boxes[0].text, "Record was deleted by another user: " + tableName() + ".");
    EXPECT_EQ(storedTitles(), std::vector<std::string>{"Nosferatu"});
    program.click(UndoButton);
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Browse);
    EXPECT_EQ(storedTitles(), std::vector<std::string>{"Nosferatu"});
}

// Another program holds the table's write lock: let go within the wait, the save waits for it; held past the
// wait, the save is refused with SQLite's answer and the record stays as typed until it can be saved.
TEST_F(WriteFailure, LockedTableIsWaitedForThenReported) {
    struct Case {
        const char* title;
        std::chrono::milliseconds held;
        bool saved;
    } cases[] = {
        {"Waited for", std::chrono::milliseconds(300), true},
        {"Locked out", std::chrono::milliseconds(7000), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const std::vector<std::string> before = storedTitles();
        sqlite3* other = otherConnection();
        ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        std::thread release([other, held = c.held] {
            std::this_thread::sleep_for(held);
            sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        });
        program.click(EditButton);
        typeTitle(c.title);
        program.boxes.boxes.clear();
        const auto start = std::chrono::steady_clock::now();
        program.click(SaveButton);
        const auto waited = std::chrono::steady_clock::now() - start;
        release.join();
        sqlite3_close(other);
        EXPECT_GE(waited, std::chrono::milliseconds(250));
        if (c.saved) {
            for (const auto& box : program.boxes.boxes)
                ADD_FAILURE() << box.text;
        } else {
            ASSERT_EQ(program.boxes.boxes.size(), 1u);
            EXPECT_EQ(program.boxes.boxes[0].text,
                      "Cannot write the table: " + tableName() + " (database is locked)");
            EXPECT_EQ(storedTitles(), before);
            EXPECT_EQ(window().controlText(1), c.title);
            program.click(SaveButton);
        }
        EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Browse);
        EXPECT_EQ(storedTitles().front(), c.title);
    }
}

} // namespace
} // namespace orupim::catalogue
