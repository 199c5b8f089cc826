// Files on the test drive for the profile tests: put exact bytes at a drive path and read them back.
#pragma once

#include <string>
#include <string_view>

namespace orupim::test {

// Writes `bytes` to the file at `drivePath` (its directories created); answers the drive path.
std::string putFile(std::string_view drivePath, std::string_view bytes);

// The bytes of the file at `drivePath`; "<missing>" when there is no such file.
std::string fileBytes(std::string_view drivePath);

} // namespace orupim::test
