// Access marks on keys, for tests: the old registry could deny a user full access to a key, the creation of
// keys below it or the setting of its values, and the programs have paths for each of those refusals. Tests
// run as root, where file modes deny nothing, so the marks are kept in the process instead: a mark holds for
// its key and every key below it, as an inherited permission does, and is not stored in any hive file.
#pragma once

#include "platform/registry/rootkey.h"

#include <string_view>

namespace orupim {

struct KeyMarks {
    bool noFullAccess = false;    // the key cannot be opened for full access (read and write)
    bool noCreateSubKeys = false; // no key can be created below it
    bool noSetValue = false;      // no value can be set on it

    friend bool operator==(const KeyMarks& a, const KeyMarks& b) {
        return a.noFullAccess == b.noFullAccess && a.noCreateSubKeys == b.noCreateSubKeys &&
               a.noSetValue == b.noSetValue;
    }
};

// Marks the key at `path` below `root` (the names joined by "\", no leading "\"; empty for the root key
// itself), replacing its earlier marks; the key need not exist. Names match without regard to case.
void setKeyMarksForTesting(RootKey root, std::string_view path, KeyMarks marks);
void clearKeyMarksForTesting();

namespace registry {

// The marks that hold for a stored key: its own and those of every key above it.
KeyMarks marksAt(const KeyLocation& location);

} // namespace registry
} // namespace orupim
