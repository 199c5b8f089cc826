#include "platform/db/query.h"

#include "platform/core/errors.h"
#include "platform/core/text.h"
#include "platform/db/datasource.h"
#include "platform/db/session.h"
#include "platform/db/sqlstatement.h"
#include "platform/db/table.h"
#include "platform/files/drivepath.h"
#include "platform/files/filesystem.h"

#include <algorithm>
#include <utility>

namespace orupim::db {

namespace {

const FieldValue& noValue() {
    static const std::optional<std::string> none;
    return none;
}

bool sameLayout(const std::vector<std::unique_ptr<Field>>& fields, const RecordLayout& layout) {
    if (fields.size() != layout.fields.size())
        return false;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto& def = layout.fields[i];
        const auto& field = *fields[i];
        if (field.fieldName() != def.name || field.kind() != def.kind || field.size() != def.size ||
            field.required() != def.required)
            return false;
    }
    return true;
}

bool sameStatement(const SqlStatement& a, const SqlStatement& b) {
    if (!equalsIgnoreCase(a.table, b.table) || a.conditions.size() != b.conditions.size())
        return false;
    for (std::size_t i = 0; i < a.conditions.size(); ++i) {
        const SqlCondition& x = a.conditions[i];
        const SqlCondition& y = b.conditions[i];
        if (!equalsIgnoreCase(x.field, y.field) || x.op != y.op || x.text != y.text)
            return false;
    }
    return true;
}

} // namespace

Query::Query() = default;

Query::~Query() {
    for (auto* source : sources_)
        source->detach();
}

void Query::addSql(std::string_view line) {
    sql_.emplace_back(line);
}

std::string Query::sqlText() const {
    std::string text;
    for (std::size_t i = 0; i < sql_.size(); ++i)
        text += (i == 0 ? "" : "\n") + sql_[i];
    return text;
}

void Query::open() {
    if (active())
        return;
    // Everything that can fail comes before the query changes, so a rejected statement leaves it closed.
    const SqlStatement statement = SqlStatement::parse(sqlText());
    const std::string directory = Session::instance().aliasPath(databaseName_);
    if (!files::directoryExists(directory))
        throw DatabaseError(formatText("Invalid path of alias %s: %s", {databaseName_, directory}));
    std::string file = directory;
    if (!file.empty() && file.back() != '\\' && file.back() != '/' && file.back() != ':')
        file += '\\';
    file += statement.table + ".db";
    const std::filesystem::path hostFile = files::toHost(file);
    std::optional<KeptResult> kept = std::move(kept_);
    kept_.reset();
    if (kept && kept->file == hostFile && sameStatement(kept->statement, statement) &&
        kept->table->changeMark() == kept->selectedAt) {
        table_ = std::move(kept->table);
        rows_ = std::move(kept->rows);
        selectedAt_ = kept->selectedAt;
    } else {
        kept.reset();
        auto table = Table::open(hostFile, statement.table);
        auto rows = table->select(statement.conditions);
        selectedAt_ = table->changeMark();
        table_ = std::move(table);
        rows_ = std::move(rows);
    }
    statement_ = statement;
    file_ = hostFile;
    if (!sameLayout(fields_, table_->layout())) {
        // Fields are kept across opens of the same table, so that controls may hold on to them.
        fields_.clear();
        for (std::size_t i = 0; i < table_->layout().fields.size(); ++i)
            fields_.push_back(std::make_unique<Field>(*this, int(i), table_->layout().fields[i]));
    }
    canModify_ = table_->writable();
    position_ = rows_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = rows_.empty();
    dropWindow();
    setState(DataSetState::Browse);
    notify(DataChange::RecordChanged);
}

void Query::close() {
    if (!active())
        return;
    kept_ =
        KeptResult{std::move(statement_), std::move(file_), std::move(table_), std::move(rows_), selectedAt_};
    table_.reset();
    rows_.clear();
    buffer_.clear();
    dropWindow();
    position_ = -1;
    bof_ = eof_ = true;
    canModify_ = false;
    setState(DataSetState::Inactive);
    notify(DataChange::RecordChanged);
}

void Query::checkBrowseMode() {
    requireOpen();
    // A move while a record is edited or added stores it first, as the class library's datasets do.
    if (state_ == DataSetState::Edit || state_ == DataSetState::Insert)
        post();
}

