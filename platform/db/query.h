// A live query over one alias's table: SQL text, open and close, the moves with their begin and end flags,
// editing with insert, edit, post, cancel and delete, the fields of the current record, and the data controls
// turned off and on (counted). The open result is a keyset: the row ids of the matching records in the
// table's order; the current record is read only when a field is asked for it, so walking a result costs no
// read.
#pragma once

#include "platform/db/datasetstate.h"
#include "platform/db/field.h"
#include "platform/db/fieldvalue.h"
#include "platform/db/keyset.h"
#include "platform/db/sqlstatement.h"
#include "platform/db/table.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orupim::db {

class DataSource;
enum class DataChange;

class Query {
public:
    Query();
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    void setDatabaseName(std::string alias) { databaseName_ = std::move(alias); }
    const std::string& databaseName() const { return databaseName_; }

    void clearSql() { sql_.clear(); }
    void addSql(std::string_view line);
    // The lines joined by line ends.
    std::string sqlText() const;

    // Runs the statement; a statement the engine cannot run raises DatabaseError and leaves the query closed.
    // Opening again, after a close, the statement of the last result on the same table file with no record
    // changed since that result was taken (by this query or any other program) takes that result again
    // instead of selecting anew: a close and reopen of an unchanged table costs no walk of its records.
    void open();
    void close();
    bool active() const { return state_ != DataSetState::Inactive; }

    void first();
    void prior();
    void next();
    void last();
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    // The number of records of the open result (0 when closed), and the current one's place (0-based, -1
    // none).
    int recordCount() const { return rows_.size(); }
    int recordIndex() const { return position_; }

    // Whether the result accepts edit, insert and delete: a single-table "select *" over a writable table
    // file.
    bool canModify() const { return canModify_; }
    void insert();
    void edit();
    void post();
    void cancel();
    void deleteRecord();
    DataSetState state() const { return state_; }

    int fieldCount() const { return static_cast<int>(fields_.size()); }
    Field& field(int index);
    Field* findField(std::string_view name);
    const Field* findField(std::string_view name) const;
    Field& fieldByName(std::string_view name);
    const Field& fieldByName(std::string_view name) const;

    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return disableCount_ > 0; }

private:
    friend class Field;
    friend class DataSource;
    using Value = FieldValue;

    const Value& value(int index) const;
    void setValue(int index, Value value);
    void requireOpen() const;
    void checkBrowseMode();
    void moveTo(int position);
    void requireModifiable() const;
    void setState(DataSetState state);
    void recordChanged();
    void notify(DataChange change);
    void beginInsert();
    // The current record's values, read with the records around it when they are not at hand.
    const std::vector<Value>& loadCurrent() const;
    void attach(DataSource* source);
    void detach(DataSource* source);

    std::string databaseName_;
    std::vector<std::string> sql_;
    std::shared_ptr<Table> table_;
    // The open result's statement, file and the table's change mark when its records were selected.
    SqlStatement statement_;
    std::filesystem::path file_;
    Table::ChangeMark selectedAt_;
    // The last result, kept from its close to the next open, which may take it again.
    struct KeptResult {
        SqlStatement statement;
        std::filesystem::path file;
        std::shared_ptr<Table> table;
        Keyset rows;
        Table::ChangeMark selectedAt;
    };
    std::optional<KeptResult> kept_;
    std::vector<std::unique_ptr<Field>> fields_;
    Keyset rows_;
    int position_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    bool canModify_ = false;
    DataSetState state_ = DataSetState::Inactive;

    // Records read ahead with the current one: window_[i] belongs to position windowFirst_ + i.
    mutable int windowFirst_ = -1;
    mutable std::vector<std::vector<Value>> window_;
    void dropWindow() const;
    std::vector<Value> buffer_; // the record being edited or inserted
    bool savedBof_ = true, savedEof_ = true;

    int disableCount_ = 0;
    bool stateChangedWhileDisabled_ = false;
    DataSetState stateWhenDisabled_ = DataSetState::Inactive;
    std::vector<DataSource*> sources_;
};

} // namespace orupim::db
