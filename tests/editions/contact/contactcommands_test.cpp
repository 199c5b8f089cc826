// The contact window's record commands on a real table: Name required, City kept through an edit, the key
// re-query by Name and Street, Duplicate keeping the address only, the clipboard rules of Phone, Email and
// the check boxes, and which fields Find Record searches (Notes with its label, not Fax or Email).
#include "catalogue/modulevalues.h"
#include "catalogue/querydialog.h"
#include "catalogueprogram.h"
#include "editions/contact/contactedition.h"
#include "platform/ui/label.h"
#include "platform/ui/pagecontrol.h"
#include "platform/ui/speedbutton.h"
#include "platform/ui/statusbar.h"
#include "searchdialog.h"
#include "userinput.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <filesystem>
#include <gtest/gtest.h>

namespace orupim::editions {
namespace {

using catalogue::ActiveField;
using catalogue::LastQuery;
using catalogue::QueryDialog;
using catalogue::TMainWindow;
using catalogue::TQueryDialog;
using catalogue::test::findRecord;
using catalogue::test::Record;
using catalogue::test::searchFor;
using catalogue::test::SearchSeen;
using catalogue::test::SearchStep;

constexpr std::size_t DuplicateButton = 11;
constexpr std::size_t CopyButton = 12;
constexpr std::size_t PasteButton = 13;

const Record Ann = {{"Name", "Ann Lee"},    {"Street", "1 Main St"},      {"City", "Springfield"},
                    {"PostCode", "12345"},  {"Region", "North"},          {"Country", "Canada"},
                    {"Phone", "555-0100"},  {"Fax", "555-0101"},          {"Email", "ann@example.com"},
                    {"Web", "example.com"}, {"Notes", "Met at the fair"}, {"Business", "True"},
                    {"Personal", "True"}};
const Record Bob = {{"Name", "Bob Ray"}, {"Street", "2 Hill Rd"}, {"Notes", "Old friend"}};

class ContactCommands : public ::testing::Test {
protected:
    void start(const std::vector<Record>& records = {Ann, Bob}) { ASSERT_TRUE(program.startWith(records)); }
    TMainWindow& window() { return program.window(); }
    // Find Record with `step` driving the dialog; answers the field label it showed ("" when it did not
    // come up).
    std::string find(const SearchStep& step) {
        window().statusBar()->setPanelText(0, "");
        const SearchSeen seen = findRecord(step);
        if (seen.shown) {
            EXPECT_EQ(seen.fieldLabelWidth, 133);
        }
        return seen.fieldLabel;
    }
    static QClipboard* clipboard() { return QGuiApplication::clipboard(); }

    catalogue::test::CatalogueProgram program{contactEdition()};
};

TEST_F(ContactCommands, ARecordWithoutANameIsRefusedAndOneWithOnlyANameIsSaved) {
    start({});
    window().AddRecClick();
    program.type("DBEdit2", "3 Shore Ln");
    program.enter("DBEdit8");
    program.click(10); // Save Record
    ASSERT_EQ(program.boxes.boxes.size(), 1u);
    EXPECT_EQ(program.boxes.boxes[0].text, "Field 'Name' must have a value.");
    EXPECT_EQ(program.boxes.boxes[0].caption, "OruPPL 1.1");
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Insert);
    EXPECT_EQ(QApplication::focusWidget(), program.control("DBEdit1"));
    EXPECT_EQ(window().pageControl()->currentIndex(), 0);
    EXPECT_EQ(program.shown("DBEdit2"), "3 Shore Ln");
    EXPECT_TRUE(program.storedRecords().empty());

    window().UndoChangesClick();
    window().AddRecClick();
    program.type("DBEdit1", "Cy Young");
    EXPECT_EQ(program.click(10), "");
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Browse);
    const auto stored = program.storedRecords();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].at("Name"), "Cy Young");
    for (const char* empty : {"Street", "City", "PostCode", "Phone", "Notes", "Personal"})
        EXPECT_EQ(stored[0].at(empty), "") << empty;
    EXPECT_EQ(program.boxes.boxes.size(), 1u);
}

TEST_F(ContactCommands, EditingKeepsTheCityNoControlShows) {
    start();
    window().EditRecClick();
    program.type("DBEdit2", " East");
    EXPECT_EQ(program.click(10), "");
    const Record stored = program.storedRecords().at(0);
    EXPECT_EQ(stored.at("Street"), "1 Main St East");
    EXPECT_EQ(stored.at("City"), "Springfield");
}

TEST_F(ContactCommands, EditOnAReadOnlyTableReQueriesByNameAndStreet) {
    Record other = Ann;
    other["Phone"] = "555-0199";
    program.createTable({Bob, Ann, other});
    program.makeTableReadOnly();
    program.start();
    window().NextRecClick();
    ASSERT_EQ(program.shown("DBEdit1"), "Ann Lee");
    program.click(8); // Edit Record
    EXPECT_EQ(window().mainQuery().sqlText(),
              "select * from ppl where Name = 'Ann Lee' and Street = '1 Main St'");
    EXPECT_EQ(window().mainQuery().recordCount(), 2);
    EXPECT_EQ(program.shown("DBEdit8"), "555-0100");
}

