#include "platform/shell/hostcommand.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace orupim::shell {

namespace {

// What the watcher process tells the caller, in two records: first whether the program started, then (when
// it was watched) how the watch ended.
enum class Outcome : int { Started, NotStarted, Exited, Signalled, Running };

struct Record {
    Outcome outcome;
    int value; // the error number, exit code or signal
};

void writeRecord(int fd, Outcome outcome, int value) {
    Record record{outcome, value};
    ssize_t written = ::write(fd, &record, sizeof record);
    (void)written;
}

bool readRecord(int fd, Record& record) {
    ssize_t got;
    while ((got = ::read(fd, &record, sizeof record)) < 0 && errno == EINTR) {
    }
    return got == static_cast<ssize_t>(sizeof record);
}

// Tells the watcher why the program did not start, and ends the process that tried.
[[noreturn]] void failInChild(int execPipe) {
    int error = errno;
    ssize_t written = ::write(execPipe, &error, sizeof error);
    (void)written;
    ::_exit(127);
}

// Runs in the started program's own process, between fork and exec: only async-signal-safe calls, on data
// prepared before the fork, since the caller may have other threads whose locks are copied held.
[[noreturn]] void execInChild(const char* program, char* const* argv, const char* directory, int execPipe) {
    if (directory && ::chdir(directory) != 0)
        failInChild(execPipe);
    int devNull = ::open("/dev/null", O_RDONLY);
    if (devNull < 0 || ::dup2(devNull, STDIN_FILENO) < 0)
        failInChild(execPipe);
    if (devNull != STDIN_FILENO)
        ::close(devNull);
    // Nothing the caller holds open (lock files, sockets, databases) may live on in the started program.
    ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    for (int signal : {SIGPIPE, SIGCHLD, SIGINT, SIGQUIT, SIGTERM, SIGHUP})
        ::sigaction(signal, &defaultAction, nullptr);
    ::execve(program, argv, environ);
    failInChild(execPipe);
}

long long nowMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

// The watcher process: starts the program as its child, says whether it started, then waits for it at most
// `watchMs` and says how that ended. Async-signal-safe calls only, as in the program's own process.
[[noreturn]] void watchInChild(const char* program, char* const* argv, const char* directory, int statusPipe,
                               long long watchMs) {
    int execPipe[2];
    if (::pipe2(execPipe, O_CLOEXEC) != 0) {
        writeRecord(statusPipe, Outcome::NotStarted, errno);
        ::_exit(0);
    }
    pid_t started = ::_Fork();
    if (started == 0) {
        ::close(execPipe[0]);
        execInChild(program, argv, directory, execPipe[1]);
    }
    ::close(execPipe[1]);
    if (started < 0) {
        writeRecord(statusPipe, Outcome::NotStarted, errno);
        ::_exit(0);
    }
    // The pipe closes without a word when the program's exec succeeded; a failing child writes its errno.
    int error = 0;
    ssize_t got;
    while ((got = ::read(execPipe[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    if (got > 0) {
        ::waitpid(started, nullptr, 0);
        writeRecord(statusPipe, Outcome::NotStarted, error);
        ::_exit(0);
    }
    writeRecord(statusPipe, Outcome::Started, 0);
    const long long deadline = nowMs() + watchMs;
    while (watchMs > 0) {
        int status = 0;
        pid_t ended = ::waitpid(started, &status, WNOHANG);
        if (ended == started) {
            if (WIFSIGNALED(status))
                writeRecord(statusPipe, Outcome::Signalled, WTERMSIG(status));
            else
                writeRecord(statusPipe, Outcome::Exited, WEXITSTATUS(status));
            ::_exit(0);
        }
        if (ended < 0 || nowMs() >= deadline)
            break;
        timespec pause{0, 10 * 1000 * 1000};
        ::nanosleep(&pause, nullptr);
    }
    if (watchMs > 0)
        writeRecord(statusPipe, Outcome::Running, 0);
    ::_exit(0);
}

// The threads that wait for watchers' last word. Ending the process stops them at once (a watch may last
// seconds) and joins them, so that none outlives what its handler uses.
class WatchThreads {
public:
    WatchThreads() {
        if (::pipe2(stop_, O_CLOEXEC) != 0)
            stop_[0] = stop_[1] = -1;
    }
    ~WatchThreads() {
        if (stop_[1] >= 0)
            ::close(stop_[1]); // every poll sees the hang-up
        std::lock_guard lock(mutex_);
        for (Watch& watch : threads_)
            watch.thread.join();
        if (stop_[0] >= 0)
            ::close(stop_[0]);
    }

    void watch(int statusFd, std::chrono::milliseconds watch, EarlyFailureHandler onFailure) {
        std::lock_guard lock(mutex_);
        joinFinished();
        auto done = std::make_shared<std::atomic<bool>>(false);
        std::thread thread([statusFd, watch, onFailure = std::move(onFailure), stopFd = stop_[0], done] {
            pollfd fds[2] = {{statusFd, POLLIN, 0}, {stopFd, POLLIN, 0}};
            // The watcher answers within its watch; the margin covers a loaded machine.
            const int timeout = static_cast<int>(watch.count()) + 5000;
            int ready;
            while ((ready = ::poll(fds, stopFd >= 0 ? 2 : 1, timeout)) < 0 && errno == EINTR) {
            }
            Record record{};
            if (ready > 0 && (fds[0].revents & POLLIN) && readRecord(statusFd, record)) {
                if (record.outcome == Outcome::Exited && record.value != 0)
                    onFailure(EarlyEnd{record.value, 0});
                else if (record.outcome == Outcome::Signalled)
                    onFailure(EarlyEnd{0, record.value});
            }
            ::close(statusFd);
            *done = true;
        });
        threads_.push_back({std::move(thread), std::move(done)});
    }

private:
    struct Watch {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };

    // Joins the threads whose watch is over, so that a long session does not gather them.
    void joinFinished() {
        for (auto watch = threads_.begin(); watch != threads_.end();) {
            if (*watch->done) {
                watch->thread.join();
                watch = threads_.erase(watch);
            } else {
                ++watch;
            }
        }
    }

    int stop_[2];
    std::mutex mutex_;
    std::vector<Watch> threads_;
};

WatchThreads& watchThreads() {
    static WatchThreads threads;
    return threads;
}

} // namespace

int startWatched(const HostCommand& command, std::chrono::milliseconds watch, EarlyFailureHandler onFailure) {
    std::string program = command.program.string();
    std::string directory = command.workingDirectory.string();
    std::vector<std::string> words;
    words.reserve(command.arguments.size() + 1);
    words.push_back(program);
    words.insert(words.end(), command.arguments.begin(), command.arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const long long watchMs = onFailure ? watch.count() : 0;
    if (onFailure)
        watchThreads(); // made before any watch, so it is ended after everything a handler may use

    int statusPipe[2];
    if (::pipe2(statusPipe, O_CLOEXEC) != 0)
        return errno;
    // The intermediate process only starts the watcher in a new session and ends, so the watcher and the
    // program are never our children.
    pid_t intermediate = ::fork();
    if (intermediate == 0) {
        ::close(statusPipe[0]);
        ::setsid();
        pid_t watcher = ::_Fork();
        if (watcher == 0)
            watchInChild(program.c_str(), argv.data(), directory.empty() ? nullptr : directory.c_str(),
                         statusPipe[1], watchMs);
        ::_exit(watcher < 0 ? 1 : 0);
    }
    ::close(statusPipe[1]);
    if (intermediate < 0) {
        int error = errno;
        ::close(statusPipe[0]);
        return error;
    }
    int status = 0;
    while (::waitpid(intermediate, &status, 0) < 0 && errno == EINTR) {
    }
    Record first{};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !readRecord(statusPipe[0], first)) {
        ::close(statusPipe[0]);
        return ECHILD;
    }
    if (first.outcome != Outcome::Started) {
        ::close(statusPipe[0]);
        return first.value != 0 ? first.value : ECHILD;
    }
    if (watchMs > 0)
        watchThreads().watch(statusPipe[0], watch, std::move(onFailure));
    else
        ::close(statusPipe[0]);
    return 0;
}

bool startDetached(const HostCommand& command) {
    return startWatched(command, std::chrono::milliseconds(0), {}) == 0;
}

} // namespace orupim::shell
