#include "platform/files/drivemap.h"

#include "platform/files/platformroot.h"
#include "platform/files/settingsfile.h"

#include <cctype>
#include <mutex>
#include <sys/stat.h>
#include <system_error>

namespace orupim::files {

namespace {

const char* const kDrivesSection = "Drives";

std::string defaultDriveFile(const std::filesystem::path& root) {
    return std::string("[") + kDrivesSection + "]\r\nC=" + (root / "drive_c").string() + "\r\nZ=/\r\n";
}

// A host directory without "." and ".." parts and without a trailing separator, so that depths compare.
std::filesystem::path cleanDirectory(const std::filesystem::path& dir) {
    std::filesystem::path clean = dir.lexically_normal();
    if (!clean.has_filename() && clean != clean.root_path())
        clean = clean.parent_path();
    return clean;
}

// Entries that are not a single letter (with or without ":") or whose value is not an absolute host path are
// passed over; a later line for the same letter wins.
std::map<char, std::filesystem::path> drivesOf(const SettingsEntries& entries) {
    std::map<char, std::filesystem::path> drives;
    for (const auto& [key, value] : entries) {
        std::string_view letter = key;
        if (letter.size() == 2 && letter[1] == ':')
            letter.remove_suffix(1);
        std::filesystem::path dir(value);
        if (letter.size() != 1 || !std::isalpha(static_cast<unsigned char>(letter[0])) || !dir.is_absolute())
            continue;
        drives[char(std::toupper(static_cast<unsigned char>(letter[0])))] = cleanDirectory(dir);
    }
    return drives;
}

std::map<char, std::filesystem::path> defaultDrives(const std::filesystem::path& root) {
    return {{'C', cleanDirectory(root / "drive_c")}, {'Z', std::filesystem::path("/")}};
}

// What identifies one version of drives.ini: a rewrite (atomic or in place) changes at least one of these.
struct FileStamp {
    std::filesystem::path root;
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const FileStamp& o) const {
        return root == o.root && exists == o.exists && device == o.device && inode == o.inode &&
               size == o.size && modified.tv_sec == o.modified.tv_sec &&
               modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec &&
               changed.tv_nsec == o.changed.tv_nsec;
    }
};

FileStamp stampOf(const std::filesystem::path& root, const std::filesystem::path& file) {
    FileStamp stamp;
    stamp.root = root;
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0) {
        stamp.exists = true;
        stamp.device = info.st_dev;
        stamp.inode = info.st_ino;
        stamp.size = info.st_size;
        stamp.modified = info.st_mtim;
        stamp.changed = info.st_ctim;
    }
    return stamp;
}

} // namespace

DriveMap DriveMap::current() {
    static std::mutex mutex;
    static std::optional<FileStamp> cachedStamp;
    static DriveMap cached;

    std::filesystem::path root = platformRoot();
    std::filesystem::path file = root / "drives.ini";
    createSettingsFile(file, [&] { return defaultDriveFile(root); });

    std::lock_guard lock(mutex);
    FileStamp stamp = stampOf(root, file);
    if (cachedStamp && *cachedStamp == stamp)
        return cached;
    DriveMap map;
    if (auto entries = readSettingsSection(file, kDrivesSection))
        map.drives_ = drivesOf(*entries);
    if (map.drives_.empty())
        map.drives_ = defaultDrives(root);
    if (auto c = map.drives_.find('C'); c != map.drives_.end()) {
        std::error_code ignored;
        std::filesystem::create_directories(c->second, ignored);
    }
    cachedStamp = stamp;
    cached = map;
    return map;
}

std::optional<std::filesystem::path> DriveMap::hostOf(char letter) const {
    auto it = drives_.find(char(std::toupper(static_cast<unsigned char>(letter))));
    if (it == drives_.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::pair<char, std::filesystem::path>>
DriveMap::driveOf(const std::filesystem::path& hostPath) const {
    std::filesystem::path path = cleanDirectory(hostPath);
    std::optional<std::pair<char, std::filesystem::path>> best;
    std::ptrdiff_t bestDepth = -1;
    for (const auto& [letter, dir] : drives_) {
        std::filesystem::path rest = path.lexically_relative(dir);
        if (rest.empty() || *rest.begin() == "..")
            continue;
        std::ptrdiff_t depth = std::distance(dir.begin(), dir.end());
        if (depth > bestDepth) {
            best = std::make_pair(letter, rest == "." ? std::filesystem::path() : rest);
            bestDepth = depth;
        }
    }
    return best;
}

} // namespace orupim::files
