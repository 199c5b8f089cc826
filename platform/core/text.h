// Text helpers shared by the platform layer. Texts are UTF-8 in std::string; the old platform compared names
// without regard to letter case, which these helpers do for ASCII letters (the names it compares are ASCII).
#pragma once

#include <string>
#include <string_view>

namespace orupim {

bool equalsIgnoreCase(std::string_view a, std::string_view b);
std::string toUpperAscii(std::string_view text);
std::string toLowerAscii(std::string_view text);

// The number of characters (UTF-8 code points) of a text.
std::size_t characterCount(std::string_view text);

// The first `count` characters of a text (the whole text when it is shorter); never splits a character.
std::string leftCharacters(std::string_view text, std::size_t count);

// Strips leading and trailing blanks (spaces and tabs).
std::string_view trimBlanks(std::string_view text);

// Replaces each "%s" of a format by the next argument, in order; as the class library's messages are built.
std::string formatText(std::string_view format, std::initializer_list<std::string_view> args);

} // namespace orupim
