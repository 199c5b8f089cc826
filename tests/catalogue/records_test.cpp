// The record view and the record commands on a real table: the count walk, the moves with their begin and end
// flags, add, edit, save, undo and delete, dates with two- and four-digit years (reopening the program to
// prove what was stored), the refusals of the decision table, and the key re-query on a table that cannot be
// modified.
#include "catalogue/modulevalues.h"
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/ui/dbedit.h"
#include "platform/ui/pagecontrol.h"
#include "userinput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <ctime>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace orupim::catalogue {
namespace {

using test::Record;

const std::vector<Record> ThreeFilms = {
    {{"Director", "Lang"}, {"Title", "Metropolis"}, {"Category", "Drama"}},
    {{"Director", "Murnau"}, {"Title", "Nosferatu"}, {"Category", "Horror"}},
    {{"Director", "Wiene"}, {"Title", "Caligari"}, {"Category", "Horror"}},
};

class RecordCommands : public ::testing::Test {
protected:
    void start(const std::vector<Record>& records = ThreeFilms) { ASSERT_TRUE(program.startWith(records)); }
    TMainWindow& window() { return program.window(); }
    std::vector<std::string> storedTitles() { return program.storedValues("Title"); }
    void restart() {
        program.stop();
        program.start();
    }

    test::CatalogueProgram program{videoEdition()};
};

TEST_F(RecordCommands, ShowingCountsTheTableAndShowsTheFirstRecord) {
    start();
    EXPECT_EQ(program.counts(), " rec. 3 of 3");
    EXPECT_EQ(TotalCount, 3);
    EXPECT_EQ(MatchCount, 3);
    EXPECT_EQ(SearchTableName.str(), "flx");
    EXPECT_EQ(program.shown("DBEdit1"), "Lang");
    EXPECT_EQ(QApplication::focusWidget(), window().dataControl("DBEdit1"));
    EXPECT_FALSE(window().mainQuery().controlsDisabled());
}

TEST(RecordView, ShowingCountsTheTableAsItIsWhenShown) {
    // Another program changes the table between the creation handler's open and the show handler's.
    struct Case {
        const char* what;
        const char* change;
        const char* counts;
        const char* first;
        const char* last;
    } cases[] = {
        {"nothing", "", " rec. 3 of 3", "Lang", "Wiene"},
        {"the first record deleted", "DELETE FROM flx WHERE Director = 'Lang'", " rec. 2 of 2", "Murnau",
         "Wiene"},
        {"a record in the middle deleted", "DELETE FROM flx WHERE Director = 'Murnau'", " rec. 2 of 2",
         "Lang", "Wiene"},
        {"a record added", "INSERT INTO flx (Director) VALUES ('Pabst')", " rec. 4 of 4", "Lang", "Pabst"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::CatalogueProgram program(videoEdition(), "changed" + std::to_string(n++));
        program.createTable(ThreeFilms);
        program.startWithoutShowing();
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open((program.hostDirectory() / "flx.db").c_str(), &other), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(other, c.change, nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(other);
        sqlite3_close(other);
        program.show();
        TMainWindow& window = program.window();
        const auto director = [&window] {
            return window.controlText(window.edition().controlIndex("DBEdit1"));
        };
        EXPECT_TRUE(program.boxes.boxes.empty());
        EXPECT_EQ(program.counts(), c.counts);
        EXPECT_EQ(director(), c.first);
        window.LastRecClick();
        EXPECT_EQ(director(), c.last);
    }
}

TEST_F(RecordCommands, EmptyTableCountsZeroAndRefusesEveryMove) {
    start({});
    EXPECT_EQ(program.counts(), " rec. 0 of 0");
    EXPECT_EQ(program.shown("DBEdit1"), "");
    EXPECT_EQ(program.run(&TMainWindow::FirstRecClick), "Already at the begining.");
    EXPECT_EQ(program.run(&TMainWindow::PrevRecClick), "No previous record.");
    EXPECT_EQ(program.run(&TMainWindow::NextRecClick), "No next record.");
    EXPECT_EQ(program.run(&TMainWindow::LastRecClick), "Already at the end.");
}

TEST_F(RecordCommands, MovesFollowTheBeginAndEndFlags) {
    start();
    struct Step {
        void (TMainWindow::*command)();
        const char* message;
        const char* director;
    } steps[] = {
        {&TMainWindow::FirstRecClick, "Already at the begining.", "Lang"},
        {&TMainWindow::LastRecClick, "", "Wiene"},
        {&TMainWindow::LastRecClick, "Already at the end.", "Wiene"},
        {&TMainWindow::NextRecClick, "No next record.", "Wiene"},
        {&TMainWindow::PrevRecClick, "", "Murnau"},
        {&TMainWindow::PrevRecClick, "", "Lang"},
        {&TMainWindow::PrevRecClick, "", "Lang"}, // finds no earlier record: sets the begin flag silently
        {&TMainWindow::PrevRecClick, "No previous record.", "Lang"},
        {&TMainWindow::NextRecClick, "", "Murnau"},
        {&TMainWindow::NextRecClick, "", "Wiene"},
        {&TMainWindow::NextRecClick, "", "Wiene"},
        {&TMainWindow::NextRecClick, "No next record.", "Wiene"},
        {&TMainWindow::FirstRecClick, "", "Lang"},
    };
    int i = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(i++);
        EXPECT_EQ(program.run(step.command), step.message);
        EXPECT_EQ(program.shown("DBEdit1"), step.director);
    }
}

TEST_F(RecordCommands, AddAndSaveStoresTheNewRecordCountsStay) {
    start();
    EXPECT_EQ(program.run(&TMainWindow::AddRecClick), "");
    program.type("DBEdit1", "O'Brien");
    program.type("DBEdit2", "It's");
    EXPECT_EQ(program.run(&TMainWindow::SaveRecClick), "");
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Browse);
    EXPECT_EQ(program.counts(), " rec. 3 of 3");
    restart();
    EXPECT_EQ(program.counts(), " rec. 4 of 4");
    const auto stored = program.storedRecords();
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(std::count_if(
                  stored.begin(), stored.end(),
                  [](const Record& r) { return r.at("Director") == "O'Brien" && r.at("Title") == "It's"; }),
              1);
}

TEST_F(RecordCommands, EditSaveAndUndo) {
    start();
    program.type("DBEdit2", "typed while browsing");
    EXPECT_EQ(program.shown("DBEdit2"), "Metropolis");

    EXPECT_EQ(program.run(&TMainWindow::EditRecClick), "");
    EXPECT_EQ(window().mainQuery().sqlText(), "select * from flx"); // a modifiable result needs no re-query
    program.type("DBEdit2", " (1927)");
    EXPECT_EQ(program.run(&TMainWindow::SaveRecClick), "");
    EXPECT_EQ(program.run(&TMainWindow::EditRecClick), "");
    program.type("DBEdit2", " restored");
    EXPECT_EQ(program.run(&TMainWindow::UndoChangesClick), "");
    EXPECT_EQ(program.shown("DBEdit2"), "Metropolis (1927)");
    EXPECT_EQ(program.run(&TMainWindow::UndoChangesClick), ""); // in browse state: nothing, no message

    restart();
    EXPECT_EQ(storedTitles(), (std::vector<std::string>{"Metropolis (1927)", "Nosferatu", "Caligari"}));
}

TEST_F(RecordCommands, CheckBoxMemoAndListFieldEditsAreStored) {
    start();
    EXPECT_EQ(program.run(&TMainWindow::EditRecClick), "");
    auto* lent = qobject_cast<QAbstractButton*>(window().dataControl("DBEdit10"));
    window().pageControl()->setCurrentIndex(2);
    QApplication::processEvents();
    QTest::mouseClick(lent, Qt::LeftButton, {}, QPoint(5, lent->height() / 2));
    program.type("DBEdit8", "First line");
    orupim::test::press(Qt::Key_Return);
    QTest::keyClicks(program.control("DBEdit8"), "second");
    program.type("DBEdit7", "VHS");
    EXPECT_EQ(program.run(&TMainWindow::SaveRecClick), "");

    restart();
    const Record stored = program.storedRecords().front();
    EXPECT_EQ(stored.at("Lent"), "True");
    EXPECT_EQ(stored.at("Borrowed"), "");
    EXPECT_EQ(stored.at("Notes"), "First line\r\nsecond");
    EXPECT_EQ(stored.at("Format"), "VHS");
    EXPECT_EQ(stored.at("Title"), "Metropolis");
}

TEST_F(RecordCommands, DatesTakeTwoAndFourDigitYears) {
    start();
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    const std::string century = std::to_string((today.tm_year + 1900) / 100);
    struct Case {
        const char* typed;
        std::string shown; // "" where the date is refused
    } cases[] = {
        {"2/3/01", "02/03/" + century + "01"},
        {"12/31/99", "12/31/" + century + "99"},
        {"7/4/1976", "07/04/1976"},
        {"2/30/01", ""},
        {"2/3/1", ""},
    };
    window().pageControl()->setCurrentIndex(2);
    QWidget* date = window().dataControl("DBEdit11");
    std::string stored;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        program.boxes.boxes.clear();
        ASSERT_EQ(program.run(&TMainWindow::EditRecClick), "");
        orupim::test::retype(date, c.typed);
        program.run(&TMainWindow::SaveRecClick);
        if (c.shown.empty()) {
            ASSERT_EQ(program.boxes.boxes.size(), 1u);
            EXPECT_EQ(program.boxes.boxes[0].text, "'" + std::string(c.typed) + "' is not a valid date.");
            EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Edit);
            EXPECT_EQ(program.run(&TMainWindow::UndoChangesClick), "");
        } else {
            EXPECT_TRUE(program.boxes.boxes.empty());
            EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Browse);
            stored = c.shown;
        }
        EXPECT_EQ(program.shown("DBEdit11"), stored);
        EXPECT_EQ(program.storedRecords().front().at("Date"), stored);
    }
}

