// The main window's form: the menus in their order with their exact captions and disabled items, the tool
// bar's hints, the pages, and the status bar's panels; a menu item and its speed button run one command.
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/ui/pagecontrol.h"
#include "platform/ui/speedbutton.h"
#include "platform/ui/statusbar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

// "caption" for an enabled item, "caption (disabled)" for a disabled one, "-" for a separator.
std::vector<std::string> itemsOf(QMenu* menu) {
    std::vector<std::string> items;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            items.push_back("-");
        else
            items.push_back(action->text().toStdString() + (action->isEnabled() ? "" : " (disabled)"));
    }
    return items;
}

TEST(MainWindowForm, MenusHaveTheirCaptionsAndDisabledItems) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    program.start();
    QMenuBar* bar = program.window().menuBar();
    using Items = std::vector<std::string>;
    const std::vector<std::pair<std::string, Items>> expected = {
        {"&File",
         {"&Import Data (disabled)", "&Export Data (disabled)", "-", "&Backup DB (disabled)",
          "&Restore DB (disabled)", "-", "&Exit"}},
        {"&Edit",
         {"&Add Record", "&Delete Record", "-", "&Edit Record", "&Undo Changes", "-", "&Save Record",
          "Dupli&cate Record"}},
        {"&Navigate",
         {"&First Record", "&Last Record", "-", "&Previous Record", "&Next Record", "-", "Fin&d Record",
          "&Reset Data Set"}},
        {"&Print", {"Print &Record", "Print Set (disabled)"}},
        {"&Utilities", {"&Edit Lists", "&Reload Lists"}},
        {"&Internet", {"&Home Page", "&Newsleter", "-", "&FAQ"}},
        {"&Help", {"&Help Topics", "-", "&Read Notices...", "-", "About OruFLX..."}},
    };
    const auto menus = bar->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].first);
        EXPECT_EQ(menus[static_cast<qsizetype>(i)]->text().toStdString(), expected[i].first);
        EXPECT_EQ(itemsOf(menus[static_cast<qsizetype>(i)]->menu()), expected[i].second);
    }
    EXPECT_NE(program.window().findChild<QAction*>("AboutOruFLX1"), nullptr);
    EXPECT_NE(program.window().findChild<QAction*>("Newsleter1"), nullptr);
}

TEST(MainWindowForm, ToolBarHintsPagesAndPanels) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    program.start();
    TMainWindow& window = program.window();
    const char* hints[] = {"First Record",      "Previous Record",      "Next Record",  "Last Record",
                           "Find Record",       "Reset Data Set",       "Add Record",   "Delete Record",
                           "Edit Record",       "Undo Changes",         "Save Record",  "Duplicate Record",
                           "Copy To Clipboard", "Paste From Clipboard", "Print Record", "About FLX"};
    const int lefts[] = {2, 28, 54, 80, 110, 136, 166, 192, 222, 248, 278, 304, 334, 360, 390, 420};
    for (int i = 0; i < 16; ++i) {
        SCOPED_TRACE(hints[i]);
        EXPECT_EQ(window.speedButtons()[static_cast<std::size_t>(i)]->hint(), hints[i]);
        EXPECT_EQ(window.speedButtons()[static_cast<std::size_t>(i)]->geometry(), QRect(lefts[i], 4, 26, 26));
        EXPECT_EQ(window.speedButtons()[static_cast<std::size_t>(i)]->focusPolicy(), Qt::NoFocus);
        EXPECT_FALSE(window.speedButtons()[static_cast<std::size_t>(i)]->icon().isNull());
    }
    ASSERT_EQ(window.pageControl()->pageCount(), 3);
    EXPECT_EQ(window.pageControl()->tabText(0).toStdString(), "Main");
    EXPECT_EQ(window.pageControl()->tabText(1).toStdString(), "Notes");
    EXPECT_EQ(window.pageControl()->tabText(2).toStdString(), "Loans");
    EXPECT_EQ(window.pageControl()->currentIndex(), 0);
    ASSERT_EQ(window.statusBar()->panelCount(), 2);
    EXPECT_EQ(window.statusBar()->panelWidth(0), 400);
    EXPECT_EQ(window.statusBar()->panelWidth(1), 50);
    // From top to bottom: the tool bar, the pages filling the rest, the status bar.
    EXPECT_EQ(window.findChild<QWidget*>("Panel1")->geometry(), QRect(0, 0, 513, 33));
    EXPECT_EQ(window.pageControl()->geometry(), QRect(0, 33, 513, 320));
    EXPECT_EQ(window.statusBar()->geometry(), QRect(0, 353, 513, 20));
}

