// Marks registry keys for the life of the object: a key that cannot be opened for full access, one closed to
// new subkeys, one closed to value changes. A mark holds for its key and every key below it, and names match
// without regard to case. When the object ends its marks go and whatever marked keys before comes back.
#pragma once

#include "platform/core/replaceable.h"
#include "platform/registry/keymarks.h"
#include "platform/registry/rootkey.h"

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace orupim::testing {

class KeyMarkTable {
public:
    KeyMarkTable();
    KeyMarkTable(const KeyMarkTable&) = delete;
    KeyMarkTable& operator=(const KeyMarkTable&) = delete;

    // Marks the key at `path` below `root` (the names joined by "\", no leading "\"; empty for the root key
    // itself), replacing its earlier marks; the key need not exist.
    void mark(RootKey root, std::string_view path, KeyMarks marks);
    // Takes every mark of the table away.
    void clear() { marks_.clear(); }

private:
    using Key = std::pair<registry::Hive, std::string>; // the names lower-cased, each followed by "\"
    static Key keyOf(const registry::KeyLocation& location);

    std::map<Key, KeyMarks> marks_;
    Replacement<registry::KeyMarksFunction> replacement_;
};

} // namespace orupim::testing
