#include "platform/db/sqlstatement.h"

#include "platform/core/errors.h"
#include "platform/core/text.h"

#include <cctype>

namespace orupim::db {

namespace {

struct Token {
    enum class Kind { Word, Text, Symbol, End };
    Kind kind = Kind::End;
    std::string text;
};

class Tokenizer {
public:
    explicit Tokenizer(std::string_view sql) : sql_(sql) {}

    Token next() {
        while (pos_ < sql_.size() && std::isspace(static_cast<unsigned char>(sql_[pos_])))
            ++pos_;
        if (pos_ >= sql_.size())
            return {Token::Kind::End, {}};
        char c = sql_[pos_];
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            std::size_t start = pos_;
            while (pos_ < sql_.size() &&
                   (std::isalnum(static_cast<unsigned char>(sql_[pos_])) || sql_[pos_] == '_'))
                ++pos_;
            return {Token::Kind::Word, std::string(sql_.substr(start, pos_ - start))};
        }
        if (c == '\'') {
            std::string text;
            ++pos_;
            for (;;) {
                if (pos_ >= sql_.size())
                    fail("a text in quotes is not closed");
                if (sql_[pos_] == '\'') {
                    if (pos_ + 1 < sql_.size() && sql_[pos_ + 1] == '\'') {
                        text += '\'';
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    return {Token::Kind::Text, text};
                }
                text += sql_[pos_++];
            }
        }
        ++pos_;
        return {Token::Kind::Symbol, std::string(1, c)};
    }

    [[noreturn]] void fail(std::string_view why) const {
        throw DatabaseError(formatText("Invalid SQL statement (%s): %s", {why, sql_}));
    }

private:
    std::string_view sql_;
    std::size_t pos_ = 0;
};

class Parser {
public:
    explicit Parser(std::string_view sql) : tokens_(sql) { advance(); }

    SqlStatement statement() {
        SqlStatement out;
        keyword("select");
        symbol("*", "only \"select *\" is supported");
        keyword("from");
        out.table = word("a table name");
        if (isKeyword("where")) {
            advance();
            out.conditions.push_back(condition());
            // The key re-query joins two comparisons; no statement of the programs needs more.
            if (isKeyword("and")) {
                advance();
                out.conditions.push_back(condition());
                if (out.conditions[0].op != SqlCondition::Op::Equals ||
                    out.conditions[1].op != SqlCondition::Op::Equals)
                    tokens_.fail("only two \"=\" comparisons may be joined by AND");
            }
        }
        if (current_.kind == Token::Kind::Symbol && current_.text == ";")
            advance();
        if (current_.kind != Token::Kind::End)
            tokens_.fail(formatText("unexpected \"%s\"", {current_.text}));
        return out;
    }

private:
    SqlCondition condition() {
        SqlCondition out;
        out.field = word("a field name");
        if (isKeyword("like")) {
            out.op = SqlCondition::Op::Like;
            advance();
        } else {
            symbol("=", "expected LIKE or \"=\"");
            out.op = SqlCondition::Op::Equals;
        }
        if (current_.kind != Token::Kind::Text)
            tokens_.fail("expected a text in single quotes");
        out.text = current_.text;
        advance();
        return out;
    }

    void advance() { current_ = tokens_.next(); }

    bool isKeyword(std::string_view name) const {
        return current_.kind == Token::Kind::Word && equalsIgnoreCase(current_.text, name);
    }

    void keyword(std::string_view name) {
        if (!isKeyword(name))
            tokens_.fail(formatText("expected %s", {toUpperAscii(name)}));
        advance();
    }

    void symbol(std::string_view text, std::string_view why) {
        if (current_.kind != Token::Kind::Symbol || current_.text != text)
            tokens_.fail(why);
        advance();
    }

    std::string word(std::string_view what) {
        if (current_.kind != Token::Kind::Word || isKeyword("where") || isKeyword("like") || isKeyword("and"))
            tokens_.fail(formatText("expected %s", {what}));
        std::string out = current_.text;
        advance();
        return out;
    }

    Tokenizer tokens_;
    Token current_;
};

} // namespace

SqlStatement SqlStatement::parse(std::string_view sql) {
    return Parser(sql).statement();
}

} // namespace orupim::db
