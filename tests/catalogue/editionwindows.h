// The tests that every edition's windows must pass, written once (windowsfit_test.cpp, recordview_test.cpp)
// and run for each edition: every test program instantiates them with its own editions.
#pragma once

#include "catalogue/edition.h"

#include <gtest/gtest.h>
#include <ostream>

namespace orupim::catalogue::test {

class WindowsFit : public ::testing::TestWithParam<const Edition*> {};
class RecordView : public ::testing::TestWithParam<const Edition*> {};

// Instantiates both suites for `editions`, each case named by its deliverable.
#define ORUPIM_EDITION_WINDOW_TESTS(prefix, editions)                                                        \
    INSTANTIATE_TEST_SUITE_P(prefix, WindowsFit, editions,                                                   \
                             [](const auto& info) { return info.param->deliverable; });                      \
    INSTANTIATE_TEST_SUITE_P(prefix, RecordView, editions,                                                   \
                             [](const auto& info) { return info.param->deliverable; })

} // namespace orupim::catalogue::test

namespace orupim::catalogue {
inline void PrintTo(const Edition* edition, std::ostream* os) {
    *os << edition->deliverable;
}
} // namespace orupim::catalogue
