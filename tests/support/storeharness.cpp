#include "storeharness.h"

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <exception>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace orupim::test {
namespace {

// A write takes up to some milliseconds (most of it flushing); delays from none up to several writes land
// kills in every phase of a write.
constexpr long MaxDelayMicroseconds = 50000;

// A child's body: never returns, never runs the parent's exit handlers (the root belongs to the parent).
[[noreturn]] void runChild(const std::function<int()>& body) {
    ::alarm(60); // never outlive a parent that has given up waiting
    int status = 1;
    try {
        status = body();
    } catch (...) {
        status = 2;
    }
    ::_exit(status);
}

bool writeAll(int fd, const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        size -= std::size_t(n);
    }
    return true;
}

bool readExactly(int fd, void* data, std::size_t size) {
    char* bytes = static_cast<char*>(data);
    while (size > 0) {
        ssize_t n = ::read(fd, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        size -= std::size_t(n);
    }
    return true;
}

std::vector<int> readValues(int fd) {
    std::vector<int> values;
    int value;
    while (readExactly(fd, &value, sizeof value))
        values.push_back(value);
    return values;
}

int reap(pid_t child) {
    int status = -1;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

void sleepMicroseconds(long microseconds) {
    timespec delay{microseconds / 1000000, (microseconds % 1000000) * 1000};
    while (::nanosleep(&delay, &delay) != 0 && errno == EINTR) {
    }
}

} // namespace

std::string storeNameOfThisTest() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test ? std::string(test->test_suite_name()) + "_" + test->name() : "store";
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

int temporaryFilesOf(const std::filesystem::path& file) {
    const std::string prefix = file.filename().string() + ".tmp";
    int count = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(file.parent_path(), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        count += name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0;
    }
    return count;
}

KillFigures killWritersRepeatedly(const StoreUnderTest& store, int kills) {
    KillFigures figures;
    std::set<int> confirmed;
    int next = 0;
    for (int kill = 0; kill < kills; ++kill) {
        int confirmations[2];
        if (::pipe(confirmations) != 0)
            throw std::runtime_error("no pipe");
        const int first = next;
        next += 100000;
        pid_t child = ::fork();
        if (child < 0)
            throw std::runtime_error("no fork");
        if (child == 0) {
            ::close(confirmations[0]);
            runChild([&] {
                auto write = store.makeWriter();
                for (int value = first; value < first + 100000; ++value)
                    if (write(value) && !writeAll(confirmations[1], &value, sizeof value))
                        return 3;
                return 0;
            });
        }
        ::close(confirmations[1]);
        // The delay runs from the writer's first confirmed write, so that every kill meets a writer at work
        // however slow the machine is; delays spread evenly over the range, in no growing order.
        int firstConfirmed;
        if (readExactly(confirmations[0], &firstConfirmed, sizeof firstConfirmed))
            confirmed.insert(firstConfirmed);
        sleepMicroseconds((kill * 7919L) % MaxDelayMicroseconds);
        ::kill(child, SIGKILL);
        reap(child);
        ++figures.kills;
        for (int value : readValues(confirmations[0]))
            confirmed.insert(value);
        ::close(confirmations[0]);
        // Each writer's first write removes what the kill before left, so this counts each leftover once.
        figures.temporariesAfterKills += temporaryFilesOf(store.file);
        try {
            std::set<int> held = store.values();
            for (int value : confirmed)
                figures.lost += held.count(value) == 0;
            // A value lost once is counted once: later checks look only for what has been confirmed since.
            for (auto it = confirmed.begin(); it != confirmed.end();)
                it = held.count(*it) ? std::next(it) : confirmed.erase(it);
        } catch (const std::exception& error) {
            std::printf("[ damaged  ] %s after kill %d: %s\n", store.name.c_str(), kill, error.what());
            ++figures.damaged;
        }
    }
    figures.confirmed = int(confirmed.size());
    store.makeWriter()(next);
    figures.temporariesLeft = temporaryFilesOf(store.file);
    std::printf(
        "[ figures  ] %s: %d kills, %d damaged, %d confirmed, %d lost, %d temporary files left by the "
        "kills, %d after the next write\n",
        store.name.c_str(), figures.kills, figures.damaged, figures.confirmed, figures.lost,
        figures.temporariesAfterKills, figures.temporariesLeft);
    return figures;
}

ConcurrencyFigures writeConcurrently(const StoreUnderTest& store, int writers, int valuesEach) {
    ConcurrencyFigures figures;
    figures.writers = writers;
    int start[2];
    if (::pipe(start) != 0)
        throw std::runtime_error("no pipe");
    std::vector<pid_t> children;
    for (int writer = 0; writer < writers; ++writer) {
        pid_t child = ::fork();
        if (child < 0)
            break;
        if (child == 0) {
            ::close(start[1]);
            runChild([&] {
                auto write = store.makeWriter();
                char ignored;
                while (::read(start[0], &ignored, 1) < 0 && errno == EINTR) {
                } // every writer waits here until the parent closes the pipe
                int failed = 0;
                for (int i = 0; i < valuesEach; ++i)
                    failed += !write(writer * 100000 + i);
                return failed == 0 ? 0 : 4;
            });
        }
        children.push_back(child);
    }
    ::close(start[0]);
    ::close(start[1]);
    for (pid_t child : children) {
        int status = reap(child);
        figures.failed += !(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::set<int> held = store.values();
    for (int writer = 0; writer < writers; ++writer)
        for (int i = 0; i < valuesEach; ++i) {
            ++figures.written;
            figures.lost += held.count(writer * 100000 + i) == 0;
        }
    std::printf(
        "[ figures  ] %s: %d concurrent writers, %d values, %d lost, %d writers with a failed write\n",
        store.name.c_str(), figures.writers, figures.written, figures.lost, figures.failed);
    return figures;
}

void expectKilledWritersHarmNothing(const StoreUnderTest& store, int kills) {
    const KillFigures figures = killWritersRepeatedly(store, kills);
    EXPECT_EQ(figures.damaged, 0);
    EXPECT_EQ(figures.lost, 0);
    EXPECT_GT(figures.confirmed, 0);
    EXPECT_EQ(figures.temporariesLeft, 0);
}

void expectConcurrentWritersLoseNothing(const StoreUnderTest& store, int writers, int valuesEach) {
    const ConcurrencyFigures figures = writeConcurrently(store, writers, valuesEach);
    EXPECT_EQ(figures.failed, 0);
    EXPECT_EQ(figures.lost, 0);
}

} // namespace orupim::test
