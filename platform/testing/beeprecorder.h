// Replaces MessageBeep for the life of the object: nothing sounds, and the type of each call is recorded.
#pragma once

#include "platform/core/replaceable.h"
#include "platform/kernel/messagebeep.h"

#include <vector>

namespace orupim::testing {

class BeepRecorder {
public:
    BeepRecorder();
    BeepRecorder(const BeepRecorder&) = delete;
    BeepRecorder& operator=(const BeepRecorder&) = delete;

    std::vector<unsigned> types; // the sound type of each call, in order

private:
    Replacement<kernel::BeepFunction> replacement_;
};

} // namespace orupim::testing
