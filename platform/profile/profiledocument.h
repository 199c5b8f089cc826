// The text of one INI (private-profile) file, line by line, with the old platform's reading rules and the
// edit a write makes. Lines are kept as they were read, so a write changes one line or adds lines and leaves
// the rest of the file (comments, blank lines, lines without "=", text before the first section) as it was.
#pragma once

#include "platform/core/textlines.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orupim::profile {

class ProfileDocument {
public:
    // Splits a file's bytes into lines by the INI rules of platform/core/textlines.h: CRLF, LF and a lone CR
    // all end a line. A UTF-8 byte-order mark that
    // a host editor put at the start is no part of the first line, and is written back as it was.
    static ProfileDocument parse(std::string_view content);

    // The value of the first matching key in the first matching section, blanks trimmed and one pair of outer
    // quotes removed; nothing when the section or the key is not there. Names match without regard to case.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // The key names of the first matching section in file order, duplicates included.
    std::vector<std::string> keyNames(std::string_view section) const;

    // Gives `key` in `section` the text `value`: an existing key keeps its line; a new key goes after the
    // last key of its section; a new section goes at the end of the file.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // The file's bytes: every line ends in CRLF.
    std::string str() const;

private:
    using Kind = IniLine::Kind;
    struct Line {
        std::string text;
        Kind kind = Kind::Other;
        std::string name;           // section or key name, trimmed
        std::size_t valueStart = 0; // key lines: where the value begins in `text`
    };

    static Line classify(std::string text);
    // Index of the first section line named `section`, or lines_.size().
    std::size_t findSection(std::string_view section) const;
    // One past the last line of the section whose header is at `header`.
    std::size_t sectionEnd(std::size_t header) const;

    std::vector<Line> lines_;
    bool byteOrderMark_ = false;
};

} // namespace orupim::profile
