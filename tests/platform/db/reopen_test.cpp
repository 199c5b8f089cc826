// Closing a query and opening it again on the same statement: whatever changed the table in between (this
// query, another connection, a file put in the table's place, the file made read-only) shows in the new
// result, and a statement that differs only in spelling, or a different one, gives its own result.
#include "dbtesttable.h"

#include "platform/db/session.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace orupim::db {
namespace {

std::vector<std::string> names(Query& query) {
    std::vector<std::string> out;
    for (query.first(); !query.eof(); query.next())
        out.push_back(query.fieldByName("Name").asText());
    return out;
}

void reopen(Query& query, const std::string& sql) {
    query.close();
    query.clearSql();
    query.addSql(sql);
    query.open();
}

TEST(Reopen, ShowsEveryChangeMadeSinceTheLastResult) {
    test::useFreshAlias("REOPEN");
    using Names = std::vector<std::string>;
    struct Case {
        const char* what;
        std::function<void(Query&)> change; // run while the query is open
        bool closedFirst;                   // run after the close instead
        Names want;
        bool canModify;
    } cases[] = {
        {"nothing", [](Query&) {}, false, {"a", "b"}, true},
        {"a record added here",
         [](Query& query) {
             query.insert();
             query.fieldByName("Name").setAsText("c");
             query.post();
         },
         false,
         {"a", "b", "c"},
         true},
        {"a record deleted by another program",
         [](Query&) { test::runSql("DELETE FROM items WHERE Name = 'a'"); },
         true,
         {"b"},
         true},
        {"a record changed by another program",
         [](Query&) { test::runSql("UPDATE items SET Name = 'bb' WHERE Name = 'b'"); },
         false,
         {"a", "bb"},
         true},
        {"another file put in the table's place",
         [](Query&) {
             const auto file = test::itemsFile();
             std::filesystem::copy_file(file, file.string() + ".new");
             test::runSql("DELETE FROM items");
             std::filesystem::rename(file.string() + ".new", file);
         },
         true,
         {"a", "b"},
         true},
        {"the file made read-only",
         [](Query&) {
             std::filesystem::permissions(test::itemsFile(), std::filesystem::perms::owner_read |
                                                                 std::filesystem::perms::group_read |
                                                                 std::filesystem::perms::others_read);
         },
         true,
         {"a", "b"},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(test::itemsFile());
        test::createItems({{"a", ""}, {"b", ""}});
        Query query;
        test::openQuery(query, "select * from items;");
        ASSERT_EQ(names(query), (Names{"a", "b"}));
        if (!c.closedFirst)
            c.change(query);
        query.close();
        if (c.closedFirst)
            c.change(query);
        reopen(query, "SELECT * FROM items");
        EXPECT_EQ(names(query), c.want);
        EXPECT_EQ(query.recordCount(), static_cast<int>(c.want.size()));
        EXPECT_EQ(query.canModify(), c.canModify);
        // The reopened result stands on its first record, as every open does.
        query.first();
        EXPECT_EQ(query.recordIndex(), 0);
    }
}

TEST(Reopen, AnotherStatementGivesItsOwnResult) {
    test::useFreshAlias("REOPEN");
    test::createItems({{"apple", "1"}, {"berry", "2"}, {"apricot", "3"}});
    Query query;
    test::openQuery(query);
    const std::pair<const char*, std::vector<std::string>> steps[] = {
        {"select * from items where Name like 'ap%'", {"apple", "apricot"}},
        {"select * from items where Name like 'ap%'", {"apple", "apricot"}},
        {"select * from items where Name like 'AP%'", {}},
        {"select * from items where Code = '2'", {"berry"}},
        {"select * from items", {"apple", "berry", "apricot"}},
    };
    for (const auto& [sql, want] : steps) {
        SCOPED_TRACE(sql);
        reopen(query, sql);
        EXPECT_EQ(names(query), want);
    }
}

} // namespace
} // namespace orupim::db
