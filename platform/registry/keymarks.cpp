#include "platform/registry/keymarks.h"

#include "platform/core/text.h"
#include "platform/registry/keypath.h"

#include <map>
#include <utility>

namespace orupim {

namespace {

using MarkKey = std::pair<registry::Hive, std::string>;

std::map<MarkKey, KeyMarks>& marks() {
    static std::map<MarkKey, KeyMarks> table;
    return table;
}

std::string joinedLower(const std::vector<std::string>& path, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i)
        out += toLowerAscii(path[i]) + '\\';
    return out;
}

} // namespace

void setKeyMarksForTesting(RootKey root, std::string_view path, KeyMarks marks_) {
    registry::KeyLocation location = registry::locate(root, registry::splitKeyPath(path));
    marks()[{location.hive, joinedLower(location.path, location.path.size())}] = marks_;
}

void clearKeyMarksForTesting() {
    marks().clear();
}

namespace registry {

KeyMarks marksAt(const KeyLocation& location) {
    KeyMarks held;
    for (std::size_t depth = 0; depth <= location.path.size(); ++depth) {
        auto it = marks().find({location.hive, joinedLower(location.path, depth)});
        if (it == marks().end())
            continue;
        held.noFullAccess |= it->second.noFullAccess;
        held.noCreateSubKeys |= it->second.noCreateSubKeys;
        held.noSetValue |= it->second.noSetValue;
    }
    return held;
}

} // namespace registry
} // namespace orupim
