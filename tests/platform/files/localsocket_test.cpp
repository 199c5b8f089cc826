// Connecting to a local server's socket: the reasons a connection is refused, the socket it gives, and a full
// queue of connections, refused until the deadline and taken once the server makes room.
#include "platform/files/localsocket.h"

#include "temproot.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace orupim::files {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A socket bound at `path`, listening with `backlog` when asked to; closed with the object.
class LocalServer {
public:
    LocalServer(const fs::path& path, bool listening, int backlog = 8) {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const sockaddr_un address = *localSocketAddress(path);
        bound_ = ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                 (!listening || ::listen(fd_, backlog) == 0);
    }
    ~LocalServer() { ::close(fd_); }
    LocalServer(const LocalServer&) = delete;
    LocalServer& operator=(const LocalServer&) = delete;

    bool ready() const { return bound_; }
    int fd() const { return fd_; }

private:
    int fd_ = -1;
    bool bound_ = false;
};

// Sockets closed with the object.
struct Sockets {
    std::vector<int> fds;
    ~Sockets() {
        for (int fd : fds)
            ::close(fd);
    }
};

TEST(LocalSocket, RefusalsGiveTheirReason) {
    const fs::path root = orupim::test::tempRoot();
    std::ofstream(root / "plain") << "not a socket";
    LocalServer bound(root / "bound", false);
    ASSERT_TRUE(bound.ready());
    struct Case {
        fs::path path;
        int error;
    };
    const Case cases[] = {
        {root / "missing", ENOENT},
        {root / "plain", ECONNREFUSED},
        {root / "bound", ECONNREFUSED}, // a socket nobody listens on
        {root / std::string(sizeof sockaddr_un{}.sun_path, 'x'), ENAMETOOLONG},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.filename().string());
        const LocalConnection connection = connectLocalSocket(c.path, Clock::now() + std::chrono::seconds(5));
        EXPECT_EQ(connection.socket, -1);
        EXPECT_EQ(connection.error, c.error);
    }
    EXPECT_FALSE(localSocketAddress(root / std::string(sizeof sockaddr_un{}.sun_path, 'x')));
}

TEST(LocalSocket, GivesAConnectedSocketThatNeitherBlocksNorOutlivesExec) {
    const fs::path path = orupim::test::tempRoot() / "server";
    LocalServer server(path, true);
    ASSERT_TRUE(server.ready());
    const LocalConnection connection = connectLocalSocket(path, Clock::now());
    ASSERT_GE(connection.socket, 0);
    Sockets sockets{{connection.socket}};
    EXPECT_EQ(connection.error, 0);
    EXPECT_TRUE(::fcntl(connection.socket, F_GETFL) & O_NONBLOCK);
    EXPECT_TRUE(::fcntl(connection.socket, F_GETFD) & FD_CLOEXEC);
    const int accepted = ::accept4(server.fd(), nullptr, nullptr, SOCK_CLOEXEC);
    ASSERT_GE(accepted, 0);
    sockets.fds.push_back(accepted);
    ASSERT_EQ(::send(connection.socket, "A", 1, MSG_NOSIGNAL), 1);
    char byte = 0;
    EXPECT_EQ(::recv(accepted, &byte, 1, 0), 1);
    EXPECT_EQ(byte, 'A');
}

TEST(LocalSocket, AFullQueueRefusesUntilTheDeadlineAndIsJoinedOnceTheServerMakesRoom) {
    const fs::path path = orupim::test::tempRoot() / "server";
    LocalServer server(path, true, 0);
    ASSERT_TRUE(server.ready());
    Sockets queued;
    for (int tries = 0; tries < 64; ++tries) {
        const LocalConnection connection = connectLocalSocket(path, Clock::now());
        if (connection.socket < 0) {
            ASSERT_EQ(connection.error, EAGAIN);
            break;
        }
        queued.fds.push_back(connection.socket);
    }
    ASSERT_FALSE(queued.fds.empty());
    EXPECT_EQ(connectLocalSocket(path, Clock::now()).error, EAGAIN) << "the queue stays full";

    // The server takes the queued connections a little later, while the next connect is trying again.
    Sockets accepted;
    std::thread taker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        for (std::size_t i = 0; i < queued.fds.size(); ++i)
            accepted.fds.push_back(::accept4(server.fd(), nullptr, nullptr, SOCK_CLOEXEC));
    });
    const LocalConnection connection = connectLocalSocket(path, Clock::now() + std::chrono::seconds(30));
    taker.join();
    Sockets joined{{connection.socket}};
    EXPECT_GE(connection.socket, 0);
    EXPECT_EQ(connection.error, 0);
}

} // namespace
} // namespace orupim::files
