// The uninstaller's conversation with the user: it finds the product from its arguments, reads the uninstall
// record, asks before it removes anything, and then says what was removed and what stayed. A missing or
// damaged record, or arguments that name no product, end it with a message and nothing removed.
#pragma once

#include <string>
#include <vector>

namespace orupim::uninst {

// Runs the uninstaller on its arguments (without the program name); a QApplication must exist. Answers the
// process's exit code: 0 when the product was removed whole, 1 otherwise (refused, cancelled or left over).
int runUninstaller(const std::vector<std::string>& arguments);

} // namespace orupim::uninst
