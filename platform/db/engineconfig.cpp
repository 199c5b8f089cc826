#include "platform/db/engineconfig.h"

#include "platform/core/errors.h"
#include "platform/core/text.h"
#include "platform/core/textlines.h"

namespace orupim::db {

namespace {
constexpr std::string_view TypePrefix = "TYPE=";
constexpr std::string_view ParamPrefix = "PARAM=";
} // namespace

std::vector<AliasEntry> parseEngineConfig(std::string_view text, std::string_view fileName) {
    std::vector<AliasEntry> aliases;
    std::size_t lineNumber = 0;
    for (std::string_view line : splitLines(text, LineEnds::LineFeed).lines) {
        ++lineNumber;
        auto malformed = [&](std::string_view why) {
            throw DatabaseError(formatText("Engine configuration %s is damaged at line %s: %s",
                                           {fileName, std::to_string(lineNumber), why}));
        };
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            if (line.size() < 3 || line.back() != ']')
                malformed("bad alias line");
            const std::string name(line.substr(1, line.size() - 2));
            for (const auto& alias : aliases)
                if (equalsIgnoreCase(alias.name, name))
                    malformed("alias named twice");
            aliases.push_back({name, {}, {}});
        } else if (aliases.empty()) {
            malformed("a value outside an alias");
        } else if (line.substr(0, TypePrefix.size()) == TypePrefix) {
            aliases.back().type = std::string(line.substr(TypePrefix.size()));
        } else if (line.substr(0, ParamPrefix.size()) == ParamPrefix) {
            aliases.back().params.add(line.substr(ParamPrefix.size()));
        } else {
            malformed("unknown line");
        }
    }
    return aliases;
}

std::string formatEngineConfig(const std::vector<AliasEntry>& aliases) {
    // Lines end in CR LF, so that a value ending in CR keeps it: the reader takes one CR before the LF as
    // part of the line end and leaves the value's own.
    std::string out =
        "; Database engine configuration: one section per alias, its type and its parameters.\r\n";
    for (const auto& alias : aliases) {
        out += "[" + alias.name + "]\r\n";
        out += std::string(TypePrefix) + alias.type + "\r\n";
        for (const auto& param : alias.params)
            out += std::string(ParamPrefix) + param + "\r\n";
    }
    return out;
}

} // namespace orupim::db
