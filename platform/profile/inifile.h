// The class library's INI object: an INI file named once, read and written key by key through the
// private-profile functions with the class library's buffer sizes. A failed write raises IniFileError.
#pragma once

#include "platform/core/stringlist.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orupim {

class IniFile {
public:
    // The buffers the class library hands to the profile functions: a value is seen up to 1023 characters,
    // and a section's key names up to what fits in 8192 bytes.
    static constexpr std::size_t ValueBufferSize = 1024;
    static constexpr std::size_t SectionBufferSize = 8192;

    explicit IniFile(std::string_view fileName) : fileName_(fileName) {}

    // The file name as given (a drive path, or a bare name in the Windows directory).
    const std::string& fileName() const { return fileName_; }

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // The value read by the number rule (0x/0X hexadecimal, else decimal); `defaultValue` when the key is
    // missing or its text is no number.
    std::int32_t readInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    // Clears `names`, then adds the key names of `section` in file order.
    void readSection(std::string_view section, StringList& names) const;

    // Both raise IniFileError ("Unable to write to %s", with the file name as given) when the file cannot be
    // written; the file is then left as it was.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);

private:
    std::string fileName_;
};

} // namespace orupim
