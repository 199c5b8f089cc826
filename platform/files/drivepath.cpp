#include "platform/files/drivepath.h"

#include "platform/core/text.h"
#include "platform/files/drivemap.h"

#include <system_error>
#include <unistd.h>

namespace orupim::files {

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// The entry of `dir` whose name matches `name`: exactly when it exists, else without regard to case.
std::string matchEntry(const std::filesystem::path& dir, const std::string& name) {
    std::error_code ec;
    if (std::filesystem::exists(dir / name, ec))
        return name;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        std::string candidate = entry.path().filename().string();
        if (equalsIgnoreCase(candidate, name))
            return candidate;
    }
    return name;
}

std::filesystem::path hostCurrentDirectory() {
    std::error_code ec;
    auto cwd = std::filesystem::current_path(ec);
    return ec ? std::filesystem::path("/") : cwd;
}

} // namespace

DrivePath DrivePath::parse(std::string_view text) {
    DrivePath out;
    if (text.size() >= 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0]))) {
        out.drive = char(std::toupper(static_cast<unsigned char>(text[0])));
        text.remove_prefix(2);
        out.rooted = true; // "C:x" has no per-drive current directory here: taken from the root
    }
    if (!text.empty() && isSeparator(text.front()))
        out.rooted = true;
    std::string part;
    auto flush = [&] {
        if (part == "..") {
            if (!out.parts.empty())
                out.parts.pop_back();
        } else if (!part.empty() && part != ".") {
            out.parts.push_back(part);
        }
        part.clear();
    };
    for (char c : text) {
        if (isSeparator(c))
            flush();
        else
            part += c;
    }
    flush();
    return out;
}

std::string DrivePath::str() const {
    std::string out;
    if (drive) {
        out += drive;
        out += ':';
    }
    if (rooted)
        out += '\\';
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i)
            out += '\\';
        out += parts[i];
    }
    return out;
}

std::filesystem::path toHost(std::string_view drivePath) {
    DrivePath path = DrivePath::parse(drivePath);
    DriveMap map = DriveMap::current();
    if (!path.drive || !path.rooted) {
        // Relative to the current directory, or to the root of its drive.
        DrivePath cwd = DrivePath::parse(toDrive(hostCurrentDirectory()));
        if (!path.drive)
            path.drive = cwd.drive;
        if (!path.rooted)
            path.parts.insert(path.parts.begin(), cwd.parts.begin(), cwd.parts.end());
        path.rooted = true;
    }
    auto base = map.hostOf(path.drive);
    if (!base)
        return {};
    std::filesystem::path host = *base;
    std::error_code ec;
    for (const std::string& part : path.parts) {
        host /= std::filesystem::is_directory(host, ec) ? matchEntry(host, part) : part;
    }
    return host;
}

std::string toDrive(const std::filesystem::path& hostPath) {
    std::filesystem::path absolute = hostPath.is_absolute() ? hostPath : hostCurrentDirectory() / hostPath;
    auto found = DriveMap::current().driveOf(absolute);
    DrivePath out;
    out.rooted = true;
    if (!found)
        return {};
    out.drive = found->first;
    for (const auto& part : found->second)
        if (!part.empty() && part != ".")
            out.parts.push_back(part.string());
    return out.str();
}

std::string directoryOf(std::string_view drivePath) {
    auto pos = drivePath.find_last_of("\\:");
    return pos == std::string_view::npos ? std::string() : std::string(drivePath.substr(0, pos + 1));
}

} // namespace orupim::files
