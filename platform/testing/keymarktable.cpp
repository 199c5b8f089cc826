#include "platform/testing/keymarktable.h"

#include "platform/core/text.h"
#include "platform/registry/keypath.h"

namespace orupim::testing {

KeyMarkTable::KeyMarkTable()
    : replacement_(registry::setKeyMarks, [this](const registry::KeyLocation& key) {
          auto found = marks_.find(keyOf(key));
          return found == marks_.end() ? KeyMarks{} : found->second;
      }) {}

void KeyMarkTable::mark(RootKey root, std::string_view path, KeyMarks marks) {
    marks_[keyOf(registry::locate(root, registry::splitKeyPath(path)))] = marks;
}

KeyMarkTable::Key KeyMarkTable::keyOf(const registry::KeyLocation& location) {
    std::string names;
    for (const std::string& name : location.path)
        names += toLowerAscii(name) + '\\';
    return {location.hive, names};
}

} // namespace orupim::testing
