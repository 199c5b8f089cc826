#include "platform/ui/screencursor.h"

#include <QApplication>
#include <QCursor>

namespace orupim::ui {
namespace {

ScreenCursor& current() {
    static ScreenCursor cursor = ScreenCursor::Default;
    return cursor;
}

} // namespace

ScreenCursor screenCursor() {
    return current();
}

void setScreenCursor(ScreenCursor cursor) {
    if (cursor == current())
        return;
    current() = cursor;
    // At most one override of ours is on Qt's stack at any time.
    if (cursor == ScreenCursor::HourGlass)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QApplication::restoreOverrideCursor();
}

} // namespace orupim::ui
