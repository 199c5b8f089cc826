#include "platform/core/countedstring.h"

#include "platform/core/text.h"

namespace orupim {

CountedString& CountedString::operator+=(std::string_view text) {
    text_ = cut(text_ + std::string(text));
    return *this;
}

std::size_t CountedString::length() const {
    return characterCount(text_);
}

std::string CountedString::cut(std::string_view text, std::size_t limit) {
    return leftCharacters(text, limit);
}

} // namespace orupim
