// The real Program Manager program, started by the DDE client because no server answers, carrying out the
// setup's commands before it answers them and exiting by itself once idle.
#include "menutest.h"
#include "platform/dde/channel.h"
#include "platform/dde/conversation.h"
#include "platform/dde/servicestarter.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace orupim::progman {
namespace {

// The server's process id, asked of the socket itself.
pid_t serverProcess() {
    int socket = dde::connectToService("PROGMAN");
    if (socket < 0)
        return 0;
    ucred credentials{};
    socklen_t size = sizeof credentials;
    getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &credentials, &size);
    ::close(socket);
    return credentials.pid;
}

// Whether a process has ended (gone, or a zombie its new parent has not reaped yet).
bool hasEnded(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return true;
    std::size_t close = line.rfind(')');
    return close != std::string::npos && line.substr(close + 2, 1) == "Z";
}

// Waits for the process to end; kills it when it does not, so that no test leaves it running.
bool waitForEnd(pid_t pid, std::chrono::seconds limit) {
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (!hasEnded(pid)) {
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(pid, SIGKILL);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

using ProgmanProcess = MenuTest;

TEST_F(ProgmanProcess, ClientStartsTheServerWhichCarriesOutAndExitsWhenIdle) {
    setenv("ORUPIM_PROGMAN_IDLE_MS", "300", 1);
    ASSERT_TRUE(dde::findServiceProgram("PROGMAN").has_value());

    dde::Conversation conversation("PROGMAN", "PROGMAN");
    ASSERT_TRUE(conversation.open());
    pid_t server = serverProcess();
    ASSERT_GT(server, 0);
    EXPECT_NE(server, getpid());
    // An item before any group cannot be carried out: the client hears so and may send it again.
    EXPECT_FALSE(conversation.execute("[AddItem(c:\\tmp\\App\\app.exe,My App)]\r\n"));
    EXPECT_TRUE(conversation.execute("[CreateGroup(Tools)]\r\n"));
    EXPECT_TRUE(conversation.execute("[AddItem(c:\\tmp\\App\\app.exe,My App)]\r\n"));
    // Accepted means written: the entry is there the moment the answer is.
    EXPECT_TRUE(std::filesystem::exists(applications() / "orupim-tools-my_app.desktop"));
    conversation.close();

    ASSERT_TRUE(waitForEnd(server, std::chrono::seconds(10)));
    EXPECT_FALSE(std::filesystem::exists(dde::serviceSocketPath("PROGMAN")));
    EXPECT_TRUE(std::filesystem::exists(store()));

    // Once it has gone, the next conversation starts it again.
    ASSERT_TRUE(conversation.open());
    pid_t second = serverProcess();
    ASSERT_GT(second, 0);
    EXPECT_NE(second, server);
    conversation.close();
    EXPECT_TRUE(waitForEnd(second, std::chrono::seconds(10)));
    unsetenv("ORUPIM_PROGMAN_IDLE_MS");
}

} // namespace
} // namespace orupim::progman
