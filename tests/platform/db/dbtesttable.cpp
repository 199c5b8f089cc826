#include "dbtesttable.h"

#include "platform/db/session.h"
#include "platform/files/drivepath.h"
#include "platform/files/filesystem.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace orupim::db::test {

namespace {
std::string aliasDirectory;
}

const RecordLayout& itemsLayout() {
    static const RecordLayout layout{"items",
                                     {
                                         {"Name", FieldKind::Text, 10, true},
                                         {"Code", FieldKind::Text, 5},
                                         {"Flag", FieldKind::Logical},
                                         {"When", FieldKind::Date},
                                         {"Number", FieldKind::AutoIncrement},
                                         {"Notes", FieldKind::Memo, 240},
                                     }};
    return layout;
}

std::string useFreshAlias(const std::string& name) {
    aliasDirectory = "C:\\" + name + "\\";
    files::forceDirectories(aliasDirectory);
    auto& session = Session::instance();
    if (session.isAlias("ORUPIM"))
        session.modifyAlias("ORUPIM", {"PATH=" + aliasDirectory, "DEFAULT DRIVER=PARADOX"});
    else
        session.addStandardAlias("ORUPIM", aliasDirectory, "PARADOX");
    return aliasDirectory;
}

std::filesystem::path itemsFile() {
    return files::toHost(aliasDirectory + "items.db");
}

void createItems(const std::vector<std::pair<std::string, std::string>>& records) {
    Session::instance().createAliasTable("ORUPIM", itemsLayout());
    Query query;
    openQuery(query);
    for (const auto& [name, code] : records) {
        query.last();
        query.insert();
        query.fieldByName("Name").setAsText(name);
        query.fieldByName("Code").setAsText(code);
        query.post();
    }
}

void runSql(const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(itemsFile().c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

void openQuery(Query& query, const std::string& sql) {
    query.setDatabaseName("ORUPIM");
    query.close();
    query.clearSql();
    query.addSql(sql);
    query.open();
}

std::vector<std::string> storedNames() {
    Query query;
    openQuery(query);
    std::vector<std::string> names;
    for (; !query.eof(); query.next())
        names.push_back(query.fieldByName("Name").asText());
    return names;
}

} // namespace orupim::db::test
