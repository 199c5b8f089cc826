#include "services/progman/desktopentries.h"

#include "platform/core/codepage.h"
#include "platform/core/text.h"
#include "platform/core/textlines.h"
#include "platform/files/atomicfile.h"
#include "platform/files/xdgdirectories.h"
#include "services/progman/itemcommand.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>

namespace orupim::progman {
namespace {

const char* const kPrefix = "orupim-";
const char* const kGroupKey = "X-OruPIM-Group=";
const char* const kItemKey = "X-OruPIM-Item=";
// Room for the directory's name, a "-<n>" and the extension within the host's 255 bytes of a file name.
constexpr std::size_t kLongestStem = 200;

std::filesystem::path applicationsDirectory() {
    return files::xdgDataHome() / "applications";
}
std::filesystem::path directoriesDirectory() {
    return files::xdgDataHome() / "desktop-directories";
}
std::filesystem::path mergeDirectory() {
    return files::xdgConfigHome() / "menus" / "applications-merged";
}

std::string encodeName(std::string_view name) {
    static const char hex[] = "0123456789abcdef";
    std::string result;
    for (char c : toLowerAscii(name)) {
        auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9')) {
            result += c;
        } else if (byte == ' ') {
            result += '_';
        } else {
            result += 'X';
            result += hex[byte >> 4];
            result += hex[byte & 0xF];
        }
    }
    return result;
}

std::string boundedStem(std::string stem) {
    if (stem.size() <= kLongestStem)
        return stem;
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (unsigned char c : stem)
        hash = (hash ^ c) * 1099511628211ull;
    std::ostringstream suffix;
    suffix << std::hex << hash;
    return stem.substr(0, kLongestStem - 17) + "-" + suffix.str();
}

// A name as the entries and the XML show it: UTF-8, with no control character but the tab.
std::string displayText(std::string_view name) {
    std::string text = textAsUtf8(name);
    for (char& c : text)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F)
            c = ' ';
    return text;
}

std::string entryText(std::string_view name) {
    return escapeEntryValue(displayText(name));
}

std::optional<std::string> readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The value of a key of ours in an entry file; nothing when the file is not ours or lacks the key.
std::optional<std::string> markerValue(std::string_view content, std::string_view key) {
    for (std::string_view line : splitLines(content, LineEnds::LineFeed).lines)
        if (line.substr(0, key.size()) == key)
            return std::string(line.substr(key.size()));
    return std::nullopt;
}

bool isOwnEntry(const std::filesystem::path& path) {
    std::optional<std::string> content = readFile(path);
    return content && markerValue(*content, kGroupKey).has_value();
}

// Whether an entry file is the one of the group (and the item, for an application entry).
bool belongsTo(const std::filesystem::path& path, const ProgramGroup& group, const ProgramItem* item) {
    std::optional<std::string> content = readFile(path);
    if (!content)
        return false;
    std::optional<std::string> groupValue = markerValue(*content, kGroupKey);
    std::optional<std::string> itemValue = markerValue(*content, kItemKey);
    if (!groupValue || !equalsIgnoreCase(*groupValue, entryText(group.name)))
        return false;
    return item ? itemValue && equalsIgnoreCase(*itemValue, entryText(item->name)) : !itemValue;
}

std::string directoryElement(const std::string& stem) {
    return "<Directory>" + stem + ".directory</Directory>";
}

bool isOwnMenu(const std::filesystem::path& path) {
    std::optional<std::string> content = readFile(path);
    return content && content->find(std::string("<Directory>") + kPrefix) != std::string::npos;
}

bool menuBelongsTo(const std::filesystem::path& path, const std::string& stem) {
    std::optional<std::string> content = readFile(path);
    return content && content->find(directoryElement(stem)) != std::string::npos;
}

bool isPresent(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::symlink_status(path, ignored).type() != std::filesystem::file_type::not_found;
}

// The stem itself, then "<stem>-2", "<stem>-3", ... until `free` accepts one.
template <typename Accept> std::string firstFreeStem(const std::string& stem, Accept free) {
    for (int number = 1;; ++number) {
        std::string candidate = number == 1 ? stem : stem + "-" + std::to_string(number);
        if (free(candidate))
            return candidate;
    }
}

