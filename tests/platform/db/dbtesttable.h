// A table for the engine's tests: an alias ORUPIM over a fresh directory of drive C: and a small table
// "items" holding every field kind, filled with the records a test names.
#pragma once

#include "platform/db/fielddef.h"
#include "platform/db/query.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orupim::db::test {

// Name text(10) required, Code text(5), Flag logical, When date, Number auto-increment, Notes memo.
const RecordLayout& itemsLayout();

// Points the default session's alias ORUPIM at a new directory C:\<name> (created) and answers its drive
// path.
std::string useFreshAlias(const std::string& name);

// The host path of the items table in the alias's directory.
std::filesystem::path itemsFile();

// Creates the items table and adds one record per entry: {Name, Code}.
void createItems(const std::vector<std::pair<std::string, std::string>>& records);

// Runs SQL on the items table through a connection of its own, as another program would.
void runSql(const std::string& sql);

// Opens a query on "select * from items" (or `sql`).
void openQuery(Query& query, const std::string& sql = "select * from items");

// The Name of every record of the table, in the table's order, read by a fresh query.
std::vector<std::string> storedNames();

} // namespace orupim::db::test
