// Drive paths: the programs see "C:\CATALOG\FLX.DB" as they were written for; the drive map turns them into
// host paths and back. Both "\" and "/" separate components. Where the exact name does not exist, an existing
// name that differs only in letter case is used, as on the old file system; new names keep the case given.
// A path without a drive letter is taken from the process current directory ("\x" from its drive's root).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orupim::files {

// The host path of a drive path. A drive letter that is not mapped gives an empty path.
std::filesystem::path toHost(std::string_view drivePath);

// The drive path of a host path: "C:\" style, components joined by "\", no trailing "\" but at a drive root.
std::string toDrive(const std::filesystem::path& hostPath);

// Splits a drive path into its components (empty ones and "." dropped, ".." applied); helper of the above.
struct DrivePath {
    char drive = 0;                  // 'A'..'Z', or 0 for a path without a drive letter
    bool rooted = false;             // begins at the drive's root
    std::vector<std::string> parts;  // components below
    static DrivePath parse(std::string_view text);
    std::string str() const;         // "C:\A\B"; "C:\" for the root
};

// The directory part of a drive path, up to and including its last "\" (or ":"), as the programs take their
// own directory from their file name.
std::string directoryOf(std::string_view drivePath);

} // namespace orupim::files
