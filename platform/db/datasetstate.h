// The state of a dataset: closed (inactive), browsing its records, editing the current one, or adding one.
#pragma once

namespace orupim::db {

enum class DataSetState { Inactive, Browse, Edit, Insert };

} // namespace orupim::db
