// Replaces the message box for the life of the object: nothing is shown, and each box asked for is recorded
// (caption, text, icon), so a test can check what the user would have read.
#pragma once

#include "platform/core/replaceable.h"
#include "platform/ui/messagebox.h"

#include <vector>

namespace orupim::testing {

class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<ui::MessageBoxRequest> boxes;

private:
    Replacement<ui::MessageBoxFunction> replacement_;
};

} // namespace orupim::testing
