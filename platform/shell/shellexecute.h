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
//
// A document that cannot be opened is never passed over in silence: when no program can be started for it,
// or the started program ends at once with a failure (within a few seconds, by its exit code), the user is
// told which document and why through the open-failure reporter, which the form framework makes a message
// box. The caller's answer is only whether a program was started.
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

// A document that could not be opened, and why, in the user's words.
struct OpenFailure {
    std::string document; // the first parameter (the file or address to open), else the program
    std::string reason;   // a sentence: "no program to open it is installed."

    bool operator==(const OpenFailure& other) const {
        return document == other.document && reason == other.reason;
    }
};

// The text the user reads: Cannot open "<document>": <reason>
std::string openFailureText(const OpenFailure& failure);

// The document that a request opens: its first parameter, else its program.
std::string requestDocument(const ShellRequest& request);

using OpenFailureReporter = std::function<void(const OpenFailure&)>;

// Hands the failure to the reporter (by default a line on standard error). The reporter may be called on
// any thread: a failure seen after the start comes from the thread that watched the program.
void reportOpenFailure(const OpenFailure& failure);

// Installs the reporter (an empty function brings back the default) and answers the one it replaces.
OpenFailureReporter setOpenFailureReporter(OpenFailureReporter reporter);

// Why a started program that ended at once failed: the desktop opener's exit codes have their own meaning.
std::string earlyEndReason(const std::filesystem::path& program, const EarlyEnd& end);

// How long a started program is watched for a failure at once.
constexpr std::chrono::milliseconds StartWatch{5000};

// Carries out the request; answers whether a program was started. The operation "open" (or an empty one, the
// default operation) is the only one there is: any other starts nothing.
bool shellExecute(std::string_view operation, std::string_view file, std::string_view parameters,
                  std::string_view directory, int showCommand);

// The real implementation: resolves the request and starts the host command detached, reporting a request
// that starts nothing and a program that fails at once.
bool hostShellExecute(const ShellRequest& request);

// The host command a request stands for, or nothing when there is none: an unknown operation, a program that
// cannot be found or executed, a working directory that does not exist.
std::optional<HostCommand> resolveShellRequest(const ShellRequest& request);

// As resolveShellRequest, with the reason in the user's words when there is no command.
struct ShellResolution {
    std::optional<HostCommand> command;
    std::string reason;
};
ShellResolution resolveShellRequestWithReason(const ShellRequest& request);

// Makes shellExecute call `implementation` instead; an empty function brings back the real one. Answers the
// implementation it replaces (empty for the real one).
ShellFunction setShellImplementation(ShellFunction implementation);

} // namespace orupim::shell
