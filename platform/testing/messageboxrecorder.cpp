#include "platform/testing/messageboxrecorder.h"

namespace orupim::testing {

MessageBoxRecorder::MessageBoxRecorder()
    : replacement_(ui::setMessageBoxImplementation,
                   [this](const ui::MessageBoxRequest& box) { boxes.push_back(box); }) {}

} // namespace orupim::testing
