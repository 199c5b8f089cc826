// The number rule of the INI object's integer reading, used for the Sound setting and the package's Expand
// flag: a text longer than two characters that begins with 0x or 0X is hexadecimal, any other text decimal
// with an optional sign. Trailing junk, blanks or a value out of the 32-bit range make it no number. The
// registry's text format reads its hex fields with the same digit reader.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orupim {

// The number a text stands for, or nothing when it is no number.
std::optional<std::int32_t> parseNumber(std::string_view text);

// The number a text stands for, or `fallback` when it is no number.
std::int32_t numberOr(std::string_view text, std::int32_t fallback);

// A text of 1 to `maxDigits` (at most 8) hex digits and nothing else, or nothing.
std::optional<std::uint32_t> parseHexDigits(std::string_view digits, std::size_t maxDigits);

} // namespace orupim
