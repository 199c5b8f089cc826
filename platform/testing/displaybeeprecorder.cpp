#include "platform/testing/displaybeeprecorder.h"

namespace orupim::testing {

DisplayBeepRecorder::DisplayBeepRecorder()
    : previous_(ui::setDisplayBeepImplementation([this] { ++rings; })) {}

DisplayBeepRecorder::~DisplayBeepRecorder() {
    ui::setDisplayBeepImplementation(std::move(previous_));
}

} // namespace orupim::testing
