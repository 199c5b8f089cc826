// The lookup-list file at start-up and on Reload Lists: Sound seeded from its [Settings] on the first start
// only, and each list section filling its drop-down field in sorted order.
#include "catalogue/modulevalues.h"
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/registry/reginifile.h"
#include "platform/ui/screencursor.h"

#include <QApplication>
#include <filesystem>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

std::string storedSound() {
    return RegIniFile("Software\\Brenmoor\\OruPIM").readString("Settings", "Sound", "<none>");
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
    EXPECT_EQ(program.entries("DBEdit5"), (StringList{"Action", "Comedy", "Drama"}));
    EXPECT_EQ(program.entries("DBEdit7"), (StringList{"DVD", "VHS"}));
    EXPECT_EQ(program.entries("DBEdit6").count(), 0);
    EXPECT_EQ(program.entries("DBEdit3").count(), 0);

    program.writeListFile("[Category]\nWestern=\nDrama=\n");
    window.ReloadLists1Click();
    EXPECT_EQ(program.entries("DBEdit5"), (StringList{"Drama", "Western"}));
    EXPECT_EQ(program.entries("DBEdit7").count(), 0);
}

const char* const FourLists = "[Publisher]\nStudio=\nClub=\n[Category]\nDrama=\nComedy=\n"
                              "[Language]\nGerman=\nEnglish=\n[Format]\nVHS=\nDVD=\n";

struct ListField {
    const char* control;
    StringList entries;
};

void expectLists(const test::CatalogueProgram& program, const std::vector<ListField>& fields) {
    for (const ListField& field : fields) {
        SCOPED_TRACE(field.control);
        EXPECT_EQ(program.entries(field.control), field.entries);
    }
}

class ReloadLists : public ::testing::Test {
protected:
    void start() {
        program.writeListFile(FourLists);
        ASSERT_TRUE(program.startWith({{{"Director", "Lang"},
                                        {"Publisher", "Ufa"},
                                        {"Category", "Drama"},
                                        {"Language", "German"},
                                        {"Format", "VHS"}}}));
    }
    TMainWindow& window() { return program.window(); }
    // Chooses Reload Lists from its menu.
    std::string reload() { return program.choose("ReloadLists1"); }
    test::CatalogueProgram program{videoEdition()};
};

TEST_F(ReloadLists, AnAddedEntryShowsSortedAndEveryEntryOnce) {
    start();
    program.writeListFile("[Publisher]\nStudio=\nClub=\n[Category]\nDrama=\nWestern=\nComedy=\n"
                          "[Language]\nGerman=\nEnglish=\n[Format]\nVHS=\nDVD=\n");
    reload();
    expectLists(program, {{"DBEdit3", {"Club", "Studio"}},
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
    expectLists(program, {{"DBEdit3", {}}, {"DBEdit5", {}}, {"DBEdit6", {}}, {"DBEdit7", {}}});
    EXPECT_EQ(program.shown("DBEdit3"), "Ufa");
    EXPECT_EQ(program.shown("DBEdit5"), "Drama");
    EXPECT_EQ(program.shown("DBEdit6"), "German");
    EXPECT_EQ(program.shown("DBEdit7"), "VHS");
    EXPECT_EQ(program.message(), "");
    EXPECT_TRUE(program.boxes.boxes.empty());
    EXPECT_EQ(ui::screenCursor(), ui::ScreenCursor::Default);
}

TEST_F(ReloadLists, WhileEditingTheTypedValuesStay) {
    start();
    window().EditRecClick();
    for (const char* control : {"DBEdit1", "DBEdit5"})
        program.type(control, "X");
    program.writeListFile("[Category]\nWestern=\n");
    reload();
    EXPECT_EQ(window().mainDataSource().state(), db::DataSetState::Edit);
    EXPECT_EQ(program.shown("DBEdit1"), "LangX");
    EXPECT_EQ(program.shown("DBEdit5"), "DramaX");
    EXPECT_EQ(program.entries("DBEdit5"), StringList{"Western"});
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
    expectLists(program,
                {{"DBEdit3", {}}, {"DBEdit5", {"Drama"}}, {"DBEdit6", {}}, {"DBEdit7", {"Betamax", "VHS"}}});
}

} // namespace
} // namespace orupim::catalogue
