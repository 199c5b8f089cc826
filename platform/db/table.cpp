#include "platform/db/table.h"

#include "platform/core/errors.h"
#include "platform/core/replaceable.h"
#include "platform/core/text.h"
#include "platform/files/drivepath.h"

#include <cerrno>
#include <cstring>
#include <limits>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orupim::db {

namespace {

constexpr int BusyTimeoutMs = 5000;

const char* kindName(FieldKind kind) {
    switch (kind) {
    case FieldKind::Text:
        return "text";
    case FieldKind::Logical:
        return "logical";
    case FieldKind::Date:
        return "date";
    case FieldKind::AutoIncrement:
        return "autoinc";
    case FieldKind::Memo:
        return "memo";
    }
    return "";
}

bool kindFromName(std::string_view name, FieldKind& kind) {
    for (FieldKind k :
         {FieldKind::Text, FieldKind::Logical, FieldKind::Date, FieldKind::AutoIncrement, FieldKind::Memo})
        if (name == kindName(k)) {
            kind = k;
            return true;
        }
    return false;
}

const char* declaredType(FieldKind kind) {
    return kind == FieldKind::Logical || kind == FieldKind::AutoIncrement ? "INTEGER" : "TEXT";
}

std::string columnDefinition(const FieldDef& def) {
    return quotedName(def.name) + " " + declaredType(def.kind) +
           (def.kind == FieldKind::AutoIncrement ? " PRIMARY KEY AUTOINCREMENT" : "");
}

std::string textColumn(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? std::string(text, std::size_t(sqlite3_column_bytes(statement, column))) : std::string();
}

// A prepared statement, finalized when it goes.
class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) {
        if (sqlite3_prepare_v2(db, sql.c_str(), int(sql.size()), &statement_, nullptr) != SQLITE_OK)
            statement_ = nullptr;
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return statement_; }
    explicit operator bool() const { return statement_ != nullptr; }

private:
    sqlite3_stmt* statement_ = nullptr;
};

// A file whose mode bits let nobody write it is read-only for everyone, root included.
bool writableByModeBits(const std::filesystem::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 && (info.st_mode & 0222) != 0;
}

int noWriteFails(const std::filesystem::path&) {
    return SQLITE_OK;
}

Replaceable<int(const std::filesystem::path&)>& writeFailure() {
    static Replaceable<int(const std::filesystem::path&)> failure(noWriteFails);
    return failure;
}

} // namespace

TableWriteFailureFunction setWriteFailure(TableWriteFailureFunction failure) {
    return writeFailure().replace(std::move(failure));
}

Table::Table(sqlite3* db, std::filesystem::path hostFile, std::string displayName, bool writable)
    : db_(db), hostFile_(std::move(hostFile)), displayName_(std::move(displayName)), writable_(writable) {}

Table::~Table() {
    sqlite3_finalize(readStatement_);
    sqlite3_close(db_);
}

void Table::fail(std::string_view what) const {
    const int code = sqlite3_extended_errcode(db_) & 0xff;
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
        throw DatabaseError(formatText("Table is damaged: %s (%s)", {displayName_, sqlite3_errmsg(db_)}));
    throw DatabaseError(formatText("%s: %s (%s)", {what, displayName_, sqlite3_errmsg(db_)}));
}

void Table::execute(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail("Cannot write the table");
}

