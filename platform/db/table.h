// One table file of the engine: an SQLite database "<table>.db" holding the table under its own name and the
// field definitions it was made from (table "orupim_fields"), so that a table says by itself which kind each
// column is. Text, memo and date columns are declared TEXT, so a value such as "007" stays text; a logical
// is an INTEGER 1 or 0; an auto-increment field is the table's INTEGER PRIMARY KEY AUTOINCREMENT, numbered by
// SQLite on insert and never reused. Every change is one committed transaction.
#pragma once

#include "platform/db/fielddef.h"
#include "platform/db/fieldvalue.h"
#include "platform/db/keyset.h"
#include "platform/db/sqlstatement.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace orupim::db {

// Makes every change of a table file, after its statement ran and before its commit, ask `failure` for an
// SQLite result code: SQLITE_OK lets the change go on, any other code makes it fail as if SQLite had answered
// that code there, so that tests can prove it is rolled back and reported. An empty function ends it.
// Answers the function it replaces (empty when none was set).
using TableWriteFailureFunction = std::function<int(const std::filesystem::path& tableFile)>;
TableWriteFailureFunction setWriteFailure(TableWriteFailureFunction failure);

class Table {
public:
    // Creates the empty table of `layout` as `hostFile`, which must not exist; the file appears whole or not
    // at all. DatabaseError on failure, naming the file as `displayName`.
    static void create(const std::filesystem::path& hostFile, const RecordLayout& layout,
                       const std::string& displayName);

    // Opens a table file; DatabaseError when it is missing, damaged, or does not hold `tableName`. A file
    // that nobody may write (mode bits) is opened read-only.
    static std::shared_ptr<Table> open(const std::filesystem::path& hostFile, std::string_view tableName);

    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const RecordLayout& layout() const { return layout_; }
    bool writable() const { return writable_; }

    // The row ids of the records meeting every condition, in the table's order. DatabaseError for a field
    // the table does not have, or a damaged file.
    Keyset select(const std::vector<SqlCondition>& conditions);

    // Reads the records whose row ids lie from `first` to `last`, in row-id order, in the text form: one
    // statement for a run of records, so that a walk does not pay the file's locking for each of them.
    void readRange(std::int64_t first, std::int64_t last,
                   const std::function<void(std::int64_t rowid, std::vector<FieldValue>& values)>& take);

    // What tells whether the records may have changed between two moments: the commits of other connections
    // (SQLite's data version), this connection's own changes, and which file the table's name now leads to
    // (a file put in its place is another table) and whether its mode bits let it be written. Equal marks:
    // nothing changed in between.
    struct ChangeMark {
        std::int64_t dataVersion = -1;
        std::int64_t ownChanges = -1;
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        bool writable = false;
        bool operator==(const ChangeMark& other) const {
            return dataVersion == other.dataVersion && ownChanges == other.ownChanges &&
                   device == other.device && inode == other.inode && writable == other.writable;
        }
    };
    ChangeMark changeMark() const;

    // Each in one committed transaction; DatabaseError (and nothing written) on failure.
    std::int64_t insert(const std::vector<FieldValue>& values);
    void update(std::int64_t rowid, const std::vector<FieldValue>& values);
    void remove(std::int64_t rowid);

private:
    Table(sqlite3* db, std::filesystem::path hostFile, std::string displayName, bool writable);
    [[noreturn]] void fail(std::string_view what) const;
    void readLayout(std::string_view tableName);
    bool selectWholeRun(Keyset& rows);
    void execute(const char* sql);
    void bindValues(sqlite3_stmt* statement, const std::vector<FieldValue>& values);
    void change(sqlite3_stmt* statement);

    sqlite3* db_;
    std::filesystem::path hostFile_;
    std::string displayName_; // the file's drive path, for messages
    bool writable_;
    RecordLayout layout_;
    std::string readSql_;
    sqlite3_stmt* readStatement_ = nullptr;
};

} // namespace orupim::db
