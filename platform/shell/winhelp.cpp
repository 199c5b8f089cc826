#include "platform/shell/winhelp.h"

#include "platform/core/replaceable.h"
#include "platform/files/drivepath.h"
#include "platform/files/filesystem.h"
#include "platform/shell/shellexecute.h"

#include <system_error>

namespace orupim::shell {

namespace {
Replaceable<bool(const HelpRequest&)>& helpEngine() {
    static Replaceable<bool(const HelpRequest&)> implementation(hostWinHelp);
    return implementation;
}
} // namespace

std::string helpFilePath(std::string_view helpFile) {
    if (files::directoryOf(helpFile).empty())
        return files::programDirectory() + std::string(helpFile);
    return std::string(helpFile);
}

bool hostWinHelp(const HelpRequest& request) {
    if (request.command != HELP_FINDER || request.helpFile.empty())
        return false;
    const std::string path = helpFilePath(request.helpFile);
    // Tested here, not left to the viewer, so that a viewer mapped to an editor never makes an empty file.
    std::error_code error;
    const std::filesystem::path host = files::toHost(path);
    if (host.empty() || !std::filesystem::is_regular_file(host, error)) {
        reportOpenFailure({path, "the help file was not found."});
        return false;
    }
    // The viewer is started as the shell starts any program, with the file as its one (quoted) argument, so
    // that the program map and the drive-path translation apply alike.
    ShellRequest open{"open", "winhlp32.exe", "\"" + path + "\"", "", SW_SHOWNORMAL};
    return hostShellExecute(open);
}

bool winHelp(std::string_view helpFile, unsigned command, unsigned long data) {
    return helpEngine()(HelpRequest{std::string(helpFile), command, data});
}

HelpFunction setHelpImplementation(HelpFunction implementation) {
    return helpEngine().replace(std::move(implementation));
}

} // namespace orupim::shell
