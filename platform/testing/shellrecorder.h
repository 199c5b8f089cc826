// Replaces the shell's start of programs and the help engine for the life of the object: nothing is started,
// each request is recorded as it was made, and the calls answer `answer` (true unless a test sets otherwise).
// With `failure` set, each request is also reported as a document that could not be opened for that reason,
// as the host shell reports one, so a test sees the message the user would read.
#pragma once

#include "platform/core/replaceable.h"
#include "platform/shell/shellexecute.h"
#include "platform/shell/winhelp.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace orupim::testing {

class ShellRecorder {
public:
    ShellRecorder();
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;

    std::vector<shell::ShellRequest> starts; // each shellExecute, in order
    std::vector<shell::HelpRequest> helps;   // each winHelp, in order
    bool answer = true;
    std::optional<std::string> failure;

private:
    Replacement<shell::ShellFunction> shellReplacement_;
    Replacement<shell::HelpFunction> helpReplacement_;
};

} // namespace orupim::testing

namespace orupim::shell {
// Readable failure messages for tests that compare requests.
std::ostream& operator<<(std::ostream& out, const ShellRequest& request);
std::ostream& operator<<(std::ostream& out, const HelpRequest& request);
} // namespace orupim::shell
