#include "catalogue/texts.h"

#include "platform/core/text.h"

namespace orupim::catalogue {
namespace {

constexpr std::size_t BrowserCommandLimit = 128;

std::string doubledQuotes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out;
}

} // namespace

std::string countsText(std::int32_t matchCount, std::int32_t totalCount) {
    return " rec. " + std::to_string(matchCount) + " of " + std::to_string(totalCount);
}

CountedString keyReQueryStatement(std::string_view format, std::string_view firstKey,
                                  std::string_view secondKey) {
    const std::string first = doubledQuotes(CountedString(firstKey).str());
    const std::string second = doubledQuotes(CountedString(secondKey).str());
    return CountedString(formatText(format, {first, second}));
}

CountedString searchStatement(std::string_view table, std::string_view field, std::string_view pattern) {
    const std::string head =
        "Select * from " + std::string(table) + " where " + std::string(field) + " like '%";
    const std::string tail = "%'";
    const std::size_t fixed = characterCount(head) + characterCount(tail);
    const std::size_t room = fixed < CountedString::MaxLength ? CountedString::MaxLength - fixed : 0;
    // Whole characters of the pattern, each quote taking the room of two.
    std::string kept;
    std::size_t used = 0;
    for (std::size_t i = 0; i < pattern.size();) {
        std::size_t end = i + 1;
        while (end < pattern.size() && (static_cast<unsigned char>(pattern[end]) & 0xC0) == 0x80)
            ++end;
        const std::size_t width = pattern[i] == '\'' ? 2 : 1;
        if (used + width > room)
            break;
        kept += doubledQuotes(pattern.substr(i, end - i));
        used += width;
        i = end;
    }
    return CountedString(head + kept + tail);
}

CountedString searchFieldLabel(std::string_view caption) {
    const std::string label = CountedString(caption).str();
    const std::size_t length = characterCount(label);
    if (length < 2)
        return CountedString(label);
    return CountedString(leftCharacters(label, length - 2));
}

std::string browserProgram(std::string_view openCommand) {
    const std::string command = CountedString(openCommand).str();
    // A program path in quotes may hold blanks: it runs to the closing quote, the quotes dropped.
    const std::string program = !command.empty() && command.front() == '"'
                                    ? command.substr(1, command.find('"', 1) - 1)
                                    : command.substr(0, command.find(' '));
    return leftCharacters(program, BrowserCommandLimit);
}

} // namespace orupim::catalogue
