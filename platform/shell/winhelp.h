// The help engine's entry point: the contents-and-index command opens a help file in the help viewer, the
// host command that <root>/programs.ini maps to winhlp32.exe. A help file named without a directory is the
// one in the running program's directory. A help file that does not exist is reported (reportOpenFailure) and
// nothing is started; the viewer runs on its own. Every call goes through a replaceable implementation, so
// tests can record it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orupim::shell {

// Help commands, as the old platform numbers them.
constexpr unsigned HELP_FINDER = 11; // the contents and index

// One help call as the caller made it.
struct HelpRequest {
    std::string helpFile;
    unsigned command = HELP_FINDER;
    unsigned long data = 0;

    bool operator==(const HelpRequest& other) const {
        return helpFile == other.helpFile && command == other.command && data == other.data;
    }
};

using HelpFunction = std::function<bool(const HelpRequest&)>;

// Carries out the help command; answers whether the viewer was started. HELP_FINDER is the only command the
// suite gives: any other does nothing and answers false.
bool winHelp(std::string_view helpFile, unsigned command, unsigned long data);

// The real implementation: starts the help viewer on the help file.
bool hostWinHelp(const HelpRequest& request);

// The drive path of a help file: as given when it names a directory, else in the program's directory.
std::string helpFilePath(std::string_view helpFile);

// Makes winHelp call `implementation` instead; an empty function brings back the real one. Answers the
// implementation it replaces (empty for the real one).
HelpFunction setHelpImplementation(HelpFunction implementation);

} // namespace orupim::shell
