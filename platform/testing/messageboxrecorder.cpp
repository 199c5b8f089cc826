#include "platform/testing/messageboxrecorder.h"

namespace orupim::testing {

MessageBoxRecorder::MessageBoxRecorder()
    : previous_(ui::setMessageBoxImplementation(
          [this](const ui::MessageBoxRequest& box) { boxes.push_back(box); })) {}

MessageBoxRecorder::~MessageBoxRecorder() {
    ui::setMessageBoxImplementation(std::move(previous_));
}

} // namespace orupim::testing
