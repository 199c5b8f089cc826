// Controls whose caption the host's font draws wider than the form's place for it allows grow to the right
// until the caption shows whole, rather than cutting it. A control fixed at its size stays as it is.
#pragma once

class QWidget;

namespace orupim::ui {

// Widens `control` to its size hint when that is wider than the control and its maximum width allows.
void growToFit(QWidget* control);

} // namespace orupim::ui
