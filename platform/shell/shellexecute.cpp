#include "platform/shell/shellexecute.h"

#include "platform/core/replaceable.h"
#include "platform/core/text.h"
#include "platform/files/drivepath.h"
#include "platform/files/hostprogram.h"
#include "platform/shell/commandline.h"
#include "platform/shell/programmap.h"

#include <system_error>

namespace orupim::shell {

namespace {

Replaceable<bool(const ShellRequest&)>& shell() {
    static Replaceable<bool(const ShellRequest&)> implementation(hostShellExecute);
    return implementation;
}

bool hasDirectory(std::string_view file) {
    return file.find_first_of("\\/:") != std::string_view::npos;
}

// The name itself, then (when it ends in ".exe") the name without it: the suite's own programs and the host's
// have no extension.
std::vector<std::string> nameVariants(std::string_view file) {
    std::vector<std::string> variants{std::string(file)};
    if (file.size() > 4 && equalsIgnoreCase(file.substr(file.size() - 4), ".exe"))
        variants.emplace_back(file.substr(0, file.size() - 4));
    return variants;
}

std::optional<std::filesystem::path> findProgram(std::string_view file) {
    for (const std::string& name : nameVariants(file)) {
        if (hasDirectory(name)) {
            std::filesystem::path host = files::toHost(name);
            if (!host.empty() && files::isExecutableFile(host))
                return host;
        } else if (auto found = files::findHostProgram(name)) {
            return found;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<HostCommand> resolveShellRequest(const ShellRequest& request) {
    if (!request.operation.empty() && !equalsIgnoreCase(request.operation, "open"))
        return std::nullopt;
    HostCommand command;
    if (auto mapped = ProgramMap::current().commandFor(request.file)) {
        std::vector<std::string> words = splitCommandLine(*mapped);
        if (words.empty())
            return std::nullopt;
        auto program = files::findHostProgram(words.front());
        if (!program)
            return std::nullopt;
        command.program = *program;
        command.arguments.assign(words.begin() + 1, words.end());
    } else {
        auto program = findProgram(request.file);
        if (!program)
            return std::nullopt;
        command.program = *program;
    }
    for (const std::string& argument : splitCommandLine(request.parameters))
        command.arguments.push_back(hostArgument(argument));
    if (!request.directory.empty()) {
        command.workingDirectory = files::toHost(request.directory);
        std::error_code ec;
        if (command.workingDirectory.empty() || !std::filesystem::is_directory(command.workingDirectory, ec))
            return std::nullopt;
    }
    return command;
}

bool hostShellExecute(const ShellRequest& request) {
    auto command = resolveShellRequest(request);
    return command && startDetached(*command);
}

bool shellExecute(std::string_view operation, std::string_view file, std::string_view parameters,
                  std::string_view directory, int showCommand) {
    return shell()(ShellRequest{std::string(operation), std::string(file), std::string(parameters),
                                std::string(directory), showCommand});
}

ShellFunction setShellImplementation(ShellFunction implementation) {
    return shell().replace(std::move(implementation));
}

} // namespace orupim::shell
