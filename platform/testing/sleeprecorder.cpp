#include "platform/testing/sleeprecorder.h"

namespace orupim::testing {

SleepRecorder::SleepRecorder()
    : previous_(kernel::setSleepImplementation([this](std::uint32_t ms) { calls.push_back(ms); })) {}

SleepRecorder::~SleepRecorder() {
    kernel::setSleepImplementation(std::move(previous_));
}

} // namespace orupim::testing
