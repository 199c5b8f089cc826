#include "platform/registry/registry.h"

#include "platform/core/errors.h"
#include "platform/registry/hivestore.h"
#include "platform/registry/keymarks.h"
#include "platform/registry/keypath.h"
#include "platform/registry/regeditformat.h"

#include "platform/core/text.h"

#include <algorithm>

namespace orupim {

using registry::KeyLocation;
using registry::RegKey;
using registry::RegValue;

namespace {

// A name that a line of the hive's text can hold.
bool storableName(std::string_view name) {
    return name.find_first_of(std::string_view("\0\r\n", 3)) == name.npos;
}

} // namespace

void Registry::setRootKey(RootKey root) {
    closeKey();
    root_ = root;
}

bool Registry::openKey(std::string_view key, bool canCreate) {
    Names names = resolve(key);
    if (canCreate && !createAt(names))
        return false;
    if (!canOpen(names, access_))
        return false;
    held_ = true;
    heldAccess_ = access_;
    currentPath_ = registry::joinKeyPath(names);
    heldNames_ = std::move(names);
    return true;
}

void Registry::closeKey() {
    held_ = false;
    heldNames_.clear();
    currentPath_.clear();
}

bool Registry::createKey(std::string_view key) {
    if (!createAt(resolve(key)))
        throw RegistryError::createKeyFailed(key);
    return true;
}

bool Registry::keyExists(std::string_view key) const {
    KeyLocation location = registry::locate(root_, resolve(key));
    return registry::readHive(location.hive)->find(location.path) != nullptr;
}

bool Registry::deleteKey(std::string_view key) {
    Names names = resolve(key);
    if (names.empty())
        return false;
    KeyLocation location = registry::locate(root_, names);
    if (location.path.empty())
        return false;
    KeyLocation parent{location.hive, Names(location.path.begin(), location.path.end() - 1)};
    if (registry::marksAt(parent).noFullAccess)
        return false;
    bool found = false;
    bool written = registry::modifyHive(location.hive, [&](RegKey& top) {
        RegKey* above = top.find(parent.path);
        found = above && above->removeSubKey(location.path.back());
        return found;
    });
    if (!found || !written)
        return false;
    if (held_ && heldNames_.size() >= names.size() &&
        std::equal(names.begin(), names.end(), heldNames_.begin(),
                   [](const std::string& a, const std::string& b) { return equalsIgnoreCase(a, b); }))
        closeKey();
    return true;
}

bool Registry::hasSubKeys() const {
    KeyLocation location = registry::locate(root_, heldNames_);
    const RegKey* key = registry::readHive(location.hive)->find(location.path);
    return key && !key->subKeys().empty();
}

bool Registry::valueExists(std::string_view name) const {
    return valueAt(heldNames_, name).has_value();
}

RegDataType Registry::getDataType(std::string_view name) const {
    auto value = valueAt(heldNames_, name);
    if (!value)
        return RegDataType::Unknown;
    switch (value->type()) {
    case registry::ValueType::String:
        return RegDataType::String;
    case registry::ValueType::ExpandString:
        return RegDataType::ExpandString;
    case registry::ValueType::Binary:
        return RegDataType::Binary;
    case registry::ValueType::Dword:
        return value->asDword() ? RegDataType::Integer : RegDataType::Unknown;
    default:
        return RegDataType::Unknown;
    }
}

std::string Registry::readString(std::string_view name) const {
    auto value = valueAt(heldNames_, name);
    if (!value)
        return {};
    auto text = value->asText();
    if (!text)
        throw RegistryError::invalidDataType(name);
    return *text;
}

void Registry::writeString(std::string_view name, std::string_view value) {
    setCurrentValue(name, RegValue::text(value));
}

std::int32_t Registry::readInteger(std::string_view name) const {
    auto value = valueAt(heldNames_, name);
    auto number = value ? value->asDword() : std::nullopt;
    if (!number)
        throw RegistryError::invalidDataType(name);
    return std::int32_t(*number);
}

void Registry::writeInteger(std::string_view name, std::int32_t value) {
    setCurrentValue(name, RegValue::dword(std::uint32_t(value)));
}

std::vector<std::string> Registry::valueNames() const {
    KeyLocation location = registry::locate(root_, heldNames_);
    const RegKey* key = registry::readHive(location.hive)->find(location.path);
    std::vector<std::string> names;
    if (key)
        for (const registry::NamedValue& value : key->values())
            names.push_back(value.name);
    return names;
}

bool Registry::deleteValue(std::string_view name) {
    if ((held_ ? heldAccess_ : access_) == RegAccess::Read)
        return false;
    KeyLocation location = registry::locate(root_, heldNames_);
    if (registry::marksAt(location).noSetValue)
        return false;
    bool found = false;
    bool written = registry::modifyHive(location.hive, [&](RegKey& top) {
        RegKey* key = top.find(location.path);
        found = key && key->removeValue(name);
        return found;
    });
    return found && written;
}

Registry::Names Registry::resolve(std::string_view key) const {
    if (!key.empty() && key.front() == '\\')
        return registry::splitKeyPath(key.substr(1));
    Names names = heldNames_;
    for (std::string& name : registry::splitKeyPath(key))
        names.push_back(std::move(name));
    return names;
}

bool Registry::createAt(const Names& names) {
    KeyLocation location = registry::locate(root_, names);
    if (registry::readHive(location.hive)->find(location.path))
        return true;
    // A deeper key could not be read back from the hive's text.
    if (location.path.size() > registry::MaxKeyDepth)
        return false;
    for (const std::string& name : names)
        if (!storableName(name))
            return false;
    bool refused = false;
    bool written = registry::modifyHive(location.hive, [&](RegKey& top) {
        RegKey* key = &top;
        bool changed = false;
        for (std::size_t depth = 0; depth < location.path.size(); ++depth) {
            RegKey* sub = key->findSubKey(location.path[depth]);
            if (!sub) {
                KeyLocation parent{location.hive,
                                   Names(location.path.begin(), location.path.begin() + depth)};
                if (registry::marksAt(parent).noCreateSubKeys) {
                    refused = true;
                    return false;
                }
                sub = &key->subKey(location.path[depth]);
                changed = true;
            }
            key = sub;
        }
        return changed;
    });
    return written && !refused;
}

bool Registry::canOpen(const Names& names, RegAccess access) const {
    KeyLocation location = registry::locate(root_, names);
    if (!registry::readHive(location.hive)->find(location.path))
        return false;
    return access == RegAccess::Read || !registry::marksAt(location).noFullAccess;
}

std::optional<RegValue> Registry::valueAt(const Names& names, std::string_view name) const {
    KeyLocation location = registry::locate(root_, names);
    const RegKey* key = registry::readHive(location.hive)->find(location.path);
    const RegValue* value = key ? key->findValue(name) : nullptr;
    if (!value)
        return std::nullopt;
    return *value;
}

void Registry::setValueAt(const Names& names, std::string_view name, const RegValue& value) {
    KeyLocation location = registry::locate(root_, names);
    if (!storableName(name) || registry::marksAt(location).noSetValue)
        throw RegistryError::setDataFailed(name);
    bool missing = false;
    bool written = registry::modifyHive(location.hive, [&](RegKey& top) {
        RegKey* key = top.find(location.path);
        if (!key) {
            missing = true;
            return false;
        }
        return key->setValue(name, value);
    });
    if (missing || !written)
        throw RegistryError::setDataFailed(name);
}

void Registry::setCurrentValue(std::string_view name, const RegValue& value) {
    if ((held_ ? heldAccess_ : access_) == RegAccess::Read)
        throw RegistryError::setDataFailed(name);
    setValueAt(heldNames_, name, value);
}

} // namespace orupim
