// Program Manager's command language: commands in square brackets, several in a row (blanks and line
// breaks between them are passed over), each a name with an optional argument list in parentheses, the
// arguments separated by commas. An argument that begins with a double quote runs to the next quote and is
// taken as it stands; an unquoted one (a quote inside it is a plain character) ends at "," "(" ")" "[" or "]"
// and loses its leading and trailing blanks. The text is only ever parsed, never handed to a shell.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orupim::progman {

struct DdeCommand {
    std::string name;
    std::vector<std::string> arguments;
    bool operator==(const DdeCommand& other) const {
        return name == other.name && arguments == other.arguments;
    }
};

struct ParsedCommands {
    std::vector<DdeCommand> commands; // the well-formed commands before the first malformed one
    bool complete = false;            // false when a malformed command ended the text early
};

ParsedCommands parseCommands(std::string_view text);

} // namespace orupim::progman
