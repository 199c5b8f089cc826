// Replaces the kernel's Sleep for the life of the object: each call returns at once and is recorded.
#pragma once

#include "platform/kernel/sleep.h"

#include <cstdint>
#include <vector>

namespace orupim::testing {

class SleepRecorder {
public:
    SleepRecorder();
    ~SleepRecorder();
    SleepRecorder(const SleepRecorder&) = delete;
    SleepRecorder& operator=(const SleepRecorder&) = delete;

    std::vector<std::uint32_t> calls; // the milliseconds of each call, in order

private:
    kernel::SleepFunction previous_;
};

} // namespace orupim::testing
