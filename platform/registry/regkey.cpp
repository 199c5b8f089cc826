#include "platform/registry/regkey.h"

#include "platform/core/text.h"

#include <algorithm>

namespace orupim::registry {

RegKey* RegKey::findSubKey(std::string_view name) {
    auto it = std::find_if(subKeys_.begin(), subKeys_.end(),
                           [&](const RegKey& key) { return equalsIgnoreCase(key.name_, name); });
    return it == subKeys_.end() ? nullptr : &*it;
}

const RegKey* RegKey::findSubKey(std::string_view name) const {
    return const_cast<RegKey*>(this)->findSubKey(name);
}

RegKey& RegKey::subKey(std::string_view name) {
    if (RegKey* found = findSubKey(name))
        return *found;
    return subKeys_.emplace_back(std::string(name));
}

bool RegKey::removeSubKey(std::string_view name) {
    auto it = std::find_if(subKeys_.begin(), subKeys_.end(),
                           [&](const RegKey& key) { return equalsIgnoreCase(key.name_, name); });
    if (it == subKeys_.end())
        return false;
    subKeys_.erase(it);
    return true;
}

RegKey* RegKey::find(const std::vector<std::string>& path) {
    RegKey* key = this;
    for (const std::string& name : path)
        if (!(key = key->findSubKey(name)))
            return nullptr;
    return key;
}

const RegKey* RegKey::find(const std::vector<std::string>& path) const {
    return const_cast<RegKey*>(this)->find(path);
}

const RegValue* RegKey::findValue(std::string_view name) const {
    auto it = std::find_if(values_.begin(), values_.end(),
                           [&](const NamedValue& value) { return equalsIgnoreCase(value.name, name); });
    return it == values_.end() ? nullptr : &it->value;
}

bool RegKey::setValue(std::string_view name, RegValue value) {
    auto it = std::find_if(values_.begin(), values_.end(),
                           [&](const NamedValue& named) { return equalsIgnoreCase(named.name, name); });
    if (it == values_.end()) {
        values_.push_back({std::string(name), std::move(value)});
        return true;
    }
    if (it->value == value)
        return false;
    it->value = std::move(value);
    return true;
}

bool RegKey::removeValue(std::string_view name) {
    auto it = std::find_if(values_.begin(), values_.end(),
                           [&](const NamedValue& named) { return equalsIgnoreCase(named.name, name); });
    if (it == values_.end())
        return false;
    values_.erase(it);
    return true;
}

bool operator==(const RegKey& a, const RegKey& b) {
    return a.name_ == b.name_ && a.values_ == b.values_ && a.subKeys_ == b.subKeys_;
}

} // namespace orupim::registry
