#include "catalogue/printedlines.h"

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
void wrapLine(std::string_view line, int width, const std::function<int(std::string_view)>& measure,
              std::vector<std::string>& lines) {
    while (true) {
        const std::vector<std::size_t> starts = characterStarts(line);
        const std::size_t characters = starts.size() - 1;
        auto fits = [&](std::size_t count) { return measure(line.substr(0, starts[count])) <= width; };
        // The most characters that fit, found by doubling and then halving, so a long value is never
        // measured whole for every line.
        std::size_t good = 1;
        std::size_t bad = characters + 1;
        for (std::size_t probe = 2; probe <= characters; probe *= 2) {
            if (!fits(probe)) {
                bad = probe;
                break;
            }
            good = probe;
        }
        if (bad == characters + 1 && characters > 0 && fits(characters))
            good = characters;
        else
            while (bad - good > 1) {
                const std::size_t middle = good + (bad - good) / 2;
                (fits(middle) ? good : bad) = middle;
            }
        if (good >= characters) {
            lines.emplace_back(line);
            return;
        }
        std::size_t cut = starts[good];
        if (line[cut] == ' ') {
            while (cut < line.size() && line[cut] == ' ')
                ++cut;
        } else {
            const std::size_t blank = line.substr(0, cut).find_last_of(' ');
            if (blank != std::string_view::npos &&
                line.substr(0, blank).find_first_not_of(' ') != std::string_view::npos)
                cut = blank + 1;
        }
        if (cut >= line.size()) {
            lines.emplace_back(line);
            return;
        }
        lines.emplace_back(line.substr(0, cut));
        line.remove_prefix(cut);
    }
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
