#include "catalogue/texts.h"

#include "platform/core/text.h"

#include <algorithm>

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
    // The most whole characters of the pattern whose doubled form fits: a quote is kept with its double or
    // not at all.
    std::size_t take = std::min(characterCount(pattern), room);
    std::string kept = doubledQuotes(leftCharacters(pattern, take));
    while (characterCount(kept) > room)
        kept = doubledQuotes(leftCharacters(pattern, --take));
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
