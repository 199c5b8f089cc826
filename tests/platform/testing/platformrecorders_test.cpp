// The test interface of the layer: recorders take the place of the clock, the beep and the shell, record
// every call, start and sound nothing, and put back what was there before.
#include "platform/testing/platformrecorders.h"

#include "platform/dde/conversation.h"
#include "temproot.h"

#include <chrono>
#include <gtest/gtest.h>

namespace orupim {
namespace {

using shell::HelpRequest;
using shell::ShellRequest;

TEST(PlatformRecorders, RecordEveryCallAndStartNothing) {
    testing::PlatformRecorders platform;
    auto start = std::chrono::steady_clock::now();
    kernel::Sleep(3000);
    kernel::Sleep(500);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(3000));
    EXPECT_TRUE(kernel::MessageBeep(kernel::MB_ICONEXCLAMATION));
    EXPECT_TRUE(shell::shellExecute("open", "notepad.exe", "oruflx.dat", "C:\\Apps\\", shell::SW_SHOWNORMAL));
    EXPECT_TRUE(shell::shellExecute("open", "xdg-open", "http://www.example.com/", "", shell::SW_SHOWNORMAL));
    EXPECT_TRUE(shell::winHelp("OruPIM.hlp", shell::HELP_FINDER, 0));

    EXPECT_EQ(platform.clock.calls, (std::vector<std::uint32_t>{3000, 500}));
    EXPECT_EQ(platform.beep.types, std::vector<unsigned>{kernel::MB_ICONEXCLAMATION});
    EXPECT_EQ(platform.shell.starts,
              (std::vector<ShellRequest>{
                  {"open", "notepad.exe", "oruflx.dat", "C:\\Apps\\", shell::SW_SHOWNORMAL},
                  {"open", "xdg-open", "http://www.example.com/", "", shell::SW_SHOWNORMAL}}));
    EXPECT_EQ(platform.shell.helps, (std::vector<HelpRequest>{{"OruPIM.hlp", shell::HELP_FINDER, 0}}));
    // The real shell was never asked: it would have made the program map.
    EXPECT_FALSE(std::filesystem::exists(orupim::test::tempRoot() / "programs.ini"));
}

TEST(PlatformRecorders, StartNoServiceProgram) {
    testing::PlatformRecorders platform;
    dde::Conversation conversation("PROGMAN", "PROGMAN");
    EXPECT_FALSE(conversation.open());
    EXPECT_EQ(platform.services.services, std::vector<std::string>{"PROGMAN"});
}

TEST(PlatformRecorders, AnswerAsTheTestSays) {
    testing::PlatformRecorders platform;
    platform.shell.answer = false;
    EXPECT_FALSE(shell::shellExecute("open", "notepad.exe", "", "", shell::SW_SHOWNORMAL));
    EXPECT_FALSE(shell::winHelp("OruPIM.hlp", shell::HELP_FINDER, 0));
    EXPECT_EQ(platform.shell.starts.size(), 1u);
    EXPECT_EQ(platform.shell.helps.size(), 1u);
}

TEST(PlatformRecorders, ReportTheFailureTheTestGivesAsTheShellWould) {
    testing::PlatformRecorders platform;
    std::vector<shell::OpenFailure> failures;
    shell::OpenFailureReporter previous = shell::setOpenFailureReporter(
        [&](const shell::OpenFailure& failure) { failures.push_back(failure); });
    EXPECT_TRUE(shell::shellExecute("open", "notepad.exe", "oruflx.dat", "", shell::SW_SHOWNORMAL));
    platform.shell.failure = "the file does not exist.";
    EXPECT_TRUE(shell::shellExecute("open", "notepad.exe", "\"my list.dat\" x", "", shell::SW_SHOWNORMAL));
    EXPECT_TRUE(shell::shellExecute("open", "C:\\Web\\browse.exe", "", "", shell::SW_SHOWNORMAL));
    EXPECT_TRUE(shell::winHelp("C:\\Help\\OruPIM.hlp", shell::HELP_FINDER, 0));
    shell::setOpenFailureReporter(std::move(previous));
    EXPECT_EQ(failures,
              (std::vector<shell::OpenFailure>{{"my list.dat", "the file does not exist."},
                                               {"C:\\Web\\browse.exe", "the file does not exist."},
                                               {"C:\\Help\\OruPIM.hlp", "the file does not exist."}}));
}

TEST(PlatformRecorders, PutBackWhatWasInstalledBefore) {
    // As the form framework installs the window system's beep (and the others) before a test records.
    std::vector<std::string> before;
    kernel::setBeepImplementation([&](unsigned) { before.push_back("beep"); });
    kernel::setSleepImplementation([&](std::uint32_t) { before.push_back("sleep"); });
    shell::setShellImplementation([&](const ShellRequest&) {
        before.push_back("shell");
        return true;
    });
    shell::setHelpImplementation([&](const HelpRequest&) {
        before.push_back("help");
        return true;
    });
    {
        testing::PlatformRecorders outer;
        {
            testing::PlatformRecorders inner;
            kernel::MessageBeep(kernel::MB_OK);
            EXPECT_EQ(inner.beep.types.size(), 1u);
        }
        kernel::MessageBeep(kernel::MB_OK);
        kernel::Sleep(10);
        EXPECT_EQ(outer.beep.types.size(), 1u);
        EXPECT_EQ(outer.clock.calls.size(), 1u);
    }
    EXPECT_TRUE(before.empty());
    kernel::MessageBeep(kernel::MB_OK);
    kernel::Sleep(1);
    shell::shellExecute("open", "x", "", "", shell::SW_SHOWNORMAL);
    shell::winHelp("x.hlp", shell::HELP_FINDER, 0);
    EXPECT_EQ(before, (std::vector<std::string>{"beep", "sleep", "shell", "help"}));

    kernel::setBeepImplementation({});
    kernel::setSleepImplementation({});
    shell::setShellImplementation({});
    shell::setHelpImplementation({});
}

} // namespace
} // namespace orupim