TEST(MainWindowForm, MenuItemAndSpeedButtonRunTheSameCommand) {
    test::CatalogueProgram program(videoEdition());
    program.createTable({{{"Director", "Lang"}}, {{"Director", "Murnau"}}});
    program.start();
    TMainWindow& window = program.window();
    window.findChild<QAction*>("LastRecord1")->trigger();
    EXPECT_EQ(window.controlText(0), "Murnau");
    window.speedButtons()[3]->click();
    EXPECT_EQ(program.message(), "Already at the end.");
    window.findChild<QAction*>("FirstRecord1")->trigger();
    EXPECT_EQ(window.controlText(0), "Lang");
    window.findChild<QAction*>("Import")->trigger(); // disabled: nothing happens
    EXPECT_EQ(program.message(), "Already at the end.");
    window.findChild<QAction*>("Exit1")->trigger();
    EXPECT_FALSE(window.isVisible());
}

// Each record command's menu item and speed button reach its own handler: from the first of three records,
// browsed, each shows what only that command does there.
TEST(MainWindowForm, EveryRecordCommandIsBoundToItsHandler) {
    test::CatalogueProgram program(videoEdition());
    program.createTable({{{"Director", "Lang"}}, {{"Director", "Murnau"}}, {{"Director", "Wiene"}}});
    program.start();
    TMainWindow& window = program.window();
    using db::DataSetState;
    struct Case {
        const char* item;
        std::size_t button;
        void (TMainWindow::*before)(); // brings the window into the state the command is seen in
        const char* message;
        DataSetState state;
        const char* director;
    } cases[] = {
        {"FirstRecord1", 0, nullptr, "Already at the begining.", DataSetState::Browse, "Lang"},
        {"PreviousRecord1", 1, nullptr, "No previous record.", DataSetState::Browse, "Lang"},
        {"NextRecord1", 2, nullptr, "", DataSetState::Browse, "Murnau"},
        {"LastRecord1", 3, nullptr, "", DataSetState::Browse, "Wiene"},
        {"ResetDataSet1", 5, &TMainWindow::NextRecClick, "", DataSetState::Browse, "Lang"},
        {"AddRecord1", 6, nullptr, "", DataSetState::Insert, ""},
        {"DeleteRecord1", 7, nullptr, "To delete, first go to edit record.", DataSetState::Browse, "Lang"},
        {"EditRecord1", 8, nullptr, "", DataSetState::Edit, "Lang"},
        {"UndoChanges1", 9, &TMainWindow::EditRecClick, "", DataSetState::Browse, "Lang"},
        {"SaveRecord1", 10, nullptr, "Add or edit the current record first.", DataSetState::Browse, "Lang"},
        {"DuplicateRecord1", 11, nullptr, "Record duplicated.", DataSetState::Insert, "Lang"},
    };
    for (const Case& c : cases) {
        for (bool byButton : {false, true}) {
            SCOPED_TRACE(std::string(c.item) + (byButton ? " button" : " menu item"));
            window.UndoChangesClick();
            window.ResetSetClick();
            if (c.before)
                (window.*c.before)();
            window.statusBar()->setPanelText(0, "");
            if (byButton)
                window.speedButtons()[c.button]->click();
            else
                window.findChild<QAction*>(c.item)->trigger();
            EXPECT_EQ(program.message(), c.message);
            EXPECT_EQ(window.mainDataSource().state(), c.state);
            EXPECT_EQ(window.controlText(0), c.director);
        }
    }
    EXPECT_TRUE(program.boxes.boxes.empty());
}

} // namespace
} // namespace orupim::catalogue
