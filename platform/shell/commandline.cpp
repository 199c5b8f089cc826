#include "platform/shell/commandline.h"

#include "platform/files/drivepath.h"

namespace orupim::shell {

std::vector<std::string> splitCommandLine(std::string_view text) {
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false; // a quote pair makes an argument even when it holds nothing
    bool quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inArgument)
                arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.push_back(std::move(current));
    return arguments;
}

std::string hostArgument(std::string_view argument) {
    std::filesystem::path host =
        files::isFullDrivePath(argument) ? files::toHost(argument) : std::filesystem::path();
    return host.empty() ? std::string(argument) : host.string();
}

} // namespace orupim::shell