void Table::create(const std::filesystem::path& hostFile, const RecordLayout& layout,
                   const std::string& displayName) {
    if (layout.fields.empty())
        throw DatabaseError(formatText("Cannot create a table without fields: %s", {displayName}));
    // Built under a temporary name and linked into place, so that the table appears whole or not at all and
    // an existing file is never replaced.
    std::string temp = hostFile.string() + ".tmpXXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        throw DatabaseError(formatText("Cannot create the table: %s", {displayName}));
    ::fchmod(fd, 0644);
    ::close(fd);
    sqlite3* db = nullptr;
    const bool opened = sqlite3_open_v2(temp.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
    std::shared_ptr<Table> table(new Table(db, temp, displayName, true));
    try {
        if (!opened)
            table->fail("Cannot create the table");
        std::string columns;
        for (const auto& field : layout.fields)
            columns += (columns.empty() ? "" : ", ") + columnDefinition(field);
        table->execute("BEGIN");
        table->execute(("CREATE TABLE " + quotedName(layout.table) + " (" + columns + ")").c_str());
        table->execute("CREATE TABLE orupim_fields (position INTEGER PRIMARY KEY, name TEXT NOT NULL, "
                       "kind TEXT NOT NULL, size INTEGER NOT NULL, required INTEGER NOT NULL)");
        {
            // Finalized before the connection closes: a connection with a live statement stays open.
            Statement define(db, "INSERT INTO orupim_fields VALUES (?, ?, ?, ?, ?)");
            if (!define)
                table->fail("Cannot create the table");
            for (std::size_t i = 0; i < layout.fields.size(); ++i) {
                const auto& field = layout.fields[i];
                sqlite3_reset(define.get());
                sqlite3_bind_int(define.get(), 1, int(i));
                sqlite3_bind_text(define.get(), 2, field.name.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(define.get(), 3, kindName(field.kind), -1, SQLITE_STATIC);
                sqlite3_bind_int(define.get(), 4, field.size);
                sqlite3_bind_int(define.get(), 5, field.required ? 1 : 0);
                if (sqlite3_step(define.get()) != SQLITE_DONE)
                    table->fail("Cannot create the table");
            }
        }
        table->execute("COMMIT");
        table.reset();
        // A hard link puts the finished file in place only when no table is there, in one step.
        if (::link(temp.c_str(), hostFile.c_str()) != 0) {
            if (errno == EEXIST)
                throw DatabaseError(formatText("Table already exists: %s", {displayName}));
            throw DatabaseError(
                formatText("Cannot create the table %s: %s", {displayName, std::strerror(errno)}));
        }
    } catch (...) {
        table.reset();
        ::unlink(temp.c_str());
        throw;
    }
    ::unlink(temp.c_str());
}

std::shared_ptr<Table> Table::open(const std::filesystem::path& hostFile, std::string_view tableName) {
    const std::string displayName = files::toDrive(hostFile);
    std::error_code error;
    if (!std::filesystem::is_regular_file(hostFile, error))
        throw DatabaseError(formatText("Table does not exist: %s", {displayName}));
    const bool writable = writableByModeBits(hostFile);
    sqlite3* db = nullptr;
    // A connection belongs to one query and is never shared between threads: no per-call locking needed.
    const int flags = (writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY) | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(hostFile.c_str(), &db, flags, nullptr);
    std::shared_ptr<Table> table(new Table(db, hostFile, displayName, writable));
    if (rc != SQLITE_OK)
        table->fail("Cannot open the table");
    sqlite3_busy_timeout(db, BusyTimeoutMs);
    table->readLayout(tableName);
    return table;
}

void Table::readLayout(std::string_view tableName) {
    auto damaged = [this](std::string_view why) {
        throw DatabaseError(formatText("Table is damaged: %s (%s)", {displayName_, why}));
    };
    Statement definitions(db_, "SELECT name, kind, size, required FROM orupim_fields ORDER BY position");
    if (!definitions) {
        if ((sqlite3_errcode(db_) & 0xff) == SQLITE_ERROR)
            damaged("no field definitions");
        fail("Cannot open the table");
    }
    int rc;
    while ((rc = sqlite3_step(definitions.get())) == SQLITE_ROW) {
        FieldDef def;
        def.name = textColumn(definitions.get(), 0);
        if (!kindFromName(textColumn(definitions.get(), 1), def.kind) || def.name.empty())
            damaged("bad field definition");
        def.size = sqlite3_column_int(definitions.get(), 2);
        def.required = sqlite3_column_int(definitions.get(), 3) != 0;
        layout_.fields.push_back(std::move(def));
    }
    if (rc != SQLITE_DONE)
        fail("Cannot open the table");
    if (layout_.fields.empty())
        damaged("no field definitions");

    // The table itself must be there with exactly the defined columns.
    Statement columns(db_, "SELECT name, type FROM pragma_table_info(?)");
    if (!columns)
        fail("Cannot open the table");
    sqlite3_bind_text(columns.get(), 1, std::string(tableName).c_str(), -1, SQLITE_TRANSIENT);
    std::size_t count = 0;
    while ((rc = sqlite3_step(columns.get())) == SQLITE_ROW) {
        // The declared type matters too: a column without TEXT affinity would turn "007" into 7.
        if (count >= layout_.fields.size() ||
            !equalsIgnoreCase(textColumn(columns.get(), 0), layout_.fields[count].name) ||
            !equalsIgnoreCase(textColumn(columns.get(), 1), declaredType(layout_.fields[count].kind)))
            damaged("columns do not match the field definitions");
        ++count;
    }
    if (rc != SQLITE_DONE)
        fail("Cannot open the table");
    if (count == 0)
        damaged(formatText("no table %s", {tableName}));
    if (count != layout_.fields.size())
        damaged("columns do not match the field definitions");
    layout_.table = std::string(tableName);

    std::string names;
    for (const auto& field : layout_.fields)
        names += (names.empty() ? "" : ", ") + quotedName(field.name);
    readSql_ = "SELECT rowid, " + names + " FROM " + quotedName(layout_.table) +
               " WHERE rowid BETWEEN ? AND ? ORDER BY rowid";
}

// The whole table's row ids when they follow one another without a gap, the usual case (records are
// numbered on insert and seldom deleted from the middle): told by the number of records and the smallest and
// largest id alone, which SQLite answers from the pages without stepping through the records. One statement,
// so the three figures come from one state of the file. False, and `rows` untouched, when there is a gap.
bool Table::selectWholeRun(Keyset& rows) {
    const std::string table = quotedName(layout_.table);
    Statement figures(db_, "SELECT (SELECT count(*) FROM " + table + "), (SELECT min(rowid) FROM " + table +
                               "), (SELECT max(rowid) FROM " + table + ")");
    if (!figures || sqlite3_step(figures.get()) != SQLITE_ROW)
        fail("Cannot read the table");
    const std::int64_t count = sqlite3_column_int64(figures.get(), 0);
    const std::int64_t low = sqlite3_column_int64(figures.get(), 1);
    const std::int64_t high = sqlite3_column_int64(figures.get(), 2);
    if (count == 0) {
        rows.finish();
        return true;
    }
    // Row ids are distinct, so as many of them as the span from the smallest to the largest fill it.
    if (count > std::numeric_limits<int>::max() ||
        std::uint64_t(high) - std::uint64_t(low) != std::uint64_t(count - 1))
        return false;
    rows.appendRun(low, int(count));
    rows.finish();
    return true;
}

Keyset Table::select(const std::vector<SqlCondition>& conditions) {
    Keyset rows;
    if (conditions.empty() && selectWholeRun(rows))
        return rows;
    std::string sql = "SELECT rowid FROM " + quotedName(layout_.table);
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        const FieldDef* def = nullptr;
        for (const auto& field : layout_.fields)
            if (equalsIgnoreCase(field.name, conditions[i].field))
                def = &field;
        if (!def)
            throw DatabaseError(formatText("Invalid field name: %s", {conditions[i].field}));
        sql += i == 0 ? " WHERE " : " AND ";
        // GLOB compares case-sensitively, as the engine's LIKE does; the pattern is translated below.
        sql += textExpression(*def) + (conditions[i].op == SqlCondition::Op::Like ? " GLOB ?" : " = ?");
    }
    sql += " ORDER BY rowid";
    Statement statement(db_, sql);
    if (!statement)
        fail("Cannot read the table");
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        std::string value = conditions[i].text;
        if (conditions[i].op == SqlCondition::Op::Like) {
            std::string glob;
            for (char c : value) {
                switch (c) {
                case '%':
                    glob += '*';
                    break;
                case '_':
                    glob += '?';
                    break;
                case '*':
                case '?':
                case '[':
                    glob += '[';
                    glob += c;
                    glob += ']';
                    break;
                default:
                    glob += c;
                }
            }
            value = glob;
        }
        sqlite3_bind_text(statement.get(), int(i) + 1, value.c_str(), int(value.size()), SQLITE_TRANSIENT);
    }
    int rc;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW)
        rows.append(sqlite3_column_int64(statement.get(), 0));
    if (rc != SQLITE_DONE)
        fail("Cannot read the table");
    rows.finish();
    return rows;
}

