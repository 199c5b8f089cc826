#include "platform/ui/growtofit.h"

#include <QWidget>
#include <algorithm>

namespace orupim::ui {

void growToFit(QWidget* control) {
    const int needed = std::min(control->sizeHint().width(), control->maximumWidth());
    if (needed > control->width())
        control->resize(needed, control->height());
}

} // namespace orupim::ui
