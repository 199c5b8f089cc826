#include "services/progman/desktopentries.h"

#include "platform/core/text.h"
#include "platform/dde/servicestarter.h"
#include "platform/files/atomicfile.h"
#include "platform/files/drivepath.h"
#include "platform/files/hostprogram.h"
#include "platform/shell/commandline.h"
#include "platform/shell/programmap.h"

#include <cctype>
#include <cstdlib>
#include <set>

namespace orupim::progman {
namespace {

std::filesystem::path baseDirectory(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value && *value == '/')
        return value;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : "/") / fallback;
}

bool isFullDrivePath(std::string_view text) {
    return text.size() >= 3 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':' &&
           (text[2] == '\\' || text[2] == '/');
}

std::string hostArgument(const std::string& argument) {
    std::filesystem::path host =
        isFullDrivePath(argument) ? files::toHost(argument) : std::filesystem::path();
    return host.empty() ? argument : host.string();
}

// Lower-case letters and digits, every other run of characters one "-".
std::string slug(std::string_view name, const char* fallback) {
    std::string result;
    for (unsigned char c : name) {
        if (std::isalnum(c) && c < 0x80)
            result += static_cast<char>(std::tolower(c));
        else if (!result.empty() && result.back() != '-')
            result += '-';
    }
    while (!result.empty() && result.back() == '-')
        result.pop_back();
    return result.empty() ? fallback : result;
}

// A name made unique among those taken so far by appending its position.
std::string uniqueName(std::string name, std::size_t position, std::set<std::string>& taken) {
    if (!taken.insert(name).second) {
        name += "-" + std::to_string(position + 1);
        taken.insert(name);
    }
    return name;
}

std::string groupStem(const std::vector<ProgramGroup>& groups, std::size_t index) {
    std::set<std::string> taken;
    std::string stem;
    for (std::size_t i = 0; i <= index; ++i)
        stem = uniqueName("orupim-" + slug(groups[i].name, "group"), i, taken);
    return stem;
}

std::string xmlText(std::string_view text) {
    std::string result;
    for (char c : text) {
        switch (c) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        default:
            result += c;
        }
    }
    return result;
}

bool writeFile(const std::filesystem::path& path, const std::string& content) {
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    return files::writeFileAtomically(path, content);
}

bool endsInExe(std::string_view name) {
    return name.size() > 4 && equalsIgnoreCase(name.substr(name.size() - 4), ".exe");
}

bool programExists(std::string_view drivePath) {
    std::filesystem::path host = files::toHost(drivePath);
    std::error_code ignored;
    if (host.empty())
        return false;
    if (std::filesystem::is_regular_file(host, ignored))
        return true;
    std::string text = host.string();
    return endsInExe(text) && std::filesystem::is_regular_file(text.substr(0, text.size() - 4), ignored);
}

// The host command that programs.ini gives a program's file name, its program found in $PATH or among the
// suite's service programs; none when the name is not mapped or its program cannot be found.
std::vector<std::string> mappedCommand(const std::string& program) {
    std::optional<std::string> command = shell::ProgramMap::current().commandFor(program);
    std::vector<std::string> words = command ? shell::splitCommandLine(*command) : std::vector<std::string>{};
    if (words.empty())
        return {};
    std::optional<std::filesystem::path> found = files::findHostProgram(words.front());
    const std::string_view suitePrefix = "orupim-";
    if (!found && words.front().rfind(suitePrefix, 0) == 0)
        found = dde::findServiceProgram(words.front().substr(suitePrefix.size()));
    if (!found)
        return {};
    words.front() = found->string();
    return words;
}

