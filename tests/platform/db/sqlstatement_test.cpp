#include "platform/db/sqlstatement.h"

#include "platform/core/errors.h"

#include <gtest/gtest.h>

namespace orupim::db {
namespace {

using Op = SqlCondition::Op;

TEST(SqlStatement, ReadsTheStatementShapesOfThePrograms) {
    struct Case {
        std::string sql;
        std::string table;
        std::vector<std::tuple<std::string, Op, std::string>> conditions;
    };
    const Case cases[] = {
        {"select * from flx;", "flx", {}},
        {"select * from flx", "flx", {}},
        {"SELECT *\nFROM FLX ;", "FLX", {}},
        {"Select * from flx where Director like '%Kub%'", "flx", {{"Director", Op::Like, "%Kub%"}}},
        {"Select * from flx where Director like '%%'", "flx", {{"Director", Op::Like, "%%"}}},
        {"Select * from flx where Title like '%a_b%'", "flx", {{"Title", Op::Like, "%a_b%"}}},
        {"select * from flx where Director = 'Ford' and Title = 'Wagon Master'",
         "flx",
         {{"Director", Op::Equals, "Ford"}, {"Title", Op::Equals, "Wagon Master"}}},
        {"select * from flx where Director = '' and Title = ''",
         "flx",
         {{"Director", Op::Equals, ""}, {"Title", Op::Equals, ""}}},
        {"select * from ppl where Name = 'O''Hara' and Street = 'x';",
         "ppl",
         {{"Name", Op::Equals, "O'Hara"}, {"Street", Op::Equals, "x"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        const auto statement = SqlStatement::parse(c.sql);
        EXPECT_EQ(statement.table, c.table);
        ASSERT_EQ(statement.conditions.size(), c.conditions.size());
        for (std::size_t i = 0; i < c.conditions.size(); ++i) {
            EXPECT_EQ(statement.conditions[i].field, std::get<0>(c.conditions[i]));
            EXPECT_EQ(statement.conditions[i].op, std::get<1>(c.conditions[i]));
            EXPECT_EQ(statement.conditions[i].text, std::get<2>(c.conditions[i]));
        }
    }
}

TEST(SqlStatement, RejectsEverythingElse) {
    const char* rejected[] = {
        "",
        "delete from flx",
        "select Title from flx",
        "select * flx",
        "select * from",
        "select * from flx;;",
        "select * from flx where",
        "select * from flx order by Title",
        "select * from flx where Director like %Kub%",
        "Select * from flx where Director like '%Kub",                          // cut at 255 characters
        "select * from flx where Director = 'O'Brien' and Title = 'Quiet Man'", // a quote inside a key
        "select * from flx where Director like 'a' and Title like 'b'",
        "select * from flx where Director = 'a' and Title = 'b' and Code = 'c'",
        "select * from flx where Director > 'a'",
        "select * from flx; select * from flx",
    };
    for (const char* sql : rejected) {
        SCOPED_TRACE(sql);
        try {
            SqlStatement::parse(sql);
            ADD_FAILURE() << "accepted";
        } catch (const DatabaseError& error) {
            EXPECT_EQ(error.message().rfind("Invalid SQL statement (", 0), 0u) << error.message();
            EXPECT_NE(error.message().find(sql), std::string::npos);
        }
    }
}

} // namespace
} // namespace orupim::db
