// Enter events (OnEnter) as the old framework raised them. When the input focus moves to a control, by the
// mouse, the Tab key or a program call, every control on the way from the window down to it that does not
// also hold the control that had the focus before is entered, outermost first: a container is entered when
// the focus comes into it from outside, before the control inside it. The comparison is with the control last
// focused in the same window, so leaving the window for another one and coming back enters nothing again.
#pragma once

#include "platform/ui/guard.h"

class QWidget;

namespace orupim::ui {

// Sets the enter handler of a control (or a container); it runs guarded. An empty handler removes it.
void onEnter(QWidget* control, Handler handler);

} // namespace orupim::ui
