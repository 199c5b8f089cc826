// The screen cursor of the old framework: one cursor for the whole application. Setting the hourglass shows
// it over every window; setting the default cursor brings back each window's own cursor, however many times
// the hourglass was set before (it is a setting, not a stack).
#pragma once

namespace orupim::ui {

enum class ScreenCursor { Default, HourGlass };

ScreenCursor screenCursor();
void setScreenCursor(ScreenCursor cursor);

// Sets the hourglass for the life of the object and the default cursor when it ends, also when an exception
// passes: the "hourglass, then default cursor in the finally part" of the old handlers.
class HourGlassScope {
public:
    HourGlassScope() { setScreenCursor(ScreenCursor::HourGlass); }
    ~HourGlassScope() { setScreenCursor(ScreenCursor::Default); }
    HourGlassScope(const HourGlassScope&) = delete;
    HourGlassScope& operator=(const HourGlassScope&) = delete;
};

} // namespace orupim::ui
