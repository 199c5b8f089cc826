// Taking an installed product away again, from what its uninstall record says the installation made: the
// program files it copied (never a file the user added), the destination directory once it is empty, the
// record itself, the values the package wrote under its base key (and the keys they leave empty), the
// product's uninstall entry, and its Program Manager items (the whole group when nothing else is in it),
// whose menu entries Program Manager removes with them. Files the package copied into the Windows directory
// are shared with other products and stay.
#pragma once

#include "services/uninst/uninstallrecord.h"

#include <optional>
#include <string>
#include <vector>

namespace orupim::uninst {

// What the uninstaller works on: the product's application name and its destination directory (a drive path).
struct UninstallTarget {
    std::string app;
    std::string destination;
};

// The target from the uninstaller's arguments as the setup registers them: the application name, a blank and
// the destination directory, neither quoted, so either may be split over several arguments. The split is
// where the rest names a directory whose record is the product's; else before the first argument that is a
// full drive path or host path. A host path (as a desktop entry hands it on) is taken back to its drive path.
// Nothing when there are fewer than two arguments or no split point.
std::optional<UninstallTarget> locateTarget(const std::vector<std::string>& arguments);

// Removes what the record names; answers what could not be removed, one line each for the user (none when
// everything went).
std::vector<std::string> uninstall(const UninstallTarget& target, const UninstallRecord& record);

} // namespace orupim::uninst
