#include "platform/registry/regkey.h"

#include "platform/core/text.h"

#include <algorithm>

namespace orupim::registry {
namespace {

// The entry of `entries` whose `field` is `name` without regard to case, as the registry compares key and
// value names.
template <class Entries, class Entry>
auto byName(Entries& entries, std::string_view name, std::string Entry::*field) {
    return std::find_if(entries.begin(), entries.end(),
                        [&](const Entry& entry) { return equalsIgnoreCase(entry.*field, name); });
}

} // namespace

RegKey* RegKey::findSubKey(std::string_view name) {
    auto it = byName(subKeys_, name, &RegKey::name_);
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
    auto it = byName(subKeys_, name, &RegKey::name_);
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
    auto it = byName(values_, name, &NamedValue::name);
    return it == values_.end() ? nullptr : &it->value;
}

bool RegKey::setValue(std::string_view name, RegValue value) {
    auto it = byName(values_, name, &NamedValue::name);
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
    auto it = byName(values_, name, &NamedValue::name);
    if (it == values_.end())
        return false;
    values_.erase(it);
    return true;
}

bool operator==(const RegKey& a, const RegKey& b) {
    return a.name_ == b.name_ && a.values_ == b.values_ && a.subKeys_ == b.subKeys_;
}

} // namespace orupim::registry
