// Key paths as the programs write them: key names joined by "\". Empty names (a doubled or trailing "\") are
// passed over, so that a path composed as base + "\" + name never makes a key without a name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orupim::registry {

std::vector<std::string> splitKeyPath(std::string_view path);
std::string joinKeyPath(const std::vector<std::string>& names);

} // namespace orupim::registry