void Table::readRange(std::int64_t first, std::int64_t last,
                      const std::function<void(std::int64_t rowid, std::vector<FieldValue>& values)>& take) {
    if (!readStatement_ &&
        sqlite3_prepare_v2(db_, readSql_.c_str(), -1, &readStatement_, nullptr) != SQLITE_OK)
        fail("Cannot read the table");
    sqlite3_reset(readStatement_);
    sqlite3_bind_int64(readStatement_, 1, first);
    sqlite3_bind_int64(readStatement_, 2, last);
    std::vector<FieldValue> values;
    int rc;
    while ((rc = sqlite3_step(readStatement_)) == SQLITE_ROW) {
        values.assign(layout_.fields.size(), std::nullopt);
        for (std::size_t i = 0; i < layout_.fields.size(); ++i) {
            const int column = int(i) + 1;
            if (sqlite3_column_type(readStatement_, column) == SQLITE_NULL)
                continue;
            switch (layout_.fields[i].kind) {
            case FieldKind::Logical:
                values[i] = sqlite3_column_int(readStatement_, column) ? "True" : "False";
                break;
            case FieldKind::Date:
                values[i] = shortDate(textColumn(readStatement_, column));
                break;
            default:
                values[i] = textColumn(readStatement_, column);
            }
        }
        take(sqlite3_column_int64(readStatement_, 0), values);
    }
    sqlite3_reset(readStatement_);
    if (rc != SQLITE_DONE)
        fail("Cannot read the table");
}

