// The real Program Manager program, started by the DDE client because no server answers, carrying out the
// setup's commands, refusing those it cannot carry out, and exiting by itself once idle.
#include "platform/dde/channel.h"
#include "platform/dde/conversation.h"
#include "platform/dde/servicestarter.h"
#include "platform/files/platformroot.h"
#include "progmanprogram.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace orupim::progman {
namespace {

class ProgmanProcess : public ::testing::Test {
protected:
    ProgmanProcess() {
        std::filesystem::remove_all(root / "xdg");
        std::filesystem::remove(root / "progman.ini");
        std::filesystem::remove(root / "programs.ini");
        setenv("XDG_DATA_HOME", (root / "xdg/data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root / "xdg/config").c_str(), 1);
        setenv("ORUPIM_PROGMAN_IDLE_MS", "300", 1);
        test::useBuiltProgramManager();
    }
    // Closes the conversation and waits for the server to exit by itself (killed if it does not).
    static bool endsWhenIdle(dde::Conversation& conversation, pid_t server) {
        conversation.close();
        return test::awaitProgramManagerExit(server);
    }

    std::filesystem::path root = files::platformRoot();
};

TEST_F(ProgmanProcess, ClientStartsTheServerWhichCarriesOutAndExitsWhenIdle) {

    dde::Conversation conversation("PROGMAN", "PROGMAN");
    ASSERT_TRUE(conversation.open());
    pid_t server = test::programManagerProcess();
    ASSERT_GT(server, 0);
    EXPECT_NE(server, getpid());
    EXPECT_TRUE(conversation.execute("[CreateGroup(Tools)]\r\n"));
    EXPECT_TRUE(conversation.execute("[AddItem(c:\\tmp\\App\\app.exe,My App)]\r\n"));
    ASSERT_TRUE(endsWhenIdle(conversation, server));
    EXPECT_FALSE(std::filesystem::exists(dde::serviceSocketPath("PROGMAN")));
    EXPECT_TRUE(std::filesystem::exists(root / "xdg/data/applications/orupim-tools-my-app.desktop"));
    EXPECT_TRUE(std::filesystem::exists(root / "progman.ini"));

    // Once it has gone, the next conversation starts it again.
    ASSERT_TRUE(conversation.open());
    pid_t second = test::programManagerProcess();
    ASSERT_GT(second, 0);
    EXPECT_NE(second, server);
    EXPECT_TRUE(endsWhenIdle(conversation, second));
}

// What it cannot carry out it refuses, and the client hears so; a damaged store refuses everything and is
// kept.
TEST_F(ProgmanProcess, RefusesWhatItCannotCarryOut) {
    struct Case {
        const char* command;
        bool accepted;
    };
    const Case cases[] = {
        {"[AddItem(c:\\tmp\\app.exe,App)]\r\n", false}, // no group created or shown yet
        {"[DeleteGroup(Tools)]\r\n", false},            // a command it does not know
        {"[CreateGroup(Tools)\r\n", false},             // malformed
        {"[CreateGroup(Tools)]\r\n", true},
        {"[AddItem(c:\\tmp\\app.exe,App)]\r\n", true},
        {"[AddItem(c:\\tmp\\app.exe)][AddItem()]\r\n", false}, // the second has no command line
    };
    dde::Conversation conversation("PROGMAN", "PROGMAN");
    ASSERT_TRUE(conversation.open());
    pid_t server = test::programManagerProcess();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(conversation.execute(c.command), c.accepted);
        EXPECT_TRUE(conversation.isOpen());
    }
    const std::string damaged = "[Program Manager]\r\nthis line is no setting\r\n";
    std::ofstream(root / "progman.ini", std::ios::binary) << damaged;
    EXPECT_FALSE(conversation.execute("[CreateGroup(Other)]\r\n"));
    EXPECT_FALSE(conversation.execute("[AddItem(c:\\tmp\\other.exe,Other)]\r\n"));
    ASSERT_TRUE(endsWhenIdle(conversation, server));
    std::ifstream kept(root / "progman.ini", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), damaged);
    EXPECT_FALSE(std::filesystem::exists(root / "xdg/data/applications/orupim-other-other.desktop"));
}

} // namespace
} // namespace orupim::progman
