// Answering a question box the way a user does: by a click on one of its buttons once it is up, so that the
// code under test runs through the real modal box.
#pragma once

#include <QMessageBox>

namespace orupim::testing {

// Presses `button` of the next message box that comes up modally (checked every 10 ms from the event loop).
void pressWhenShown(QMessageBox::StandardButton button);

} // namespace orupim::testing
