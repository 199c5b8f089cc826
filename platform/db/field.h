// One field of the current record of a query. Values are handled as text, as the data-aware controls show
// them: text as stored, a logical as "True" or "False", a date in the short date format (see fieldvalue.h),
// and "" for no value.
#pragma once

#include "platform/db/fielddef.h"

#include <string>
#include <string_view>

namespace orupim::db {

class Query;

class Field {
public:
    Field(Query& query, int index, FieldDef def);

    const std::string& fieldName() const { return def_.name; }
    FieldKind kind() const { return def_.kind; }
    int size() const { return def_.size; }
    bool required() const { return def_.required; }
    int index() const { return index_; }

    bool isNull() const;
    std::string asText() const;
    // A text field takes at most its size; "" clears the value; a bad date raises ConvertError. Only in edit
    // or insert state (DatabaseError otherwise); an auto-increment field is numbered by the table, never set.
    void setAsText(std::string_view text);

private:
    Query* query_;
    int index_;
    FieldDef def_;
};

} // namespace orupim::db
