#include "platform/shell/programmap.h"

#include "platform/shell/documentopener.h"

#include "platform/core/text.h"
#include "platform/files/hostprogram.h"
#include "platform/files/platformroot.h"
#include "platform/files/settingsfile.h"

namespace orupim::shell {

namespace {

const char* const kProgramsSection = "Programs";

// Graphical editors only: the started program has no terminal to draw in.
const char* const kHostEditors[] = {
    "gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma", "xed", "featherpad", "leafpad"};

// The programs the suite maps by default, in the order the file lists them.
std::vector<std::pair<std::string, std::string>> defaultEntries() {
    std::string editor = defaultEditorCommand();
    return {{"notepad.exe", editor}, {"winhlp32.exe", editor}, {"OruUninst.exe", "orupim-uninst"}};
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

} // namespace

std::string defaultEditorCommand() {
    for (const char* editor : kHostEditors)
        if (files::findHostProgram(editor))
            return editor;
    return kDocumentOpener;
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
