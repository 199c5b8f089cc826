// Writing a file so that a crash never leaves half of it: the text goes to a temporary file beside the target,
// which is flushed and then renamed over it. Every store of the platform layer writes this way.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace orupim::files {

// Writes `content` to `hostPath` atomically; false (and the old file untouched) when anything fails.
bool writeFileAtomically(const std::filesystem::path& hostPath, std::string_view content);

// Test seam: while set, a write whose target the predicate accepts fails before touching anything.
void setWriteFailureForTesting(std::function<bool(const std::filesystem::path&)> shouldFail);

} // namespace orupim::files
