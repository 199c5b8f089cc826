// Drive paths: the programs see "C:\CATALOG\FLX.DB" as they were written for; the drive map turns them into
// host paths and back. Both "\" and "/" separate components. Where the exact name does not exist, an existing
// name that differs only in letter case is used, as on the old file system; new names keep the case given.
// A path without a drive letter is taken from the process current directory ("\x" from its drive's root), and
// so is "C:x" when the current directory is on C: (on any other drive "C:x" starts at C:'s root, as the old
// platform did for a drive without a current directory of its own).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orupim::files {

// The host path of a drive path. An empty text, or a drive letter that is not mapped, gives an empty path.
std::filesystem::path toHost(std::string_view drivePath);

// Whether a text is a full drive path: a drive letter, ":" and a separator ("C:\x", "c:/x").
bool isFullDrivePath(std::string_view text);

// The drive path of a host path: "C:\" at a drive root, else "C:\A\B" (components joined by "\", no trailing
// "\"). A relative host path is taken from the process current directory. Empty when no drive holds the path.
std::string toDrive(const std::filesystem::path& hostPath);

// A drive path split into its components; helper of the above. Empty components and "." are dropped and ".."
// removes the component before it; at a root it is dropped, in a relative path with nothing before it kept.
struct DrivePath {
    char drive = 0;                 // 'A'..'Z', or 0 for a path without a drive letter
    bool rooted = false;            // begins at the drive's root
    std::vector<std::string> parts; // components below
    static DrivePath parse(std::string_view text);
    std::string str() const; // "C:\A\B"; "C:\" for the root

    // This path taken from a current directory (itself a full drive path): a full path with drive and root.
    DrivePath resolvedAgainst(const DrivePath& currentDirectory) const;
};

// The directory part of a drive path, up to and including its last separator (or the ":" of a bare drive), as
// the programs take their own directory from their file name.
std::string directoryOf(std::string_view drivePath);

} // namespace orupim::files
