// Starting programs: how a request becomes a host command (the program map, drive paths, $PATH, the working
// directory), and real detached starts of a small reporting program.
#include "platform/shell/shellexecute.h"

#include "hostbin.h"
#include "platform/core/replaceable.h"

#include <algorithm>
#include <condition_variable>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <mutex>
#include <sys/wait.h>
#include <unistd.h>

namespace orupim::shell {

// Readable failure messages for tests that compare failures.
std::ostream& operator<<(std::ostream& out, const OpenFailure& failure) {
    return out << openFailureText(failure);
}

namespace {

using test::hostBin;
using test::makeHostFile;
using test::makeReporter;
using test::useOnlyHostBin;
using test::waitForReport;
using test::waitUntilEnded;

namespace fs = std::filesystem;

fs::path driveC() {
    return orupim::test::tempRoot() / "drive_c";
}

class ShellExecute : public ::testing::Test {
protected:
    void SetUp() override {
        useOnlyHostBin();
        makeHostFile("editor", "#!/bin/sh\n");
        makeHostFile("tool", "#!/bin/sh\n");
        makeHostFile("plain", "#!/bin/sh\n", 0644);
        fs::create_directories(driveC() / "Apps");
        fs::create_directories(driveC() / "Work");
        std::ofstream(driveC() / "Apps" / "OruFLX") << "#!/bin/sh\n";
        fs::permissions(driveC() / "Apps" / "OruFLX", fs::perms(0755));
        std::ofstream(driveC() / "Apps" / "readme.txt") << "text\n";
        std::ofstream(orupim::test::tempRoot() / "programs.ini")
            << "[Programs]\r\nnotepad.exe=editor "
               "--standalone\r\nbroken.exe=\r\nmissing.exe=no-such-program\r\n"
               "local.exe=/bin/true -x\r\n";
        fs::current_path(driveC());
    }
};

// Collects the reported failures, from whichever thread reports them.
class FailureCollector {
public:
    FailureCollector()
        : reporter_(setOpenFailureReporter, [this](const OpenFailure& failure) {
              std::lock_guard lock(mutex_);
              failures_.push_back(failure);
              arrived_.notify_all();
          }) {}

