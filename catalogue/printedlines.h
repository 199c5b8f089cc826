// The lines on which Print Record writes one value: the value's own line breaks (CR LF, CR or LF) start new
// lines, and a line wider than the room beside its caption goes on over further lines, broken after the last
// blank that fits, or inside a word that is wider than the room by itself. Every character is kept: blanks at
// a break stay at the end of the line they follow, and every line takes at least one character.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orupim::catalogue {

// `width` is the room in device units, `measure` the width a text takes in the page's font.
std::vector<std::string> printedLines(std::string_view value, int width,
                                      const std::function<int(std::string_view)>& measure);

} // namespace orupim::catalogue