TEST_F(ContactCommands, DuplicateOnAReadOnlyTableReQueriesByNameAndStreetFirst) {
    program.createTable({Ann});
    program.makeTableReadOnly();
    program.start();
    EXPECT_EQ(program.click(DuplicateButton), "");
    EXPECT_EQ(window().mainQuery().sqlText(),
              "select * from ppl where Name = 'Ann Lee' and Street = '1 Main St'");
    ASSERT_EQ(program.boxes.boxes.size(), 1u);
    EXPECT_EQ(program.boxes.boxes[0].text, "Cannot modify a read-only dataset.");
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Browse);
}

TEST_F(ContactCommands, DuplicateKeepsTheAddressAndEmptiesTheRest) {
    start();
    EXPECT_EQ(program.click(DuplicateButton), "Record duplicated.");
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Insert);
    for (const char* kept : {"Name", "Street", "PostCode", "Region", "Country"})
        EXPECT_EQ(program.field(kept), Ann.at(kept)) << kept;
    for (const char* empty : {"City", "Phone", "Fax", "Email", "Web", "Notes", "Business", "Personal"})
        EXPECT_EQ(program.field(empty), "") << empty;
    EXPECT_EQ(program.click(10), "");
    const auto stored = program.storedRecords();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[2].at("Country"), "Canada");
    EXPECT_EQ(stored[2].at("City"), "");
}

TEST_F(ContactCommands, PhoneTakesNeitherCommandAndEmailOnlyPaste) {
    start();
    window().EditRecClick();
    program.enter("DBEdit8");
    program.editBox("DBEdit8")->selectAll();
    clipboard()->setText("kept");
    EXPECT_EQ(program.click(CopyButton), "Invalid selection.");
    EXPECT_EQ(program.click(PasteButton), "Select a destination first.");
    EXPECT_EQ(clipboard()->text(), "kept");
    EXPECT_EQ(program.shown("DBEdit8"), "555-0100");

    program.enter("DBEdit10");
    program.editBox("DBEdit10")->selectAll();
    EXPECT_EQ(program.click(CopyButton), "Invalid selection.");
    EXPECT_EQ(clipboard()->text(), "kept");
    EXPECT_EQ(program.click(PasteButton), "");
    EXPECT_EQ(program.shown("DBEdit10"), "kept");

    // Fax and Web copy as a text field does.
    program.enter("DBEdit9");
    program.editBox("DBEdit9")->setSelection(4, 4);
    EXPECT_EQ(program.click(CopyButton), "");
    EXPECT_EQ(clipboard()->text(), "0101");

    EXPECT_EQ(program.click(10), "");
    EXPECT_EQ(program.storedRecords().at(0).at("Email"), "kept");
}

TEST_F(ContactCommands, CountryCopiesExactlyItsSelectedPart) {
    start();
    program.enter("DBEdit5");
    program.editBox("DBEdit5")->setSelection(1, 3);
    EXPECT_EQ(program.click(CopyButton), "");
    EXPECT_EQ(clipboard()->text(), "ana");
}

TEST_F(ContactCommands, CheckBoxesRefuseTheClipboardAndTheSearch) {
    start();
    for (const char* box : {"DBEdit6", "DBEdit7"}) {
        SCOPED_TRACE(box);
        program.enter(box);
        clipboard()->setText("kept");
        EXPECT_EQ(program.click(CopyButton), "Field not copiable.");
        EXPECT_EQ(program.click(PasteButton), "Field not copiable.");
        EXPECT_EQ(clipboard()->text(), "kept");
        EXPECT_EQ(program.shown(box), "True");
        EXPECT_EQ(find([](TQueryDialog&) {}), "");
        EXPECT_EQ(program.message(), "Field not searchable.");
    }
}

TEST_F(ContactCommands, NotesPhoneAndWebAreSearchedFaxAndEmailAreNot) {
    start();
    struct Case {
        const char* control;
        const char* label; // "" when refused
        const char* column;
        const char* pattern;
        const char* counts;
    } cases[] = {
        {"DBEdit12", "Notes", "Notes", "friend", " rec. 1 of 2"},
        {"DBEdit9", "", nullptr, nullptr, nullptr},
        {"DBEdit8", "Phone", "Phone", "0100", " rec. 1 of 2"},
        {"DBEdit10", "", nullptr, nullptr, nullptr},
        {"DBEdit11", "URL", "Web", "example", " rec. 1 of 2"},
        {"DBEdit3", "Post Code", "PostCode", "", " rec. 2 of 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        window().ResetSetClick();
        program.enter(c.control);
        const std::string label = find(searchFor(c.pattern));
        EXPECT_EQ(label, c.label);
        if (!c.column) {
            EXPECT_EQ(program.message(), "Field not searchable.");
            EXPECT_EQ(program.counts(), " rec. 2 of 2");
            continue;
        }
        EXPECT_EQ(LastQuery.str(),
                  std::string("Select * from ppl where ") + c.column + " like '%" + c.pattern + "%'");
        EXPECT_EQ(program.counts(), c.counts);
    }
    EXPECT_EQ(program.shown("DBEdit1"), "Ann Lee");
    EXPECT_TRUE(program.boxes.boxes.empty());
}

TEST_F(ContactCommands, PageTabsLeaveTheFieldLastEntered) {
    start();
    program.enter("DBEdit8");
    orupim::test::clickTab(window().pageControl(), 0);
    ASSERT_EQ(window().pageControl()->currentIndex(), 0);
    EXPECT_EQ(ActiveField, program.control("DBEdit8"));
    EXPECT_EQ(program.click(CopyButton), "Invalid selection.");
    EXPECT_EQ(find([](TQueryDialog& dialog) { dialog.CancelBut->click(); }), "Phone");
}

} // namespace
} // namespace orupim::editions
