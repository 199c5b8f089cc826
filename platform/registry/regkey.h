// One key of a hive in memory: its name, its values and its subkeys, both in the order they were added. Key
// and value names are found without regard to letter case and keep the case they were created with.
#pragma once

#include "platform/registry/regvalue.h"

#include <string>
#include <string_view>
#include <vector>

namespace orupim::registry {

struct NamedValue {
    std::string name; // empty for the key's default value
    RegValue value;
};

class RegKey {
public:
    explicit RegKey(std::string name = {}) : name_(std::move(name)) {}
    // A key made whole, as a reader builds it; the names must differ without regard to case.
    RegKey(std::string name, std::vector<NamedValue> values, std::vector<RegKey> subKeys)
        : name_(std::move(name)), values_(std::move(values)), subKeys_(std::move(subKeys)) {}

    const std::string& name() const { return name_; }

    const std::vector<RegKey>& subKeys() const { return subKeys_; }
    RegKey* findSubKey(std::string_view name);
    const RegKey* findSubKey(std::string_view name) const;
    // The subkey of that name, added when missing.
    RegKey& subKey(std::string_view name);
    // Removes the subkey of that name with everything below it; answers whether there was one.
    bool removeSubKey(std::string_view name);

    // The key a path of names leads to from here, or null when one of them is missing.
    RegKey* find(const std::vector<std::string>& path);
    const RegKey* find(const std::vector<std::string>& path) const;

    const std::vector<NamedValue>& values() const { return values_; }
    const RegValue* findValue(std::string_view name) const;
    // Sets a value; an existing one keeps its place and the case of its name. Answers whether anything
    // changed.
    bool setValue(std::string_view name, RegValue value);
    // Removes a value; answers whether there was one.
    bool removeValue(std::string_view name);

    friend bool operator==(const RegKey& a, const RegKey& b);

private:
    std::string name_;
    std::vector<NamedValue> values_;
    std::vector<RegKey> subKeys_;
};

inline bool operator==(const NamedValue& a, const NamedValue& b) {
    return a.name == b.name && a.value == b.value;
}

} // namespace orupim::registry
