#include "platform/testing/beeprecorder.h"

namespace orupim::testing {

BeepRecorder::BeepRecorder()
    : previous_(kernel::setBeepImplementation([this](unsigned type) { types.push_back(type); })) {}

BeepRecorder::~BeepRecorder() {
    kernel::setBeepImplementation(std::move(previous_));
}

} // namespace orupim::testing
