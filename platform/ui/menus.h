// Building menus as the old form data described them: a caption with "&" before the access letter, "-" for a
// separator line, and an item without a handler shown disabled. The handler of an item runs guarded.
#pragma once

#include "platform/ui/guard.h"

#include <string_view>

class QAction;
class QMenu;
class QMenuBar;

namespace orupim::ui {

// A menu at the end of the bar.
QMenu* addMenu(QMenuBar* bar, std::string_view caption);

// An item at the end of the menu: "-" gives a separator (and the handler is ignored); an empty handler gives
// a disabled item that does nothing.
QAction* addMenuItem(QMenu* menu, std::string_view caption, Handler handler);

} // namespace orupim::ui
