// The engine's SQL: any text parses or raises DatabaseError; a statement names a table.
#include "fuzz/fuzzroot.h"
#include "platform/core/errors.h"
#include "platform/db/sqlstatement.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        auto statement =
            orupim::db::SqlStatement::parse(std::string_view(reinterpret_cast<const char*>(data), size));
        orupim::fuzz::require(!statement.table.empty(), "a statement names its table");
        orupim::fuzz::require(statement.conditions.size() <= 2, "at most two conditions");
    } catch (const orupim::DatabaseError&) {
    }
    return 0;
}
