#include "platform/ui/displaybeep.h"

#include "platform/core/replaceable.h"

#include <QApplication>

namespace orupim::ui {
namespace {

void qtBeep() {
    QApplication::beep();
}

Replaceable<void()>& bell() {
    static Replaceable<void()> implementation(qtBeep);
    return implementation;
}

} // namespace

void displayBeep() {
    bell()();
}

DisplayBeepFunction setDisplayBeepImplementation(DisplayBeepFunction implementation) {
    return bell().replace(std::move(implementation));
}

} // namespace orupim::ui