std::string groupStem(const ProgramGroup& group) {
    return firstFreeStem(boundedStem(kPrefix + encodeName(group.name)), [&](const std::string& stem) {
        std::filesystem::path directory = directoriesDirectory() / (stem + ".directory");
        std::filesystem::path menu = mergeDirectory() / (stem + ".menu");
        return (!isPresent(directory) || belongsTo(directory, group, nullptr)) &&
               (!isPresent(menu) || menuBelongsTo(menu, stem));
    });
}

std::string itemIcon(const HostItem& host) {
    if (!host.document)
        return "application-x-executable";
    std::string file = toLowerAscii(host.words.back());
    std::size_t dot = file.rfind('.');
    std::string extension = dot == std::string::npos ? "" : file.substr(dot);
    for (const char* text : {".txt", ".dat", ".ini", ".log", ".me", ".1st"})
        if (extension == text)
            return "text-x-generic";
    if (extension == ".htm" || extension == ".html")
        return "text-html";
    if (extension == ".hlp")
        return "help-browser";
    return "x-office-document";
}

bool writeFile(const std::filesystem::path& path, const std::string& content) {
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    return files::writeFileAtomically(path, content);
}

std::string execOf(const std::vector<std::string>& words) {
    std::string exec;
    for (const std::string& word : words) {
        if (!exec.empty())
            exec += ' ';
        exec += quoteExecArgument(textAsUtf8(word));
    }
    return escapeEntryValue(exec);
}

// Removes the files of ours in `directory` with the extension that `keep` does not hold and `remove` selects.
template <typename Select>
bool removeOwnFiles(const std::filesystem::path& directory, const std::string& extension,
                    const std::set<std::filesystem::path>& keep, Select select) {
    bool removed = true;
    std::error_code error;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::path& path = it->path();
        std::string name = path.filename().string();
        if (name.rfind(kPrefix, 0) != 0 || path.extension() != extension || keep.count(path) || !select(path))
            continue;
        std::error_code failed;
        removed = std::filesystem::remove(path, failed) && removed;
    }
    return removed;
}

} // namespace

std::string quoteExecArgument(std::string_view argument) {
    static const std::string_view reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string result;
    if (!argument.empty() && argument.find_first_of(reserved) == std::string_view::npos) {
        result = std::string(argument);
    } else {
        result = "\"";
        for (char c : argument) {
            if (c == '"' || c == '`' || c == '$' || c == '\\')
                result += '\\';
            result += c;
        }
        result += '"';
    }
    std::string doubled;
    for (char c : result) {
        doubled += c;
        if (c == '%')
            doubled += '%';
    }
    return doubled;
}

