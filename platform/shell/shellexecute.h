// The shell's "open": starts a program with a parameters text and a working directory, as the programs start
// Notepad on their list and notices files and the web browser on a page. The program runs on its own; the
// caller never waits for it. Every start goes through a replaceable implementation, so tests can record the
// requests instead of starting anything.
//
// How a request becomes a host command: a program name of the old platform listed in <root>/programs.ini
// (notepad.exe) is started as the host command mapped to it; any other file is a host program, named by a
// drive path (turned into its host path) or by a bare name (searched in $PATH); either may drop an ".exe" the
// host program does not have. The parameters are split by the command-line rules, and an argument that is a
// full drive path ("C:\x.txt") is handed on as its host path, which is all a host program can open. The
// working directory is a drive path; empty keeps the caller's.
#pragma once

#include "platform/shell/hostcommand.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orupim::shell {

// Show commands, as the old platform numbers them. The host's window manager places the started program's
// windows, so the show command is passed on to no one; it is kept in the request for tests.
constexpr int SW_SHOWNORMAL = 1;

// One request as the caller made it.
struct ShellRequest {
    std::string operation;
    std::string file;
    std::string parameters;
    std::string directory;
    int showCommand = SW_SHOWNORMAL;

    bool operator==(const ShellRequest& other) const {
        return operation == other.operation && file == other.file && parameters == other.parameters &&
               directory == other.directory && showCommand == other.showCommand;
    }
};

using ShellFunction = std::function<bool(const ShellRequest&)>;

// Carries out the request; answers whether a program was started. The operation "open" (or an empty one, the
// default operation) is the only one there is: any other starts nothing.
bool shellExecute(std::string_view operation, std::string_view file, std::string_view parameters,
                  std::string_view directory, int showCommand);

// The real implementation: resolves the request and starts the host command detached.
bool hostShellExecute(const ShellRequest& request);

// The host command a request stands for, or nothing when there is none: an unknown operation, a program that
// cannot be found or executed, a working directory that does not exist.
std::optional<HostCommand> resolveShellRequest(const ShellRequest& request);

// Makes shellExecute call `implementation` instead; an empty function brings back the real one. Answers the
// implementation it replaces (empty for the real one).
ShellFunction setShellImplementation(ShellFunction implementation);

} // namespace orupim::shell
