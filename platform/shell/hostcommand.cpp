#include "platform/shell/hostcommand.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace orupim::shell {

namespace {

// Tells the caller why the program did not start, and ends the process that tried.
[[noreturn]] void failInChild(int errorPipe) {
    int error = errno;
    ssize_t written = ::write(errorPipe, &error, sizeof error);
    (void)written;
    ::_exit(127);
}

// Runs in the started program's own process, between fork and exec: only async-signal-safe calls, on data
// prepared before the fork, since the caller may have other threads whose locks are copied held.
[[noreturn]] void execInChild(const char* program, char* const* argv, const char* directory, int errorPipe) {
    if (directory && ::chdir(directory) != 0)
        failInChild(errorPipe);
    int devNull = ::open("/dev/null", O_RDONLY);
    if (devNull < 0 || ::dup2(devNull, STDIN_FILENO) < 0)
        failInChild(errorPipe);
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
    failInChild(errorPipe);
}

} // namespace

bool startDetached(const HostCommand& command) {
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

    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0)
        return false;
    pid_t intermediate = ::fork();
    if (intermediate == 0) {
        ::close(errorPipe[0]);
        ::setsid();
        pid_t started = ::_Fork();
        if (started == 0)
            execInChild(program.c_str(), argv.data(), directory.empty() ? nullptr : directory.c_str(),
                        errorPipe[1]);
        ::_exit(started < 0 ? 1 : 0);
    }
    ::close(errorPipe[1]);
    if (intermediate < 0) {
        ::close(errorPipe[0]);
        return false;
    }
    int status = 0;
    while (::waitpid(intermediate, &status, 0) < 0 && errno == EINTR) {
    }
    // The pipe closes without a word when the program's exec succeeded; a failing child writes its errno.
    int error = 0;
    ssize_t got;
    while ((got = ::read(errorPipe[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(errorPipe[0]);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

} // namespace orupim::shell
