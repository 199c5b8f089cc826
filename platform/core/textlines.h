// The one reader of line-oriented settings text that every store of the layer uses: INI files and the
// layer's own settings files (drives.ini, programs.ini, printer.ini), engine.cfg, progman.ini and the
// registry's REGEDIT4 text. They share the byte-order mark (a UTF-8 mark that a host editor put before the
// first line is no part of it) and, for the INI-like ones, how a line is classified (comment, section header,
// key). Only the line ends truly differ, so they are a choice:
//  - INI files end a line at CR LF, LF or a lone CR, as the old platform's profile functions did; a CR can
//    never be part of an INI value.
//  - engine.cfg, progman.ini and the hives keep values byte for byte, so only LF ends a line there and one
//    CR before it belongs to the line end; any other CR is part of the line.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace orupim {

enum class LineEnds { AnyBreak, LineFeed };

struct TextLines {
    bool byteOrderMark = false;
    std::vector<std::string_view> lines; // views into the text; line n is lines[n - 1]
};

TextLines splitLines(std::string_view text, LineEnds ends);

// One INI-like line: blanks (spaces, tabs) around names are not part of them; a zero byte ends what the old
// platform's string functions could see of a line.
struct IniLine {
    enum class Kind { Other, Comment, Section, Key };
    Kind kind = Kind::Other;
    std::string_view name;      // section or key name, trimmed
    std::size_t valueStart = 0; // key lines: where the value begins (after "=" and blanks)
    std::string_view visible;   // the line up to a zero byte
};

// A line starting with ";" is a comment, one starting with "[" and holding "]" a section header (text after
// "]" ignored), one holding "=" a key; anything else (also a "[" line without "]" and no "=") is Other.
IniLine classifyIniLine(std::string_view line);

} // namespace orupim
