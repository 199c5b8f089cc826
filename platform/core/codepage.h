// The old platform's 8-bit code page, Windows-1252, and UTF-8: a package written for the old platform names
// its groups, items and files in Windows-1252, while the host's desktop files and XML need UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace orupim {

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or code points past U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// The text of Windows-1252 bytes in UTF-8; the five bytes the code page leaves undefined become U+FFFD.
std::string windows1252ToUtf8(std::string_view bytes);

// A text of unknown origin in UTF-8: kept when it already is well-formed UTF-8 (ASCII included), else read as
// Windows-1252.
std::string textAsUtf8(std::string_view bytes);

} // namespace orupim
