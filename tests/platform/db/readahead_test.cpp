// Table files are read ahead in blocks where a walk goes through them in order. These cases hold the walks of
// the engine's queries against SQLite's own reading of the same file: a table whose pages lie out of order,
// and, on tables whose pages lie in order, records another program changes between two walks of one query,
// also while it keeps the table in write-ahead-log mode and checkpoints.
#include "dbtesttable.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace orupim::db {
namespace {

using Rows = std::vector<std::string>;

// SQLite's own answer: "Name|Notes" of the records the statement selects, through the connection given.
Rows rowsOf(sqlite3* db, const std::string& sql) {
    Rows rows;
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        const auto* notes = reinterpret_cast<const char*>(sqlite3_column_text(statement, 1));
        rows.push_back(std::string(name ? name : "") + "|" + (notes ? notes : ""));
    }
    sqlite3_finalize(statement);
    return rows;
}

Rows storedRows(const std::string& where = "") {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(test::itemsFile().c_str(), &db), SQLITE_OK);
    Rows rows = rowsOf(db, "SELECT Name, Notes FROM items " + where + " ORDER BY rowid");
    sqlite3_close(db);
    return rows;
}

Rows walk(Query& query) {
    Rows rows;
    for (query.first(); !query.eof(); query.next())
        rows.push_back(query.fieldByName("Name").asText() + "|" + query.fieldByName("Notes").asText());
    return rows;
}

Rows walkBackwards(Query& query) {
    Rows rows;
    for (query.last(); !query.bof(); query.prior())
        rows.insert(rows.begin(),
                    query.fieldByName("Name").asText() + "|" + query.fieldByName("Notes").asText());
    return rows;
}

// Some 3,000 records of a few hundred bytes: about a megabyte, many blocks. Added in order, the pages that
// hold them follow each other in the file.
void createItemsInOrder() {
    test::createItems({});
    test::runSql(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
        "INSERT INTO items (Name, Code, Notes) SELECT 'n' || i, i % 97, printf('%.300c', 'x') FROM n");
}

// As many records, their row ids given in a scrambled order, then a third of them deleted and a fifth made
// longer: the pages that hold them follow each other neither in the file nor in any order.
void createScrambledItems() {
    test::createItems({});
    test::runSql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                 "INSERT INTO items (Name, Code, Number, Notes) "
                 "SELECT 'n' || i, i % 97, (i * 7919) % 3001 + 1, printf('%.300c', 'x') FROM n");
    test::runSql("DELETE FROM items WHERE Number % 3 = 0; "
                 "UPDATE items SET Notes = printf('%.900c', 'y') || Number WHERE Number % 5 = 0");
}

TEST(ReadAhead, WalksATableWhosePagesLieOutOfOrder) {
    test::useFreshAlias("SCRAMBLED");
    createScrambledItems();
    const Rows all = storedRows();
    ASSERT_EQ(all.size(), 2000u);
    Query query;
    test::openQuery(query);
    EXPECT_EQ(walk(query), all);
    EXPECT_EQ(walkBackwards(query), all);
    query.disableControls(); // records are read in runs then
    EXPECT_EQ(walk(query), all);
    EXPECT_EQ(walkBackwards(query), all);
    query.enableControls();

    test::openQuery(query, "select * from items where Name like 'n1%'");
    EXPECT_EQ(walk(query), storedRows("WHERE Name GLOB 'n1*'"));
}

// A walk with the data controls off reads its records in runs; with them on, a record is read as it is when
// it becomes current. Each walk after a change begins among the pages that the walk before it read last.
Rows walkInRuns(Query& query, Rows (*direction)(Query&)) {
    query.disableControls();
    Rows rows = direction(query);
    query.enableControls();
    return rows;
}

TEST(ReadAhead, AWalkAfterAnotherProgramsChangeShowsTheChange) {
    test::useFreshAlias("CHANGEDBETWEEN");
    createItemsInOrder();
    Query query;
    test::openQuery(query);
    EXPECT_EQ(walkInRuns(query, walk), storedRows());
    test::runSql("UPDATE items SET Notes = 'changed ' || Number WHERE Number % 7 = 0");
    EXPECT_EQ(walkBackwards(query), storedRows());
    EXPECT_EQ(walkInRuns(query, walkBackwards), storedRows());
    test::runSql("UPDATE items SET Notes = 'again ' || Number WHERE Number % 7 = 1");
    EXPECT_EQ(walk(query), storedRows());

    // A record read again after a change, the walk ended on the last: the read before each left a block
    // holding its page.
    for (const char* notes : {"first", "second", "third"}) {
        SCOPED_TRACE(notes);
        test::runSql(std::string("UPDATE items SET Notes = '") + notes + "' WHERE Name IN ('n1', 'n3000')");
        query.first();
        EXPECT_EQ(query.fieldByName("Notes").asText(), notes);
        query.last();
        EXPECT_EQ(query.fieldByName("Notes").asText(), notes);
    }
}

TEST(ReadAhead, ATableInWriteAheadLogModeIsReadAsItIsNow) {
    test::useFreshAlias("WRITEAHEADLOG");
    createItemsInOrder();
    sqlite3* other = nullptr; // another program, connected throughout
    ASSERT_EQ(sqlite3_open(test::itemsFile().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr), SQLITE_OK);
    const auto stored = [other] { return rowsOf(other, "SELECT Name, Notes FROM items ORDER BY rowid"); };
    const auto change = [other](const char* sql) {
        EXPECT_EQ(sqlite3_exec(other, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(other);
    };
    Query query;
    test::openQuery(query);
    EXPECT_EQ(walkInRuns(query, walk), stored());
    change("UPDATE items SET Notes = 'logged ' || Number WHERE Number % 4 = 0");
    EXPECT_EQ(walkBackwards(query), stored());
    EXPECT_EQ(walkInRuns(query, walk), stored());
    // The log copied into the table file and emptied, then changed again.
    change("PRAGMA wal_checkpoint(TRUNCATE)");
    change("UPDATE items SET Notes = 'again ' || Number WHERE Number % 4 = 1");
    EXPECT_EQ(walkBackwards(query), stored());
    EXPECT_EQ(walkInRuns(query, walk), stored());
    change("PRAGMA wal_checkpoint(TRUNCATE)");
    EXPECT_EQ(walkBackwards(query), stored());
    // Records read again after each change has been copied into the table file.
    for (const char* notes : {"first", "second", "third"}) {
        SCOPED_TRACE(notes);
        change(
            (std::string("UPDATE items SET Notes = '") + notes + "' WHERE Name IN ('n1', 'n3000')").c_str());
        change("PRAGMA wal_checkpoint(TRUNCATE)");
        query.last();
        EXPECT_EQ(query.fieldByName("Notes").asText(), notes);
        query.first();
        EXPECT_EQ(query.fieldByName("Notes").asText(), notes);
    }
    Query fresh;
    test::openQuery(fresh);
    EXPECT_EQ(walkInRuns(fresh, walk), stored());
    sqlite3_close(other);
}

} // namespace
} // namespace orupim::db
