#include "dbtesttable.h"

#include "platform/core/errors.h"
#include "platform/db/session.h"
#include "platform/files/drivepath.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace orupim::db {
namespace {

class Failures : public ::testing::Test {
protected:
    void SetUp() override {
        directory = test::useFreshAlias(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    // Opening raises a DatabaseError whose message starts with `start`, and leaves the query closed.
    void expectOpenFails(const std::string& sql, const std::string& start) {
        Query query;
        query.setDatabaseName("ORUPIM");
        query.addSql(sql);
        try {
            query.open();
            ADD_FAILURE() << "opened";
        } catch (const DatabaseError& error) {
            EXPECT_EQ(error.message().substr(0, start.size()), start) << error.message();
        }
        EXPECT_FALSE(query.active());
        EXPECT_EQ(query.state(), DataSetState::Inactive);
    }
    std::string directory;
};

TEST_F(Failures, RejectedStatementLeavesTheQueryClosed) {
    test::createItems({{"a", ""}});
    expectOpenFails("select * from items where Name = 'O'Brien' and Code = ''", "Invalid SQL statement");
    expectOpenFails("update items set Name = 'x'", "Invalid SQL statement");
    expectOpenFails("select * from items where Missing like '%a%'", "Invalid field name: Missing");
    EXPECT_EQ(test::storedNames(), std::vector<std::string>{"a"});
}

TEST_F(Failures, MissingTableNamesTheFile) {
    expectOpenFails("select * from nope", "Table does not exist: " + directory + "nope.db");
}

TEST_F(Failures, WrongAliasPathOrUnknownAlias) {
    test::createItems({{"a", ""}});
    Session::instance().modifyAlias("ORUPIM", {"PATH=C:\\NOT THERE\\", "DEFAULT DRIVER=PARADOX"});
    expectOpenFails("select * from items", "Invalid path of alias ORUPIM: C:\\NOT THERE\\");
    Query query;
    query.setDatabaseName("ELSEWHERE");
    query.addSql("select * from items");
    EXPECT_THROW(query.open(), DatabaseError);
    EXPECT_FALSE(query.active());
}

TEST_F(Failures, DamagedTableFilesAreReported) {
    const std::string contents[] = {
        "this is not a table at all, just some text that someone saved under the table's name......",
        "",
        std::string("SQLite format 3\0", 16) + std::string(200, '\x01'),
    };
    for (const auto& content : contents) {
        SCOPED_TRACE(content.substr(0, 20));
        std::ofstream(test::itemsFile(), std::ios::binary | std::ios::trunc) << content;
        expectOpenFails("select * from items", "Table is damaged: " + directory + "items.db");
    }
}

TEST_F(Failures, ATableOfAnotherProgramIsReportedAsDamaged) {
    // A SQLite file without the engine's field definitions, or whose columns differ from them.
    Session::instance().createAliasTable("ORUPIM", test::itemsLayout());
    {
        Query query;
        test::openQuery(query);
    }
    const RecordLayout other{"other", {{"X", FieldKind::Text, 5}}};
    Session::instance().createAliasTable("ORUPIM", other);
    std::filesystem::rename(files::toHost(directory + "other.db"), test::itemsFile());
    expectOpenFails("select * from items", "Table is damaged");

    // The right column names, but a text column that would not keep "007" as text.
    std::filesystem::remove(test::itemsFile());
    Session::instance().createAliasTable("ORUPIM", test::itemsLayout());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(test::itemsFile().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "DROP TABLE items; CREATE TABLE items (Name TEXT, Code NUMERIC, Flag INTEGER, "
                           "\"When\" TEXT, Number INTEGER PRIMARY KEY, Notes TEXT)",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    expectOpenFails("select * from items",
                    "Table is damaged: " + directory + "items.db (columns do not match");
}

TEST_F(Failures, ADamagedPageInTheMiddleIsReportedOnOpening) {
    test::createItems({});
    test::runSql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
                 "INSERT INTO items (Name, Code, Notes) SELECT 'n' || i, i, printf('%.200c', 'x') FROM n");
    const auto size = std::filesystem::file_size(test::itemsFile());
    ASSERT_GT(size, 16u * 4096u);
    {
        std::fstream file(test::itemsFile(), std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(std::streamoff(size / 2 / 4096 * 4096));
        file << std::string(4096, '\xA5');
    }
    // The whole table and a search both walk the file.
    expectOpenFails("select * from items", "Table is damaged: " + directory + "items.db");
    expectOpenFails("select * from items where Name like 'n1%'",
                    "Table is damaged: " + directory + "items.db");
}

TEST_F(Failures, ATruncatedTableNeverCrashes) {
    std::vector<std::pair<std::string, std::string>> records;
    for (int i = 0; i < 300; ++i)
        records.emplace_back("n" + std::to_string(i), std::to_string(i));
    test::createItems(records);
    const auto size = std::filesystem::file_size(test::itemsFile());
    std::filesystem::resize_file(test::itemsFile(), size / 2);
    Query query;
    query.setDatabaseName("ORUPIM");
    query.addSql("select * from items");
    try {
        query.open();
        for (; !query.eof(); query.next())
            query.fieldByName("Name").asText();
        ADD_FAILURE() << "a half file read whole";
    } catch (const DatabaseError& error) {
        EXPECT_NE(error.message().find("damaged"), std::string::npos) << error.message();
    }
}

TEST_F(Failures, CreatingATableNeverReplacesOneOrLeavesHalfAFile) {
    test::createItems({{"kept", ""}});
    try {
        Session::instance().createAliasTable("ORUPIM", test::itemsLayout());
        ADD_FAILURE() << "created twice";
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.message(), "Table already exists: " + directory + "items.db");
    }
    EXPECT_EQ(test::storedNames(), std::vector<std::string>{"kept"});
    EXPECT_THROW(Session::createTable("C:\\NO SUCH DIR", test::itemsLayout()), DatabaseError);
    EXPECT_FALSE(std::filesystem::exists(files::toHost("C:\\NO SUCH DIR")));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(files::toHost(directory)))
        ++entries;
    EXPECT_EQ(entries, 1); // no temporary file left beside the table
}

TEST_F(Failures, CreatingATableLeavesNoFileOpen) {
    auto openFiles = [] {
        int count = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
            ++count;
        return count;
    };
    const int before = openFiles();
    Session::instance().createAliasTable("ORUPIM", test::itemsLayout());
    EXPECT_EQ(openFiles(), before);
}

} // namespace
} // namespace orupim::db
