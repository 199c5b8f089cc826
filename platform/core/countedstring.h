// Counted strings: the class library's short strings hold at most 255 characters, and a longer text assigned
// to one is cut to its first 255. Several stored texts (window title, field labels, statements) rely on that
// cut.
#pragma once

#include <string>
#include <string_view>

namespace orupim {

class CountedString {
public:
    static constexpr std::size_t MaxLength = 255;

    CountedString() = default;
    CountedString(std::string_view text) : text_(cut(text)) {}
    CountedString(const char* text) : CountedString(std::string_view(text)) {}
    CountedString(const std::string& text) : CountedString(std::string_view(text)) {}

    CountedString& operator=(std::string_view text) {
        text_ = cut(text);
        return *this;
    }

    // Appends as the class library does: the result is cut again to 255 characters.
    CountedString& operator+=(std::string_view text);
    friend CountedString operator+(const CountedString& a, std::string_view b) {
        CountedString out(a);
        out += b;
        return out;
    }

    const std::string& str() const { return text_; }
    operator const std::string&() const { return text_; }
    std::size_t length() const;
    bool empty() const { return text_.empty(); }

    friend bool operator==(const CountedString& a, const CountedString& b) { return a.text_ == b.text_; }
    friend bool operator!=(const CountedString& a, const CountedString& b) { return a.text_ != b.text_; }
    friend bool operator==(const CountedString& a, std::string_view b) { return a.text_ == b; }
    friend bool operator!=(const CountedString& a, std::string_view b) { return a.text_ != b; }

    // Cuts any text to at most `limit` characters.
    static std::string cut(std::string_view text, std::size_t limit = MaxLength);

private:
    std::string text_;
};

} // namespace orupim