void Query::moveTo(int position) {
    if (position == position_)
        return;
    position_ = position;
    notify(DataChange::RecordChanged);
}

void Query::first() {
    checkBrowseMode();
    bof_ = true;
    eof_ = rows_.empty();
    if (!rows_.empty())
        moveTo(0);
}

void Query::last() {
    checkBrowseMode();
    eof_ = true;
    bof_ = rows_.empty();
    if (!rows_.empty())
        moveTo(recordCount() - 1);
}

void Query::next() {
    checkBrowseMode();
    if (rows_.empty())
        return;
    bof_ = eof_ = false;
    if (position_ + 1 < recordCount())
        moveTo(position_ + 1);
    else
        eof_ = true;
}

void Query::prior() {
    checkBrowseMode();
    if (rows_.empty())
        return;
    bof_ = eof_ = false;
    if (position_ > 0)
        moveTo(position_ - 1);
    else
        bof_ = true;
}

void Query::insert() {
    checkBrowseMode();
    requireModifiable();
    beginInsert();
}

void Query::beginInsert() {
    savedBof_ = bof_;
    savedEof_ = eof_;
    buffer_.assign(fields_.size(), std::nullopt);
    setState(DataSetState::Insert);
    notify(DataChange::RecordChanged);
}

void Query::edit() {
    requireOpen();
    if (state_ == DataSetState::Edit || state_ == DataSetState::Insert)
        return;
    requireModifiable();
    if (rows_.empty()) {
        beginInsert();
        return;
    }
    // The record as it is now, not as read ahead: fields the user does not touch are stored back unchanged.
    dropWindow();
    buffer_ = loadCurrent();
    setState(DataSetState::Edit);
}

void Query::post() {
    requireOpen();
    if (state_ != DataSetState::Edit && state_ != DataSetState::Insert)
        throw DatabaseError("Dataset not in edit or insert mode");
    notify(DataChange::UpdateRecord);
    // Required fields are checked in field-list order before anything is written; the record keeps its state
    // and its values, so it can be completed and posted again.
    for (const auto& field : fields_) {
        if (field->required() && field->kind() != FieldKind::AutoIncrement && !buffer_[field->index()]) {
            for (auto* source : std::vector<DataSource*>(sources_))
                source->requestFocus(field->fieldName());
            throw DatabaseError::fieldRequired(field->fieldName());
        }
    }
    if (state_ == DataSetState::Insert) {
        const std::int64_t rowid = table_->insert(buffer_);
        const int at = std::max(position_, 0);
        rows_.insert(at, rowid);
        position_ = at;
        bof_ = eof_ = false;
    } else {
        table_->update(rows_.at(position_), buffer_);
    }
    buffer_.clear();
    dropWindow();
    setState(DataSetState::Browse);
    notify(DataChange::RecordChanged);
}

void Query::cancel() {
    if (state_ != DataSetState::Edit && state_ != DataSetState::Insert)
        return;
    if (state_ == DataSetState::Insert) {
        bof_ = savedBof_;
        eof_ = savedEof_;
    }
    buffer_.clear();
    setState(DataSetState::Browse);
    notify(DataChange::RecordChanged);
}

void Query::deleteRecord() {
    requireOpen();
    requireModifiable();
    if (state_ == DataSetState::Insert) {
        cancel();
        return;
    }
    if (rows_.empty())
        throw DatabaseError("Cannot perform this operation on an empty dataset");
    table_->remove(rows_.at(position_));
    rows_.erase(position_);
    buffer_.clear();
    if (rows_.empty()) {
        position_ = -1;
        bof_ = eof_ = true;
    } else {
        position_ = std::min(position_, recordCount() - 1);
        bof_ = eof_ = false;
    }
    dropWindow();
    setState(DataSetState::Browse);
    notify(DataChange::RecordChanged);
}

Field& Query::field(int index) {
    if (index < 0 || index >= fieldCount())
        throw ListError();
    return *fields_[index];
}

const Field* Query::findField(std::string_view name) const {
    for (const auto& field : fields_)
        if (equalsIgnoreCase(field->fieldName(), name))
            return field.get();
    return nullptr;
}

Field* Query::findField(std::string_view name) {
    return const_cast<Field*>(std::as_const(*this).findField(name));
}

const Field& Query::fieldByName(std::string_view name) const {
    if (const Field* found = findField(name))
        return *found;
    throw DatabaseError(formatText("Field '%s' not found", {name}));
}

