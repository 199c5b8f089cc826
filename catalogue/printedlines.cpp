#include "catalogue/printedlines.h"

#include <algorithm>
#include <cstddef>

namespace orupim::catalogue {
namespace {

bool startsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

// Byte offsets at which the characters of `text` start, and its length at the end.
std::vector<std::size_t> characterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (startsCharacter(text[i]))
            starts.push_back(i);
    starts.push_back(text.size());
    return starts;
}

// Splits one line of the value (no line break in it) into lines that fit.
void wrapLine(std::string_view text, int width, const std::function<int(std::string_view)>& measure,
              std::vector<std::string>& lines) {
    const std::vector<std::size_t> starts = characterStarts(text);
    const std::size_t characters = starts.size() - 1;
    std::size_t first = 0; // the character the line being made begins with
    do {
        auto piece = [&](std::size_t end) { return text.substr(starts[first], starts[end] - starts[first]); };
        auto fits = [&](std::size_t end) { return measure(piece(end)) <= width; };
        // The most characters that fit (one at least), found by doubling and then halving, so that a long
        // value is never measured whole for every line.
        std::size_t good = std::min(first + 1, characters);
        std::size_t bad = characters + 1;
        for (std::size_t count = 2; first + count <= characters; count *= 2) {
            if (!fits(first + count)) {
                bad = first + count;
                break;
            }
            good = first + count;
        }
        if (bad > characters && good < characters) {
            if (fits(characters))
                good = characters;
            else
                bad = characters;
        }
        while (bad - good > 1) {
            const std::size_t middle = good + (bad - good) / 2;
            (fits(middle) ? good : bad) = middle;
        }
        std::size_t end = good;
        if (end < characters) {
            std::size_t cut = starts[end];
            if (text[cut] == ' ') {
                cut = std::min(text.find_first_not_of(' ', cut), text.size());
            } else {
                const std::size_t blank = text.find_last_of(' ', cut - 1);
                if (blank != std::string_view::npos && blank > starts[first] &&
                    text.find_first_not_of(' ', starts[first]) < blank)
                    cut = blank + 1;
            }
            end = static_cast<std::size_t>(std::lower_bound(starts.begin(), starts.end(), cut) -
                                           starts.begin());
        }
        lines.emplace_back(piece(end));
        first = end;
    } while (first < characters);
}

} // namespace

std::vector<std::string> printedLines(std::string_view value, int width,
                                      const std::function<int(std::string_view)>& measure) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (true) {
        const std::size_t end = value.find_first_of("\r\n", begin);
        wrapLine(value.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin),
                 width, measure, lines);
        if (end == std::string_view::npos)
            return lines;
        begin = end + (value.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

} // namespace orupim::catalogue
