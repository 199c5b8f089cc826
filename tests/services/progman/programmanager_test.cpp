// Program Manager's commands on a store and menu directories under the test's platform root.
#include "services/progman/programmanager.h"

#include "platform/files/drivepath.h"
#include "platform/files/platformroot.h"
#include "services/progman/programgroups.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace orupim::progman {
namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ProgramManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = files::platformRoot();
        std::filesystem::remove_all(root / "xdg");
        setenv("XDG_DATA_HOME", (root / "xdg/data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root / "xdg/config").c_str(), 1);
        std::filesystem::remove(store());
    }
    std::filesystem::path store() const { return root / "progman.ini"; }
    std::filesystem::path applications() const { return root / "xdg/data/applications"; }
    std::string driveC() const {
        std::string host = files::toHost("C:\\").string();
        return host.back() == '/' ? host.substr(0, host.size() - 1) : host;
    }

    std::filesystem::path root;
    ProgramManager manager{files::platformRoot() / "progman.ini"};
};

TEST_F(ProgramManagerTest, CreatesTheGroupAndItsItemsAsTheSetupSendsThem) {
    // The uninstaller is the suite's program that programs.ini maps its old name to.
    const std::string uninstaller = ORUPIM_UNINST_PROGRAM;
    std::ofstream(root / "programs.ini") << "[Programs]\r\nOruUninst.exe=\"" << uninstaller << "\"\r\n";
    EXPECT_EQ(manager.execute("[CreateGroup(Tools)]\r\n"), 1u);
    EXPECT_EQ(manager.execute("[AddItem(C:\\Program Files\\App\\app.exe,My App)]\r\n"), 1u);
    EXPECT_EQ(manager.execute("[AddItem(C:\\WINDOWS\\OruUninst.exe OruFLX C:\\App,Uninstall OruFLX)]\r\n"),
              1u);

    EXPECT_EQ(readFile(store()),
              "[Program Manager]\r\nActive=Tools\r\n\r\n[Group]\r\nName=Tools\r\n"
              "Item=My App\r\nCommand=C:\\Program Files\\App\\app.exe\r\n"
              "Item=Uninstall OruFLX\r\nCommand=C:\\WINDOWS\\OruUninst.exe OruFLX C:\\App\r\n");
    // The program path with a blank is found whole, though it is not quoted and not installed yet.
    EXPECT_EQ(readFile(applications() / "orupim-tools-my-app.desktop"),
              "[Desktop Entry]\nType=Application\nName=My App\nExec=\"" + driveC() +
                  "/Program Files/App/app.exe\"\n");
    // The uninstaller, which is no file of the Windows directory, is the program programs.ini maps it to.
    EXPECT_EQ(readFile(applications() / "orupim-tools-uninstall-oruflx.desktop"),
              "[Desktop Entry]\nType=Application\nName=Uninstall OruFLX\nExec=" + uninstaller + " OruFLX " +
                  driveC() + "/App\n");
    EXPECT_EQ(readFile(root / "xdg/data/desktop-directories/orupim-tools.directory"),
              "[Desktop Entry]\nType=Directory\nName=Tools\n");
    EXPECT_EQ(readFile(root / "xdg/config/menus/applications-merged/orupim-tools.menu"),
              "<!DOCTYPE Menu>\n"
              "<Menu>\n  <Name>Applications</Name>\n  <Menu>\n    <Name>Tools</Name>\n"
              "    <Directory>orupim-tools.directory</Directory>\n    <Include>\n"
              "      <Filename>orupim-tools-my-app.desktop</Filename>\n"
              "      <Filename>orupim-tools-uninstall-oruflx.desktop</Filename>\n"
              "    </Include>\n  </Menu>\n</Menu>\n");
}

TEST_F(ProgramManagerTest, QuotesAPathWithBlanksInExec) {
    manager.execute("[CreateGroup(A & B)][AddItem(C:\\My Apps\\a.exe C:\\doc 50%.txt $HOME,Doc)]");
    EXPECT_EQ(readFile(applications() / "orupim-a-b-doc.desktop"),
              "[Desktop Entry]\nType=Application\nName=Doc\nExec=\"" + driveC() + "/My Apps/a.exe\" " +
                  driveC() + "/doc 50%%.txt \"\\\\$HOME\"\n");
}

TEST_F(ProgramManagerTest, AddsToTheGroupCreatedOrShownLast) {
    EXPECT_EQ(manager.execute("[CreateGroup(One)][CreateGroup(Two)][CreateGroup(one)][AddItem(C:\\x.exe)]"),
              4u);
    ProgramGroups groups = ProgramGroups::load(store());
    ASSERT_EQ(groups.groups().size(), 2u);
    EXPECT_EQ(groups.groups()[0].items, (std::vector<ProgramItem>{{"x", "C:\\x.exe"}}));
    EXPECT_TRUE(groups.groups()[1].items.empty());
    // A later transaction, even of a new server, goes on with the same group; an item of the same name is
    // replaced, not doubled.
    EXPECT_EQ(ProgramManager(store()).execute("[AddItem(C:\\y.exe,X)][AddItem(C:\\z.exe,Z)]"), 2u);
    groups = ProgramGroups::load(store());
    EXPECT_EQ(groups.groups()[0].items, (std::vector<ProgramItem>{{"x", "C:\\y.exe"}, {"Z", "C:\\z.exe"}}));
}

