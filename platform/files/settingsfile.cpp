#include "platform/files/settingsfile.h"

#include "platform/core/text.h"
#include "platform/files/atomicfile.h"

#include <fstream>
#include <system_error>

namespace orupim::files {

std::optional<SettingsEntries> readSettingsSection(const std::filesystem::path& file,
                                                   std::string_view section) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    SettingsEntries entries;
    std::string line;
    bool inSection = false;
    bool firstLine = true;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // Editors that save UTF-8 may put a byte-order mark in front of the first section.
        if (firstLine && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3);
        firstLine = false;
        std::string_view text = trimBlanks(line);
        if (text.empty() || text.front() == ';')
            continue;
        if (text.front() == '[') {
            auto close = text.find(']');
            inSection = close != std::string_view::npos &&
                        equalsIgnoreCase(trimBlanks(text.substr(1, close - 1)), section);
            continue;
        }
        auto eq = text.find('=');
        if (!inSection || eq == std::string_view::npos)
            continue;
        std::string_view key = trimBlanks(text.substr(0, eq));
        if (!key.empty())
            entries.emplace_back(std::string(key), std::string(trimBlanks(text.substr(eq + 1))));
    }
    return entries;
}

void createSettingsFile(const std::filesystem::path& file, const std::function<std::string()>& defaults) {
    std::error_code ec;
    if (std::filesystem::symlink_status(file, ec).type() == std::filesystem::file_type::not_found)
        writeFileAtomically(file, defaults());
}

} // namespace orupim::files
