// Pictures of windows for a person to look at. They are written only when asked, by naming a directory in
// ORUPIM_SCREENSHOTS (e.g. build/screenshots), and never decide a test: a picture that cannot be written is
// reported on standard error and the test goes on.
#pragma once

#include <string>

class QWidget;

namespace orupim::test {

// Writes `widget` as it is drawn now to <ORUPIM_SCREENSHOTS>/<name>.png, when that variable is set.
void saveScreenshot(QWidget& widget, const std::string& name);

} // namespace orupim::test
