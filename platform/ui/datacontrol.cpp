#include "platform/ui/datacontrol.h"

#include "platform/ui/guard.h"

namespace orupim::ui {

void DataControl::focusLeft(Qt::FocusReason reason) {
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    runGuarded([this] { link_.updateRecord(); });
}

} // namespace orupim::ui
