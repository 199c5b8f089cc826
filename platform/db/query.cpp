#include "platform/db/query.h"

#include "platform/core/errors.h"
#include "platform/core/text.h"
#include "platform/db/datasource.h"

#include <algorithm>

namespace orupim::db {

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
    for (const auto& line : sql_) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

void Query::open() {
    throw DatabaseError("FIXME: not built yet");
}
void Query::close() {
    setState(DataSetState::Inactive);
}
void Query::first() {}
void Query::prior() {}
void Query::next() {}
void Query::last() {}
void Query::insert() {
    requireModifiable();
}
void Query::edit() {
    requireModifiable();
}
void Query::post() {}
void Query::cancel() {}
void Query::deleteRecord() {
    requireModifiable();
}

Field& Query::field(int index) {
    if (index < 0 || index >= fieldCount())
        throw ListError();
    return *fields_[index];
}

Field* Query::findField(std::string_view name) {
    for (auto& field : fields_)
        if (equalsIgnoreCase(field->fieldName(), name))
            return field.get();
    return nullptr;
}

Field& Query::fieldByName(std::string_view name) {
    if (auto* found = findField(name))
        return *found;
    throw DatabaseError(formatText("Field '%s' not found", {name}));
}

void Query::disableControls() {
    ++disableCount_;
}
void Query::enableControls() {
    if (disableCount_ > 0)
        --disableCount_;
}

const Query::Value& Query::value(int index) const {
    return current_.at(index);
}
void Query::setValue(int index, Value value) {
    buffer_.at(index) = std::move(value);
}
void Query::requireOpen() const {}
void Query::requireModifiable() const {
    if (!canModify_)
        throw DatabaseError::readOnlyDataset();
}
void Query::setState(DataSetState state) {
    state_ = state;
}
void Query::attach(DataSource* source) {
    sources_.push_back(source);
}
void Query::detach(DataSource* source) {
    sources_.erase(std::remove(sources_.begin(), sources_.end(), source), sources_.end());
}

} // namespace orupim::db
