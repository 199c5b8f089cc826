#include "platform/registry/keypath.h"

namespace orupim::registry {

std::vector<std::string> splitKeyPath(std::string_view path) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos)
            end = path.size();
        if (end > start)
            names.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

std::string joinKeyPath(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& name : names) {
        if (!out.empty())
            out += '\\';
        out += name;
    }
    return out;
}

} // namespace orupim::registry
