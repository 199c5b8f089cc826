#include "platform/core/textlines.h"

#include "platform/core/text.h"

namespace orupim {

namespace {
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
}

TextLines splitLines(std::string_view text, LineEnds ends) {
    TextLines result;
    if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        result.byteOrderMark = true;
        text.remove_prefix(ByteOrderMark.size());
    }
    const char* breaks = ends == LineEnds::AnyBreak ? "\r\n" : "\n";
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of(breaks, start);
        std::string_view line = text.substr(start, end == std::string_view::npos ? text.npos : end - start);
        if (ends == LineEnds::LineFeed && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        result.lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return result;
}

IniLine classifyIniLine(std::string_view line) {
    IniLine result;
    result.visible = line.substr(0, line.find('\0'));
    const std::string_view trimmed = trimBlanks(result.visible);
    if (trimmed.empty())
        return result;
    if (trimmed.front() == ';') {
        result.kind = IniLine::Kind::Comment;
        return result;
    }
    if (trimmed.front() == '[') {
        const auto close = trimmed.find(']');
        if (close != std::string_view::npos) {
            result.kind = IniLine::Kind::Section;
            result.name = trimBlanks(trimmed.substr(1, close - 1));
            return result;
        }
    }
    const auto eq = result.visible.find('=');
    if (eq == std::string_view::npos)
        return result;
    result.kind = IniLine::Kind::Key;
    result.name = trimBlanks(result.visible.substr(0, eq));
    std::size_t start = eq + 1;
    while (start < result.visible.size() && (result.visible[start] == ' ' || result.visible[start] == '\t'))
        ++start;
    result.valueStart = start;
    return result;
}

} // namespace orupim
