// The audio edition's own steps in a real window: the Code control entering through the Date control's
// handler yet recording Code (so Find Record and Copy act on Code), the hidden Tracks kept by a save,
// Duplicate keeping five texts without Format, and the key re-query by Artist and Title on a result that
// cannot be modified.
#include "catalogue/modulevalues.h"
#include "catalogueprogram.h"
#include "editions/audio/audioedition.h"
#include "platform/ui/label.h"
#include "searchdialog.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <filesystem>
#include <gtest/gtest.h>

namespace orupim::editions {
namespace {

using catalogue::TMainWindow;
using catalogue::test::Record;

const Record Album = {{"Artist", "Nina"},   {"Title", "Pastel"},    {"Publisher", "Blue"},
                      {"Category", "Jazz"}, {"Language", "French"}, {"Format", "LP"},
                      {"Code", "B-7"},      {"Notes", "Live"},      {"Borrowed", "True"},
                      {"Lent", "True"},     {"Date", "12/24/1999"}, {"Name", "Anna"}};

class AudioEdition : public ::testing::Test {
protected:
    void start(const std::vector<Record>& records) { ASSERT_TRUE(program.startWith(records)); }
    TMainWindow& window() { return program.window(); }

    catalogue::test::CatalogueProgram program{audioEdition()};
};

TEST_F(AudioEdition, CodeAndDateShareOneHandlerThatRecordsTheControlEntered) {
    start({Album});
    program.enter("DBEdit11");
    EXPECT_EQ(catalogue::ActiveField, window().dataControl("DBEdit11"));
    EXPECT_EQ(catalogue::SearchFieldName.str(), "Date");
    EXPECT_EQ(catalogue::SearchFieldLabel.str(), "Date");

    program.enter("DBEdit4");
    EXPECT_EQ(catalogue::ActiveField, window().dataControl("DBEdit4"));
    EXPECT_EQ(catalogue::SearchFieldName.str(), "Code");
    EXPECT_EQ(catalogue::SearchFieldLabel.str(), "Code");
    EXPECT_EQ(catalogue::NotSearchable, 0);

    // Copy then acts on the Code control, not on Date.
    program.editBox("DBEdit4")->selectAll();
    QGuiApplication::clipboard()->setText("before");
    EXPECT_EQ(program.run(&TMainWindow::CopyToClipClick), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "B-7");
}

TEST_F(AudioEdition, FindRecordAfterDateThenCodeSearchesTheCodeColumn) {
    Record other = Album;
    other["Code"] = "X-1";
    start({Album, other});
    program.enter("DBEdit11");
    program.enter("DBEdit4");
    EXPECT_EQ(catalogue::test::findRecord(catalogue::test::searchFor("X")).fieldLabel, "Code");
    EXPECT_NE(window().mainQuery().sqlText().find("where Code like"), std::string::npos)
        << window().mainQuery().sqlText();
    EXPECT_EQ(window().mainQuery().recordCount(), 1);
    EXPECT_EQ(program.field("Code"), "X-1");
}

TEST_F(AudioEdition, EditingAndSavingKeepsTheHiddenTracksNumber) {
    start({Album});
    const std::string tracks = program.storedRecords().at(0).at("Tracks");
    ASSERT_NE(tracks, "");
    program.run(&TMainWindow::EditRecClick);
    program.type("DBEdit12", " Bell");
    EXPECT_EQ(program.run(&TMainWindow::SaveRecClick), "");
    const auto stored = program.storedRecords();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].at("Tracks"), tracks);
    EXPECT_EQ(stored[0].at("Name"), "Anna Bell");
    EXPECT_EQ(stored[0].at("Artist"), "Nina");
}

TEST_F(AudioEdition, DuplicateKeepsFiveTextsAndLeavesFormatEmpty) {
    start({Album});
    EXPECT_EQ(program.run(&TMainWindow::DupRecClick), "Record duplicated.");
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Insert);
    for (const char* kept : {"Artist", "Title", "Publisher", "Category", "Language"}) {
        SCOPED_TRACE(kept);
        EXPECT_EQ(program.field(kept), Album.at(kept));
    }
    for (const char* empty : {"Format", "Code", "Notes", "Borrowed", "Lent", "Date", "Name"}) {
        SCOPED_TRACE(empty);
        EXPECT_EQ(program.field(empty), "");
    }
    EXPECT_EQ(program.run(&TMainWindow::SaveRecClick), "");
    const auto stored = program.storedRecords();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].at("Format"), "");
    EXPECT_EQ(stored[1].at("Language"), "French");
    EXPECT_NE(stored[1].at("Tracks"), stored[0].at("Tracks"));
}

// Three albums, the last two sharing Artist and Title; the read-only program stands on the second.
void startReadOnlyOnASharedKey(catalogue::test::CatalogueProgram& program) {
    Record other = Album;
    other["Artist"] = "O'Day";
    other["Title"] = "Anita's";
    Record again = other;
    again["Code"] = "C-2";
    program.createTable({Album, other, again});
    program.makeTableReadOnly();
    program.start();
    ASSERT_TRUE(program.boxes.boxes.empty()) << program.boxes.boxes.front().text;
    program.run(&TMainWindow::NextRecClick);
}

constexpr const char* SharedKeyStatement = "select * from snd where Artist = 'O''Day' and Title = 'Anita''s'";

TEST_F(AudioEdition, EditRecordReQueriesByArtistAndTitleAndGoesOnWithTheFirst) {
    startReadOnlyOnASharedKey(program);
    program.click(8); // Edit Record, through the handler guard
    EXPECT_EQ(window().mainQuery().sqlText(), SharedKeyStatement);
    EXPECT_EQ(window().mainQuery().recordCount(), 2);
    EXPECT_EQ(program.field("Code"), "B-7");
    ASSERT_FALSE(program.boxes.boxes.empty());
    EXPECT_EQ(program.boxes.boxes.back().text, "Cannot modify a read-only dataset.");
}

TEST_F(AudioEdition, DuplicateReQueriesByArtistAndTitleFirst) {
    startReadOnlyOnASharedKey(program);
    std::filesystem::permissions(program.hostDirectory() / "snd.db", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);

    EXPECT_EQ(program.run(&TMainWindow::DupRecClick), "Record duplicated.");
    EXPECT_EQ(window().mainQuery().sqlText(),
              "select * from snd where Artist = 'O''Day' and Title = 'Anita''s'");
    EXPECT_EQ(program.field("Artist"), "O'Day");
    EXPECT_EQ(program.field("Format"), "");
}

} // namespace
} // namespace orupim::editions