// How much of an unquoted command line names the program. The old platform took a program path with blanks
// unquoted: the first part up to a blank that names an existing file wins; when none exists yet, the first
// part ending in ".exe"; else the first word.
std::size_t programLength(std::string_view commandLine) {
    std::vector<std::size_t> ends;
    for (std::size_t i = 0; i < commandLine.size(); ++i)
        if (commandLine[i] == ' ' || commandLine[i] == '\t')
            ends.push_back(i);
    ends.push_back(commandLine.size());
    if (isFullDrivePath(commandLine))
        for (std::size_t end : ends)
            if (programExists(commandLine.substr(0, end)))
                return end;
    for (std::size_t end : ends)
        if (endsInExe(commandLine.substr(0, end)))
            return end;
    return ends.front();
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
    std::size_t start = commandLine.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    commandLine.remove_prefix(start);
    std::size_t programEnd = commandLine[0] == '"' ? 0 : programLength(commandLine);
    std::vector<std::string> words;
    if (programEnd > 0)
        words.emplace_back(commandLine.substr(0, programEnd));
    for (std::string& word : shell::splitCommandLine(commandLine.substr(programEnd)))
        words.push_back(std::move(word));
    for (std::string& word : words)
        word = hostArgument(word);
    // The suite's programs and the host's have no ".exe": a program already there without it is named so.
    std::string& program = words.front();
    if (endsInExe(program) && !files::isExecutableFile(program)) {
        std::string bare = program.substr(0, program.size() - 4);
        if (program.find('/') != std::string::npos ? files::isExecutableFile(bare)
                                                   : files::findHostProgram(bare).has_value())
            program = bare;
    }
    // A program of the old platform that is not there, such as the uninstaller, is the host program that
    // programs.ini maps its name to.
    if (!files::isExecutableFile(program) && !files::findHostProgram(program))
        if (std::vector<std::string> mapped = mappedCommand(program); !mapped.empty())
            words.erase(words.begin()), words.insert(words.begin(), mapped.begin(), mapped.end());
    return words;
}

std::string execValue(std::string_view commandLine) {
    std::string exec;
    for (const std::string& argument : hostCommandLine(commandLine)) {
        if (!exec.empty())
            exec += ' ';
        exec += quoteExecArgument(argument);
    }
    return escapeEntryValue(exec);
}

PublishedFiles publishedFiles(const std::vector<ProgramGroup>& groups, std::size_t index) {
    std::string stem = groupStem(groups, index);
    std::filesystem::path data = baseDirectory("XDG_DATA_HOME", ".local/share");
    std::filesystem::path config = baseDirectory("XDG_CONFIG_HOME", ".config");
    PublishedFiles files{data / "desktop-directories" / (stem + ".directory"),
                         config / "menus" / "applications-merged" / (stem + ".menu"),
                         {}};
    std::set<std::string> taken;
    const std::vector<ProgramItem>& items = groups[index].items;
    for (std::size_t i = 0; i < items.size(); ++i)
        files.itemEntries.push_back(
            data / "applications" /
            (uniqueName(stem + "-" + slug(items[i].name, "item"), i, taken) + ".desktop"));
    return files;
}

bool publishGroup(const std::vector<ProgramGroup>& groups, std::size_t index) {
    const ProgramGroup& group = groups[index];
    PublishedFiles files = publishedFiles(groups, index);
    bool written = writeFile(files.directoryEntry,
                             "[Desktop Entry]\nType=Directory\nName=" + escapeEntryValue(group.name) + "\n");
    // The desktop's menu loaders never fetch the menu DTD, so the declaration names the document type alone.
    std::string menu = "<!DOCTYPE Menu>\n"
                       "<Menu>\n  <Name>Applications</Name>\n  <Menu>\n    <Name>" +
                       xmlText(group.name) + "</Name>\n    <Directory>" +
                       xmlText(files.directoryEntry.filename().string()) + "</Directory>\n    <Include>\n";
    for (std::size_t i = 0; i < group.items.size(); ++i) {
        const ProgramItem& item = group.items[i];
        written = writeFile(files.itemEntries[i],
                            "[Desktop Entry]\nType=Application\nName=" + escapeEntryValue(item.name) +
                                "\nExec=" + execValue(item.commandLine) + "\n") &&
                  written;
        menu += "      <Filename>" + xmlText(files.itemEntries[i].filename().string()) + "</Filename>\n";
    }
    menu += "    </Include>\n  </Menu>\n</Menu>\n";
    return writeFile(files.menuFile, menu) && written;
}

namespace {

std::set<std::filesystem::path> allPublishedFiles(const std::vector<ProgramGroup>& groups) {
    std::set<std::filesystem::path> result;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        PublishedFiles files = publishedFiles(groups, i);
        result.insert(files.directoryEntry);
        result.insert(files.menuFile);
        result.insert(files.itemEntries.begin(), files.itemEntries.end());
    }
    return result;
}

} // namespace

void removeStaleEntries(const std::vector<ProgramGroup>& before, const std::vector<ProgramGroup>& after) {
    std::set<std::filesystem::path> kept = allPublishedFiles(after);
    for (const std::filesystem::path& file : allPublishedFiles(before))
        if (!kept.count(file)) {
            std::error_code ignored;
            std::filesystem::remove(file, ignored);
        }
}

} // namespace orupim::progman
