#include "platform/profile/inifile.h"

#include "platform/core/errors.h"
#include "platform/core/numberrule.h"
#include "platform/profile/privateprofile.h"

namespace orupim {

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    return profile::readProfileString(section, key, defaultValue, ValueBufferSize, fileName_);
}

std::int32_t IniFile::readInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const {
    return numberOr(readString(section, key, ""), defaultValue);
}

void IniFile::readSection(std::string_view section, StringList& names) const {
    names.clear();
    names.addStrings(profile::readProfileKeyNames(section, SectionBufferSize, fileName_));
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    if (!profile::writeProfileString(section, key, value, fileName_))
        throw IniFileError(fileName_);
}

void IniFile::writeInteger(std::string_view section, std::string_view key, std::int32_t value) {
    writeString(section, key, std::to_string(value));
}

} // namespace orupim
