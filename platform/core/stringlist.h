// String lists as the class library's TStringList: an ordered list of texts, duplicates kept, an index past
// the end raises ListError, lookups ignore letter case, and "name=value" lines can be read by name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orupim {

class StringList {
public:
    StringList() = default;
    StringList(std::initializer_list<std::string> items) : items_(items) {}

    int count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }

    // The text at `index`; ListError when there is none.
    const std::string& at(int index) const;
    void set(int index, std::string_view text);

    void add(std::string_view text) { items_.emplace_back(text); }
    void addStrings(const StringList& other);
    void insert(int index, std::string_view text);
    void remove(int index);
    void clear() { items_.clear(); }

    // Position of the first text equal to `text` without regard to letter case, or -1.
    int indexOf(std::string_view text) const;

    // For "name=value" lines: the part before the first "=" (the whole line when it has none), the part after
    // it, and the value of the first line whose name matches without regard to case (empty when none does).
    std::string name(int index) const;
    std::string valueFromIndex(int index) const;
    std::string value(std::string_view name) const;
    int indexOfName(std::string_view name) const;

    const std::vector<std::string>& items() const { return items_; }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    friend bool operator==(const StringList& a, const StringList& b) { return a.items_ == b.items_; }

private:
    std::vector<std::string> items_;
};

} // namespace orupim
