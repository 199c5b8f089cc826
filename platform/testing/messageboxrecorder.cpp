#include "platform/testing/messageboxrecorder.h"

namespace orupim::testing {

MessageBoxRecorder::MessageBoxRecorder() {
    ui::setMessageBoxHandlerForTesting([this](const ui::MessageBoxRequest& box) { boxes.push_back(box); });
}

MessageBoxRecorder::~MessageBoxRecorder() {
    ui::setMessageBoxHandlerForTesting({});
}

} // namespace orupim::testing
