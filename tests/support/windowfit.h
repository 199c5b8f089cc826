// Whether a window shows every text whole: each visible label, button, check box and tab, measured with the
// font it is drawn in, fits the room its control gives it, and every visible control lies inside its
// parent. Used by the fitting tests of every program.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace orupim::test {

// One line for each fault found in `window` (empty when it shows everything whole), naming the control.
std::vector<std::string> fitFaults(const QWidget* window);

// Fails the running test with every fault found in `window` as it is shown now, and writes its picture under
// `name` when pictures are asked for.
void expectFits(QWidget& window, const std::string& name);

} // namespace orupim::test
