// A host program to start: its absolute path, its arguments and its working directory. Starting one is
// detached: the program runs in a session of its own, is never waited for and leaves no zombie behind (it is
// started by a short-lived intermediate process, so the host's init process becomes its parent).
#pragma once

#include <filesystem>
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

// Starts the command detached, with standard input from /dev/null, the caller's environment, no signal
// blocked, and none of the caller's files open beyond standard output and error. Answers whether the program
// was started (false when it could not be executed or its working directory could not be entered); never
// waits for it.
bool startDetached(const HostCommand& command);

} // namespace orupim::shell
