// The edition's lookup-list file: an INI file in the program directory whose list sections give the entries
// of the drop-down fields (each key name one entry, in file order, values ignored) and whose [Settings] Sound
// seeds the Sound setting on the first start. A missing file or section reads as empty; nothing is reported.
#pragma once

#include "platform/core/stringlist.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orupim::catalogue {

// The key names of a section, through the 8192-byte buffer of section reading.
void readListSection(const std::string& listFile, std::string_view section, StringList& entries);

// [Settings] Sound by the number rule; 0 when missing or no number.
std::int32_t readListSound(const std::string& listFile);

} // namespace orupim::catalogue
