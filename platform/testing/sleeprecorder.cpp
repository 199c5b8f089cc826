#include "platform/testing/sleeprecorder.h"

namespace orupim::testing {

SleepRecorder::SleepRecorder()
    : replacement_(kernel::setSleepImplementation, [this](std::uint32_t ms) { calls.push_back(ms); }) {}

} // namespace orupim::testing
