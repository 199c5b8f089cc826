#include "platform/shell/programmap.h"

#include "platform/core/text.h"
#include "platform/files/hostprogram.h"
#include "platform/files/platformroot.h"
#include "platform/files/settingsfile.h"
#include "platform/files/xdgdirectories.h"
#include "platform/shell/commandline.h"

namespace orupim::shell {

namespace {

namespace fs = std::filesystem;

const char* const kProgramsSection = "Programs";
const char* const kHelpViewer = "orupim-helpviewer";

// Graphical editors only: the started program has no terminal to draw in.
const char* const kHostEditors[] = {
    "gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma", "xed", "featherpad", "leafpad"};

// The programs the suite maps by default, in the order the file lists them.
std::vector<std::pair<std::string, std::string>> defaultEntries() {
    std::string editor = defaultEditorCommand();
    return {{"notepad.exe", editor}, {"winhlp32.exe", kHelpViewer}, {"OruUninst.exe", "orupim-uninst"}};
}

std::string defaultProgramFile() {
    std::string text = std::string("[") + kProgramsSection + "]\r\n";
    for (const auto& [name, command] : defaultEntries())
        text += name + "=" + command + "\r\n";
    return text;
}

std::string_view lastComponent(std::string_view name) {
    auto pos = name.find_last_of("\\/:");
    return pos == std::string_view::npos ? name : name.substr(pos + 1);
}

// The application directories of the freedesktop rules, most important first.
std::vector<fs::path> applicationDirectories() {
    std::vector<fs::path> directories;
    directories.push_back(files::xdgDataHome() / "applications");
    for (const fs::path& data : files::xdgDataDirs())
        directories.push_back(data / "applications");
    return directories;
}

// The desktop entries named as text/plain's default, in the order the mime rules try them: the
// [Default Applications] of each mimeapps.list (the user's configuration first), then the mime caches.
std::vector<std::string> plainTextDefaults() {
    std::vector<fs::path> lists;
    lists.push_back(files::xdgConfigHome() / "mimeapps.list");
    for (const fs::path& config : files::xdgConfigDirs())
        lists.push_back(config / "mimeapps.list");
    const std::vector<fs::path> applications = applicationDirectories();
    for (const fs::path& directory : applications)
        lists.push_back(directory / "mimeapps.list");
    std::vector<std::pair<fs::path, const char*>> sources;
    for (const fs::path& list : lists)
        sources.emplace_back(list, "Default Applications");
    for (const fs::path& directory : applications)
        sources.emplace_back(directory / "mimeinfo.cache", "MIME Cache");

    std::vector<std::string> entries;
    for (const auto& [file, section] : sources) {
        auto values = files::readSettingsSection(file, section);
        if (!values)
            continue;
        for (const auto& [type, names] : *values) {
            if (type != "text/plain")
                continue;
            std::string_view list = names;
            while (!list.empty()) {
                auto semicolon = list.find(';');
                if (std::string_view name = list.substr(0, semicolon); !name.empty())
                    entries.emplace_back(name);
                list.remove_prefix(semicolon == std::string_view::npos ? list.size() : semicolon + 1);
            }
        }
    }
    return entries;
}

// A desktop entry's command line as a host command of the map: its words without the field codes (%f, %U and
// so on, for which the caller's file follows), a word with blanks in double quotes.
std::string commandOfExec(const std::vector<std::string>& words) {
    std::string command;
    for (const std::string& word : words) {
        if (word.size() == 2 && word[0] == '%')
            continue;
        if (!command.empty())
            command += ' ';
        command += word.find_first_of(" \t") == std::string::npos ? word : "\"" + word + "\"";
    }
    return command;
}

// The command of a desktop entry, when the entry is a graphical application whose program is installed.
std::optional<std::string> graphicalCommandOf(const std::string& entryName) {
    for (const fs::path& directory : applicationDirectories()) {
        auto values = files::readSettingsSection(directory / entryName, "Desktop Entry");
        if (!values)
            continue;
        std::string exec;
        bool terminal = false;
        for (const auto& [key, value] : *values) {
            if (key == "Exec" && exec.empty())
                exec = value;
            else if (key == "Terminal")
                terminal = equalsIgnoreCase(value, "true");
        }
        std::vector<std::string> words = splitCommandLine(exec);
        if (terminal || words.empty() || !files::findHostProgram(words.front()))
            return std::nullopt;
        return commandOfExec(words);
    }
    return std::nullopt;
}

} // namespace

std::string defaultEditorCommand() {
    for (const std::string& entry : plainTextDefaults())
        if (auto command = graphicalCommandOf(entry))
            return *command;
    for (const char* editor : kHostEditors)
        if (files::findHostProgram(editor))
            return editor;
    return {};
}

ProgramMap ProgramMap::current() {
    std::filesystem::path file = files::platformRoot() / "programs.ini";
    files::createSettingsFile(file, defaultProgramFile);
    ProgramMap map;
    if (auto entries = files::readSettingsSection(file, kProgramsSection))
        map.entries_ = std::move(*entries);
    return map;
}

std::optional<std::string> ProgramMap::commandFor(std::string_view programName) const {
    std::string_view name = lastComponent(programName);
    if (name.empty())
        return std::nullopt;
    std::string withExtension = name.find('.') == std::string_view::npos ? std::string(name) + ".exe" : "";
    for (const auto& [key, command] : entries_)
        if (equalsIgnoreCase(key, name) || equalsIgnoreCase(key, withExtension))
            return command;
    // A file written before the suite mapped a name still gets that name's default.
    for (const auto& [key, command] : defaultEntries())
        if (equalsIgnoreCase(key, name) || equalsIgnoreCase(key, withExtension))
            return command;
    return std::nullopt;
}

} // namespace orupim::shell
