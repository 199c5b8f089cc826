// The class library's registry object. It works on one root key (HKEY_CURRENT_USER unless changed) and holds
// at most one key open. Key paths follow one rule: a path that begins with "\" is taken from the root key,
// the "\" dropped; any other path is taken below the key held open, or below the root key when none is.
// Opening asks for the object's access (full access unless changed): a key that cannot be opened so counts as
// missing. Value operations work on the held key, or on the root key when none is held. Every call reads the
// hive as it is now, so changes made by other programs are seen at once.
#pragma once

#include "platform/registry/regvalue.h"
#include "platform/registry/rootkey.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orupim {

enum class RegAccess { Full, Read };

// The data type of a value as the class library reports it.
enum class RegDataType { Unknown, String, ExpandString, Integer, Binary };

class Registry {
public:
    Registry() = default;
    virtual ~Registry() = default;
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    RootKey rootKey() const { return root_; }
    // Changes the root key; the held key is closed.
    void setRootKey(RootKey root);

    RegAccess access() const { return access_; }
    void setAccess(RegAccess access) { access_ = access; }

    // Opens a key, with canCreate creating it and the keys above it when missing. On success the key is held
    // in place of the one held before; on failure the answer is false, nothing is raised and the held key
    // stays.
    bool openKey(std::string_view key, bool canCreate);
    void closeKey();
    // Creates a key (and the keys above it) without opening it; the held key stays as it was. Raises "Failed
    // to create key %s" with the path as passed when it cannot be created.
    bool createKey(std::string_view key);
    bool keyExists(std::string_view key) const;
    // Deletes a key with its subkeys and values; false when it is missing or cannot be deleted (its parent
    // refuses changes, or the hive cannot be written). A held key at or below it is closed.
    bool deleteKey(std::string_view key);
    // Whether the held key (or the root key) has subkeys.
    bool hasSubKeys() const;

    bool hasCurrentKey() const { return held_; }
    // The held key's path from the root key ("Software\A"), empty when none is held.
    const std::string& currentPath() const { return currentPath_; }

    bool valueExists(std::string_view name) const;
    RegDataType getDataType(std::string_view name) const;
    // A text value; empty when there is none. A value of another type raises "Invalid data type for '%s'".
    std::string readString(std::string_view name) const;
    // Sets a text value; "Failed to set data for '%s'" when it cannot be set.
    void writeString(std::string_view name, std::string_view value);
    // A dword value; a missing value or one of another type raises "Invalid data type for '%s'".
    std::int32_t readInteger(std::string_view name) const;
    void writeInteger(std::string_view name, std::int32_t value);
    // The value names of the held key (or the root key) in the order they were added.
    std::vector<std::string> valueNames() const;
    // Deletes a value of the held key (or the root key); false when there is none or it cannot be deleted.
    bool deleteValue(std::string_view name);

protected:
    using Names = std::vector<std::string>;

    // The key names from the root key to the key that a path leads to, by the key-path rule.
    Names resolve(std::string_view key) const;
    // The names of the held key, or none (the root key) when no key is held.
    const Names& currentNames() const { return heldNames_; }

    // Creates the key when missing; false when it cannot be created.
    bool createAt(const Names& names);
    // Whether the key exists and can be opened with `access`.
    bool canOpen(const Names& names, RegAccess access) const;
    std::optional<registry::RegValue> valueAt(const Names& names, std::string_view name) const;
    // Sets a value of an existing key; raises "Failed to set data for '%s'" when it cannot be set.
    void setValueAt(const Names& names, std::string_view name, const registry::RegValue& value);
    // Sets a value of the held key (or the root key), which must have been opened for full access.
    void setCurrentValue(std::string_view name, const registry::RegValue& value);

private:
    RootKey root_ = RootKey::CurrentUser;
    RegAccess access_ = RegAccess::Full;
    bool held_ = false;
    RegAccess heldAccess_ = RegAccess::Full;
    Names heldNames_;
    std::string currentPath_;
};

} // namespace orupim
