// Replaces MessageBeep for the life of the object: nothing sounds, and the type of each call is recorded.
#pragma once

#include "platform/kernel/messagebeep.h"

#include <vector>

namespace orupim::testing {

class BeepRecorder {
public:
    BeepRecorder();
    ~BeepRecorder();
    BeepRecorder(const BeepRecorder&) = delete;
    BeepRecorder& operator=(const BeepRecorder&) = delete;

    std::vector<unsigned> types; // the sound type of each call, in order

private:
    kernel::BeepFunction previous_;
};

} // namespace orupim::testing
