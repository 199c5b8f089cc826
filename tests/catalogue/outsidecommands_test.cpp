// The commands that start programs outside the catalogue: Notepad on the list and notices files of the
// program directory, the help file at its contents and index, and the browser on the maker's three pages or
// message 17 when there is no browser, and the shell's word on what it could not open, in a message box. The
// shell is recorded, so nothing is started.
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/files/platformroot.h"
#include "platform/testing/shellrecorder.h"
#include "platform/ui/statusbar.h"
#include "temproot.h"

#include <QAction>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>

namespace orupim::catalogue {
namespace {

using shell::ShellRequest;

constexpr const char* NoBrowser = "No web browser configured.";

struct WebLink {
    const char* item;
    const char* address;
};
const WebLink WebLinks[] = {
    {"HomePage1", "http://www.example.com/"},
    {"Newsleter1", "http://www.example.com/newsletter.html"},
    {"FAQ1", "http://www.example.com/faqs/pim.txt"},
};

// A system hive of the test's own that holds no browser key.
void removeBrowser() {
    std::ofstream(files::platformRoot() / "system.reg")
        << "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\txtfile]\r\n\"Other\"=\"x\"\r\n";
}

class OutsideCommands : public ::testing::Test {
protected:
    void start(const Edition& edition = videoEdition()) {
        program = std::make_unique<test::CatalogueProgram>(edition);
        program->createTable();
        program->start();
        ASSERT_TRUE(program->boxes.boxes.empty()) << program->boxes.boxes.front().text;
    }
    // Chooses a menu item with an empty message panel and answers the message it left.
    std::string choose(const char* item) {
        program->window().statusBar()->setPanelText(0, "");
        QAction* action = program->window().findChild<QAction*>(item);
        EXPECT_NE(action, nullptr) << item;
        if (action)
            action->trigger();
        return program->message();
    }
    orupim::testing::ShellRecorder shell;
    std::unique_ptr<test::CatalogueProgram> program;
};

TEST_F(OutsideCommands, WebLinksWithoutABrowserShowMessage17AndStartNothing) {
    removeBrowser();
    start();
    ASSERT_FALSE(program->window().browserConfigured());
    for (const WebLink& link : WebLinks) {
        SCOPED_TRACE(link.item);
        EXPECT_EQ(choose(link.item), NoBrowser);
    }
    EXPECT_TRUE(shell.starts.empty());
}

TEST_F(OutsideCommands, WebLinksStartTheBrowserWithOnlyThePageAddress) {
    test::registerBrowser("C:\\WEB\\BROWSE.EXE -nohome \"%1\"");
    start();
    shell.answer = false; // a browser that fails leaves the status panel alone
    for (const WebLink& link : WebLinks) {
        SCOPED_TRACE(link.item);
        shell.starts.clear();
        EXPECT_EQ(choose(link.item), "");
        const ShellRequest browser{"open", "C:\\WEB\\BROWSE.EXE", link.address, "", shell::SW_SHOWNORMAL};
        EXPECT_EQ(shell.starts, std::vector<ShellRequest>{browser});
    }
}

TEST_F(OutsideCommands, AnEditionThatLooksUpNoBrowserAlwaysShowsMessage17) {
    test::registerBrowser("C:\\WEB\\BROWSE.EXE");
    Edition edition = videoEdition();
    edition.looksUpBrowser = false;
    start(edition);
    for (const WebLink& link : WebLinks) {
        SCOPED_TRACE(link.item);
        EXPECT_EQ(choose(link.item), NoBrowser);
    }
    EXPECT_TRUE(shell.starts.empty());
}

TEST_F(OutsideCommands, NotepadOpensTheProgramDirectorysFilesWhereverTheCurrentDirectoryIs) {
    start();
    const std::filesystem::path before = std::filesystem::current_path();
    const std::filesystem::path elsewhere = orupim::test::tempRoot() / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    std::filesystem::current_path(elsewhere);
    shell.answer = false; // Notepad missing leaves the status panel alone
    const std::string editMessage = choose("EditLists1");
    const std::string noticesMessage = choose("ReadNotices1");
    std::filesystem::current_path(before);

    EXPECT_EQ(editMessage, "");
    EXPECT_EQ(noticesMessage, "");
    const std::string directory = program->driveDirectory();
    EXPECT_EQ(shell.starts, (std::vector<ShellRequest>{
                                {"open", "notepad.exe", "oruflx.dat", directory, shell::SW_SHOWNORMAL},
                                {"open", "notepad.exe", "instruct.txt", directory, shell::SW_SHOWNORMAL},
                            }));
    EXPECT_TRUE(program->boxes.boxes.empty());

    // The host editor that stands for Notepad then opens the file in the program's own directory.
    std::ofstream(files::platformRoot() / "programs.ini") << "[Programs]\nnotepad.exe=/bin/true\n";
    for (const ShellRequest& request : shell.starts) {
        SCOPED_TRACE(request.parameters);
        const std::optional<shell::HostCommand> command = shell::resolveShellRequest(request);
        ASSERT_TRUE(command.has_value());
        EXPECT_EQ(command->workingDirectory, program->hostDirectory());
        EXPECT_EQ(command->arguments, std::vector<std::string>{request.parameters});
    }
}

TEST_F(OutsideCommands, ABrowserWhoseProgramPathIsQuotedStartsThatProgram) {
    test::registerBrowser("\"C:\\Program Files\\Web\\browse.exe\" -nohome \"%1\"");
    start();
    EXPECT_EQ(choose("HomePage1"), "");
    const ShellRequest browser{"open", "C:\\Program Files\\Web\\browse.exe", "http://www.example.com/", "",
                               shell::SW_SHOWNORMAL};
    EXPECT_EQ(shell.starts, std::vector<ShellRequest>{browser});
}

TEST_F(OutsideCommands, WhatTheShellCouldNotOpenIsToldInAMessageBoxNotTheStatusPanel) {
    test::registerBrowser("C:\\WEB\\BROWSE.EXE");
    start();
    shell.answer = false;
    shell.failure = "no program to open it is installed.";
    const std::string directory = program->driveDirectory();
    const std::pair<const char*, std::string> cases[] = {
        {"EditLists1", "oruflx.dat"},
        {"ReadNotices1", "instruct.txt"},
        {"HomePage1", "http://www.example.com/"},
        {"FAQ1", "http://www.example.com/faqs/pim.txt"},
        {"HelpTopics1", directory + "OruPIM.hlp"},
    };
    for (const auto& [item, document] : cases) {
        SCOPED_TRACE(item);
        program->boxes.boxes.clear();
        EXPECT_EQ(choose(item), "");
        ASSERT_EQ(program->boxes.boxes.size(), 1u);
        EXPECT_EQ(program->boxes.boxes.front().caption, "OruFLX 1.1");
        EXPECT_EQ(program->boxes.boxes.front().text,
                  "Cannot open \"" + document + "\": no program to open it is installed.");
        EXPECT_EQ(program->boxes.boxes.front().icon, ui::MessageIcon::Warning);
    }
}

TEST_F(OutsideCommands, HelpTopicsOpensTheHelpFilesContentsAndIndex) {
    start();
    shell.answer = false;
    EXPECT_EQ(choose("HelpTopics1"), "");
    const shell::HelpRequest contents{"OruPIM.hlp", shell::HELP_FINDER, 0};
    EXPECT_EQ(shell.helps, std::vector<shell::HelpRequest>{contents});
    EXPECT_TRUE(shell.starts.empty());
}

} // namespace
} // namespace orupim::catalogue
