// The registry's root keys and where each one is kept. HKEY_CURRENT_USER is the user hive (user.reg),
// HKEY_LOCAL_MACHINE the system hive (system.reg), and HKEY_CLASSES_ROOT is no hive of its own but the key
// SOFTWARE\Classes of the system hive, as on the old platform.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orupim {

enum class RootKey { ClassesRoot, CurrentUser, LocalMachine };

// The root key's full name, such as "HKEY_CURRENT_USER".
std::string_view rootKeyName(RootKey root);

namespace registry {

enum class Hive { User, System };

// A key as stored: its hive and the names of the keys from the hive's top down to it.
struct KeyLocation {
    Hive hive;
    std::vector<std::string> path;
};

// Where a path of key names below a root key is stored.
KeyLocation locate(RootKey root, const std::vector<std::string>& path);

// The root name a hive's key lines start with.
std::string_view hiveRootName(Hive hive);

} // namespace registry
} // namespace orupim
