// Key-down handlers (OnKeyDown) with the old platform's virtual-key codes: the handler sees each key pressed
// in the widget (13 for Enter, 27 for Escape, 65 to 90 for the letters, 48 to 57 for the digits, and so on)
// and the key then goes on to the widget's own handling, as it did when the handler left the key unchanged.
// The handler runs guarded.
#pragma once

#include <functional>

class QWidget;

namespace orupim::ui {

// The virtual-key code of a Qt key, 0 for keys that have none here.
int virtualKeyCode(int qtKey);

using KeyHandler = std::function<void(int virtualKey)>;

// Sets the key-down handler of a widget; an empty handler removes it. A form's handler sees only the keys
// that reach the form itself, not those typed into its controls (there is no key preview).
void onKeyDown(QWidget* widget, KeyHandler handler);

} // namespace orupim::ui
