#include "platform/profile/profiledocument.h"

#include "platform/core/text.h"
#include "platform/core/textlines.h"

namespace orupim::profile {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// One pair of matching outer quotes (" or ') comes off a value of at least two characters.
std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

ProfileDocument ProfileDocument::parse(std::string_view content) {
    ProfileDocument doc;
    TextLines text = splitLines(content, LineEnds::AnyBreak);
    doc.byteOrderMark_ = text.byteOrderMark;
    for (std::string_view line : text.lines)
        doc.lines_.push_back(classify(std::string(line)));
    return doc;
}

ProfileDocument::Line ProfileDocument::classify(std::string text) {
    Line line;
    line.text = std::move(text);
    const IniLine ini = classifyIniLine(line.text);
    line.kind = ini.kind;
    line.name = std::string(ini.name);
    line.valueStart = ini.valueStart;
    return line;
}

std::size_t ProfileDocument::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && equalsIgnoreCase(lines_[i].name, section))
            return i;
    return lines_.size();
}

std::size_t ProfileDocument::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::Section)
        ++i;
    return i;
}

std::optional<std::string> ProfileDocument::value(std::string_view section, std::string_view key) const {
    std::size_t header = findSection(section);
    if (header == lines_.size())
        return std::nullopt;
    for (std::size_t i = header + 1, end = sectionEnd(header); i < end; ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Key && !line.name.empty() && equalsIgnoreCase(line.name, key)) {
            std::string_view rest = std::string_view(line.text).substr(line.valueStart);
            return std::string(unquote(trimBlanks(rest.substr(0, rest.find('\0')))));
        }
    }
    return std::nullopt;
}

std::vector<std::string> ProfileDocument::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    std::size_t header = findSection(section);
    if (header == lines_.size())
        return names;
    // A key without a name ("=x") is left out: in the zero-separated list the programs read, an empty name
    // would read as the end of the list.
    for (std::size_t i = header + 1, end = sectionEnd(header); i < end; ++i)
        if (lines_[i].kind == Kind::Key && !lines_[i].name.empty())
            names.push_back(lines_[i].name);
    return names;
}

void ProfileDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    std::size_t header = findSection(section);
    if (header == lines_.size()) {
        lines_.push_back(classify("[" + std::string(section) + "]"));
        lines_.push_back(classify(std::string(key) + "=" + std::string(value)));
        return;
    }
    std::size_t insertAt = header + 1;
    for (std::size_t i = header + 1, end = sectionEnd(header); i < end; ++i) {
        Line& line = lines_[i];
        if (line.kind != Kind::Key)
            continue;
        if (!line.name.empty() && equalsIgnoreCase(line.name, key)) {
            // The key keeps everything up to its value: indentation, the case of its name, blanks around "=".
            line = classify(line.text.substr(0, line.valueStart) + std::string(value));
            return;
        }
        insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + std::ptrdiff_t(insertAt),
                  classify(std::string(key) + "=" + std::string(value)));
}

std::string ProfileDocument::str() const {
    std::string out(byteOrderMark_ ? ByteOrderMark : std::string_view());
    for (const Line& line : lines_) {
        out += line.text;
        out += "\r\n";
    }
    return out;
}

} // namespace orupim::profile
