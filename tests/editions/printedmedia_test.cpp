// The printed-media edition in a real window: Author, Title and Publisher are required (the first one empty
// is refused, with the focus moved to its control and the record kept in insert state), an 80-character title
// is stored whole, and the web links report that no browser is configured even with one registered.
#include "catalogue/modulevalues.h"
#include "catalogueprogram.h"
#include "editions/printedmedia/printedmediaedition.h"
#include "platform/testing/shellrecorder.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace orupim::editions {
namespace {

using catalogue::TMainWindow;

class PrintedMediaEdition : public ::testing::Test {
protected:
    void start() { ASSERT_TRUE(program.startWith({})); }
    TMainWindow& window() { return program.window(); }

    orupim::testing::ShellRecorder shell;
    catalogue::test::CatalogueProgram program{printedMediaEdition()};
};

TEST_F(PrintedMediaEdition, ARecordWithoutPublisherIsRefusedAndKeptForCompletion) {
    start();
    program.run(&TMainWindow::AddRecClick);
    program.type("DBEdit1", "Austen");
    program.type("DBEdit2", "Emma");
    program.type("DBEdit6", "English"); // the focus is elsewhere when Save runs
    program.run(&TMainWindow::SaveRecClick);
    ASSERT_EQ(program.boxes.boxes.size(), 1u);
    // The default error handler shows the engine's text with its closing full stop.
    EXPECT_EQ(program.boxes.boxes.back().text, "Field 'Publisher' must have a value.");
    EXPECT_EQ(QApplication::focusWidget(), window().dataControl("DBEdit3"));
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Insert);
    EXPECT_TRUE(program.storedRecords().empty());

    QTest::keyClicks(QApplication::focusWidget(), "Penguin");
    program.run(&TMainWindow::SaveRecClick);
    EXPECT_EQ(program.boxes.boxes.size(), 1u);
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Browse);
    const auto stored = program.storedRecords();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].at("Author"), "Austen");
    EXPECT_EQ(stored[0].at("Publisher"), "Penguin");
    EXPECT_EQ(stored[0].at("Language"), "English");
}

TEST_F(PrintedMediaEdition, TheFirstEmptyRequiredFieldInFieldListOrderIsNamed) {
    start();
    struct Case {
        std::vector<std::pair<const char*, const char*>> typed; // control, text
        const char* message;
        const char* focus;
    } cases[] = {
        {{{"DBEdit6", "English"}}, "Field 'Author' must have a value.", "DBEdit1"},
        {{{"DBEdit1", "Austen"}}, "Field 'Title' must have a value.", "DBEdit2"},
        {{{"DBEdit2", "Emma"}}, "Field 'Publisher' must have a value.", "DBEdit3"},
    };
    program.run(&TMainWindow::AddRecClick);
    // Each case types one more field into the same new record, which the refusals keep.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        for (const auto& [control, text] : c.typed)
            program.type(control, text);
        program.type("DBEdit7", ""); // the focus stands elsewhere when Save runs
        program.boxes.boxes.clear();
        program.run(&TMainWindow::SaveRecClick);
        ASSERT_EQ(program.boxes.boxes.size(), 1u);
        EXPECT_EQ(program.boxes.boxes.back().text, c.message);
        EXPECT_EQ(QApplication::focusWidget(), window().dataControl(c.focus));
        EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Insert);
    }
    EXPECT_TRUE(program.storedRecords().empty());
}

TEST_F(PrintedMediaEdition, AnEightyCharacterTitleIsStoredWhole) {
    start();
    const std::string title(80, 'T');
    program.run(&TMainWindow::AddRecClick);
    program.type("DBEdit1", "Author");
    program.type("DBEdit2", QString::fromStdString(title + "cut"));
    program.type("DBEdit3", "House");
    program.run(&TMainWindow::SaveRecClick);
    ASSERT_TRUE(program.boxes.boxes.empty()) << program.boxes.boxes.front().text;
    const auto stored = program.storedRecords();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].at("Title"), title);
}

TEST_F(PrintedMediaEdition, WebLinksShowMessage17WithABrowserRegistered) {
    catalogue::test::registerBrowser("C:\\WEB\\BROWSE.EXE \"%1\"");
    start();
    EXPECT_FALSE(window().browserConfigured());
    EXPECT_EQ(window().browserCommand(), "");
    for (const char* item : {"HomePage1", "Newsletter1", "FAQ1"}) {
        SCOPED_TRACE(item);
        EXPECT_EQ(program.choose(item), "No web browser configured.");
    }
    EXPECT_TRUE(shell.starts.empty());
}

} // namespace
} // namespace orupim::editions
