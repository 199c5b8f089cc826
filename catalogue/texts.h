// The texts the catalogue composes from its data: the record counts of the right status panel, the key
// re-query's and the search's statements, the search field's label and the web browser's program taken from
// its open command.
#pragma once

#include "platform/core/countedstring.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orupim::catalogue {

// " rec. " n " of " m: the right status panel's record counts.
std::string countsText(std::int32_t matchCount, std::int32_t totalCount);

// The key re-query's statement: the format's two "%s" take the two key texts, each first cut to 255
// characters and with every single quote doubled so that a title such as It's stays inside its literal; the
// statement is then cut to 255 characters like every counted string.
CountedString keyReQueryStatement(std::string_view format, std::string_view firstKey,
                                  std::string_view secondKey);

// Find Record's statement: "Select * from <table> where <field> like '%<pattern>%'" with every single quote
// of the pattern doubled, so that the pattern is always matched as text and can never change the statement.
// Where the statement would pass 255 characters the pattern is cut (never inside a doubled quote), so that
// the statement keeps its closing "%'"; only a table and field name too long to leave room for that are cut
// with the statement.
CountedString searchStatement(std::string_view table, std::string_view field, std::string_view pattern);

// The search field's label: the label's caption cut to 255 characters, less its last two characters
// ("Director :" gives "Director"); a caption of fewer than two characters stays as it is.
CountedString searchFieldLabel(std::string_view caption);

// The web browser's program: the registered open command cut to 255 characters, then at its first blank (or,
// when it begins with a quote, the text inside the quotes), and at most 128 characters of it.
std::string browserProgram(std::string_view openCommand);

} // namespace orupim::catalogue
