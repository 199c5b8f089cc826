#include "platform/profile/privateprofile.h"

#include "platform/core/text.h"
#include "platform/files/atomicfile.h"
#include "platform/files/drivepath.h"
#include "platform/files/filesystem.h"
#include "platform/files/storelock.h"
#include "platform/profile/profiledocument.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

namespace orupim::profile {

namespace {

// Names handed in lose their surrounding spaces (tabs stay), as on the old platform.
std::string_view stripSpaces(std::string_view name) {
    while (!name.empty() && name.front() == ' ')
        name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    return name;
}

// A line break in a text being written would split its line and change what the file reads as (a value
// holding "\r\n[x]" would add a section), so a written text ends at its first line break.
std::string_view singleLine(std::string_view text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

// The host file a profile file name stands for: a name without any directory lies in the Windows directory.
// Empty when the name's drive is not mapped.
std::filesystem::path profileHostPath(std::string_view fileName) {
    if (fileName.find_first_of("\\/:") == std::string_view::npos)
        return files::toHost(files::windowsDirectory() + "\\" + std::string(fileName));
    return files::toHost(fileName);
}

// The document a file holds; nothing when the file exists but cannot be read. A read takes such a file as
// empty, but a write must not: it would replace the file's whole content by the one key it writes.
std::optional<ProfileDocument> readDocument(const std::filesystem::path& host) {
    std::error_code ec;
    if (host.empty() || !std::filesystem::exists(host, ec))
        return ProfileDocument::parse({});
    if (!std::filesystem::is_regular_file(host, ec))
        return std::nullopt;
    std::ifstream in(host, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return ProfileDocument::parse(content);
}

ProfileDocument loadDocument(const std::filesystem::path& host) {
    return readDocument(host).value_or(ProfileDocument::parse({}));
}

// Whether a section and key name, once written, read back as the same names. A key that is empty, holds "="
// or begins with ";" or "[" would read as another key, a comment or a section header, a section name
// holding "]" as a shorter name, and a name with a tab at either end (spaces are already gone) as the name
// without it, which the tab keeps from being found again, and a name holding a zero byte as the name up to
// it; such a write would report success and leave a file that says something else.
bool namesReadBack(std::string_view section, std::string_view key) {
    return !key.empty() && key.find('\0') == std::string_view::npos &&
           section.find('\0') == std::string_view::npos && key.find('=') == std::string_view::npos &&
           key.front() != ';' && key.front() != '[' && section.find(']') == std::string_view::npos &&
           trimBlanks(key) == key && trimBlanks(section) == section;
}

ProfileDocument loadDocument(std::string_view fileName) {
    return loadDocument(profileHostPath(fileName));
}

} // namespace

std::string readProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize, std::string_view fileName) {
    if (bufferSize == 0)
        return {};
    std::optional<std::string> found = loadDocument(fileName).value(stripSpaces(section), stripSpaces(key));
    if (!found) {
        while (!defaultValue.empty() && defaultValue.back() == ' ')
            defaultValue.remove_suffix(1);
        found = std::string(defaultValue);
    }
    return leftCharacters(*found, bufferSize - 1);
}

StringList readProfileKeyNames(std::string_view section, std::size_t bufferSize, std::string_view fileName) {
    StringList names;
    if (bufferSize < 2)
        return names;
    std::size_t used = 1; // the zero byte that ends the list
    for (const std::string& name : loadDocument(fileName).keyNames(stripSpaces(section))) {
        used += characterCount(name) + 1;
        if (used > bufferSize)
            break;
        names.add(name);
    }
    return names;
}

bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view fileName) {
    section = singleLine(stripSpaces(section));
    key = singleLine(stripSpaces(key));
    std::filesystem::path host = profileHostPath(fileName);
    if (host.empty() || !namesReadBack(section, key))
        return false;
    // Read, change and replace under the store's lock, so that a program writing another key of the same
    // file at the same time does not write over this one (nor this one over it).
    files::StoreLock lock(host);
    if (!lock.held())
        return false;
    std::optional<ProfileDocument> doc = readDocument(host);
    if (!doc)
        return false;
    doc->setValue(section, key, singleLine(value));
    return files::writeFileAtomically(host, doc->str());
}

} // namespace orupim::profile
