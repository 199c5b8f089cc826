#include "platform/testing/beeprecorder.h"

namespace orupim::testing {

BeepRecorder::BeepRecorder()
    : replacement_(kernel::setBeepImplementation, [this](unsigned type) { types.push_back(type); }) {}

} // namespace orupim::testing
