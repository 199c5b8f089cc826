#include "services/progman/programmanager.h"

#include "platform/core/text.h"
#include "platform/shell/commandline.h"
#include "services/progman/commandparser.h"
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

bool isCommand(const DdeCommand& command, const char* name) {
    return equalsIgnoreCase(command.name, name);
}

// Carries one command out on `groups`; answers the index of the group whose entries are to be written again
// (none when a group was deleted), or throws the reason of a refusal.
std::optional<std::size_t> carryOut(const DdeCommand& command, ProgramGroups& groups) {
    const std::vector<std::string>& arguments = command.arguments;
    if (hasLineBreak(arguments))
        throw std::invalid_argument(command.name + ": an argument holds a line break");
    if (isCommand(command, "CreateGroup")) {
        if (arguments.size() != 1 || arguments[0].empty())
            throw std::invalid_argument("CreateGroup takes a group name");
        return groups.createGroup(arguments[0]);
    }
    if (isCommand(command, "AddItem")) {
        if (arguments.empty() || arguments.size() > 2 || arguments[0].empty())
            throw std::invalid_argument("AddItem takes a command line and a name");
        std::string name =
            arguments.size() == 2 && !arguments[1].empty() ? arguments[1] : programName(arguments[0]);
        std::optional<std::size_t> index = groups.addItem(arguments[0], name);
        if (!index)
            throw std::invalid_argument("AddItem: no group has been created or shown");
        return *index;
    }
    // The show command and the common-group flag of the old Program Manager change nothing here.
    if (isCommand(command, "ShowGroup")) {
        if (arguments.empty() || arguments.size() > 3 || arguments[0].empty())
            throw std::invalid_argument("ShowGroup takes a group name");
        std::optional<std::size_t> index = groups.showGroup(arguments[0]);
        if (!index)
            throw std::invalid_argument("ShowGroup: there is no group " + arguments[0]);
        return *index;
    }
    if (isCommand(command, "DeleteItem")) {
        if (arguments.size() != 1 || arguments[0].empty())
            throw std::invalid_argument("DeleteItem takes an item name");
        std::optional<std::size_t> index = groups.deleteItem(arguments[0]);
        if (!index)
            throw std::invalid_argument("DeleteItem: the active group has no item " + arguments[0]);
        return *index;
    }
    if (isCommand(command, "DeleteGroup")) {
        if (arguments.empty() || arguments.size() > 2 || arguments[0].empty())
            throw std::invalid_argument("DeleteGroup takes a group name");
        if (!groups.deleteGroup(arguments[0]))
            throw std::invalid_argument("DeleteGroup: there is no group " + arguments[0]);
        return std::nullopt;
    }
    throw std::invalid_argument("unknown command " + command.name);
}

} // namespace

ProgramManager::ProgramManager() : store_(files::platformRoot() / "progman.ini") {}

std::size_t ProgramManager::execute(std::string_view text, std::string* refusal) {
    std::string reason;
    std::size_t done = 0;
    ParsedCommands parsed = parseCommands(text);
    try {
        ProgramGroups groups = ProgramGroups::load(store_);
        for (const DdeCommand& command : parsed.commands) {
            const std::vector<ProgramGroup> before = groups.groups();
            std::optional<std::size_t> changed = carryOut(command, groups);
            groups.save(store_);
            if (changed && !publishGroup(groups.groups(), *changed))
                throw StoreError("cannot write the menu entries of " + groups.groups()[*changed].name);
            removeStaleEntries(before, groups.groups());
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
