#include "platform/ui/printerfont.h"

#include <cstdlib>

namespace orupim::ui {

// Rounded half away from zero, as the old platform's multiply-then-divide rounds.
int PrinterFont::height() const {
    const long product = static_cast<long>(size_) * pixelsPerInch_;
    const long magnitude = (std::labs(product) + 36) / 72;
    return static_cast<int>(product < 0 ? magnitude : -magnitude);
}

} // namespace orupim::ui
