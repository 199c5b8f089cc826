#include "platform/files/settingsfile.h"

#include "platform/core/text.h"
#include "platform/core/textlines.h"
#include "platform/files/atomicfile.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace orupim::files {

std::optional<SettingsEntries> readSettingsSection(const std::filesystem::path& file,
                                                   std::string_view section) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SettingsEntries entries;
    bool inSection = false;
    for (std::string_view text : splitLines(content, LineEnds::AnyBreak).lines) {
        const IniLine line = classifyIniLine(text);
        if (line.kind == IniLine::Kind::Section)
            inSection = equalsIgnoreCase(line.name, section);
        else if (inSection && line.kind == IniLine::Kind::Key && !line.name.empty())
            entries.emplace_back(std::string(line.name),
                                 std::string(trimBlanks(line.visible.substr(line.valueStart))));
    }
    return entries;
}

void createSettingsFile(const std::filesystem::path& file, const std::function<std::string()>& defaults) {
    std::error_code ec;
    if (std::filesystem::symlink_status(file, ec).type() == std::filesystem::file_type::not_found)
        writeFileAtomically(file, defaults());
}

} // namespace orupim::files
