// Sleep really blocks, and goes through the implementation a test or the form framework installs.
#include "platform/kernel/sleep.h"

#include <chrono>
#include <gtest/gtest.h>
#include <vector>

namespace orupim::kernel {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

TEST(Sleep, BlocksForAtLeastTheTimeAsked) {
    auto start = Clock::now();
    Sleep(60);
    EXPECT_GE(Clock::now() - start, milliseconds(60));
    Sleep(0); // gives up the time slice only
}

TEST(Sleep, GoesThroughTheInstalledImplementation) {
    std::vector<std::uint32_t> seen;
    SleepFunction previous = setSleepImplementation([&](std::uint32_t ms) { seen.push_back(ms); });
    EXPECT_FALSE(previous); // the real wait was in place

    auto start = Clock::now();
    Sleep(3000);
    Sleep(500);
    EXPECT_LT(Clock::now() - start, milliseconds(3000));
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{3000, 500}));

    SleepFunction mine = setSleepImplementation(previous);
    ASSERT_TRUE(mine);
    start = Clock::now();
    Sleep(20);
    EXPECT_GE(Clock::now() - start, milliseconds(20));
    EXPECT_EQ(seen.size(), 2u);
}

} // namespace
} // namespace orupim::kernel
