// The class library's registry object with an INI file's face: it is made on a key path of HKEY_CURRENT_USER,
// which it opens (creating it when missing; when that fails it holds no key and raises nothing), and reads
// and writes values by section and name, a section being a key path taken by the key-path rule (an empty
// section is the held key itself).
#pragma once

#include "platform/registry/registry.h"

namespace orupim {

class RegIniFile : public Registry {
public:
    explicit RegIniFile(std::string_view keyPath);

    using Registry::readInteger;
    using Registry::readString;
    using Registry::writeInteger;
    using Registry::writeString;

    // Value `ident` of the key `section`, opened for the object's access: the default when the key cannot be
    // opened or has no such value; "Invalid data type for '%s'" when the value is not text.
    std::string readString(std::string_view section, std::string_view ident,
                           std::string_view defaultValue) const;
    // Creates the key `section` ("Failed to create key %s" when it cannot be), opens it (when it cannot be
    // opened nothing is written and nothing raised) and sets the text value ("Failed to set data for '%s'"
    // when it cannot be set). The held key stays as it was.
    void writeString(std::string_view section, std::string_view ident, std::string_view value);

    // As readString, for a dword value; a text value is read by the number rule, the default when it is no
    // number; a value of any other type raises "Invalid data type for '%s'".
    std::int32_t readInteger(std::string_view section, std::string_view ident,
                             std::int32_t defaultValue) const;
    // As writeString, writing a dword value.
    void writeInteger(std::string_view section, std::string_view ident, std::int32_t value);

private:
    std::optional<registry::RegValue> sectionValue(std::string_view section, std::string_view ident) const;
    void writeSectionValue(std::string_view section, std::string_view ident, const registry::RegValue& value);
};

} // namespace orupim
