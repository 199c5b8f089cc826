// Replaces the kernel's Sleep for the life of the object: each call returns at once and is recorded.
#pragma once

#include "platform/core/replaceable.h"
#include "platform/kernel/sleep.h"

#include <cstdint>
#include <vector>

namespace orupim::testing {

class SleepRecorder {
public:
    SleepRecorder();
    SleepRecorder(const SleepRecorder&) = delete;
    SleepRecorder& operator=(const SleepRecorder&) = delete;

    std::vector<std::uint32_t> calls; // the milliseconds of each call, in order

private:
    Replacement<kernel::SleepFunction> replacement_;
};

} // namespace orupim::testing
