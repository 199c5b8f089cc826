// Small host-file helpers for the file-service tests: writing and reading whole files, and the host directory
// of drive C: under the test's own platform root.
#pragma once

#include "temproot.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace orupim::files::test {

inline void writeText(const std::filesystem::path& file, const std::string& text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

inline std::string readText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::filesystem::path driveC() {
    return orupim::test::tempRoot() / "drive_c";
}

// The names in a directory, to show that nothing (such as a temporary file) was left beside a target.
inline std::vector<std::string> namesIn(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace orupim::files::test