    // The failures once `count` have come (at most ten seconds), sorted by document.
    std::vector<OpenFailure> waitFor(std::size_t count) {
        std::unique_lock lock(mutex_);
        arrived_.wait_for(lock, std::chrono::seconds(10), [&] { return failures_.size() >= count; });
        std::vector<OpenFailure> sorted = failures_;
        std::sort(sorted.begin(), sorted.end(),
                  [](const OpenFailure& a, const OpenFailure& b) { return a.document < b.document; });
        return sorted;
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<OpenFailure> failures_;
    Replacement<OpenFailureReporter> reporter_;
};

TEST_F(ShellExecute, ResolvesRequestsToHostCommands) {
    struct Case {
        ShellRequest request;
        HostCommand command;
    };
    const fs::path bin = hostBin();
    const Case cases[] = {
        {{"open", "notepad.exe", "oruflx.dat", "C:\\Apps\\", SW_SHOWNORMAL},
         {bin / "editor", {"--standalone", "oruflx.dat"}, driveC() / "Apps"}},
        {{"", "NOTEPAD.EXE", "", "", SW_SHOWNORMAL}, {bin / "editor", {"--standalone"}, ""}},
        {{"OPEN", "C:\\WINDOWS\\notepad.exe", "instruct.txt", "c:\\apps", SW_SHOWNORMAL},
         {bin / "editor", {"--standalone", "instruct.txt"}, driveC() / "Apps"}},
        {{"open", "local.exe", "", "", SW_SHOWNORMAL}, {"/bin/true", {"-x"}, ""}},
        {{"open", "tool", "http://www.example.com/faqs/pim.txt", "", SW_SHOWNORMAL},
         {bin / "tool", {"http://www.example.com/faqs/pim.txt"}, ""}},
        {{"open", "tool.exe", "a  \"b c\"", "", SW_SHOWNORMAL}, {bin / "tool", {"a", "b c"}, ""}},
        {{"open", "C:\\APPS\\oruflx.exe", "\"c:\\apps\\My File.txt\" -x relative\\x.txt", "C:\\Work",
          SW_SHOWNORMAL},
         {driveC() / "Apps" / "OruFLX",
          {(driveC() / "Apps" / "My File.txt").string(), "-x", "relative\\x.txt"},
          driveC() / "Work"}},
        {{"open", "Apps\\OruFLX", "Z:\\usr\\bin", "", SW_SHOWNORMAL},
         {driveC() / "Apps" / "OruFLX", {"/usr/bin"}, ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.request.file + " " + c.request.parameters);
        auto command = resolveShellRequest(c.request);
        ASSERT_TRUE(command.has_value());
        EXPECT_EQ(command->program, c.command.program);
        EXPECT_EQ(command->arguments, c.command.arguments);
        EXPECT_EQ(command->workingDirectory, c.command.workingDirectory);
    }
}

TEST_F(ShellExecute, StartsNothingWithoutAProgramOrItsDirectory) {
    const ShellRequest cases[] = {
        {"print", "tool", "", "", SW_SHOWNORMAL}, // no such operation
        {"edit", "notepad.exe", "a.txt", "", SW_SHOWNORMAL},
        {"open", "no-such-program", "", "", SW_SHOWNORMAL}, // not on $PATH
        {"open", "plain", "", "", SW_SHOWNORMAL},           // not executable
        {"open", "C:\\Apps\\readme.txt", "", "", SW_SHOWNORMAL},
        {"open", "C:\\Apps", "", "", SW_SHOWNORMAL}, // a directory
        {"open", "Q:\\tool", "", "", SW_SHOWNORMAL}, // unmapped drive
        {"open", "", "", "", SW_SHOWNORMAL},
        {"open", "missing.exe", "", "", SW_SHOWNORMAL},     // mapped to a program that is not there
        {"open", "broken.exe", "", "", SW_SHOWNORMAL},      // mapped to nothing
        {"open", "tool", "", "C:\\Missing", SW_SHOWNORMAL}, // working directory missing
        {"open", "tool", "", "C:\\Apps\\readme.txt", SW_SHOWNORMAL},
        {"open", "tool", "", "Q:\\", SW_SHOWNORMAL},
    };
    for (const ShellRequest& request : cases) {
        SCOPED_TRACE(request.operation + " " + request.file + " in " + request.directory);
        EXPECT_FALSE(resolveShellRequest(request).has_value());
        EXPECT_FALSE(shellExecute(request.operation, request.file, request.parameters, request.directory,
                                  request.showCommand));
    }
}

TEST_F(ShellExecute, SaysWhichDocumentCouldNotBeOpenedAndWhy) {
    makeHostFile("garbage", "\x7f"
                            "ELF but not really\n");
    struct Case {
        ShellRequest request;
        OpenFailure failure;
    };
    const Case cases[] = {
        {{"print", "tool", "a.txt", "", SW_SHOWNORMAL}, {"a.txt", "the operation \"print\" is not known."}},
        {{"open", "broken.exe", "oruflx.dat", "", SW_SHOWNORMAL},
         {"oruflx.dat", "no program is set for broken.exe in programs.ini."}},
        {{"open", "missing.exe", "\"my notes.txt\" -x", "", SW_SHOWNORMAL},
         {"my notes.txt",
          "the program \"no-such-program\" that programs.ini names for missing.exe is not installed."}},
        {{"open", "C:\\Web\\browse.exe", "http://www.example.com/", "", SW_SHOWNORMAL},
         {"http://www.example.com/", "the program \"C:\\Web\\browse.exe\" was not found."}},
        {{"open", "notepad.exe", "instruct.txt", "C:\\Missing\\", SW_SHOWNORMAL},
         {"instruct.txt", "the folder \"C:\\Missing\\\" does not exist."}},
        {{"open", "garbage", "", "", SW_SHOWNORMAL},
         {"garbage", "the program \"" + (hostBin() / "garbage").string() +
                         "\" could not be started (Exec format error)."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.request.file);
        FailureCollector collector;
        EXPECT_FALSE(shellExecute(c.request.operation, c.request.file, c.request.parameters,
                                  c.request.directory, c.request.showCommand));
        std::vector<OpenFailure> failures = collector.waitFor(1);
        ASSERT_EQ(failures.size(), 1u);
        EXPECT_EQ(failures.front(), c.failure);
    }
}

TEST_F(ShellExecute, SaysWhenTheStartedProgramFailsAtOnce) {
    makeHostFile("fine", "#!/bin/sh\nexit 0\n");
    makeHostFile("xdg-open", "#!/bin/sh\nexit \"$1\"\n");
    makeHostFile("failing", "#!/bin/sh\nexit 7\n");
    makeHostFile("crashing", "#!/bin/sh\nkill -9 $$\n");
    FailureCollector collector;
    const std::pair<const char*, const char*> starts[] = {
        {"fine", "ok.txt"}, {"xdg-open", "1"}, {"xdg-open", "2"},        {"xdg-open", "3"},
        {"xdg-open", "4"},  {"xdg-open", "9"}, {"failing", "seven.txt"}, {"crashing", "core.txt"},
    };
    for (const auto& [program, parameters] : starts)
        EXPECT_TRUE(shellExecute("open", program, parameters, "", SW_SHOWNORMAL)) << program;
    const std::vector<OpenFailure> expected = {
        {"1", "the desktop's opener did not understand its command line."},
        {"2", "the file does not exist."},
        {"3", "no program to open it is installed."},
        {"4", "the program that should open it failed."},
        {"9", "the program \"xdg-open\" ended at once with exit code 9."},
        {"core.txt", "the program \"crashing\" was ended at once by signal 9."},
        {"seven.txt", "the program \"failing\" ended at once with exit code 7."},
    };
    EXPECT_EQ(collector.waitFor(expected.size()), expected);
    // The program that ended well started first; by now its watch is long over, and it said nothing.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(collector.waitFor(expected.size()).size(), expected.size());
}

TEST_F(ShellExecute, StartsTheProgramDetached) {
    makeReporter();
    // A descriptor the caller holds open must not reach the started program.
    int held = ::open(orupim::test::tempRoot().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(held, 0);
    setenv("LEAK_FD", std::to_string(held).c_str(), 1);

    fs::path report = driveC() / "Work" / "report.txt";
    EXPECT_TRUE(shellExecute("open", "reporter", "C:\\WORK\\report.txt \"two words\" 'q' $HOME", "C:\\Work\\",
                             SW_SHOWNORMAL));
    ::close(held);
    auto lines = waitForReport(report);
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 8u);
    const std::string pid = lines->back();
    EXPECT_TRUE(waitUntilEnded(pid));
    EXPECT_EQ((*lines)[0], (driveC() / "Work").string());
    EXPECT_NE((*lines)[1], std::to_string(::getsid(0))) << "runs in a session of its own";
    EXPECT_EQ((*lines)[2], "/dev/null");
    EXPECT_EQ((*lines)[3], "closed");
    EXPECT_EQ((std::vector<std::string>(lines->begin() + 4, lines->end() - 1)),
              (std::vector<std::string>{"two words", "'q'", "$HOME"}));
    // The intermediate process is reaped and the program is not our child: nothing of ours is left.
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(ShellExecute, ReportsAProgramThatCannotBeExecuted) {
    makeHostFile("garbage", "\x7f"
                            "ELF but not really\n");
    HostCommand command{hostBin() / "garbage", {}, {}};
    EXPECT_FALSE(startDetached(command));
    command = HostCommand{"/bin/true", {}, driveC() / "Gone"};
    EXPECT_FALSE(startDetached(command));
    command = HostCommand{driveC() / "no-such-program", {}, {}};
    EXPECT_FALSE(startDetached(command));
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
}

} // namespace
} // namespace orupim::shell
