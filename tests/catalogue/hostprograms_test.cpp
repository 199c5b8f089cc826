// The programs that the catalogue starts, started for real: Help Topics opens the suite's help viewer at the
// help file's contents in every edition; a missing help file, a missing viewer, a document the desktop's
// opener cannot open and a browser whose program path is quoted end in what the user sees. Every started
// program ends by itself.
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "editions/audio/audioedition.h"
#include "editions/contact/contactedition.h"
#include "editions/printedmedia/printedmediaedition.h"
#include "editions/software/softwareedition.h"
#include "platform/files/platformroot.h"
#include "temproot.h"

#include <QAction>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace orupim::catalogue {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> readLines(const fs::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class HostPrograms : public ::testing::Test {
protected:
    void SetUp() override { setenv("ORUPIM_HELPVIEWER_REPORT", report.c_str(), 1); }
    void TearDown() override { unsetenv("ORUPIM_HELPVIEWER_REPORT"); }

    void mapPrograms(const std::string& lines) const {
        std::ofstream(files::platformRoot() / "programs.ini") << "[Programs]\r\n" << lines;
    }
    void choose(test::CatalogueProgram& program, const char* item) const {
        QAction* action = program.window().findChild<QAction*>(item);
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }
    // Waits (at most twenty seconds) for a file to appear.
    static bool waitFor(const fs::path& file) {
        for (int i = 0; i < 2000 && !fs::exists(file); ++i)
            QTest::qWait(10);
        return fs::exists(file);
    }
    // Waits (at most ten seconds) for `count` message boxes, handling the events that bring them.
    static void waitForBoxes(const test::CatalogueProgram& program, std::size_t count) {
        for (int i = 0; i < 1000 && program.boxes.boxes.size() < count; ++i)
            QTest::qWait(10);
    }

    const fs::path report = orupim::test::tempRoot() / "viewer-report.txt";
};

TEST_F(HostPrograms, HelpTopicsOpensTheViewerAtTheContentsInEveryEdition) {
    mapPrograms(std::string("winhlp32.exe=\"") + ORUPIM_HELPVIEWER + "\"\r\n");
    for (const Edition* edition : {&videoEdition(), &editions::softwareEdition(), &editions::audioEdition(),
                                   &editions::printedMediaEdition(), &editions::contactEdition()}) {
        SCOPED_TRACE(edition->deliverable);
        fs::remove(report);
        test::CatalogueProgram program(*edition, "catalog-" + edition->table);
        program.createTable();
        fs::copy_file(ORUPIM_HELP_FILE, program.hostDirectory() / "OruPIM.hlp");
        program.start();
        choose(program, "HelpTopics1");
        ASSERT_TRUE(waitFor(report));
        const std::vector<std::string> shown = readLines(report);
        ASSERT_GE(shown.size(), 3u);
        EXPECT_EQ(shown[0], "OruPIM Help");
        EXPECT_EQ(shown[1], "qthelp://brenmoor.orupim.help/doc/index.html");
        EXPECT_EQ(shown[2], "The catalogue programs");
        EXPECT_EQ(program.message(), "");
        // The viewer ended well within its watch: nothing was reported.
        QTest::qWait(200);
        EXPECT_TRUE(program.boxes.boxes.empty()) << program.boxes.boxes.front().text;
    }
}

TEST_F(HostPrograms, AMissingHelpFileOrViewerIsToldInAMessageBox) {
    struct Case {
        bool helpFile;
        std::string programs;
        std::string reason;
    };
    const Case cases[] = {
        {false, std::string("winhlp32.exe=\"") + ORUPIM_HELPVIEWER + "\"\r\n",
         "the help file was not found."},
        {true, "winhlp32.exe=no-such-viewer\r\n",
         "the program \"no-such-viewer\" that programs.ini names for winhlp32.exe is not installed."},
        {true, "winhlp32.exe=\r\n", "no program is set for winhlp32.exe in programs.ini."},
    };
    int run = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        mapPrograms(c.programs);
        test::CatalogueProgram program(videoEdition(), "catalog" + std::to_string(++run));
        program.createTable();
        if (c.helpFile)
            fs::copy_file(ORUPIM_HELP_FILE, program.hostDirectory() / "OruPIM.hlp");
        program.start();
        choose(program, "HelpTopics1");
        waitForBoxes(program, 1);
        ASSERT_EQ(program.boxes.boxes.size(), 1u);
        const ui::MessageBoxRequest& box = program.boxes.boxes.front();
        EXPECT_EQ(box.caption, "OruFLX 1.1");
        EXPECT_EQ(box.text, "Cannot open \"" + program.driveDirectory() + "OruPIM.hlp\": " + c.reason);
        EXPECT_EQ(box.icon, ui::MessageIcon::Warning);
        EXPECT_EQ(program.message(), "");
        EXPECT_EQ(fs::exists(program.hostDirectory() / "OruPIM.hlp"), c.helpFile)
            << "Help Topics makes no file";
    }
}

TEST_F(HostPrograms, ADocumentTheDesktopsOpenerCannotOpenIsToldInAMessageBox) {
    // The desktop's own opener, which ends at once with its code for a file that does not exist; with no
    // desktop named it decides that itself rather than handing the file to a desktop's tool.
    for (const char* variable :
         {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
          "MATE_DESKTOP_SESSION_ID", "DISPLAY", "WAYLAND_DISPLAY"})
        unsetenv(variable);
    mapPrograms("notepad.exe=xdg-open\r\n");
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    fs::remove(program.hostDirectory() / "instruct.txt");
    program.start();
    choose(program, "ReadNotices1");
    waitForBoxes(program, 1);
    ASSERT_EQ(program.boxes.boxes.size(), 1u);
    EXPECT_EQ(program.boxes.boxes.front().text, "Cannot open \"instruct.txt\": the file does not exist.");
    EXPECT_EQ(program.boxes.boxes.front().caption, "OruFLX 1.1");
    EXPECT_FALSE(fs::exists(program.hostDirectory() / "instruct.txt"));
}

TEST_F(HostPrograms, ABrowserWhosePathIsQuotedIsStartedWithThePageAddress) {
    const fs::path browserDirectory = orupim::test::tempRoot() / "drive_c" / "Program Files" / "Web Browser";
    fs::create_directories(browserDirectory);
    const fs::path opened = orupim::test::tempRoot() / "browser-opened.txt";
    std::ofstream(browserDirectory / "browse")
        << "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" << opened.string() << ".part' && mv '" << opened.string()
        << ".part' '" << opened.string() << "'\n";
    fs::permissions(browserDirectory / "browse", fs::perms(0755));
    test::registerBrowser("\"C:\\Program Files\\Web Browser\\browse.exe\" -nohome \"%1\"");
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    program.start();
    ASSERT_EQ(program.window().browserCommand(), "C:\\Program Files\\Web Browser\\browse.exe");
    choose(program, "FAQ1");
    ASSERT_TRUE(waitFor(opened));
    EXPECT_EQ(readLines(opened), std::vector<std::string>{"http://www.example.com/faqs/pim.txt"});
    QTest::qWait(100);
    EXPECT_TRUE(program.boxes.boxes.empty());
}

} // namespace
} // namespace orupim::catalogue
