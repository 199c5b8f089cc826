// The layer's own small settings files, such as drives.ini and programs.ini: one section of "key=value"
// lines, created with their defaults on first use. They are read here rather than by the profile service
// because the profile service stands on the file service that needs them.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orupim::files {

using SettingsEntries = std::vector<std::pair<std::string, std::string>>;

// The keys and values of one section (name matched without regard to case), in file order, both trimmed of
// blanks; lines are read by the INI rules (platform/core/textlines.h). Lines before the first section,
// comments (";"), lines without "=" and empty keys are skipped. Values are not unquoted: these files hold
// host paths and program names, written by the layer itself.
// Nothing when the file cannot be read.
std::optional<SettingsEntries> readSettingsSection(const std::filesystem::path& file,
                                                   std::string_view section);

// Writes the text `defaults` makes to `file` when the file does not exist yet (only then is it made); an
// existing file is never touched.
void createSettingsFile(const std::filesystem::path& file, const std::function<std::string()>& defaults);

} // namespace orupim::files
