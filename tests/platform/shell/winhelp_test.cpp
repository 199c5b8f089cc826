// The help engine's contents-and-index command: the help file found in the program's directory and the mapped
// help viewer started on it.
#include "platform/shell/winhelp.h"

#include "hostbin.h"
#include "platform/core/replaceable.h"
#include "platform/files/filesystem.h"
#include "platform/shell/shellexecute.h"

#include <gtest/gtest.h>

namespace orupim::shell {
namespace {

namespace fs = std::filesystem;

fs::path driveC() {
    return orupim::test::tempRoot() / "drive_c";
}

TEST(WinHelp, HelpFileWithoutADirectoryIsInTheProgramDirectory) {
    Replacement program(files::setProgramFileImplementation, [] { return driveC() / "Apps" / "OruFLX"; });
    struct Case {
        const char* helpFile;
        const char* path;
    };
    const Case cases[] = {
        {"OruPIM.hlp", "C:\\Apps\\OruPIM.hlp"},
        {"C:\\Help\\OruPIM.hlp", "C:\\Help\\OruPIM.hlp"},
        {"Help\\OruPIM.hlp", "Help\\OruPIM.hlp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.helpFile);
        EXPECT_EQ(helpFilePath(c.helpFile), c.path);
    }
}

TEST(WinHelp, ContentsAndIndexStartsTheMappedViewerOnTheHelpFile) {
    test::useOnlyHostBin();
    test::makeReporter("viewer");
    fs::path report = orupim::test::tempRoot() / "viewer-report.txt";
    std::ofstream(orupim::test::tempRoot() / "programs.ini")
        << "[Programs]\r\nwinhlp32.exe=viewer \"" << report.string() << "\"\r\n";
    fs::create_directories(driveC() / "My Apps");
    std::ofstream(driveC() / "My Apps" / "OruPIM.hlp") << "help";
    Replacement program(files::setProgramFileImplementation, [] { return driveC() / "My Apps" / "OruFLX"; });

    EXPECT_FALSE(winHelp("OruPIM.hlp", 2, 0)); // only the contents-and-index command is given
    EXPECT_TRUE(winHelp("OruPIM.hlp", HELP_FINDER, 0));
    auto lines = test::waitForReport(report);
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 6u);
    EXPECT_TRUE(test::waitUntilEnded(lines->back()));
    EXPECT_EQ((*lines)[4], (driveC() / "My Apps" / "OruPIM.hlp").string());
}

TEST(WinHelp, AMissingHelpFileIsReportedAndNothingIsStartedOrMade) {
    test::useOnlyHostBin();
    test::makeReporter("viewer");
    fs::path report = orupim::test::tempRoot() / "viewer-report.txt";
    std::ofstream(orupim::test::tempRoot() / "programs.ini")
        << "[Programs]\r\nwinhlp32.exe=viewer \"" << report.string() << "\"\r\n";
    fs::create_directories(driveC() / "Apps");
    Replacement program(files::setProgramFileImplementation, [] { return driveC() / "Apps" / "OruFLX"; });
    std::vector<OpenFailure> failures;
    {
        Replacement reporter(setOpenFailureReporter,
                             [&](const OpenFailure& failure) { failures.push_back(failure); });
        EXPECT_FALSE(winHelp("OruPIM.hlp", HELP_FINDER, 0));
        fs::create_directories(driveC() / "Apps" / "Help.hlp"); // a directory is no help file either
        EXPECT_FALSE(winHelp("C:\\Apps\\Help.hlp", HELP_FINDER, 0));
    }

    const std::vector<OpenFailure> expected = {{"C:\\Apps\\OruPIM.hlp", "the help file was not found."},
                                               {"C:\\Apps\\Help.hlp", "the help file was not found."}};
    EXPECT_EQ(failures, expected);
    EXPECT_FALSE(fs::exists(driveC() / "Apps" / "OruPIM.hlp"));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(fs::exists(report)) << "no viewer was started";
}

} // namespace
} // namespace orupim::shell
