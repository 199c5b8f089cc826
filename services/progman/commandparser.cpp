#include "services/progman/commandparser.h"

#include <optional>

namespace orupim::progman {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isSpace(char c) {
    return isBlank(c) || c == '\r' || c == '\n';
}
bool endsUnquoted(char c) {
    return c == ',' || c == '(' || c == ')' || c == '[' || c == ']';
}

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool atEnd() const { return at_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[at_]; }
    void skip() { ++at_; }
    void skipBlanks() {
        while (!atEnd() && isBlank(peek()))
            skip();
    }
    void skipSpace() {
        while (!atEnd() && isSpace(peek()))
            skip();
    }

    // An argument or a name: quoted to the next quote, else up to a delimiter with its blanks trimmed.
    std::optional<std::string> word() {
        skipBlanks();
        if (peek() == '"') {
            skip();
            std::size_t close = text_.find('"', at_);
            if (close == std::string_view::npos)
                return std::nullopt;
            std::string result(text_.substr(at_, close - at_));
            at_ = close + 1;
            skipBlanks();
            return result;
        }
        std::size_t start = at_;
        while (!atEnd() && !endsUnquoted(peek()))
            skip();
        std::string_view result = text_.substr(start, at_ - start);
        while (!result.empty() && isBlank(result.back()))
            result.remove_suffix(1);
        return std::string(result);
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

std::optional<DdeCommand> command(Reader& reader) {
    if (reader.peek() != '[')
        return std::nullopt;
    reader.skip();
    DdeCommand result;
    std::optional<std::string> name = reader.word();
    if (!name || name->empty())
        return std::nullopt;
    result.name = *name;
    if (reader.peek() == '(') {
        reader.skip();
        for (;;) {
            std::optional<std::string> argument = reader.word();
            if (!argument)
                return std::nullopt;
            result.arguments.push_back(*argument);
            if (reader.peek() == ',') {
                reader.skip();
                continue;
            }
            if (reader.peek() != ')')
                return std::nullopt;
            reader.skip();
            break;
        }
        reader.skipBlanks();
    }
    if (reader.peek() != ']')
        return std::nullopt;
    reader.skip();
    return result;
}

} // namespace

ParsedCommands parseCommands(std::string_view text) {
    ParsedCommands parsed;
    Reader reader(text);
    for (;;) {
        reader.skipSpace();
        if (reader.atEnd()) {
            parsed.complete = true;
            return parsed;
        }
        std::optional<DdeCommand> next = command(reader);
        if (!next)
            return parsed;
        parsed.commands.push_back(std::move(*next));
    }
}

} // namespace orupim::progman
