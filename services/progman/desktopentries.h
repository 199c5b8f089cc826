// Publishing Program Manager's groups to the host's menus, by the freedesktop.org rules: each item is an
// application entry $XDG_DATA_HOME/applications/orupim-<group>-<item>.desktop, each group a directory entry
// $XDG_DATA_HOME/desktop-directories/orupim-<group>.directory and a menu merge file
// $XDG_CONFIG_HOME/menus/applications-merged/orupim-<group>.menu that shows it as a submenu of the
// applications menu holding its items.
//
// File names come from the group's and the item's names together, encoded so that different names (without
// regard to case, as Program Manager matches them) never share a file: lower-case letters and digits stay,
// a blank becomes "_", any other byte "X" and its two hex digits, and "-" joins the parts. A name that would
// be too long is cut and made unique by a hash. Every file written carries the names it belongs to
// (X-OruPIM-Group=, X-OruPIM-Item=); a file of that name that belongs to something else is left alone and
// the next free name ("-2", "-3", ...) is taken instead.
//
// Names are converted to UTF-8 (a package of the old platform writes them in Windows-1252) and escaped for
// the entries; the merge file names the submenu by its file names alone, which need no XML escapes and leave
// the shown name to the directory entry. An item's command line becomes Exec= host words (itemcommand.h),
// each quoted as the entry rules require; no shell ever sees it. Every entry names a theme icon.
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

// The host program and arguments of an item's command line (itemcommand.h).
std::vector<std::string> hostCommandLine(std::string_view commandLine);

// The Exec= value of an item (quoted and escaped, "%" doubled).
std::string execValue(std::string_view commandLine);

struct PublishedFiles {
    std::filesystem::path directoryEntry;
    std::filesystem::path menuFile;
    std::vector<std::filesystem::path> itemEntries;
};

// The files of a group and its items, as they are or will be written.
PublishedFiles publishedFiles(const ProgramGroup& group);

// Writes the files of a group atomically; false when one could not be written.
bool publishGroup(const ProgramGroup& group);

// Removes the files of a group (only those that belong to it); false when one could not be removed.
bool removeGroupEntries(const ProgramGroup& group);

// Brings the published files in line with the groups: every group written again, and every file of ours
// that belongs to no group or item any more removed. Program Manager does this at every start, which repairs
// a crash between saving the groups and writing their files. False when a file could not be written.
bool publishAllGroups(const std::vector<ProgramGroup>& groups);

// Removes the files of ours that `before` had and `after` no longer does (a deleted item or group).
void removeStaleEntries(const std::vector<ProgramGroup>& before, const std::vector<ProgramGroup>& after);

} // namespace orupim::progman
