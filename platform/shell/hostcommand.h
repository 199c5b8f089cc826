// A host program to start: its absolute path, its arguments and its working directory. Starting one is
// detached: the program runs in a session of its own, is never waited for and leaves no zombie behind (it is
// started by a short-lived intermediate process, so the host's init process becomes its parent).
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace orupim::shell {

struct HostCommand {
    std::filesystem::path program;          // absolute host path of the executable
    std::vector<std::string> arguments;     // the arguments after the program's own name
    std::filesystem::path workingDirectory; // empty: the caller's current directory

    bool operator==(const HostCommand& other) const {
        return program == other.program && arguments == other.arguments &&
               workingDirectory == other.workingDirectory;
    }
};

// How a started program ended soon after its start: its exit code, or the signal that ended it.
struct EarlyEnd {
    int exitCode = 0;
    int signal = 0; // non-zero: ended by this signal
};

// Called, on a thread of its own, when a watched program ends with a failure within its watch time.
using EarlyFailureHandler = std::function<void(const EarlyEnd&)>;

// Starts the command detached, with standard input from /dev/null, the caller's environment, no signal
// blocked, and none of the caller's files open beyond standard output and error. Answers 0 when the program
// was started, else the error number of the failed start (it could not be executed or its working directory
// could not be entered); never waits for it. With a handler, a watcher process looks at the program for up to
// `watch` and the handler hears of an exit code other than 0 or a signal in that time; the program itself
// runs on untouched, and the watcher ends with the watch.
int startWatched(const HostCommand& command, std::chrono::milliseconds watch, EarlyFailureHandler onFailure);

// Starts the command detached without watching it; answers whether it was started.
bool startDetached(const HostCommand& command);

} // namespace orupim::shell
