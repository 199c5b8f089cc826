#include "platform/ui/guard.h"

#include "platform/ui/exceptionhandler.h"

#include <exception>

namespace orupim::ui {

bool runGuarded(const Handler& handler) noexcept {
    if (!handler)
        return true;
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        try {
            showException(error);
        } catch (...) {
            // Nothing may cross the event loop, not even a failure to show the error.
        }
    } catch (...) {
        try {
            showUnknownException();
        } catch (...) {
        }
    }
    return false;
}

} // namespace orupim::ui
