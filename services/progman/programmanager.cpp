#include "services/progman/programmanager.h"

#include "platform/core/text.h"
#include "platform/dde/commandparser.h"
#include "platform/shell/commandline.h"
#include "services/progman/desktopentries.h"
#include "services/progman/programgroups.h"

#include "platform/files/platformroot.h"

namespace orupim::progman {
namespace {

bool hasLineBreak(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments)
        if (argument.find_first_of("\r\n") != std::string::npos)
            return true;
    return false;
}

// The name of an item given none: its program's file name without the extension.
std::string programName(std::string_view commandLine) {
    std::vector<std::string> words = shell::splitCommandLine(commandLine);
    std::string name = words.empty() ? std::string() : words.front();
    std::size_t slash = name.find_last_of("\\/:");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

// Carries one command out on `groups`; answers the changed group's index, or throws the reason of a refusal.
std::size_t carryOut(const dde::DdeCommand& command, ProgramGroups& groups) {
    const std::vector<std::string>& arguments = command.arguments;
    if (hasLineBreak(arguments))
        throw std::invalid_argument(command.name + ": an argument holds a line break");
    if (equalsIgnoreCase(command.name, "CreateGroup")) {
        if (arguments.size() != 1 || arguments[0].empty())
            throw std::invalid_argument("CreateGroup takes a group name");
        return groups.createGroup(arguments[0]);
    }
    if (equalsIgnoreCase(command.name, "AddItem")) {
        if (arguments.empty() || arguments.size() > 2 || arguments[0].empty())
            throw std::invalid_argument("AddItem takes a command line and a name");
        std::string name =
            arguments.size() == 2 && !arguments[1].empty() ? arguments[1] : programName(arguments[0]);
        std::optional<std::size_t> index = groups.addItem(arguments[0], name);
        if (!index)
            throw std::invalid_argument("AddItem: no group has been created or shown");
        return *index;
    }
    throw std::invalid_argument("unknown command " + command.name);
}

} // namespace

ProgramManager::ProgramManager() : store_(files::platformRoot() / "progman.ini") {}

std::size_t ProgramManager::execute(std::string_view text, std::string* refusal) {
    std::string reason;
    std::size_t done = 0;
    dde::ParsedCommands parsed = dde::parseCommands(text);
    try {
        ProgramGroups groups = ProgramGroups::load(store_);
        for (const dde::DdeCommand& command : parsed.commands) {
            std::size_t changed = carryOut(command, groups);
            groups.save(store_);
            if (!publishGroup(groups.groups(), changed))
                throw StoreError("cannot write the menu entries of " + groups.groups()[changed].name);
            ++done;
        }
        if (!parsed.complete)
            reason = "malformed command";
    } catch (const std::exception& error) {
        reason = error.what();
    }
    if (refusal)
        *refusal = reason;
    return done;
}

} // namespace orupim::progman
