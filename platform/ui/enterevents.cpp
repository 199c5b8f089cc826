#include "platform/ui/enterevents.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace orupim::ui {
namespace {

// A control's enter handler, kept as a child object so that it goes away with the control.
class EnterBinding : public QObject {
public:
    EnterBinding(QWidget* control, Handler handler) : QObject(control), handler_(std::move(handler)) {}
    const Handler& handler() const { return handler_; }

private:
    Handler handler_;
};

EnterBinding* bindingOf(QWidget* widget) {
    for (QObject* child : widget->children())
        if (auto* binding = dynamic_cast<EnterBinding*>(child))
            return binding;
    return nullptr;
}

// The control last focused in each window, which the next enter is measured against.
class FocusTracker : public QObject {
public:
    explicit FocusTracker(QObject* parent) : QObject(parent) {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
    }

private:
    void focusMoved(QWidget* now) {
        if (!now)
            return;
        QWidget* window = now->window();
        QPointer<QWidget>& last = lastFocus(window);
        QWidget* before = last.data();
        if (before == now)
            return;
        last = now;

        std::vector<QPointer<QWidget>> entered;
        for (QWidget* widget = now; widget; widget = widget->isWindow() ? nullptr : widget->parentWidget()) {
            if (before && (widget == before || widget->isAncestorOf(before)))
                break;
            if (bindingOf(widget))
                entered.emplace_back(widget);
        }
        for (auto widget = entered.rbegin(); widget != entered.rend(); ++widget) {
            if (!*widget)
                continue;
            if (EnterBinding* binding = bindingOf(widget->data()))
                runGuarded(Handler(binding->handler()));
        }
    }

    QPointer<QWidget>& lastFocus(QWidget* window) {
        for (auto& entry : windows_)
            if (entry.first == window)
                return entry.second;
        for (auto entry = windows_.begin(); entry != windows_.end();)
            entry = entry->first ? entry + 1 : windows_.erase(entry);
        windows_.emplace_back(window, nullptr);
        return windows_.back().second;
    }

    std::vector<std::pair<QPointer<QWidget>, QPointer<QWidget>>> windows_;
};

void ensureTracker() {
    static QPointer<FocusTracker> tracker;
    if (!tracker)
        tracker = new FocusTracker(qApp);
}

} // namespace

void onEnter(QWidget* control, Handler handler) {
    ensureTracker();
    delete bindingOf(control);
    if (handler)
        new EnterBinding(control, std::move(handler));
}

} // namespace orupim::ui
