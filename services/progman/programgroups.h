// Program Manager's groups and their items, kept in <root>/progman.ini: a [Program Manager] section naming
// the group created or shown last (Active=), then one [Group] section per group in creation order with its
// Name= and, per item in order, an Item= line (the item's name) followed by its Command= line (its command
// line as given, a drive path and arguments). Values are taken byte for byte after the first "=" (lines end
// in LF, one CR before it belonging to the line end; platform/core/textlines.h); the file is written whole
// and atomically. A file that does not read this way is reported and never written over.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orupim::progman {

struct ProgramItem {
    std::string name;
    std::string commandLine;
    bool operator==(const ProgramItem& other) const {
        return name == other.name && commandLine == other.commandLine;
    }
};

struct ProgramGroup {
    std::string name;
    std::vector<ProgramItem> items;
};

class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ProgramGroups {
public:
    // The groups of the file; none when it does not exist. Throws StoreError when it cannot be read.
    static ProgramGroups load(const std::filesystem::path& file);
    // Throws StoreError when the file cannot be written.
    void save(const std::filesystem::path& file) const;

    // Creates the group at the end, or finds it (names match without regard to case); either way it becomes
    // the active group. Answers its index.
    std::size_t createGroup(std::string_view name);
    // Adds the item at the end of the active group, or replaces the command of the item of the same name
    // there (names match without regard to case), so that installing again gives no second entry. Answers
    // the group's index, or nothing when no group has been created or shown.
    std::optional<std::size_t> addItem(std::string_view commandLine, std::string_view name);

    // Makes an existing group the active group; answers its index, or nothing when there is no such group.
    std::optional<std::size_t> showGroup(std::string_view name);
    // Removes the item of that name from the active group; answers the group's index, or nothing when there
    // is no active group or no such item in it.
    std::optional<std::size_t> deleteItem(std::string_view name);
    // Removes the group of that name with its items; answers whether there was one.
    bool deleteGroup(std::string_view name);

    const std::vector<ProgramGroup>& groups() const { return groups_; }
    const ProgramGroup* active() const;

private:
    // The index of the group of that name (without regard to case), and of the active group.
    std::optional<std::size_t> groupIndex(std::string_view name) const;
    std::optional<std::size_t> activeIndex() const;

    std::vector<ProgramGroup> groups_;
    std::string active_;
};

} // namespace orupim::progman
