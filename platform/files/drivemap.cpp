#include "platform/files/drivemap.h"

#include "platform/core/text.h"
#include "platform/files/atomicfile.h"
#include "platform/files/platformroot.h"

#include <fstream>
#include <sstream>

namespace orupim::files {

namespace {

char upperLetter(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

std::string defaultDriveFile(const std::filesystem::path& root) {
    return "[Drives]\r\nC=" + (root / "drive_c").string() + "\r\nZ=/\r\n";
}

// drives.ini is read here with a small reader of its own: the profile service is built on this one, so it
// cannot be used to read the map it depends on.
std::map<char, std::filesystem::path> parseDrives(std::istream& in) {
    std::map<char, std::filesystem::path> drives;
    std::string line;
    bool inDrives = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string_view text = trimBlanks(line);
        if (text.empty() || text.front() == ';')
            continue;
        if (text.front() == '[') {
            auto close = text.find(']');
            inDrives = close != std::string_view::npos && equalsIgnoreCase(trimBlanks(text.substr(1, close - 1)), "Drives");
            continue;
        }
        auto eq = text.find('=');
        if (!inDrives || eq == std::string_view::npos)
            continue;
        std::string_view key = trimBlanks(text.substr(0, eq));
        std::string_view value = trimBlanks(text.substr(eq + 1));
        if (key.size() == 2 && key[1] == ':')
            key.remove_suffix(1);
        if (key.size() != 1 || !std::isalpha(static_cast<unsigned char>(key[0])) || value.empty())
            continue;
        drives[upperLetter(key[0])] = std::filesystem::path(std::string(value)).lexically_normal();
    }
    return drives;
}

} // namespace

DriveMap DriveMap::current() {
    std::filesystem::path root = platformRoot();
    std::filesystem::path file = root / "drives.ini";
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        writeFileAtomically(file, defaultDriveFile(root));
    DriveMap map;
    std::ifstream in(file, std::ios::binary);
    if (in)
        map.drives_ = parseDrives(in);
    if (map.drives_.empty()) {
        std::istringstream defaults(defaultDriveFile(root));
        map.drives_ = parseDrives(defaults);
    }
    if (auto c = map.drives_.find('C'); c != map.drives_.end())
        std::filesystem::create_directories(c->second, ec);
    return map;
}

std::optional<std::filesystem::path> DriveMap::hostOf(char letter) const {
    auto it = drives_.find(upperLetter(letter));
    if (it == drives_.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::pair<char, std::filesystem::path>> DriveMap::driveOf(const std::filesystem::path& hostPath) const {
    std::filesystem::path path = hostPath.lexically_normal();
    std::optional<std::pair<char, std::filesystem::path>> best;
    std::size_t bestDepth = 0;
    for (const auto& [letter, dir] : drives_) {
        std::filesystem::path rel = path.lexically_relative(dir);
        if (rel.empty() || *rel.begin() == "..")
            continue;
        std::size_t depth = std::distance(dir.begin(), dir.end());
        if (!best || depth > bestDepth) {
            best = std::make_pair(letter, rel == "." ? std::filesystem::path() : rel);
            bestDepth = depth;
        }
    }
    return best;
}

} // namespace orupim::files
