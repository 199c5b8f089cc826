#include "platform/registry/rootkey.h"

namespace orupim {

std::string_view rootKeyName(RootKey root) {
    switch (root) {
    case RootKey::ClassesRoot:
        return "HKEY_CLASSES_ROOT";
    case RootKey::CurrentUser:
        return "HKEY_CURRENT_USER";
    case RootKey::LocalMachine:
        return "HKEY_LOCAL_MACHINE";
    }
    return {};
}

namespace registry {

KeyLocation locate(RootKey root, const std::vector<std::string>& path) {
    KeyLocation location{root == RootKey::CurrentUser ? Hive::User : Hive::System, {}};
    if (root == RootKey::ClassesRoot)
        location.path = {"SOFTWARE", "Classes"};
    location.path.insert(location.path.end(), path.begin(), path.end());
    return location;
}

std::string_view hiveRootName(Hive hive) {
    return rootKeyName(hive == Hive::User ? RootKey::CurrentUser : RootKey::LocalMachine);
}

} // namespace registry
} // namespace orupim
