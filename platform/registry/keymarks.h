// Access marks on keys, for tests: the old registry could deny a user full access to a key, the creation of
// keys below it or the setting of its values, and the programs have paths for each of those refusals. Tests
// run as root, where file modes deny nothing, so the marks come from the process instead: a mark holds for
// its key and every key below it, as an inherited permission does, and is not stored in any hive file.
#pragma once

#include "platform/registry/rootkey.h"

#include <functional>

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

namespace registry {

// The marks a stored key carries itself (not those of the keys above it). On the host no key carries any: a
// hive file's mode is the only guard. Tests install marks (platform/testing's KeyMarkTable does); an empty
// function brings back the host's answer. Answers the function it replaces (empty for the host's).
using KeyMarksFunction = std::function<KeyMarks(const KeyLocation& key)>;
KeyMarksFunction setKeyMarks(KeyMarksFunction marks);

// The marks that hold for a stored key: its own and those of every key above it.
KeyMarks marksAt(const KeyLocation& location);

} // namespace registry
} // namespace orupim
