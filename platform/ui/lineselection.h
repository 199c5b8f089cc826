// The old edit controls keep their selection when the focus leaves them (they only stop showing it), so a
// command given later, such as Copy To Clipboard from a tool-bar button or after another page was shown,
// still finds it. Qt's line edit drops the selection on focus-out; the data-aware edits put it back.
#pragma once

#include <functional>

class QLineEdit;

namespace orupim::ui {

// Runs `focusOut` (the control's own focus-out) and gives `edit` back the selection it had before, when its
// text is still the same.
void keepSelection(QLineEdit& edit, const std::function<void()>& focusOut);

} // namespace orupim::ui