Table::ChangeMark Table::changeMark() const {
    ChangeMark mark;
    mark.ownChanges = sqlite3_total_changes64(db_);
    Statement version(db_, "PRAGMA data_version");
    if (version && sqlite3_step(version.get()) == SQLITE_ROW)
        mark.dataVersion = sqlite3_column_int64(version.get(), 0);
    struct stat info {};
    if (::stat(hostFile_.c_str(), &info) == 0) {
        mark.device = info.st_dev;
        mark.inode = info.st_ino;
        mark.writable = (info.st_mode & 0222) != 0;
    }
    return mark;
}

void Table::bindValues(sqlite3_stmt* statement, const std::vector<FieldValue>& values) {
    int parameter = 1;
    for (std::size_t i = 0; i < layout_.fields.size(); ++i) {
        const auto& def = layout_.fields[i];
        if (def.kind == FieldKind::AutoIncrement)
            continue;
        const FieldValue& value = i < values.size() ? values[i] : std::nullopt;
        if (!value)
            sqlite3_bind_null(statement, parameter);
        else if (def.kind == FieldKind::Logical)
            sqlite3_bind_int(statement, parameter, *value == "True" ? 1 : 0);
        else if (def.kind == FieldKind::Date)
            sqlite3_bind_text(statement, parameter, storedDate(*value).c_str(), -1, SQLITE_TRANSIENT);
        else
            sqlite3_bind_text(statement, parameter, value->c_str(), int(value->size()), SQLITE_TRANSIENT);
        ++parameter;
    }
}

void Table::change(sqlite3_stmt* statement) {
    // One committed transaction per change; on any failure it is rolled back, so nothing is half-written.
    execute("BEGIN IMMEDIATE");
    int code = SQLITE_OK;
    std::string message;
    if (sqlite3_step(statement) != SQLITE_DONE) {
        code = sqlite3_extended_errcode(db_) & 0xff;
        message = sqlite3_errmsg(db_);
    } else if ((code = writeFailure()(hostFile_)) != SQLITE_OK) {
        message = sqlite3_errstr(code);
    } else if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        code = sqlite3_extended_errcode(db_) & 0xff;
        message = sqlite3_errmsg(db_);
    } else {
        return;
    }
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
        throw DatabaseError(formatText("Table is damaged: %s (%s)", {displayName_, message}));
    throw DatabaseError(formatText("Cannot write the table: %s (%s)", {displayName_, message}));
}

std::int64_t Table::insert(const std::vector<FieldValue>& values) {
    std::string names, marks;
    for (const auto& field : layout_.fields) {
        if (field.kind == FieldKind::AutoIncrement)
            continue;
        names += (names.empty() ? "" : ", ") + quotedName(field.name);
        marks += marks.empty() ? "?" : ", ?";
    }
    const std::string sql = names.empty() ? "INSERT INTO " + quotedName(layout_.table) + " DEFAULT VALUES"
                                          : "INSERT INTO " + quotedName(layout_.table) + " (" + names +
                                                ") VALUES (" + marks + ")";
    Statement statement(db_, sql);
    if (!statement)
        fail("Cannot write the table");
    bindValues(statement.get(), values);
    change(statement.get());
    return sqlite3_last_insert_rowid(db_);
}

void Table::update(std::int64_t rowid, const std::vector<FieldValue>& values) {
    std::string sets;
    int count = 0;
    for (const auto& field : layout_.fields) {
        if (field.kind == FieldKind::AutoIncrement)
            continue;
        sets += (sets.empty() ? "" : ", ") + quotedName(field.name) + " = ?";
        ++count;
    }
    if (count == 0)
        return;
    Statement statement(db_, "UPDATE " + quotedName(layout_.table) + " SET " + sets + " WHERE rowid = ?");
    if (!statement)
        fail("Cannot write the table");
    bindValues(statement.get(), values);
    sqlite3_bind_int64(statement.get(), count + 1, rowid);
    change(statement.get());
    if (sqlite3_changes(db_) == 0)
        throw DatabaseError(formatText("Record was deleted by another user: %s", {displayName_}));
}

void Table::remove(std::int64_t rowid) {
    Statement statement(db_, "DELETE FROM " + quotedName(layout_.table) + " WHERE rowid = ?");
    if (!statement)
        fail("Cannot write the table");
    sqlite3_bind_int64(statement.get(), 1, rowid);
    change(statement.get());
}

} // namespace orupim::db
