// Whether a window shows every text whole: each visible label, button, check box and tab, measured with the
// font it is drawn in, fits the room its control gives it, and every visible control lies inside its
// parent. Used by the fitting tests of every program.
#pragma once

#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace orupim::test {

// One line for each fault found in `window` (empty when it shows everything whole), naming the control.
std::vector<std::string> fitFaults(const QWidget* window);

// Writes the window's picture as <name>.png in the directory ORUPIM_SCREENSHOTS names, when it names one;
// otherwise does nothing. A picture that cannot be written is reported on standard error, never as a fault.
void savePicture(QWidget* window, const QString& name);

} // namespace orupim::test
