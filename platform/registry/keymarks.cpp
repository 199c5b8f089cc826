#include "platform/registry/keymarks.h"

#include "platform/core/replaceable.h"

namespace orupim::registry {
namespace {

KeyMarks noMarks(const KeyLocation&) {
    return {};
}

Replaceable<KeyMarks(const KeyLocation&)>& ownMarks() {
    static Replaceable<KeyMarks(const KeyLocation&)> implementation(noMarks);
    return implementation;
}

} // namespace

KeyMarksFunction setKeyMarks(KeyMarksFunction marks) {
    return ownMarks().replace(std::move(marks));
}

KeyMarks marksAt(const KeyLocation& location) {
    KeyMarks held;
    KeyLocation key{location.hive, {}};
    for (std::size_t depth = 0;; ++depth) {
        const KeyMarks own = ownMarks()(key);
        held.noFullAccess |= own.noFullAccess;
        held.noCreateSubKeys |= own.noCreateSubKeys;
        held.noSetValue |= own.noSetValue;
        if (depth == location.path.size())
            return held;
        key.path.push_back(location.path[depth]);
    }
}

} // namespace orupim::registry
