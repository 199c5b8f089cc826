// The audio edition's own steps in a real window: the Code control entering through the Date control's
// handler yet recording Code (so Find Record and Copy act on Code), the hidden Tracks kept by a save,
// Duplicate keeping five texts without Format, and the key re-query by Artist and Title on a result that
// cannot be modified.
#include "catalogue/modulevalues.h"
#include "catalogue/querydialog.h"
#include "catalogueprogram.h"
#include "editions/audio/audioedition.h"
#include "platform/ui/guard.h"
#include "platform/ui/label.h"
#include "platform/ui/pagecontrol.h"
#include "platform/ui/speedbutton.h"
#include "platform/ui/statusbar.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
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
    void enter(const char* name) {
        QWidget* widget = window().dataControl(name);
        window().pageControl()->setCurrentWidget(widget->parentWidget());
        widget->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }
    std::string run(void (TMainWindow::*command)()) {
        window().statusBar()->setPanelText(0, "");
        ui::runGuarded([&] { (window().*command)(); });
        QApplication::processEvents();
        return program.message();
    }
    std::string field(const char* name) { return window().mainQuery().fieldByName(name).asText(); }

    catalogue::test::CatalogueProgram program{audioEdition()};
};

TEST_F(AudioEdition, CodeAndDateShareOneHandlerThatRecordsTheControlEntered) {
    start({Album});
    enter("DBEdit11");
    EXPECT_EQ(catalogue::ActiveField, window().dataControl("DBEdit11"));
    EXPECT_EQ(catalogue::SearchFieldName.str(), "Date");
    EXPECT_EQ(catalogue::SearchFieldLabel.str(), "Date");

    enter("DBEdit4");
    EXPECT_EQ(catalogue::ActiveField, window().dataControl("DBEdit4"));
    EXPECT_EQ(catalogue::SearchFieldName.str(), "Code");
    EXPECT_EQ(catalogue::SearchFieldLabel.str(), "Code");
    EXPECT_EQ(catalogue::NotSearchable, 0);

    // Copy then acts on the Code control, not on Date.
    static_cast<QLineEdit*>(window().dataControl("DBEdit4"))->selectAll();
    QGuiApplication::clipboard()->setText("before");
    EXPECT_EQ(run(&TMainWindow::CopyToClipClick), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "B-7");
}

TEST_F(AudioEdition, FindRecordAfterDateThenCodeSearchesTheCodeColumn) {
    Record other = Album;
    other["Code"] = "X-1";
    start({Album, other});
    enter("DBEdit11");
    enter("DBEdit4");
    std::string fieldLabel;
    QTimer::singleShot(0, [&] {
        auto* dialog = catalogue::QueryDialog;
        if (QApplication::activeModalWidget() != dialog)
            return;
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog, 2000));
        fieldLabel = dialog->FieldNameLabel->caption();
        QTest::keyClicks(dialog->QueryEd, "X");
        QTest::keyClick(dialog->QueryEd, Qt::Key_Return);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the search dialog stayed open";
            dialog->hide();
        }
    });
    run(&TMainWindow::FindRecClick);
    EXPECT_EQ(fieldLabel, "Code");
    EXPECT_NE(window().mainQuery().sqlText().find("where Code like"), std::string::npos)
        << window().mainQuery().sqlText();
    EXPECT_EQ(window().mainQuery().recordCount(), 1);
    EXPECT_EQ(field("Code"), "X-1");
}

TEST_F(AudioEdition, EditingAndSavingKeepsTheHiddenTracksNumber) {
    start({Album});
    const std::string tracks = program.storedRecords().at(0).at("Tracks");
    ASSERT_NE(tracks, "");
    run(&TMainWindow::EditRecClick);
    enter("DBEdit12");
    QTest::keyClick(window().dataControl("DBEdit12"), Qt::Key_End);
    QTest::keyClicks(window().dataControl("DBEdit12"), " Bell");
    EXPECT_EQ(run(&TMainWindow::SaveRecClick), "");
    const auto stored = program.storedRecords();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].at("Tracks"), tracks);
    EXPECT_EQ(stored[0].at("Name"), "Anna Bell");
    EXPECT_EQ(stored[0].at("Artist"), "Nina");
}

TEST_F(AudioEdition, DuplicateKeepsFiveTextsAndLeavesFormatEmpty) {
    start({Album});
    EXPECT_EQ(run(&TMainWindow::DupRecClick), "Record duplicated.");
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Insert);
    for (const char* kept : {"Artist", "Title", "Publisher", "Category", "Language"}) {
        SCOPED_TRACE(kept);
        EXPECT_EQ(field(kept), Album.at(kept));
    }
    for (const char* empty : {"Format", "Code", "Notes", "Borrowed", "Lent", "Date", "Name"}) {
        SCOPED_TRACE(empty);
        EXPECT_EQ(field(empty), "");
    }
    EXPECT_EQ(run(&TMainWindow::SaveRecClick), "");
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
    program.window().NextRecClick();
}

constexpr const char* SharedKeyStatement = "select * from snd where Artist = 'O''Day' and Title = 'Anita''s'";

TEST_F(AudioEdition, EditRecordReQueriesByArtistAndTitleAndGoesOnWithTheFirst) {
    startReadOnlyOnASharedKey(program);
    window().statusBar()->setPanelText(0, "");
    window().speedButtons()[8]->click(); // Edit Record, through the handler guard
    QApplication::processEvents();
    EXPECT_EQ(window().mainQuery().sqlText(), SharedKeyStatement);
    EXPECT_EQ(window().mainQuery().recordCount(), 2);
    EXPECT_EQ(field("Code"), "B-7");
    ASSERT_FALSE(program.boxes.boxes.empty());
    EXPECT_EQ(program.boxes.boxes.back().text, "Cannot modify a read-only dataset.");
}

TEST_F(AudioEdition, DuplicateReQueriesByArtistAndTitleFirst) {
    startReadOnlyOnASharedKey(program);
    std::filesystem::permissions(program.hostDirectory() / "snd.db", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);

    EXPECT_EQ(run(&TMainWindow::DupRecClick), "Record duplicated.");
    EXPECT_EQ(window().mainQuery().sqlText(),
              "select * from snd where Artist = 'O''Day' and Title = 'Anita''s'");
    EXPECT_EQ(field("Artist"), "O'Day");
    EXPECT_EQ(field("Format"), "");
}

} // namespace
} // namespace orupim::editions
