// What the fuzz targets share: a platform root of their own in a temporary directory (removed when the
// program ends), and a stop that a sanitizer reports with the input when a property of a parser fails.
#pragma once

#include <filesystem>
#include <string_view>

namespace orupim::fuzz {

// Makes the temporary root and points ORUPIM_ROOT at it; once per program.
std::filesystem::path useTemporaryRoot();

// Aborts, so that libFuzzer keeps the input, when `holds` is false.
void require(bool holds, std::string_view what);

} // namespace orupim::fuzz
