#include "services/progman/itemcommand.h"

#include "platform/core/text.h"
#include "platform/files/drivepath.h"
#include "platform/files/hostprogram.h"
#include "platform/shell/commandline.h"
#include "platform/shell/documentopener.h"
#include "platform/shell/shellexecute.h"

#include <filesystem>
#include <system_error>

namespace orupim::progman {
namespace {

std::string_view extensionOf(std::string_view name) {
    std::size_t slash = name.find_last_of("\\/:");
    std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return {};
    return name.substr(dot);
}

bool endsInExe(std::string_view name) {
    return equalsIgnoreCase(extensionOf(name), ".exe");
}

bool isProgramExtension(std::string_view extension) {
    for (const char* known : {"", ".exe", ".com", ".bat", ".cmd", ".pif"})
        if (equalsIgnoreCase(extension, known))
            return true;
    return false;
}

bool isFile(const std::filesystem::path& host) {
    std::error_code ignored;
    return !host.empty() && std::filesystem::is_regular_file(host, ignored);
}

// The host file a drive path names, or the file without its ".exe" when only that exists.
std::filesystem::path existingFile(std::string_view drivePath) {
    std::filesystem::path host = files::toHost(drivePath);
    if (isFile(host))
        return host;
    if (endsInExe(drivePath)) {
        std::filesystem::path bare = files::toHost(drivePath.substr(0, drivePath.size() - 4));
        if (isFile(bare))
            return bare;
    }
    return {};
}

std::size_t programLength(std::string_view commandLine) {
    std::vector<std::size_t> ends;
    for (std::size_t i = 0; i < commandLine.size(); ++i)
        if (commandLine[i] == ' ' || commandLine[i] == '\t')
            ends.push_back(i);
    ends.push_back(commandLine.size());
    if (files::isFullDrivePath(commandLine))
        for (std::size_t end : ends)
            if (!existingFile(commandLine.substr(0, end)).empty())
                return end;
    for (std::size_t end : ends)
        if (endsInExe(commandLine.substr(0, end)))
            return end;
    return ends.front();
}

// Whether a program word names a document: an existing file no one may execute, or a missing one whose
// extension is not a program's. `host` is the existing file, if any.
bool isDocument(const std::string& program, const std::filesystem::path& host) {
    return host.empty() ? !isProgramExtension(extensionOf(program)) : !files::isExecutableFile(host);
}

} // namespace

ItemCommand splitItemCommand(std::string_view commandLine) {
    ItemCommand command;
    std::size_t start = commandLine.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return command;
    commandLine.remove_prefix(start);
    std::size_t programEnd = commandLine[0] == '"' ? 0 : programLength(commandLine);
    command.arguments = shell::splitCommandLine(commandLine.substr(programEnd));
    if (programEnd > 0) {
        command.program = std::string(commandLine.substr(0, programEnd));
    } else if (!command.arguments.empty()) {
        command.program = std::move(command.arguments.front());
        command.arguments.erase(command.arguments.begin());
    }
    return command;
}

std::string programNameOf(std::string_view commandLine) {
    std::string name = splitItemCommand(commandLine).program;
    std::size_t slash = name.find_last_of("\\/:");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

HostItem hostItem(std::string_view commandLine) {
    ItemCommand command = splitItemCommand(commandLine);
    HostItem item;
    if (command.program.empty())
        return item;
    // Started as the shell starts a program: through the program map, or as the host program it names.
    if (auto started = shell::resolveShellRequest({"open", command.program, "", ""})) {
        item.words.push_back(started->program.string());
        item.words.insert(item.words.end(), started->arguments.begin(), started->arguments.end());
    } else {
        std::filesystem::path host =
            files::isFullDrivePath(command.program) ? existingFile(command.program) : std::filesystem::path();
        if (isDocument(command.program, host)) {
            item.document = true;
            item.words = {shell::kDocumentOpener,
                          host.empty() ? shell::hostArgument(command.program) : host.string()};
            return item;
        }
        // A program not installed yet, named as it will be.
        item.words.push_back(shell::hostArgument(command.program));
    }
    for (const std::string& argument : command.arguments)
        item.words.push_back(shell::hostArgument(argument));
    return item;
}

} // namespace orupim::progman
