// MessageBeep: the terminal bell by default (only on a terminal), or the implementation installed in its
// place.
#include "platform/kernel/messagebeep.h"

#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace orupim::kernel {
namespace {

// Points standard error at another file for the life of the object.
class StderrRedirect {
public:
    explicit StderrRedirect(int fd) : saved_(::dup(STDERR_FILENO)) { ::dup2(fd, STDERR_FILENO); }
    ~StderrRedirect() {
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }

private:
    int saved_;
};

// What can be read from `fd` within a short while (nothing when nothing comes).
std::string readAvailable(int fd) {
    std::string text;
    pollfd ready{fd, POLLIN, 0};
    while (::poll(&ready, 1, 200) == 1 && (ready.revents & POLLIN)) {
        char buffer[64];
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        text.append(buffer, std::size_t(n));
    }
    return text;
}

TEST(MessageBeep, RingsTheTerminalBellOnATerminal) {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0)
        GTEST_SKIP() << "this machine gives no pseudo-terminal";
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    int terminal = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    {
        StderrRedirect redirect(terminal);
        EXPECT_TRUE(MessageBeep(MB_ICONEXCLAMATION));
    }
    EXPECT_EQ(readAvailable(master), "\a");
    ::close(terminal);
    ::close(master);
}

TEST(MessageBeep, StaysSilentWhenStandardErrorIsNoTerminal) {
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    {
        StderrRedirect redirect(pipeEnds[1]);
        EXPECT_TRUE(MessageBeep(MB_OK));
    }
    ::close(pipeEnds[1]);
    EXPECT_EQ(readAvailable(pipeEnds[0]), "");
    ::close(pipeEnds[0]);
}

TEST(MessageBeep, GoesThroughTheInstalledImplementation) {
    std::vector<unsigned> types;
    BeepFunction previous = setBeepImplementation([&](unsigned type) { types.push_back(type); });
    EXPECT_FALSE(previous);
    EXPECT_TRUE(MessageBeep(MB_ICONEXCLAMATION));
    EXPECT_TRUE(MessageBeep(MB_ICONHAND));
    EXPECT_EQ(types, (std::vector<unsigned>{0x30, 0x10}));
    EXPECT_TRUE(setBeepImplementation(previous));
    MessageBeep(MB_OK);
    EXPECT_EQ(types.size(), 2u);
}

} // namespace
} // namespace orupim::kernel
