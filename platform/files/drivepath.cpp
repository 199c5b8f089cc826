#include "platform/files/drivepath.h"

#include "platform/core/text.h"
#include "platform/files/drivemap.h"

#include <cctype>
#include <system_error>

namespace orupim::files {

namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// Adds one component to a list of components, applying "." and "..".
void appendPart(std::vector<std::string>& parts, const std::string& part, bool rooted) {
    if (part.empty() || part == ".")
        return;
    if (part == "..") {
        if (!parts.empty() && parts.back() != "..")
            parts.pop_back();
        else if (!rooted)
            parts.push_back(part);
        return;
    }
    parts.push_back(part);
}

// The entry of `dir` whose name matches `name`: the exact name when it exists, else an entry that differs
// only in case (the first in byte order when there are several, so the choice does not depend on directory
// order), else the name as given.
std::string matchEntry(const std::filesystem::path& dir, const std::string& name) {
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(dir / name, ec)))
        return name;
    std::string found;
    for (auto it = std::filesystem::directory_iterator(dir, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::string candidate = it->path().filename().string();
        if (equalsIgnoreCase(candidate, name) && (found.empty() || candidate < found))
            found = candidate;
    }
    return found.empty() ? name : found;
}

std::filesystem::path hostCurrentDirectory() {
    std::error_code ec;
    auto cwd = std::filesystem::current_path(ec);
    return ec ? std::filesystem::path("/") : cwd;
}

} // namespace

bool isFullDrivePath(std::string_view text) {
    return text.size() >= 3 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':' &&
           (text[2] == '\\' || text[2] == '/');
}

DrivePath DrivePath::parse(std::string_view text) {
    DrivePath out;
    if (text.size() >= 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0]))) {
        out.drive = char(std::toupper(static_cast<unsigned char>(text[0])));
        text.remove_prefix(2);
    }
    if (!text.empty() && isSeparator(text.front()))
        out.rooted = true;
    std::string part;
    for (char c : text) {
        if (isSeparator(c)) {
            appendPart(out.parts, part, out.rooted);
            part.clear();
        } else {
            part += c;
        }
    }
    appendPart(out.parts, part, out.rooted);
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

DrivePath DrivePath::resolvedAgainst(const DrivePath& currentDirectory) const {
    DrivePath full;
    full.drive = drive ? drive : currentDirectory.drive;
    full.rooted = true;
    if (!rooted && full.drive == currentDirectory.drive)
        full.parts = currentDirectory.parts;
    for (const std::string& part : parts)
        appendPart(full.parts, part, true);
    return full;
}

std::filesystem::path toHost(std::string_view drivePath) {
    if (drivePath.empty())
        return {};
    DrivePath path = DrivePath::parse(drivePath);
    if (!path.drive || !path.rooted)
        path = path.resolvedAgainst(DrivePath::parse(toDrive(hostCurrentDirectory())));
    auto base = DriveMap::current().hostOf(path.drive);
    if (!base)
        return {};
    std::filesystem::path host = *base;
    std::error_code ec;
    for (const std::string& part : path.parts)
        host /= std::filesystem::is_directory(host, ec) ? matchEntry(host, part) : part;
    return host;
}

std::string toDrive(const std::filesystem::path& hostPath) {
    if (hostPath.empty())
        return {};
    std::filesystem::path absolute = hostPath.is_absolute() ? hostPath : hostCurrentDirectory() / hostPath;
    auto found = DriveMap::current().driveOf(absolute);
    if (!found)
        return {};
    DrivePath out;
    out.drive = found->first;
    out.rooted = true;
    for (const auto& part : found->second)
        appendPart(out.parts, part.string(), true);
    return out.str();
}

std::string directoryOf(std::string_view drivePath) {
    auto pos = drivePath.find_last_of("\\/:");
    return pos == std::string_view::npos ? std::string() : std::string(drivePath.substr(0, pos + 1));
}

} // namespace orupim::files
