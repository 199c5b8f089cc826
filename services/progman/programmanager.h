// Carrying out Program Manager's commands: [CreateGroup(name)] creates the group or shows the existing one,
// and succeeds either way; [AddItem(command line[, name])] adds an item at the end of the group created or
// shown last (named after its program when no name is given). Every other command, a command with the wrong
// arguments, a name or command line with a line break, an item before any group, or a malformed text is
// refused, and the commands after the first refused one are not carried out. After each command the groups
// are saved to <root>/progman.ini and the changed group is published to the host's menus; a command counts as
// carried out only once its group's entries are written.
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

    // Brings the menu entries in line with the stored groups (desktopentries.h), as every start does; answers
    // why that failed, or nothing. A damaged store is reported and its entries are left as they are.
    std::string publishAll();

private:
    std::filesystem::path store_;
};

} // namespace orupim::progman
