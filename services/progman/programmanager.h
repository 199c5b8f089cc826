// Carrying out Program Manager's commands: [CreateGroup(name)] creates the group or shows the existing one,
// and succeeds either way; [AddItem(command line[, name])] adds an item at the end of the group created or
// shown last (named after its program when no name is given); [ShowGroup(name[, show command])] makes an
// existing group the active one; [DeleteItem(name)] removes an item of the active group and
// [DeleteGroup(name)] a group with its items, each with its menu entries. Every other command, a missing
// group or item, a command with the wrong arguments, a name or command line with a line break, an item before
// any group, or a malformed text is refused, and the commands after the first refused one are not carried
// out. After each command the groups are saved to <root>/progman.ini, the changed group is published to the
// host's menus and the entries of what was deleted are removed.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orupim::progman {

class ProgramManager {
public:
    // The store in the platform root.
    ProgramManager();
    explicit ProgramManager(std::filesystem::path store) : store_(std::move(store)) {}

    // Carries out the commands of one execute transaction; answers how many were carried out, and sets
    // `refusal` (when given) to why the first refused one was refused (empty when none was).
    std::size_t execute(std::string_view text, std::string* refusal = nullptr);

private:
    std::filesystem::path store_;
};

} // namespace orupim::progman