Field& Query::fieldByName(std::string_view name) {
    return const_cast<Field&>(std::as_const(*this).fieldByName(name));
}

void Query::disableControls() {
    if (disableCount_++ == 0)
        stateWhenDisabled_ = state_;
}

void Query::enableControls() {
    if (disableCount_ == 0)
        return;
    if (--disableCount_ > 0)
        return;
    // The controls were not told while they were off: one refresh brings them up to date, with the current
    // record read anew.
    dropWindow();
    for (auto* source : std::vector<DataSource*>(sources_)) {
        source->notify(DataChange::RecordChanged);
        if (state_ != stateWhenDisabled_)
            source->notify(DataChange::StateChanged);
    }
}

const Query::Value& Query::value(int index) const {
    if (state_ == DataSetState::Edit || state_ == DataSetState::Insert)
        return buffer_.at(std::size_t(index));
    if (state_ == DataSetState::Inactive || position_ < 0)
        return noValue();
    return loadCurrent().at(std::size_t(index));
}

void Query::setValue(int index, Value value) {
    if (state_ != DataSetState::Edit && state_ != DataSetState::Insert)
        throw DatabaseError("Dataset not in edit or insert mode");
    buffer_.at(std::size_t(index)) = std::move(value);
    // Only the controls of this field are told: the others may hold text they have not written yet.
    if (!controlsDisabled())
        for (auto* source : std::vector<DataSource*>(sources_))
            source->notifyField(fields_[std::size_t(index)]->fieldName());
}

const std::vector<FieldValue>& Query::loadCurrent() const {
    const int windowSize = static_cast<int>(window_.size());
    if (windowFirst_ < 0 || position_ < windowFirst_ || position_ >= windowFirst_ + windowSize) {
        // While the data controls are off (a count or another walk of the whole result), read a run of
        // records around the current one in one statement: the records ahead of it, or the ones before it
        // when the walk goes backwards. A run holds only ascending row ids lying close together, so a sparse
        // result never makes it scan far. With the controls on, each record is read when it becomes
        // current, so what the user sees is never older than the move that showed it.
        const int MaxRecords = controlsDisabled() ? 64 : 1;
        constexpr std::int64_t MaxSpan = 1024;
        const bool backwards = windowFirst_ > 0 && position_ == windowFirst_ - 1;
        int low = position_, high = position_;
        if (backwards) {
            while (low > 0 && position_ - low + 1 < MaxRecords && rows_.at(low - 1) < rows_.at(low) &&
                   rows_.at(high) - rows_.at(low - 1) <= MaxSpan)
                --low;
        } else {
            while (high + 1 < recordCount() && high - position_ + 1 < MaxRecords &&
                   rows_.at(high + 1) > rows_.at(high) && rows_.at(high + 1) - rows_.at(low) <= MaxSpan)
                ++high;
        }
        // A record deleted by another program since the open reads as empty.
        window_.assign(std::size_t(high - low + 1), std::vector<Value>(fields_.size()));
        windowFirst_ = low;
        int next = low;
        table_->readRange(rows_.at(low), rows_.at(high), [&](std::int64_t rowid, std::vector<Value>& values) {
            // Both run in ascending row-id order: merge.
            while (next <= high && rows_.at(next) < rowid)
                ++next;
            if (next <= high && rows_.at(next) == rowid)
                window_[std::size_t(next - low)].swap(values);
        });
    }
    return window_[std::size_t(position_ - windowFirst_)];
}

void Query::dropWindow() const {
    windowFirst_ = -1;
    window_.clear();
}

void Query::requireOpen() const {
    if (!active())
        throw DatabaseError("Cannot perform this operation on a closed dataset");
}

void Query::requireModifiable() const {
    if (!canModify_)
        throw DatabaseError::readOnlyDataset();
}

void Query::setState(DataSetState state) {
    if (state_ == state)
        return;
    state_ = state;
    notify(DataChange::StateChanged);
}

void Query::notify(DataChange change) {
    if (controlsDisabled())
        return;
    for (auto* source : std::vector<DataSource*>(sources_))
        source->notify(change);
}

void Query::attach(DataSource* source) {
    sources_.push_back(source);
}

void Query::detach(DataSource* source) {
    sources_.erase(std::remove(sources_.begin(), sources_.end(), source), sources_.end());
}

} // namespace orupim::db
