// The server under clients that misbehave: slow, flooding, too many, of another user, or a listener that
// takes no one. Every case runs a server of its own on a thread and stops it; deadlines are shortened so the
// cases stay quick, and the times the other clients waited are recorded as the test's properties.
#include "platform/dde/server.h"

#include "ddetestsupport.h"
#include "platform/core/replaceable.h"
#include "platform/dde/channel.h"
#include "platform/dde/conversation.h"
#include "platform/dde/servicestarter.h"
#include "platform/files/platformroot.h"
#include "silentprogrammanager.h"

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orupim::dde {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

long long millisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<milliseconds>(Clock::now() - start).count();
}

int connectRaw() {
    return connectToService("PROGMAN", Clock::now() + milliseconds(500));
}

bool sendBytes(int socket, const std::string& bytes) {
    return ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
}

// Whether the server closed the connection before the deadline (any answers before the end are passed over).
bool closedByServer(int socket, Clock::time_point deadline) {
    for (;;) {
        auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
        pollfd entry{socket, POLLIN, 0};
        if (left <= 0 || ::poll(&entry, 1, static_cast<int>(left)) <= 0)
            return false;
        char buffer[256];
        ssize_t got = ::recv(socket, buffer, sizeof buffer, MSG_DONTWAIT);
        if (got == 0 || (got < 0 && errno == ECONNRESET))
            return true;
    }
}

// One whole conversation as the setup run holds it; answers how long it took, or -1 when it failed.
long long converse() {
    auto start = Clock::now();
    Conversation conversation("PROGMAN", "PROGMAN");
    bool done = conversation.open() && conversation.execute("[CreateGroup(Tools)]\r\n");
    return done ? millisecondsSince(start) : -1;
}

class ServerUnderLoad : public ::testing::Test {
protected:
    Replacement<Conversation::WaitFunction> replyTimeout{Conversation::setReplyTimeout,
                                                         [] { return milliseconds(2000); }};
    test::Received received;
    Replacement<StartFunction> noStart{setServiceStarter, [](std::string_view) { return false; }};
};

TEST_F(ServerUnderLoad, ASlowClientHoldsNobodyAndIsDroppedAtTheFrameDeadline) {
    Server server("PROGMAN", "PROGMAN", [&](const std::string& text) { return received.add(text); },
                  {.frame = milliseconds(600)});
    server.start();
    // A topic frame announcing 100 bytes, sent a byte every 100 ms: it would take ten seconds.
    int slow = connectRaw();
    ASSERT_GE(slow, 0);
    std::string frame = encodeFrame({topicFrame, std::string(100, 'P')});
    std::atomic<bool> stop = false;
    std::thread trickle([&] {
        for (char byte : frame) {
            if (stop || !sendBytes(slow, std::string(1, byte)))
                return;
            std::this_thread::sleep_for(milliseconds(100));
        }
    });
    auto start = Clock::now();
    std::this_thread::sleep_for(milliseconds(150));
    long long waited = converse();
    EXPECT_GE(waited, 0) << "the slow client held the server";
    EXPECT_TRUE(closedByServer(slow, start + milliseconds(3000)));
    long long dropped = millisecondsSince(start);
    EXPECT_LT(dropped, 3000);
    stop = true;
    trickle.join();
    ::close(slow);
    RecordProperty("other_client_ms", std::to_string(waited));
    RecordProperty("slow_client_dropped_after_ms", std::to_string(dropped));
}

// Conversations held one after another for a while beside some load: how many, how many failed, the slowest.
struct Beside {
    int conversations = 0;
    int failed = 0;
    long long slowest = 0;
};
Beside conversationsFor(milliseconds duration) {
    Beside result;
    for (auto start = Clock::now(); Clock::now() - start < duration; ++result.conversations) {
        long long waited = converse();
        result.failed += waited < 0;
        result.slowest = std::max(result.slowest, waited);
    }
    return result;
}

TEST_F(ServerUnderLoad, AFloodOfFramesWhoseAnswersAreNeverTakenHoldsNobody) {
    Server server("PROGMAN", "PROGMAN", [&](const std::string& text) { return received.add(text); },
                  {.idle = milliseconds(500)});
    server.start();
    std::atomic<bool> stop = false;
    std::atomic<int> sent = 0;
    std::thread flood([&] {
        std::string burst = encodeFrame({topicFrame, "PROGMAN"});
        for (int i = 0; i < 64; ++i)
            burst += encodeFrame({executeFrame, "[CreateGroup(Flood)]"});
        while (!stop) {
            int socket = connectRaw();
            while (socket >= 0 && !stop && sendBytes(socket, burst))
                ++sent;
            if (socket >= 0)
                ::close(socket);
        }
    });
    while (sent < 8)
        std::this_thread::yield();
    Beside beside = conversationsFor(milliseconds(1000));
    stop = true;
    flood.join();
    EXPECT_EQ(beside.failed, 0) << "of " << beside.conversations;
    RecordProperty("slowest_other_client_ms", std::to_string(beside.slowest));
}

// How many descriptors the process has open now.
int openDescriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

