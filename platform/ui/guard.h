// The guard around every handler that Qt calls. The old form framework caught any error that escaped an event
// handler and showed it through the application's default exception handler, then went on with the next
// message; Qt must never see a C++ exception leave a slot or an event function. Every menu item, speed
// button, focus-in, timer, key and show handler therefore runs through runGuarded, directly or through
// connectGuarded.
#pragma once

#include <QObject>
#include <functional>
#include <utility>

namespace orupim::ui {

using Handler = std::function<void()>;

// Runs the handler; an exception that leaves it is shown by the default exception handler and goes no
// further. Returns whether the handler ran to its end. Never throws.
bool runGuarded(const Handler& handler) noexcept;

// Connects a signal to a handler that runs guarded. The handler takes no arguments: the signal's are dropped,
// as the old handlers took only their sender. `context` ends the connection when it is destroyed.
template <class Sender, class Signal>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, QObject* context, Handler handler) {
    return QObject::connect(sender, signal, context, [handler = std::move(handler)] { runGuarded(handler); });
}

template <class Sender, class Signal>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, Handler handler) {
    return connectGuarded(sender, signal, sender, std::move(handler));
}

} // namespace orupim::ui