TEST_F(RecordCommands, DeleteOnlyFromEditState) {
    start();
    EXPECT_EQ(program.run(&TMainWindow::DeleteRecClick), "To delete, first go to edit record.");
    EXPECT_EQ(program.run(&TMainWindow::AddRecClick), "");
    EXPECT_EQ(program.run(&TMainWindow::DeleteRecClick), "To delete, first go to edit record.");
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Insert);
    EXPECT_EQ(program.run(&TMainWindow::UndoChangesClick), "");
    EXPECT_EQ(program.run(&TMainWindow::NextRecClick), "");
    EXPECT_EQ(program.run(&TMainWindow::EditRecClick), "");
    EXPECT_EQ(program.run(&TMainWindow::DeleteRecClick), "");
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Browse);
    EXPECT_EQ(program.counts(), " rec. 3 of 3");
    restart();
    EXPECT_EQ(storedTitles(), (std::vector<std::string>{"Metropolis", "Caligari"}));
}

TEST_F(RecordCommands, RefusalsWhileEditingAndSaveOutsideIt) {
    start();
    EXPECT_EQ(program.run(&TMainWindow::SaveRecClick), "Add or edit the current record first.");
    for (auto enter : {&TMainWindow::AddRecClick, &TMainWindow::EditRecClick}) {
        (window().*enter)();
        for (auto command :
             {&TMainWindow::FirstRecClick, &TMainWindow::PrevRecClick, &TMainWindow::NextRecClick,
              &TMainWindow::LastRecClick, &TMainWindow::AddRecClick, &TMainWindow::EditRecClick,
              &TMainWindow::ResetSetClick})
            EXPECT_EQ(program.run(command), "Undo or save the current record first.");
        EXPECT_EQ(program.run(&TMainWindow::UndoChangesClick), "");
    }
    restart();
    EXPECT_EQ(storedTitles().size(), 3u);
}

