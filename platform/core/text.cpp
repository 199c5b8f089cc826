#include "platform/core/text.h"

#include <initializer_list>

namespace orupim {

namespace {
char upper(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}
char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}
bool continuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where the character starting at `i` ends. A lead byte takes the continuation bytes its sequence has room
// for; any other byte, a stray continuation byte included, is a character of its own, so that a text of
// stray bytes is counted and cut like any other.
std::size_t characterEnd(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 1;
    std::size_t end = i + 1;
    while (end < text.size() && end < i + length && continuationByte(text[end]))
        ++end;
    return end;
}
} // namespace

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}

std::string toUpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = upper(c);
    return out;
}

std::string toLowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = lower(c);
    return out;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i = characterEnd(text, i))
        ++count;
    return count;
}

std::string leftCharacters(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t seen = 0; i < text.size() && seen < count; ++seen)
        i = characterEnd(text, i);
    return std::string(text.substr(0, i));
}

std::string_view trimBlanks(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string formatText(std::string_view format, std::initializer_list<std::string_view> args) {
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' && next != args.end()) {
            out += *next++;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

} // namespace orupim
