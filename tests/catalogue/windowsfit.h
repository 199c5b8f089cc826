// The fitting test of the catalogue's windows, run for each edition: every program instantiates it with its
// own editions.
#pragma once

#include "catalogue/edition.h"

#include <gtest/gtest.h>
#include <ostream>

namespace orupim::catalogue::test {

class WindowsFit : public ::testing::TestWithParam<const Edition*> {};

} // namespace orupim::catalogue::test

namespace orupim::catalogue {
inline void PrintTo(const Edition* edition, std::ostream* os) {
    *os << edition->deliverable;
}
} // namespace orupim::catalogue
