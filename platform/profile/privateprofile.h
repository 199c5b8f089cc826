// The private-profile functions: reading one value, reading the key names of a section and writing one value
// of an INI file named by a drive path, with the old platform's rules. A file name without any directory
// refers to the Windows directory. Every call reads the file anew, so an edit made meanwhile (a lookup list
// changed in the text editor) is seen at once; a missing or unreadable file reads as empty.
#pragma once

#include "platform/core/stringlist.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace orupim::profile {

// The value of `key` in `section` as it would arrive in a buffer of `bufferSize` bytes: at most bufferSize-1
// characters, the rest cut. When the section or the key is missing, `defaultValue` without its trailing
// spaces, cut the same way. Spaces around the names passed in do not count.
std::string readProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize, std::string_view fileName);

// The key names of `section` in file order, as many as fit whole in a buffer of `bufferSize` bytes where each
// name takes its characters and a zero byte and one more zero byte ends the list; a name that does not fit is
// not read, and neither is any name after it.
StringList readProfileKeyNames(std::string_view section, std::size_t bufferSize, std::string_view fileName);

// Writes `value` as the value of `key` in `section`, creating the file (its directory must exist), the
// section or the key as needed. The file is replaced atomically, written with CRLF line ends. False when it
// cannot be written; the old file is then left as it was.
bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view fileName);

} // namespace orupim::profile
