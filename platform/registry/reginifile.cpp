#include "platform/registry/reginifile.h"

#include "platform/core/errors.h"
#include "platform/core/numberrule.h"

namespace orupim {

using registry::RegValue;

RegIniFile::RegIniFile(std::string_view keyPath) {
    openKey(keyPath, true);
}

std::string RegIniFile::readString(std::string_view section, std::string_view ident,
                                   std::string_view defaultValue) const {
    auto value = sectionValue(section, ident);
    if (!value)
        return std::string(defaultValue);
    auto text = value->asText();
    if (!text)
        throw RegistryError::invalidDataType(ident);
    return *text;
}

void RegIniFile::writeString(std::string_view section, std::string_view ident, std::string_view value) {
    writeSectionValue(section, ident, RegValue::text(value));
}

std::int32_t RegIniFile::readInteger(std::string_view section, std::string_view ident,
                                     std::int32_t defaultValue) const {
    auto value = sectionValue(section, ident);
    if (!value)
        return defaultValue;
    if (auto number = value->asDword())
        return std::int32_t(*number);
    if (auto text = value->asText())
        return numberOr(*text, defaultValue);
    throw RegistryError::invalidDataType(ident);
}

void RegIniFile::writeInteger(std::string_view section, std::string_view ident, std::int32_t value) {
    writeSectionValue(section, ident, RegValue::dword(std::uint32_t(value)));
}

std::optional<RegValue> RegIniFile::sectionValue(std::string_view section, std::string_view ident) const {
    if (section.empty())
        return valueAt(currentNames(), ident);
    Names names = resolve(section);
    if (!canOpen(names, access()))
        return std::nullopt;
    return valueAt(names, ident);
}

void RegIniFile::writeSectionValue(std::string_view section, std::string_view ident, const RegValue& value) {
    if (section.empty()) {
        setCurrentValue(ident, value);
        return;
    }
    Names names = resolve(section);
    if (!createAt(names))
        throw RegistryError::createKeyFailed(section);
    if (!canOpen(names, access()))
        return;
    if (access() == RegAccess::Read)
        throw RegistryError::setDataFailed(ident);
    setValueAt(names, ident, value);
}

} // namespace orupim
