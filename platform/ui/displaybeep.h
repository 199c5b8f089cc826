// The window system's beep, which the application object puts behind MessageBeep for programs with a display.
// It calls QApplication::beep unless a test has put a recorder in its place.
#pragma once

#include <functional>

namespace orupim::ui {

using DisplayBeepFunction = std::function<void()>;

// Rings the display's bell.
void displayBeep();

// Makes displayBeep call `implementation` instead; an empty function brings back QApplication::beep. Answers
// the implementation it replaces (empty for QApplication::beep), so that whoever replaces it can put it back.
DisplayBeepFunction setDisplayBeepImplementation(DisplayBeepFunction implementation);

} // namespace orupim::ui
