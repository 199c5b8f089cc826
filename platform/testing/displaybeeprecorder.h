// Replaces the window system's beep for the life of the object: nothing sounds, and each ring is counted.
#pragma once

#include "platform/core/replaceable.h"
#include "platform/ui/displaybeep.h"

namespace orupim::testing {

class DisplayBeepRecorder {
public:
    DisplayBeepRecorder();
    DisplayBeepRecorder(const DisplayBeepRecorder&) = delete;
    DisplayBeepRecorder& operator=(const DisplayBeepRecorder&) = delete;

    int rings = 0;

private:
    Replacement<ui::DisplayBeepFunction> replacement_;
};

} // namespace orupim::testing
