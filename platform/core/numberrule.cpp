#include "platform/core/numberrule.h"

#include <charconv>
#include <system_error>

namespace orupim {

namespace {

// The whole text as one number of type T in `base`, or nothing.
template <typename T> std::optional<T> wholeNumber(std::string_view text, int base) {
    T value{};
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::uint32_t> parseHexDigits(std::string_view digits, std::size_t maxDigits) {
    // from_chars takes a minus sign even in base 16 for signed types only; the type here is unsigned.
    if (digits.size() > maxDigits || digits.size() > 8)
        return std::nullopt;
    return wholeNumber<std::uint32_t>(digits, 16);
}

std::optional<std::int32_t> parseNumber(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        // Up to eight hex digits fill the 32 bits; like the class library, FFFFFFFF reads as -1.
        auto value = parseHexDigits(text.substr(2), 8);
        return value ? std::optional<std::int32_t>(static_cast<std::int32_t>(*value)) : std::nullopt;
    }
    // from_chars takes "-" but not "+"; a "+" may not be followed by a second sign.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    return wholeNumber<std::int32_t>(text, 10);
}

std::int32_t numberOr(std::string_view text, std::int32_t fallback) {
    return parseNumber(text).value_or(fallback);
}

} // namespace orupim
