// Program Manager's commands on a store and menu directories of the case's own, and what they publish.
#include "services/progman/programmanager.h"

#include "menutest.h"
#include "platform/files/drivepath.h"
#include "services/progman/programgroups.h"

#include <gtest/gtest.h>
#include <set>

namespace orupim::progman {
namespace {

class ProgramManagerTest : public MenuTest {
protected:
    std::size_t execute(std::string_view text, std::string* refusal = nullptr) {
        return ProgramManager(store()).execute(text, refusal);
    }
    std::set<std::string> entryNames() const {
        std::set<std::string> names;
        for (const auto& file : std::filesystem::directory_iterator(applications()))
            names.insert(file.path().filename().string());
        return names;
    }
};

TEST_F(ProgramManagerTest, CreatesTheGroupAndItsItemsAsTheSetupSendsThem) {
    // The uninstaller is the suite's program that programs.ini maps its old name to.
    const std::string uninstaller = ORUPIM_UNINST_PROGRAM;
    writeFile(root / "programs.ini", "[Programs]\r\nOruUninst.exe=\"" + uninstaller + "\"\r\n");
    EXPECT_EQ(execute("[CreateGroup(Tools)]\r\n"), 1u);
    EXPECT_EQ(execute("[AddItem(C:\\Program Files\\App\\app.exe,My App)]\r\n"), 1u);
    EXPECT_EQ(execute("[AddItem(C:\\WINDOWS\\OruUninst.exe OruFLX C:\\App,Uninstall OruFLX)]\r\n"), 1u);

    EXPECT_EQ(readFile(store()),
              "[Program Manager]\r\nActive=Tools\r\n\r\n[Group]\r\nName=Tools\r\n"
              "Item=My App\r\nCommand=C:\\Program Files\\App\\app.exe\r\n"
              "Item=Uninstall OruFLX\r\nCommand=C:\\WINDOWS\\OruUninst.exe OruFLX C:\\App\r\n");
    // The program path with a blank is found whole, though it is not quoted and not installed yet.
    EXPECT_EQ(readFile(applications() / "orupim-tools-my_app.desktop"),
              "[Desktop Entry]\nType=Application\nName=My App\nExec=\"" + driveC() +
                  "/Program Files/App/app.exe\"\nIcon=application-x-executable\n"
                  "X-OruPIM-Group=Tools\nX-OruPIM-Item=My App\n");
    // The uninstaller, which is no file of the Windows directory, is the program programs.ini maps it to.
    EXPECT_EQ(
        readFile(applications() / "orupim-tools-uninstall_oruflx.desktop"),
        "[Desktop Entry]\nType=Application\nName=Uninstall OruFLX\nExec=" + uninstaller + " OruFLX " +
            driveC() +
            "/App\nIcon=application-x-executable\nX-OruPIM-Group=Tools\nX-OruPIM-Item=Uninstall OruFLX\n");
    EXPECT_EQ(readFile(directories() / "orupim-tools.directory"),
              "[Desktop Entry]\nType=Directory\nName=Tools\nIcon=folder\nX-OruPIM-Group=Tools\n");
    EXPECT_EQ(readFile(merged() / "orupim-tools.menu"),
              "<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
              " \"http://www.freedesktop.org/standards/menu-spec/1.0/menu.dtd\">\n"
              "<Menu>\n  <Name>Applications</Name>\n  <Menu>\n    <Name>orupim-tools</Name>\n"
              "    <Directory>orupim-tools.directory</Directory>\n    <Include>\n"
              "      <Filename>orupim-tools-my_app.desktop</Filename>\n"
              "      <Filename>orupim-tools-uninstall_oruflx.desktop</Filename>\n"
              "    </Include>\n  </Menu>\n</Menu>\n");
}

TEST_F(ProgramManagerTest, QuotesAPathWithBlanksInExec) {
    execute("[CreateGroup(A & B)][AddItem(C:\\My Apps\\a.exe C:\\doc 50%.txt $HOME,Doc)]");
    EXPECT_EQ(readFile(applications() / "orupim-a_X26_b-doc.desktop"),
              "[Desktop Entry]\nType=Application\nName=Doc\nExec=\"" + driveC() + "/My Apps/a.exe\" " +
                  driveC() +
                  "/doc 50%%.txt \"\\\\$HOME\"\nIcon=application-x-executable\nX-OruPIM-Group=A & B\n"
                  "X-OruPIM-Item=Doc\n");
}

// Every group and item has a file of its own, whatever their names have in common, and keeps it when its
// group is written again; a file of that name that is not Program Manager's is left alone.
TEST_F(ProgramManagerTest, GivesEveryItemAFileOfItsOwn) {
    writeFile(applications() / "orupim-g-x.desktop",
              "[Desktop Entry]\nType=Application\nName=Mine\nExec=true\n");
    const std::pair<const char*, const char*> items[] = {
        {"Oru", "PIM Setup"}, {"Oru PIM", "Setup"}, {"Oru", "PIM-Setup"}, {"G", "x 3"},
        {"G", "x"},           {"G", "x!"},          {"G", "X-3"},         {"G", nullptr},
    };
    std::string longName(300, 'l');
    std::set<std::string> before = entryNames();
    for (int round = 0; round < 2; ++round)
        for (std::size_t i = 0; i < std::size(items); ++i) {
            std::string name = items[i].second ? items[i].second : longName;
            ASSERT_EQ(execute("[CreateGroup(" + std::string(items[i].first) + ")][AddItem(C:\\p" +
                              std::to_string(i) + ".exe," + name + ")]"),
                      2u);
        }
    std::set<std::string> names = entryNames();
    EXPECT_EQ(names.size(), before.size() + std::size(items));
    EXPECT_TRUE(names.count("orupim-g-x-2.desktop"));
    EXPECT_EQ(readFile(applications() / "orupim-g-x.desktop"),
              "[Desktop Entry]\nType=Application\nName=Mine\nExec=true\n");
    std::set<std::string> execs;
    for (const std::string& name : names) {
        EXPECT_LE(name.size(), 255u);
        std::string content = readFile(applications() / name);
        std::size_t exec = content.find("Exec=");
        execs.insert(content.substr(exec, content.find('\n', exec) - exec));
    }
    // Each item's file starts its own program.
    EXPECT_EQ(execs.size(), names.size());
}

TEST_F(ProgramManagerTest, OpensADocumentItemWithTheDesktopsOpener) {
    writeFile(files::toHost("C:\\Oru PIM\\instruct.txt"), "notices\n");
    writeFile(files::toHost("C:\\Oru PIM\\OruFLX"), "#!/bin/sh\n", true);
    const struct {
        const char* command;
        const char* exec;
        const char* icon;
    } cases[] = {
        {"C:\\Oru PIM\\instruct.txt", "xdg-open \"C/Oru PIM/instruct.txt\"", "text-x-generic"},
        {"C:\\Docs\\later.htm", "xdg-open C/Docs/later.htm", "text-html"},
        {"C:\\Oru PIM\\OruFLX.exe", "\"C/Oru PIM/OruFLX\"", "application-x-executable"},
        {"C:\\Oru PIM\\setup.exe", "\"C/Oru PIM/setup.exe\"", "application-x-executable"},
    };
    for (const auto& [command, exec, icon] : cases) {
        SCOPED_TRACE(command);
        ASSERT_EQ(execute(std::string("[CreateGroup(G)][AddItem(") + command + ",Item)]"), 2u);
        std::string expected = exec;
        expected.replace(expected.find("C/"), 1, driveC());
        std::string entry = readFile(applications() / "orupim-g-item.desktop");
        EXPECT_NE(entry.find("\nExec=" + expected + "\nIcon=" + icon + "\n"), std::string::npos) << entry;
    }
}

TEST_F(ProgramManagerTest, NamesAnItemWithoutDescriptionAfterItsProgramFile) {
    writeFile(files::toHost("C:\\Oru PIM\\nothing.exe"), "#!/bin/sh\n", true);
    writeFile(files::toHost("C:\\Oru PIM\\notices.txt"), "notices\n");
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Oru PIM\\nothing.exe,", "nothing"},
        {"C:\\Oru PIM\\notices.txt", "notices"},
        {"C:\\New Dir\\later.exe /x,", "later"},
    };
    for (const auto& [arguments, name] : cases) {
        SCOPED_TRACE(arguments);
        std::filesystem::remove(store());
        ASSERT_EQ(execute(std::string("[CreateGroup(G)][AddItem(") + arguments + ")]"), 2u);
        EXPECT_EQ(ProgramGroups::load(store()).groups()[0].items[0].name, name);
    }
}

// A package of the old platform names things in Windows-1252; the desktop reads only UTF-8.
TEST_F(ProgramManagerTest, ConvertsNamesFromTheOldCodePage) {
    ASSERT_EQ(execute("[CreateGroup(Caf\xe9 \x80 <&>)][AddItem(C:\\r.exe,R\xe9sum\xe9\x81 'a' \\n)]"
                      "[AddItem(C:\\u.exe,Gr\xc3\xbc\xc3\x9f)]"),
              3u);
    std::string directory = readFile(directories() / "orupim-cafXe9_X80_X3cX26X3e.directory");
    EXPECT_NE(directory.find("\nName=Caf\xc3\xa9 \xe2\x82\xac <&>\n"), std::string::npos) << directory;
    std::string item =
        readFile(applications() / "orupim-cafXe9_X80_X3cX26X3e-rXe9sumXe9X81_X27aX27_X5cn.desktop");
    EXPECT_NE(item.find("\nName=R\xc3\xa9sum\xc3\xa9\xef\xbf\xbd 'a' \\\\n\n"), std::string::npos) << item;
    // A name already in UTF-8 stays as it is.
    std::string utf8 = readFile(applications() / "orupim-cafXe9_X80_X3cX26X3e-grXc3XbcXc3X9f.desktop");
    EXPECT_NE(utf8.find("\nName=Gr\xc3\xbc\xc3\x9f\n"), std::string::npos) << utf8;
}

TEST_F(ProgramManagerTest, AddsToTheGroupCreatedOrShownLast) {
    EXPECT_EQ(execute("[CreateGroup(One)][CreateGroup(Two)][CreateGroup(one)][AddItem(C:\\x.exe)]"), 4u);
    ProgramGroups groups = ProgramGroups::load(store());
    ASSERT_EQ(groups.groups().size(), 2u);
    EXPECT_EQ(groups.groups()[0].items, (std::vector<ProgramItem>{{"x", "C:\\x.exe"}}));
    EXPECT_TRUE(groups.groups()[1].items.empty());
    // A later transaction, even of a new server, goes on with the same group; an item of the same name is
    // replaced, not doubled.
    EXPECT_EQ(execute("[AddItem(C:\\y.exe,X)][AddItem(C:\\z.exe,Z)]"), 2u);
    groups = ProgramGroups::load(store());
    EXPECT_EQ(groups.groups()[0].items, (std::vector<ProgramItem>{{"x", "C:\\y.exe"}, {"Z", "C:\\z.exe"}}));
    EXPECT_EQ(entryNames(), (std::set<std::string>{"orupim-one-x.desktop", "orupim-one-z.desktop"}));
}

TEST_F(ProgramManagerTest, StopsAtTheFirstRefusedCommand) {
    const std::pair<const char*, std::size_t> cases[] = {
        {"[AddItem(C:\\x.exe,X)][CreateGroup(G)]", 0},
        {"[CreateGroup(G)][Reload(G)][AddItem(C:\\x.exe,X)]", 1},
        {"[CreateGroup(G)][DeleteGroup(G)][AddItem(C:\\x.exe,X)]", 2},
        {"[CreateGroup(G)][ShowGroup(H,1)][AddItem(C:\\x.exe,X)]", 1},
        {"[CreateGroup(G)][DeleteItem(X)][AddItem(C:\\x.exe,X)]", 1},
        {"[CreateGroup(G)][AddItem()][AddItem(C:\\x.exe,X)]", 1},
        {"[CreateGroup(G)][AddItem(\"  \",Blank)][AddItem(C:\\x.exe,X)]", 1},
        {"[CreateGroup(G)][AddItem(a,b,c)][AddItem(C:\\x.exe,X)]", 1},
        {"[CreateGroup(G)][CreateGroup(\"a\r\nb\")][AddItem(C:\\x.exe,X)]", 1},
        {"[CreateGroup(G)] junk [AddItem(C:\\x.exe,X)]", 1},
        {"[CreateGroup()]", 0},
    };
    for (const auto& [text, done] : cases) {
        SCOPED_TRACE(text);
        std::filesystem::remove(store());
        std::string refusal;
        EXPECT_EQ(execute(text, &refusal), done);
        EXPECT_FALSE(refusal.empty());
        EXPECT_FALSE(std::filesystem::exists(applications() / "orupim-g-x.desktop"));
    }
}

TEST_F(ProgramManagerTest, DeletesItemsAndGroupsWithTheirEntries) {
    ASSERT_EQ(execute("[CreateGroup(One)][AddItem(C:\\a.exe,A)][AddItem(C:\\b.exe,B)]"
                      "[CreateGroup(Two)][AddItem(C:\\c.exe,C)]"),
              5u);
    ASSERT_TRUE(std::filesystem::exists(applications() / "orupim-one-a.desktop"));
    // An item is deleted from the group shown last, whatever group was active before.
    EXPECT_EQ(execute("[ShowGroup(\"one\",1)][DeleteItem(a)]"), 2u);
    EXPECT_FALSE(std::filesystem::exists(applications() / "orupim-one-a.desktop"));
    EXPECT_TRUE(std::filesystem::exists(applications() / "orupim-one-b.desktop"));
    EXPECT_EQ(readFile(merged() / "orupim-one.menu").find("orupim-one-a.desktop"), std::string::npos);
    EXPECT_EQ(execute("[DeleteGroup(Two)]"), 1u);
    EXPECT_FALSE(std::filesystem::exists(applications() / "orupim-two-c.desktop"));
    EXPECT_FALSE(std::filesystem::exists(merged() / "orupim-two.menu"));
    EXPECT_FALSE(std::filesystem::exists(directories() / "orupim-two.directory"));
    ProgramGroups groups = ProgramGroups::load(store());
    ASSERT_EQ(groups.groups().size(), 1u);
    EXPECT_EQ(groups.groups()[0].items, (std::vector<ProgramItem>{{"B", "C:\\b.exe"}}));
}

TEST_F(ProgramManagerTest, ADamagedStoreIsReportedAndKept) {
    writeFile(store(), "[Group]\r\nName=G\r\nnonsense\r\n");
    std::string refusal;
    EXPECT_EQ(execute("[CreateGroup(H)]", &refusal), 0u);
    EXPECT_NE(refusal.find("line 3"), std::string::npos) << refusal;
    EXPECT_EQ(readFile(store()), "[Group]\r\nName=G\r\nnonsense\r\n");
    EXPECT_NE(ProgramManager(store()).publishAll().find("line 3"), std::string::npos);
}

TEST_F(ProgramManagerTest, DropsAnExeTheInstalledProgramLacks) {
    std::filesystem::path program = files::toHost("C:\\App\\app");
    writeFile(program, "#!/bin/sh\n", true);
    execute("[CreateGroup(G)][AddItem(C:\\App\\app.exe,App)]");
    EXPECT_NE(readFile(applications() / "orupim-g-app.desktop").find("\nExec=" + program.string() + "\n"),
              std::string::npos);
}

// The sample package's group as the desktops' menu libraries show it: every item, each with its icon, and an
// Exec that starts something (the uninstaller as programs.ini maps it, the notices through the opener), so
// that even a library that drops entries it cannot start keeps them all.
TEST_F(ProgramManagerTest, TheDesktopsMenuLibraryShowsEveryItemWithItsIcon) {
    std::filesystem::path uninstaller = base / "bin/orupim-uninst";
    writeFile(uninstaller, "#!/bin/sh\n", true);
    writeFile(root / "programs.ini", "[Programs]\r\nOruUninst.exe=" + uninstaller.string() + "\r\n");
    writeFile(files::toHost("C:\\oruflx\\OruFLX"), "#!/bin/sh\n", true);
    writeFile(files::toHost("C:\\oruflx\\instruct.txt"), "notices\n");
    ASSERT_EQ(execute("[CreateGroup(OruPIM)]\r\n"), 1u);
    ASSERT_EQ(execute("[AddItem(c:\\oruflx\\OruFLX,OruFLX videos)]\r\n"), 1u);
    ASSERT_EQ(execute("[AddItem(c:\\oruflx\\instruct.txt,OruFLX notices)]\r\n"), 1u);
    ASSERT_EQ(execute("[AddItem(C:\\WINDOWS\\OruUninst.exe OruFLX c:\\oruflx,Uninstall OruFLX)]\r\n"), 1u);

    std::string c = driveC();
    EXPECT_EQ(menuLibraryView(), "menu\tOruPIM\tfolder\n"
                                 "entry\tOruFLX notices\ttext-x-generic\txdg-open " +
                                     c +
                                     "/oruflx/instruct.txt\tkept\n"
                                     "entry\tOruFLX videos\tapplication-x-executable\t" +
                                     c +
                                     "/oruflx/OruFLX\tkept\n"
                                     "entry\tUninstall OruFLX\tapplication-x-executable\t" +
                                     uninstaller.string() + " OruFLX " + c + "/oruflx\tkept\n");
}

} // namespace
} // namespace orupim::progman