TEST_F(ProgramManagerTest, StopsAtTheFirstRefusedCommand) {
    const std::pair<const char*, std::size_t> cases[] = {
        {"[AddItem(C:\\x.exe,X)][CreateGroup(G)]", 0},
        {"[CreateGroup(G)][Reload(G)][AddItem(C:\\x.exe,X)]", 1},
        {"[CreateGroup(G)][DeleteGroup(G)][AddItem(C:\\x.exe,X)]", 2},
        {"[CreateGroup(G)][ShowGroup(H,1)][AddItem(C:\\x.exe,X)]", 1},
        {"[CreateGroup(G)][DeleteItem(X)][AddItem(C:\\x.exe,X)]", 1},
        {"[CreateGroup(G)][AddItem()][AddItem(C:\\x.exe,X)]", 1},
        {"[CreateGroup(G)][AddItem(a,b,c)][AddItem(C:\\x.exe,X)]", 1},
        {"[CreateGroup(G)][CreateGroup(\"a\r\nb\")][AddItem(C:\\x.exe,X)]", 1},
        {"[CreateGroup(G)] junk [AddItem(C:\\x.exe,X)]", 1},
        {"[CreateGroup()]", 0},
    };
    for (const auto& [text, done] : cases) {
        SCOPED_TRACE(text);
        SetUp();
        std::string refusal;
        EXPECT_EQ(manager.execute(text, &refusal), done);
        EXPECT_FALSE(refusal.empty());
        EXPECT_FALSE(std::filesystem::exists(applications() / "orupim-g-x.desktop"));
    }
}

TEST_F(ProgramManagerTest, DeletesItemsAndGroupsWithTheirEntries) {
    ASSERT_EQ(manager.execute("[CreateGroup(One)][AddItem(C:\\a.exe,A)][AddItem(C:\\b.exe,B)]"
                              "[CreateGroup(Two)][AddItem(C:\\c.exe,C)]"),
              5u);
    const std::filesystem::path menus = root / "xdg/config/menus/applications-merged";
    ASSERT_TRUE(std::filesystem::exists(applications() / "orupim-one-a.desktop"));
    // An item is deleted from the group shown last, whatever group was active before.
    EXPECT_EQ(manager.execute("[ShowGroup(\"one\",1)][DeleteItem(a)]"), 2u);
    EXPECT_FALSE(std::filesystem::exists(applications() / "orupim-one-a.desktop"));
    EXPECT_TRUE(std::filesystem::exists(applications() / "orupim-one-b.desktop"));
    EXPECT_EQ(readFile(menus / "orupim-one.menu").find("orupim-one-a.desktop"), std::string::npos);
    EXPECT_EQ(manager.execute("[DeleteGroup(Two)]"), 1u);
    EXPECT_FALSE(std::filesystem::exists(applications() / "orupim-two-c.desktop"));
    EXPECT_FALSE(std::filesystem::exists(menus / "orupim-two.menu"));
    EXPECT_FALSE(std::filesystem::exists(root / "xdg/data/desktop-directories/orupim-two.directory"));
    ProgramGroups groups = ProgramGroups::load(store());
    ASSERT_EQ(groups.groups().size(), 1u);
    EXPECT_EQ(groups.groups()[0].items, (std::vector<ProgramItem>{{"B", "C:\\b.exe"}}));
}

TEST_F(ProgramManagerTest, ADamagedStoreIsReportedAndKept) {
    { std::ofstream(store(), std::ios::binary) << "[Group]\r\nName=G\r\nnonsense\r\n"; }
    std::string refusal;
    EXPECT_EQ(manager.execute("[CreateGroup(H)]", &refusal), 0u);
    EXPECT_NE(refusal.find("line 3"), std::string::npos) << refusal;
    EXPECT_EQ(readFile(store()), "[Group]\r\nName=G\r\nnonsense\r\n");
}

TEST_F(ProgramManagerTest, DropsAnExeTheInstalledProgramLacks) {
    std::filesystem::path program = files::toHost("C:\\App\\app");
    std::filesystem::create_directories(program.parent_path());
    std::ofstream(program) << "#!/bin/sh\n";
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    manager.execute("[CreateGroup(G)][AddItem(C:\\App\\app.exe,App)]");
    EXPECT_EQ(readFile(applications() / "orupim-g-app.desktop"),
              "[Desktop Entry]\nType=Application\nName=App\nExec=" + program.string() + "\n");
}

} // namespace
} // namespace orupim::progman