std::string escapeEntryValue(std::string_view value) {
    std::string result;
    for (char c : value) {
        switch (c) {
        case '\\':
            result += "\\\\";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\t':
            result += "\\t";
            break;
        case '\r':
            result += "\\r";
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::vector<std::string> hostCommandLine(std::string_view commandLine) {
    return hostItem(commandLine).words;
}

std::string execValue(std::string_view commandLine) {
    return execOf(hostCommandLine(commandLine));
}

PublishedFiles publishedFiles(const ProgramGroup& group) {
    std::string stem = groupStem(group);
    PublishedFiles files{
        directoriesDirectory() / (stem + ".directory"), mergeDirectory() / (stem + ".menu"), {}};
    std::set<std::string> taken;
    for (const ProgramItem& item : group.items) {
        std::string itemStem =
            firstFreeStem(boundedStem(stem + "-" + encodeName(item.name)), [&](const std::string& candidate) {
                std::filesystem::path path = applicationsDirectory() / (candidate + ".desktop");
                return !taken.count(candidate) && (!isPresent(path) || belongsTo(path, group, &item));
            });
        taken.insert(itemStem);
        files.itemEntries.push_back(applicationsDirectory() / (itemStem + ".desktop"));
    }
    return files;
}

namespace {

bool writeGroup(const ProgramGroup& group, const PublishedFiles& files) {
    std::string stem = files.directoryEntry.stem().string();
    std::string marker = kGroupKey + entryText(group.name) + "\n";
    bool written = true;
    std::string menu = "<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
                       " \"http://www.freedesktop.org/standards/menu-spec/1.0/menu.dtd\">\n"
                       "<Menu>\n  <Name>Applications</Name>\n  <Menu>\n    <Name>" +
                       stem + "</Name>\n    " + directoryElement(stem) + "\n    <Include>\n";
    for (std::size_t i = 0; i < group.items.size(); ++i) {
        const ProgramItem& item = group.items[i];
        HostItem host = hostItem(item.commandLine);
        written = writeFile(files.itemEntries[i],
                            "[Desktop Entry]\nType=Application\nName=" + entryText(item.name) +
                                "\nExec=" + execOf(host.words) + "\nIcon=" + itemIcon(host) + "\n" + marker +
                                kItemKey + entryText(item.name) + "\n") &&
                  written;
        menu += "      <Filename>" + files.itemEntries[i].filename().string() + "</Filename>\n";
    }
    menu += "    </Include>\n  </Menu>\n</Menu>\n";
    // The directory entry goes last but one and the merge file last: a menu never names files not yet there.
    written =
        writeFile(files.directoryEntry, "[Desktop Entry]\nType=Directory\nName=" + entryText(group.name) +
                                            "\nIcon=folder\n" + marker) &&
        written;
    return writeFile(files.menuFile, menu) && written;
}

} // namespace

bool publishGroup(const ProgramGroup& group) {
    return writeGroup(group, publishedFiles(group));
}

bool removeGroupEntries(const ProgramGroup& group) {
    std::string stem = groupStem(group);
    std::filesystem::path directory = directoriesDirectory() / (stem + ".directory");
    std::filesystem::path menu = mergeDirectory() / (stem + ".menu");
    std::error_code error;
    // The merge file first, so that no menu names a file that is gone.
    bool removed = !menuBelongsTo(menu, stem) || std::filesystem::remove(menu, error);
    removed = removeOwnFiles(applicationsDirectory(), ".desktop", {},
                             [&](const std::filesystem::path& path) {
                                 std::optional<std::string> content = readFile(path);
                                 std::optional<std::string> value =
                                     content ? markerValue(*content, kGroupKey) : std::nullopt;
                                 return value && equalsIgnoreCase(*value, entryText(group.name));
                             }) &&
              removed;
    return (!belongsTo(directory, group, nullptr) || std::filesystem::remove(directory, error)) && removed;
}

bool publishAllGroups(const std::vector<ProgramGroup>& groups) {
    bool written = true;
    std::set<std::filesystem::path> keep;
    for (const ProgramGroup& group : groups) {
        PublishedFiles files = publishedFiles(group);
        written = writeGroup(group, files) && written;
        keep.insert(files.directoryEntry);
        keep.insert(files.menuFile);
        keep.insert(files.itemEntries.begin(), files.itemEntries.end());
    }
    removeOwnFiles(mergeDirectory(), ".menu", keep, isOwnMenu);
    removeOwnFiles(applicationsDirectory(), ".desktop", keep, isOwnEntry);
    removeOwnFiles(directoriesDirectory(), ".directory", keep, isOwnEntry);
    return written;
}

void removeStaleEntries(const std::vector<ProgramGroup>& before, const std::vector<ProgramGroup>& after) {
    for (const ProgramGroup& group : before) {
        auto kept = std::find_if(after.begin(), after.end(), [&](const ProgramGroup& other) {
            return equalsIgnoreCase(other.name, group.name);
        });
        if (kept == after.end()) {
            removeGroupEntries(group);
            continue;
        }
        auto keeps = [&](std::string_view itemText) {
            return std::any_of(kept->items.begin(), kept->items.end(), [&](const ProgramItem& item) {
                return equalsIgnoreCase(entryText(item.name), itemText);
            });
        };
        if (std::all_of(group.items.begin(), group.items.end(),
                        [&](const ProgramItem& item) { return keeps(entryText(item.name)); }))
            continue;
        removeOwnFiles(applicationsDirectory(), ".desktop", {}, [&](const std::filesystem::path& path) {
            std::optional<std::string> content = readFile(path);
            std::optional<std::string> groupValue = content ? markerValue(*content, kGroupKey) : std::nullopt;
            std::optional<std::string> itemValue = content ? markerValue(*content, kItemKey) : std::nullopt;
            return groupValue && itemValue && equalsIgnoreCase(*groupValue, entryText(group.name)) &&
                   !keeps(*itemValue);
        });
    }
}

} // namespace orupim::progman
