// One registry value's data: its type number and its bytes, as the old registry kept them. Texts are stored
// with their terminating zero byte and dwords as four little-endian bytes, so that a value of any type, also
// one this layer does not interpret, is kept byte for byte.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orupim::registry {

// The old registry's type numbers of the types this layer interprets.
namespace ValueType {
constexpr std::uint32_t None = 0;
constexpr std::uint32_t String = 1;
constexpr std::uint32_t ExpandString = 2;
constexpr std::uint32_t Binary = 3;
constexpr std::uint32_t Dword = 4;
constexpr std::uint32_t MultiString = 7;
} // namespace ValueType

class RegValue {
public:
    RegValue() = default;
    RegValue(std::uint32_t type, std::vector<std::uint8_t> data) : type_(type), data_(std::move(data)) {}

    static RegValue text(std::string_view text);
    static RegValue dword(std::uint32_t number);

    std::uint32_t type() const { return type_; }
    const std::vector<std::uint8_t>& data() const { return data_; }

    // The text of a string or expandable-string value (up to its first zero byte); nothing for other types.
    std::optional<std::string> asText() const;
    // The number of a dword value of four bytes; nothing otherwise.
    std::optional<std::uint32_t> asDword() const;

    friend bool operator==(const RegValue& a, const RegValue& b) {
        return a.type_ == b.type_ && a.data_ == b.data_;
    }
    friend bool operator!=(const RegValue& a, const RegValue& b) { return !(a == b); }

private:
    std::uint32_t type_ = ValueType::None;
    std::vector<std::uint8_t> data_;
};

} // namespace orupim::registry
