#include "platform/shell/shellexecute.h"

#include "platform/core/replaceable.h"
#include "platform/core/text.h"
#include "platform/files/drivepath.h"
#include "platform/files/hostprogram.h"
#include "platform/shell/commandline.h"
#include "platform/shell/programmap.h"
#include "platform/shell/suiteprogram.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace orupim::shell {

namespace {

void reportOnStandardError(const OpenFailure& failure) {
    std::fprintf(stderr, "%s\n", openFailureText(failure).c_str());
}

Replaceable<void(const OpenFailure&)>& failureReporter() {
    static Replaceable<void(const OpenFailure&)> reporter(reportOnStandardError);
    return reporter;
}

Replaceable<bool(const ShellRequest&)>& shell() {
    static Replaceable<bool(const ShellRequest&)> implementation(hostShellExecute);
    return implementation;
}

bool isFullDrivePath(std::string_view text) {
    return text.size() >= 3 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':' &&
           (text[2] == '\\' || text[2] == '/');
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

ShellResolution resolveShellRequestWithReason(const ShellRequest& request) {
    auto fail = [](std::string reason) { return ShellResolution{std::nullopt, std::move(reason)}; };
    if (!request.operation.empty() && !equalsIgnoreCase(request.operation, "open"))
        return fail("the operation \"" + request.operation + "\" is not known.");
    HostCommand command;
    if (auto mapped = ProgramMap::current().commandFor(request.file)) {
        const std::string& name = request.file;
        std::vector<std::string> words = splitCommandLine(*mapped);
        if (words.empty())
            return fail("no program is set for " + name + " in programs.ini.");
        auto program = findMappedProgram(words.front());
        if (!program)
            return fail("the program \"" + words.front() + "\" that programs.ini names for " + name +
                        " is not installed.");
        command.program = *program;
        command.arguments.assign(words.begin() + 1, words.end());
    } else {
        auto program = findProgram(request.file);
        if (!program)
            return fail("the program \"" + request.file + "\" was not found.");
        command.program = *program;
    }
    for (std::string& argument : splitCommandLine(request.parameters)) {
        std::filesystem::path host =
            isFullDrivePath(argument) ? files::toHost(argument) : std::filesystem::path();
        command.arguments.push_back(host.empty() ? std::move(argument) : host.string());
    }
    if (!request.directory.empty()) {
        command.workingDirectory = files::toHost(request.directory);
        std::error_code ec;
        if (command.workingDirectory.empty() || !std::filesystem::is_directory(command.workingDirectory, ec))
            return fail("the folder \"" + request.directory + "\" does not exist.");
    }
    return ShellResolution{std::move(command), {}};
}

std::optional<HostCommand> resolveShellRequest(const ShellRequest& request) {
    return resolveShellRequestWithReason(request).command;
}

std::string openFailureText(const OpenFailure& failure) {
    return "Cannot open \"" + failure.document + "\": " + failure.reason;
}

std::string requestDocument(const ShellRequest& request) {
    std::vector<std::string> parameters = splitCommandLine(request.parameters);
    return parameters.empty() ? request.file : parameters.front();
}

void reportOpenFailure(const OpenFailure& failure) {
    failureReporter()(failure);
}

OpenFailureReporter setOpenFailureReporter(OpenFailureReporter reporter) {
    return failureReporter().replace(std::move(reporter));
}

std::string earlyEndReason(const std::filesystem::path& program, const EarlyEnd& end) {
    const std::string name = program.filename().string();
    if (end.signal != 0)
        return "the program \"" + name + "\" was ended at once by signal " + std::to_string(end.signal) + ".";
    if (name == "xdg-open") {
        switch (end.exitCode) {
        case 1:
            return "the desktop's opener did not understand its command line.";
        case 2:
            return "the file does not exist.";
        case 3:
            return "no program to open it is installed.";
        case 4:
            return "the program that should open it failed.";
        default:
            break;
        }
    }
    return "the program \"" + name + "\" ended at once with exit code " + std::to_string(end.exitCode) + ".";
}

bool hostShellExecute(const ShellRequest& request) {
    const std::string document = requestDocument(request);
    ShellResolution resolution = resolveShellRequestWithReason(request);
    if (!resolution.command) {
        reportOpenFailure({document, resolution.reason});
        return false;
    }
    const std::filesystem::path program = resolution.command->program;
    failureReporter(); // made before the watch starts, so it outlives the thread that may call it
    int error = startWatched(*resolution.command, StartWatch, [document, program](const EarlyEnd& end) {
        reportOpenFailure({document, earlyEndReason(program, end)});
    });
    if (error != 0) {
        reportOpenFailure({document, "the program \"" + program.string() + "\" could not be started (" +
                                         std::strerror(error) + ")."});
        return false;
    }
    return true;
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
