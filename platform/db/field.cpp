#include "platform/db/field.h"

#include "platform/core/errors.h"
#include "platform/db/fieldvalue.h"
#include "platform/db/query.h"

namespace orupim::db {

Field::Field(Query& query, int index, FieldDef def) : query_(&query), index_(index), def_(std::move(def)) {}

bool Field::isNull() const {
    return !query_->value(index_).has_value();
}

std::string Field::asText() const {
    const auto& value = query_->value(index_);
    return value ? *value : std::string();
}

void Field::setAsText(std::string_view text) {
    if (query_->state() != DataSetState::Edit && query_->state() != DataSetState::Insert)
        throw DatabaseError("Dataset not in edit or insert mode");
    query_->setValue(index_, valueFromText(def_, text));
}

} // namespace orupim::db
