// Field definitions and record layouts: what a table of the engine holds. An edition's table is described by
// one RecordLayout; the engine creates the table from it and keeps the definitions inside the table file.
#pragma once

#include <string>
#include <vector>

namespace orupim::db {

enum class FieldKind { Text, Logical, Date, AutoIncrement, Memo };

struct FieldDef {
    std::string name;
    FieldKind kind = FieldKind::Text;
    int size = 0; // characters for text and memo, 0 otherwise
    bool required = false;
};

struct RecordLayout {
    std::string table;
    std::vector<FieldDef> fields;
};

} // namespace orupim::db
