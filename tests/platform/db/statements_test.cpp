#include "dbtesttable.h"

#include "platform/core/errors.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace orupim::db {
namespace {

using Names = std::vector<std::string>;

class Statements : public ::testing::Test {
protected:
    void SetUp() override {
        test::useFreshAlias(::testing::UnitTest::GetInstance()->current_test_info()->name());
        test::createItems({{"Kubrick", "007"},
                           {"kubrick", "7"},
                           {"KUBRICK", ""},
                           {"Kabrick", "x"},
                           {"a*b", "y"},
                           {"a?b", "z"},
                           {"a[b]", "w"},
                           {"M\xC3\xA4", "u"},
                           {"100%", "p"},
                           {"O'Hara", "q"}});
    }
    Names names(const std::string& sql) {
        Query query;
        test::openQuery(query, sql);
        Names out;
        for (; !query.eof(); query.next())
            out.push_back(query.fieldByName("Name").asText());
        return out;
    }
};

TEST_F(Statements, LikeIsCaseSensitiveWithPercentAndUnderscore) {
    const std::pair<std::string, Names> cases[] = {
        {"%Kub%", {"Kubrick"}},
        {"%kub%", {"kubrick"}},
        {"%K_b%", {"Kubrick", "Kabrick"}},
        {"%rick", {"Kubrick", "kubrick", "Kabrick"}},
        {"K%k", {"Kubrick", "Kabrick"}},
        {"Kubrick", {"Kubrick"}},
        {"Kubric", {}},
        {"%*%", {"a*b"}},
        {"%?%", {"a?b"}},
        {"%[%", {"a[b]"}},
        {"a_b%", {"a*b", "a?b", "a[b]"}},
        {"M_", {"M\xC3\xA4"}}, // "_" is one character, also when it takes two bytes
        {"%0\\%%", {}},
        {"%0%%", {"100%"}},
        {"%'%", {"O'Hara"}},
    };
    for (const auto& [pattern, want] : cases) {
        SCOPED_TRACE(pattern);
        std::string quoted;
        for (char c : pattern)
            quoted += c == '\'' ? std::string("''") : std::string(1, c);
        EXPECT_EQ(names("Select * from items where Name like '" + quoted + "'"), want);
    }
}

TEST_F(Statements, AnEmptyPatternFindsEveryRecordIncludingEmptyValues) {
    EXPECT_EQ(names("Select * from items where Code like '%%'").size(), 10u);
    EXPECT_EQ(names("select * from items where Code = '' and Name = 'KUBRICK'"), Names{"KUBRICK"});
}

TEST_F(Statements, KeyReQueryMatchesBothTextsExactly) {
    EXPECT_EQ(names("select * from items where Name = 'Kubrick' and Code = '007'"), Names{"Kubrick"});
    EXPECT_EQ(names("select * from items where Name = 'Kubrick' and Code = '7'"), Names{});
    EXPECT_EQ(names("select * from items where Name = 'kubrick' and Code = '7'"), Names{"kubrick"});
    EXPECT_EQ(names("select * from items where Code = '007'"), Names{"Kubrick"});
}

TEST_F(Statements, LikeComparesTheTextThatLogicalAndDateFieldsShow) {
    Query query;
    test::openQuery(query);
    query.edit();
    query.fieldByName("Flag").setAsText("True");
    query.fieldByName("When").setAsText("3/4/2024");
    query.post();
    EXPECT_EQ(names("Select * from items where Flag like '%Tru%'"), Names{"Kubrick"});
    EXPECT_EQ(names("Select * from items where When like '03/04/%'"), Names{"Kubrick"});
    EXPECT_EQ(names("Select * from items where Number like '1_'"), Names{"O'Hara"});
}

TEST_F(Statements, StatementsEndWithOrWithoutASemicolonAndIgnoreCase) {
    EXPECT_EQ(names("select * from items;").size(), 10u);
    EXPECT_EQ(names("SELECT * FROM ITEMS").size(), 10u);
    EXPECT_EQ(names("select * from items where NAME like 'Kub%';"), Names{"Kubrick"});
    Query query;
    query.setDatabaseName("orupim");
    query.addSql("select *");
    query.addSql("from items");
    query.open();
    EXPECT_EQ(query.sqlText(), "select *\nfrom items");
    EXPECT_EQ(query.recordCount(), 10);
}

TEST_F(Statements, ATextColumnKeepsDigitsAsText) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(test::itemsFile().c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "select typeof(Code), Code from items where Name = 'Kubrick'", -1, &statement,
                       nullptr);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)), "text");
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)), "007");
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

} // namespace
} // namespace orupim::db