// The process's descriptor limit lowered to `spare` above what is open now, while the object lives.
class DescriptorLimit {
public:
    explicit DescriptorLimit(int spare) {
        getrlimit(RLIMIT_NOFILE, &saved_);
        rlimit tight = saved_;
        tight.rlim_cur = static_cast<rlim_t>(openDescriptors() + spare);
        lowered_ = setrlimit(RLIMIT_NOFILE, &tight) == 0;
    }
    ~DescriptorLimit() { setrlimit(RLIMIT_NOFILE, &saved_); }
    bool lowered() const { return lowered_; }

private:
    rlimit saved_{};
    bool lowered_ = false;
};

// Descriptors closed, and a child process killed and reaped, when the object goes, however the test ends.
struct Leftovers {
    std::vector<int> sockets;
    pid_t child = 0;
    ~Leftovers() {
        for (int socket : sockets)
            ::close(socket);
        if (child > 0) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
    }
};

// Another process opens a thousand connections and holds them, more than the server has descriptors for.
TEST_F(ServerUnderLoad, AFloodOfHeldConnectionsShutsNobodyOut) {
    Server server("PROGMAN", "PROGMAN", [&](const std::string& text) { return received.add(text); });
    server.start();
    const sockaddr_un address = *serviceAddress("PROGMAN");
    int ready[2];
    ASSERT_EQ(::pipe2(ready, O_CLOEXEC), 0);
    Leftovers leftovers;
    leftovers.sockets = {ready[0]};
    pid_t flooder = fork();
    if (flooder == 0) {
        // Only async-signal-safe calls after fork in a threaded process; it never outlives the test.
        alarm(60);
        const timespec pause{0, 1000000};
        int held = 0;
        for (int tries = 0; held < 1000 && tries < 20000; ++tries) {
            int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
            if (socket < 0)
                break;
            if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
                ++held;
            } else {
                ::close(socket);
                nanosleep(&pause, nullptr);
            }
        }
        [[maybe_unused]] ssize_t told = ::write(ready[1], &held, sizeof held);
        for (;;)
            ::pause();
    }
    leftovers.child = flooder;
    ::close(ready[1]);
    DescriptorLimit limit(100);
    ASSERT_TRUE(limit.lowered());
    int held = 0;
    pollfd done{ready[0], POLLIN, 0};
    ASSERT_EQ(::poll(&done, 1, 20000), 1);
    ASSERT_EQ(::read(ready[0], &held, sizeof held), static_cast<ssize_t>(sizeof held));

    Beside beside = conversationsFor(milliseconds(1000));
    EXPECT_GT(held, 100);
    EXPECT_GT(beside.conversations, 0);
    EXPECT_EQ(beside.failed, 0) << "of " << beside.conversations;
    RecordProperty("held_connections", std::to_string(held));
    RecordProperty("slowest_other_client_ms", std::to_string(beside.slowest));
}

double processorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Names the topic on a raw connection; whether the server answered before the wait ran out (it cannot answer
// a connection it has no descriptor to take).
bool answered(int socket, milliseconds wait) {
    if (!sendBytes(socket, encodeFrame({topicFrame, "PROGMAN"})))
        return false;
    pollfd entry{socket, POLLIN, 0};
    char reply = 0;
    return ::poll(&entry, 1, static_cast<int>(wait.count())) == 1 && ::recv(socket, &reply, 1, 0) == 1 &&
           reply == acceptedReply;
}

TEST_F(ServerUnderLoad, RunningOutOfDescriptorsNeitherSpinsNorShutsOutTheNextClient) {
    Server server("PROGMAN", "PROGMAN", [&](const std::string& text) { return received.add(text); },
                  {.idle = milliseconds(3000)});
    server.start();
    Replacement longerReplyTimeout(Conversation::setReplyTimeout, [] { return milliseconds(4000); });
    Leftovers clients;
    DescriptorLimit limit(40);
    ASSERT_TRUE(limit.lowered());
    // Two descriptors kept aside: one for a client left waiting, one for the conversation after the
    // exhaustion.
    int spares[2] = {::open("/dev/null", O_RDONLY | O_CLOEXEC), ::open("/dev/null", O_RDONLY | O_CLOEXEC)};
    // Each connection is taken and answered before the next is made, so that the server, not this thread that
    // shares its descriptors, runs out first and the queue holds only the one client it could not take.
    bool oneWaits = false;
    for (int socket; !oneWaits && (socket = connectRaw()) >= 0;) {
        clients.sockets.push_back(socket);
        oneWaits = !answered(socket, milliseconds(1000));
    }
    if (!oneWaits) {
        ::close(spares[0]);
        int socket = connectRaw();
        ASSERT_GE(socket, 0);
        clients.sockets.push_back(socket);
    }
    EXPECT_GT(clients.sockets.size(), 10u);

    // While the waiting client cannot be taken, the server rests instead of polling the listener again.
    double before = processorSeconds();
    std::this_thread::sleep_for(milliseconds(1000));
    double busy = processorSeconds() - before;
    EXPECT_LT(busy, 0.3) << "the server spun while out of descriptors";

    // The quiet connections are dropped at the idle deadline, and the next client is served.
    auto exhausted = Clock::now();
    ::close(spares[1]);
    long long waited = converse();
    EXPECT_GE(waited, 0);
    if (oneWaits)
        ::close(spares[0]);
    RecordProperty("processor_ms_while_exhausted", std::to_string(static_cast<int>(busy * 1000)));
    RecordProperty("next_client_served_after_ms", std::to_string(millisecondsSince(exhausted)));
}

TEST_F(ServerUnderLoad, AConnectionToAListenerThatTakesNoOneTimesOut) {
    orupim::test::SilentProgramManager hung(0);
    ASSERT_TRUE(hung.listening());
    // Fill the queue, so that a blocking connect would wait for ever.
    std::optional<sockaddr_un> address = serviceAddress("PROGMAN");
    Leftovers queued;
    for (int i = 0; i < 64; ++i) {
        int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        queued.sockets.push_back(socket);
        if (::connect(socket, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0)
            break;
    }
    Replacement shortReplyTimeout(Conversation::setReplyTimeout, [] { return milliseconds(300); });
    auto start = Clock::now();
    EXPECT_EQ(converse(), -1);
    EXPECT_LT(millisecondsSince(start), 3000);
}

// The permission bits of a path, or -1 when it does not exist.
int modeOf(const std::filesystem::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? static_cast<int>(status.st_mode & 0777) : -1;
}

// A platform root not made yet, under the test's own, in use at a chosen umask while the object lives.
class FreshRootAtUmask {
public:
    explicit FreshRootAtUmask(mode_t mask)
        : previousRoot_(files::platformRoot()), previousMask_(::umask(mask)) {
        path_ = previousRoot_ / ("fresh-" + std::to_string(mask));
        setenv("ORUPIM_ROOT", path_.c_str(), 1);
    }
    ~FreshRootAtUmask() {
        ::umask(previousMask_);
        setenv("ORUPIM_ROOT", previousRoot_.c_str(), 1);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previousRoot_;
    mode_t previousMask_;
    std::filesystem::path path_;
};

TEST(ServerAccess, TheDirectoryAndSocketAreTheOwnersAloneWhateverTheUmask) {
    for (mode_t mask : {0000, 0002, 0022}) {
        SCOPED_TRACE(mask);
        FreshRootAtUmask root(mask);
        {
            Server server("PROGMAN", "PROGMAN", nullptr);
            EXPECT_EQ(modeOf(root.path()), 0700);
            EXPECT_EQ(modeOf(root.path() / "dde"), 0700);
            EXPECT_EQ(modeOf(serviceSocketPath("PROGMAN")), 0600);
        }
        // A directory left open to others by an earlier run is closed again.
        std::filesystem::permissions(root.path() / "dde", std::filesystem::perms::all);
        { Server again("PROGMAN", "PROGMAN", nullptr); }
        EXPECT_EQ(modeOf(root.path() / "dde"), 0700);
    }
}

// Paths given other modes for a while; each gets its own back when the object goes.
class OpenedUp {
public:
    void open(const std::filesystem::path& path, mode_t mode) {
        struct stat status {};
        if (::stat(path.c_str(), &status) == 0 && ::chmod(path.c_str(), mode) == 0)
            saved_.emplace_back(path, status.st_mode & 07777);
    }
    ~OpenedUp() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
            ::chmod(it->first.c_str(), it->second);
    }

private:
    std::vector<std::pair<std::filesystem::path, mode_t>> saved_;
};

TEST(ServerAccess, APeerOfAnotherUserIsTurnedAway) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to connect as another user";
    test::Received received;
    Server server("PROGMAN", "PROGMAN", [&](const std::string& text) { return received.add(text); });
    server.start();
    // Opened up here only so that the other user can reach the socket at all: the socket and the test's own
    // directories above it, each closed again afterwards.
    std::filesystem::path socketPath = serviceSocketPath("PROGMAN");
    const std::filesystem::path root = files::platformRoot();
    OpenedUp opened;
    if (root.parent_path().parent_path() == std::filesystem::temp_directory_path())
        opened.open(root.parent_path(), 0711); // the case's own temporary directory
    opened.open(root, 0711);
    opened.open(root / "dde", 0711);
    opened.open(socketPath, 0666);
    std::string wire =
        encodeFrame({topicFrame, "PROGMAN"}) + encodeFrame({executeFrame, "[AddItem(/tmp/evil.sh,Evil)]"});
    const sockaddr_un address = *serviceAddress("PROGMAN");
    pid_t child = fork();
    if (child == 0) {
        // Only async-signal-safe calls after fork in a threaded process; it never outlives the test.
        alarm(10);
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(3);
        int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
            _exit(2);
        [[maybe_unused]] ssize_t sent = ::send(socket, wire.data(), wire.size(), MSG_NOSIGNAL);
        char reply = 0;
        _exit(::read(socket, &reply, 1) == 1 ? 1 : 0); // 0: dropped without an answer
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(received.count(), 0u);
}

} // namespace
} // namespace orupim::dde
