// A result of the whole table holds every record in the table's order whatever row ids the records have: ids
// that follow one another from the first insert, gaps that deletions leave anywhere, and ids that another
// program gave, far apart or below zero. It is read the same forwards and backwards.
#include "dbtesttable.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace orupim::db {
namespace {

using Names = std::vector<std::string>;

Names forwards(Query& query) {
    Names out;
    for (query.first(); !query.eof(); query.next())
        out.push_back(query.fieldByName("Name").asText());
    return out;
}

Names backwards(Query& query) {
    Names out;
    for (query.last(); !query.bof(); query.prior())
        out.insert(out.begin(), query.fieldByName("Name").asText());
    return out;
}

TEST(WholeTable, HoldsEveryRecordWhateverItsRowIds) {
    test::useFreshAlias("WHOLE");
    struct Case {
        const char* what;
        std::string change; // run by another program on the records a..e numbered 1 to 5
        Names want;
    } cases[] = {
        {"ids one after another", "", {"a", "b", "c", "d", "e"}},
        {"the first deleted", "DELETE FROM items WHERE Name = 'a'", {"b", "c", "d", "e"}},
        {"the last deleted", "DELETE FROM items WHERE Name = 'e'", {"a", "b", "c", "d"}},
        {"one in the middle deleted", "DELETE FROM items WHERE Name = 'c'", {"a", "b", "d", "e"}},
        {"every one deleted", "DELETE FROM items", {}},
        {"one added after a gap",
         "INSERT INTO items (Name, Number) VALUES ('f', 7)",
         {"a", "b", "c", "d", "e", "f"}},
        {"ids far apart and below zero",
         "INSERT INTO items (Name, Number) VALUES ('far', 1099511627776), ('low', -3)",
         {"low", "a", "b", "c", "d", "e", "far"}},
        {"a run of ids from below zero",
         "DELETE FROM items; INSERT INTO items (Name, Number) VALUES ('x', -1), ('y', 0), ('z', 1)",
         {"x", "y", "z"}},
        {"the smallest and largest ids there are",
         "DELETE FROM items; INSERT INTO items (Name, Number) VALUES ('min', -9223372036854775808), "
         "('max', 9223372036854775807)",
         {"min", "max"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(test::itemsFile());
        test::createItems({{"a", ""}, {"b", ""}, {"c", ""}, {"d", ""}, {"e", ""}});
        test::runSql(c.change);
        Query query;
        test::openQuery(query, "select * from items");
        EXPECT_EQ(query.recordCount(), int(c.want.size()));
        EXPECT_EQ(forwards(query), c.want);
        EXPECT_EQ(backwards(query), c.want);
    }
}

} // namespace
} // namespace orupim::db
