#include "platform/core/stringlist.h"

#include "platform/core/errors.h"
#include "platform/core/text.h"

namespace orupim {

const std::string& StringList::at(int index) const {
    if (index < 0 || index >= count())
        throw ListError();
    return items_[std::size_t(index)];
}

void StringList::set(int index, std::string_view text) {
    if (index < 0 || index >= count())
        throw ListError();
    items_[std::size_t(index)] = std::string(text);
}

void StringList::addStrings(const StringList& other) {
    items_.insert(items_.end(), other.items_.begin(), other.items_.end());
}

void StringList::insert(int index, std::string_view text) {
    if (index < 0 || index > count())
        throw ListError();
    items_.insert(items_.begin() + index, std::string(text));
}

void StringList::remove(int index) {
    if (index < 0 || index >= count())
        throw ListError();
    items_.erase(items_.begin() + index);
}

int StringList::indexOf(std::string_view text) const {
    for (int i = 0; i < count(); ++i)
        if (equalsIgnoreCase(items_[std::size_t(i)], text))
            return i;
    return -1;
}

std::string StringList::name(int index) const {
    const std::string& line = at(index);
    return line.substr(0, line.find('='));
}

std::string StringList::valueFromIndex(int index) const {
    const std::string& line = at(index);
    auto eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

int StringList::indexOfName(std::string_view wanted) const {
    for (int i = 0; i < count(); ++i) {
        const std::string& line = items_[std::size_t(i)];
        auto eq = line.find('=');
        if (eq != std::string::npos && equalsIgnoreCase(std::string_view(line).substr(0, eq), wanted))
            return i;
    }
    return -1;
}

std::string StringList::value(std::string_view wanted) const {
    int i = indexOfName(wanted);
    return i < 0 ? std::string() : valueFromIndex(i);
}

} // namespace orupim
