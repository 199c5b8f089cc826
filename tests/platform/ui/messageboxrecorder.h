// Records the message boxes a test causes instead of showing them, for the life of the object.
#pragma once

#include "platform/ui/messagebox.h"

#include <vector>

namespace orupim::ui::test {

class MessageBoxRecorder {
public:
    MessageBoxRecorder() {
        setMessageBoxHandlerForTesting([this](const MessageBoxRequest& box) { boxes.push_back(box); });
    }
    ~MessageBoxRecorder() { setMessageBoxHandlerForTesting({}); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<MessageBoxRequest> boxes;
};

} // namespace orupim::ui::test
