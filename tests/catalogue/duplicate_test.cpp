// Duplicate Record: the new record in insert state carries the six kept values and nothing else; Undo adds
// nothing; the command is refused while editing; on a result that cannot be modified it re-queries by the
// keys first and still carries the values of the record that was shown.
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/ui/speedbutton.h"

#include <QApplication>
#include <filesystem>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

using test::Record;

constexpr std::size_t DuplicateButton = 11; // SpeedButton12

const Record Full = {{"Director", "Lang"},  {"Title", "Metropolis"}, {"Publisher", "UFA"},
                     {"Category", "Drama"}, {"Language", "German"},  {"Format", "VHS"},
                     {"Code", "M-1"},       {"Notes", "Silent"},     {"Borrowed", "True"},
                     {"Lent", "True"},      {"Date", "12/24/1999"},  {"Name", "Anna"}};

class DuplicateRecord : public ::testing::Test {
protected:
    void start(const std::vector<Record>& records) { ASSERT_TRUE(program.startWith(records)); }
    TMainWindow& window() { return program.window(); }
    std::string duplicate() { return program.click(DuplicateButton); }

    test::CatalogueProgram program{videoEdition()};
};

TEST_F(DuplicateRecord, NewRecordKeepsTheSixValuesAndLeavesTheRestEmpty) {
    start({Full});
    EXPECT_EQ(duplicate(), "Record duplicated.");
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Insert);
    for (const char* kept : {"Director", "Title", "Publisher", "Category", "Language", "Format"}) {
        SCOPED_TRACE(kept);
        EXPECT_EQ(program.field(kept), Full.at(kept));
    }
    for (const char* empty : {"Code", "Notes", "Borrowed", "Lent", "Date", "Name"}) {
        SCOPED_TRACE(empty);
        EXPECT_EQ(program.field(empty), "");
    }
    EXPECT_EQ(program.counts(), " rec. 1 of 1");
    EXPECT_EQ(duplicate(), "Undo or save the current record first.");

    window().SaveRecClick();
    const std::vector<Record> stored = program.storedRecords();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].at("Title"), "Metropolis");
    EXPECT_EQ(stored[1].at("Format"), "VHS");
    EXPECT_EQ(stored[1].at("Code"), "");
    EXPECT_NE(stored[1].at("Tracks"), stored[0].at("Tracks"));
}

TEST_F(DuplicateRecord, UndoAddsNothing) {
    start({Full});
    EXPECT_EQ(duplicate(), "Record duplicated.");
    window().UndoChangesClick();
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Browse);
    EXPECT_EQ(window().mainQuery().recordCount(), 1);
    EXPECT_EQ(program.storedRecords().size(), 1u);
}

TEST_F(DuplicateRecord, RefusedWhileEditingOrAdding) {
    start({Full});
    for (auto command : {&TMainWindow::EditRecClick, &TMainWindow::AddRecClick}) {
        (window().*command)();
        const db::DataSetState state = window().mainDataSource().state();
        EXPECT_EQ(duplicate(), "Undo or save the current record first.");
        EXPECT_EQ(window().mainDataSource().state(), state);
        window().UndoChangesClick();
    }
    EXPECT_EQ(program.storedRecords().size(), 1u);
}

TEST_F(DuplicateRecord, ResultThatCannotBeModifiedIsReQueriedFirst) {
    // Two records share the keys; the second is shown, the re-query lands on the first.
    Record first = Full;
    Record second = Full;
    second["Publisher"] = "Kino";
    second["Format"] = "DVD";
    program.createTable({first, second});
    program.makeTableReadOnly();
    program.start();
    window().NextRecClick();
    ASSERT_FALSE(window().mainQuery().canModify());
    // Writable again, so that the re-queried result takes the new record.
    std::filesystem::permissions(program.hostDirectory() / "flx.db", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);

    EXPECT_EQ(duplicate(), "Record duplicated.");
    EXPECT_EQ(window().mainQuery().sqlText(),
              "select * from flx where Director = 'Lang' and Title = 'Metropolis'");
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Insert);
    EXPECT_EQ(program.field("Publisher"), "Kino");
    EXPECT_EQ(program.field("Format"), "DVD");
}

TEST_F(DuplicateRecord, ReadOnlyTableRefusesTheInsertAfterTheReQuery) {
    program.createTable({Full});
    program.makeTableReadOnly();
    program.start();
    EXPECT_EQ(duplicate(), "");
    EXPECT_EQ(window().mainQuery().sqlText(),
              "select * from flx where Director = 'Lang' and Title = 'Metropolis'");
    ASSERT_EQ(program.boxes.boxes.size(), 1u);
    EXPECT_EQ(program.boxes.boxes[0].text, "Cannot modify a read-only dataset.");
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Browse);
}

} // namespace
} // namespace orupim::catalogue
