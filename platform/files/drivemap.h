// The drive map: which host directory each drive letter stands for. Kept in <root>/drives.ini as lines
// "C=/host/dir" (or "C:=/host/dir") in its [Drives] section; created with the defaults (C: the root's
// drive_c, Z: the host's "/") when missing. Z: covers every host path, so every host path has a drive path. A
// file that maps no drive at all (empty, damaged, no [Drives] section) gives the defaults, so the programs
// always find C:.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <utility>

namespace orupim::files {

class DriveMap {
public:
    // The map of the current platform root. The file is read again whenever it has changed, so a user's edit
    // or a test's own map takes effect at the next file operation.
    static DriveMap current();

    // The host directory of a drive letter (either case), if the letter is mapped.
    std::optional<std::filesystem::path> hostOf(char letter) const;

    // The drive whose host directory holds `hostPath` most closely, and the rest of the path below it (empty
    // at the drive's root). `hostPath` must be absolute.
    std::optional<std::pair<char, std::filesystem::path>>
    driveOf(const std::filesystem::path& hostPath) const;

    const std::map<char, std::filesystem::path>& drives() const { return drives_; }

private:
    std::map<char, std::filesystem::path> drives_;
};

} // namespace orupim::files
