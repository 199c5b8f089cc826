#include "platform/registry/regvalue.h"

#include <algorithm>

namespace orupim::registry {

RegValue RegValue::text(std::string_view text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return RegValue(ValueType::String, std::move(data));
}

RegValue RegValue::dword(std::uint32_t number) {
    return RegValue(ValueType::Dword, {std::uint8_t(number), std::uint8_t(number >> 8),
                                       std::uint8_t(number >> 16), std::uint8_t(number >> 24)});
}

std::optional<std::string> RegValue::asText() const {
    if (type_ != ValueType::String && type_ != ValueType::ExpandString)
        return std::nullopt;
    auto end = std::find(data_.begin(), data_.end(), std::uint8_t(0));
    return std::string(data_.begin(), end);
}

std::optional<std::uint32_t> RegValue::asDword() const {
    if (type_ != ValueType::Dword || data_.size() != 4)
        return std::nullopt;
    return std::uint32_t(data_[0]) | std::uint32_t(data_[1]) << 8 | std::uint32_t(data_[2]) << 16 |
           std::uint32_t(data_[3]) << 24;
}

} // namespace orupim::registry
