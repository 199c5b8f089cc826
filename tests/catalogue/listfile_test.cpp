// The lookup-list file at start-up and on Reload Lists: Sound seeded from its [Settings] on the first start
// only, and each list section filling its drop-down field in sorted order.
#include "catalogue/modulevalues.h"
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/registry/reginifile.h"
#include "platform/ui/dbcombobox.h"
#include "platform/ui/screencursor.h"
#include "platform/ui/statusbar.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

std::string storedSound() {
    return RegIniFile("Software\\Brenmoor\\OruPIM").readString("Settings", "Sound", "<none>");
}

StringList entriesOf(TMainWindow& window, const char* control) {
    return qobject_cast<ui::DBComboBox*>(window.dataControl(control))->entries();
}

TEST(Sound, FirstStartSeedsItFromTheListFileOnlyOnce) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    program.writeListFile("[Settings]\r\nSound=1\r\n");
    program.start();
    EXPECT_TRUE(SoundOn);
    EXPECT_EQ(storedSound(), "1");

    program.stop();
    program.writeListFile("[Settings]\r\nSound=0\r\n");
    program.start();
    EXPECT_TRUE(SoundOn);
    EXPECT_EQ(storedSound(), "1");
}

TEST(LookupLists, EachSectionFillsItsFieldSorted) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    program.writeListFile("[Category]\nDrama=\nComedy=anything\nAction=\n"
                          "[Format]\nVHS=\nDVD=\n[Language]\n[Unrelated]\nX=\n");
    program.start();
    TMainWindow& window = program.window();
    EXPECT_EQ(entriesOf(window, "DBEdit5"), (StringList{"Action", "Comedy", "Drama"}));
    EXPECT_EQ(entriesOf(window, "DBEdit7"), (StringList{"DVD", "VHS"}));
    EXPECT_EQ(entriesOf(window, "DBEdit6").count(), 0);
    EXPECT_EQ(entriesOf(window, "DBEdit3").count(), 0);

    program.writeListFile("[Category]\nWestern=\nDrama=\n");
    window.ReloadLists1Click();
    EXPECT_EQ(entriesOf(window, "DBEdit5"), (StringList{"Drama", "Western"}));
    EXPECT_EQ(entriesOf(window, "DBEdit7").count(), 0);
}

const char* const FourLists = "[Publisher]\nStudio=\nClub=\n[Category]\nDrama=\nComedy=\n"
                              "[Language]\nGerman=\nEnglish=\n[Format]\nVHS=\nDVD=\n";

struct ListField {
    const char* control;
    StringList entries;
};

void expectLists(TMainWindow& window, const std::vector<ListField>& fields) {
    for (const ListField& field : fields) {
        SCOPED_TRACE(field.control);
        EXPECT_EQ(entriesOf(window, field.control), field.entries);
    }
}

class ReloadLists : public ::testing::Test {
protected:
    void start() {
        program.createTable({{{"Director", "Lang"},
                              {"Publisher", "Ufa"},
                              {"Category", "Drama"},
                              {"Language", "German"},
                              {"Format", "VHS"}}});
        program.writeListFile(FourLists);
        program.start();
        ASSERT_TRUE(program.boxes.boxes.empty()) << program.boxes.boxes.front().text;
        window().statusBar()->setPanelText(0, "");
    }
    TMainWindow& window() { return program.window(); }
    // Chooses Reload Lists from its menu.
    void reload() { window().findChild<QAction*>("ReloadLists1")->trigger(); }
    std::string shown(const char* control) {
        return window().controlText(window().edition().controlIndex(control));
    }
    test::CatalogueProgram program{videoEdition()};
};

TEST_F(ReloadLists, AnAddedEntryShowsSortedAndEveryEntryOnce) {
    start();
    program.writeListFile("[Publisher]\nStudio=\nClub=\n[Category]\nDrama=\nWestern=\nComedy=\n"
                          "[Language]\nGerman=\nEnglish=\n[Format]\nVHS=\nDVD=\n");
    reload();
    expectLists(window(), {{"DBEdit3", {"Club", "Studio"}},
                           {"DBEdit5", {"Comedy", "Drama", "Western"}},
                           {"DBEdit6", {"English", "German"}},
                           {"DBEdit7", {"DVD", "VHS"}}});
    EXPECT_EQ(program.message(), "");
    EXPECT_EQ(ui::screenCursor(), ui::ScreenCursor::Default);
}

TEST_F(ReloadLists, AMissingFileEmptiesTheListsAndKeepsTheShownTexts) {
    start();
    std::filesystem::remove(program.hostDirectory() / "oruflx.dat");
    reload();
    expectLists(window(), {{"DBEdit3", {}}, {"DBEdit5", {}}, {"DBEdit6", {}}, {"DBEdit7", {}}});
    EXPECT_EQ(shown("DBEdit3"), "Ufa");
    EXPECT_EQ(shown("DBEdit5"), "Drama");
    EXPECT_EQ(shown("DBEdit6"), "German");
    EXPECT_EQ(shown("DBEdit7"), "VHS");
    EXPECT_EQ(program.message(), "");
    EXPECT_TRUE(program.boxes.boxes.empty());
    EXPECT_EQ(ui::screenCursor(), ui::ScreenCursor::Default);
}

TEST_F(ReloadLists, WhileEditingTheTypedValuesStay) {
    start();
    window().EditRecClick();
    for (const char* control : {"DBEdit1", "DBEdit5"}) {
        QWidget* widget = window().dataControl(control);
        widget->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QTest::keyClick(widget, Qt::Key_End); // after the shown text, whatever focusing selected
        QTest::keyClicks(widget, "X");
    }
    program.writeListFile("[Category]\nWestern=\n");
    reload();
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Edit);
    EXPECT_EQ(shown("DBEdit1"), "LangX");
    EXPECT_EQ(shown("DBEdit5"), "DramaX");
    EXPECT_EQ(entriesOf(window(), "DBEdit5"), StringList{"Western"});
    EXPECT_EQ(program.message(), "");
}

TEST(ReloadListsOfAnEdition, OnlyItsOwnSectionsAndFields) {
    Edition twoLists = videoEdition();
    twoLists.lists = {{"Format", "DBEdit7"}, {"Category", "DBEdit5"}};
    test::CatalogueProgram program(twoLists);
    program.createTable();
    program.writeListFile(FourLists);
    program.start();
    program.writeListFile("[Publisher]\nStudio=\n[Category]\nDrama=\n[Format]\nVHS=\nBetamax=\n");
    program.window().ReloadLists1Click();
    expectLists(program.window(),
                {{"DBEdit3", {}}, {"DBEdit5", {"Drama"}}, {"DBEdit6", {}}, {"DBEdit7", {"Betamax", "VHS"}}});
}

} // namespace
} // namespace orupim::catalogue
