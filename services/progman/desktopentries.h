// Publishing Program Manager's groups to the host's menus, by the freedesktop.org rules: each item is an
// application entry $XDG_DATA_HOME/applications/orupim-<group>-<item>.desktop, each group a directory entry
// $XDG_DATA_HOME/desktop-directories/orupim-<group>.directory and a menu merge file
// $XDG_CONFIG_HOME/menus/applications-merged/orupim-<group>.menu that shows it as a submenu of the
// applications menu holding its items. An item's command line (a drive path and arguments, split by the
// command-line rules) becomes a host command line in Exec=, each argument quoted as the entry rules require;
// no shell ever sees it.
#pragma once

#include "services/progman/programgroups.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orupim::progman {

// One argument of Exec= as the entry rules quote it (before the value's own escapes).
std::string quoteExecArgument(std::string_view argument);
// A value of an entry key with the string escapes ("\\", "\n", "\t", "\r").
std::string escapeEntryValue(std::string_view value);

// The host program and arguments of an item's command line: every word that is a full drive path turned into
// its host path, and a program's ".exe" dropped when only the file without it exists.
std::vector<std::string> hostCommandLine(std::string_view commandLine);

// The Exec= value of an item (quoted and escaped, "%" doubled).
std::string execValue(std::string_view commandLine);

struct PublishedFiles {
    std::filesystem::path directoryEntry;
    std::filesystem::path menuFile;
    std::vector<std::filesystem::path> itemEntries;
};

// The file names of group `index` of `groups` (unique among the groups and among a group's items).
PublishedFiles publishedFiles(const std::vector<ProgramGroup>& groups, std::size_t index);

// Writes the files of group `index` atomically; false when one could not be written.
bool publishGroup(const std::vector<ProgramGroup>& groups, std::size_t index);

// Removes the files that `before` published and `after` no longer does (a deleted item or group).
void removeStaleEntries(const std::vector<ProgramGroup>& before, const std::vector<ProgramGroup>& after);

} // namespace orupim::progman
