#include "platform/testing/displaybeeprecorder.h"

namespace orupim::testing {

DisplayBeepRecorder::DisplayBeepRecorder()
    : replacement_(ui::setDisplayBeepImplementation, [this] { ++rings; }) {}

} // namespace orupim::testing