TEST_F(RecordCommands, EditOnAReadOnlyTableReQueriesByTheKeysWithQuotesDoubled) {
    program.createTable({
        {{"Director", "Lang"}, {"Title", "Metropolis"}},
        {{"Director", "O'Brien"}, {"Title", "It's"}, {"Code", "A"}},
        {{"Director", "O'Brien"}, {"Title", "It's"}, {"Code", "B"}},
    });
    program.makeTableReadOnly();
    program.start();
    EXPECT_EQ(program.run(&TMainWindow::NextRecClick), "");
    ASSERT_EQ(program.shown("DBEdit1"), "O'Brien");

    program.click(8); // Edit Record, through the handler guard as the user runs it
    EXPECT_EQ(window().mainQuery().sqlText(),
              "select * from flx where Director = 'O''Brien' and Title = 'It''s'");
    EXPECT_TRUE(window().mainQuery().active());
    EXPECT_EQ(window().mainQuery().recordCount(), 2);
    EXPECT_EQ(program.shown("DBEdit4"), "A");
    EXPECT_FALSE(window().mainQuery().controlsDisabled());
    // The re-queried result of a read-only table still cannot be modified: the edit is refused by the engine.
    ASSERT_FALSE(program.boxes.boxes.empty());
    EXPECT_EQ(program.boxes.boxes.back().text, "Cannot modify a read-only dataset.");
    EXPECT_EQ(program.counts(), " rec. 3 of 3");
}

} // namespace
} // namespace orupim::catalogue
