// The local SQL the engine runs: "select * from <table>", optionally with "where <field> like '<pattern>'" or
// "where <field> = '<text>' [and <field> = '<text>']", and a trailing ";". Keywords and names ignore letter
// case; a text between single quotes may hold a quote written twice. Anything else is rejected with a
// DatabaseError that says what was expected, so that an open never runs a statement it cannot honour.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orupim::db {

struct SqlCondition {
    enum class Op { Like, Equals };
    std::string field;
    Op op = Op::Equals;
    std::string text; // the quoted text, quotes removed
};

struct SqlStatement {
    std::string table;
    std::vector<SqlCondition> conditions; // all must hold

    static SqlStatement parse(std::string_view sql);
};

} // namespace orupim::db
