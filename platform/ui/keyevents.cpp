#include "platform/ui/keyevents.h"

#include "platform/ui/guard.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace orupim::ui {
namespace {

// Watches one widget's key presses and leaves each key to the widget afterwards.
class KeyDownFilter : public QObject {
public:
    KeyDownFilter(QWidget* widget, KeyHandler handler) : QObject(widget), handler_(std::move(handler)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A key that a control inside left unhandled comes up to its parents too; it was typed into the
        // control, not sent to them, so only the widget that has the focus (or a window without one) sees it.
        QWidget* focus = QApplication::focusWidget();
        if (watched == parent() && event->type() == QEvent::KeyPress && (!focus || focus == watched)) {
            int key = virtualKeyCode(static_cast<QKeyEvent*>(event)->key());
            if (key != 0)
                runGuarded([this, key] { handler_(key); });
        }
        return false;
    }

private:
    KeyHandler handler_;
};

} // namespace

int virtualKeyCode(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // the same codes as ASCII upper-case letters and digits
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

void onKeyDown(QWidget* widget, KeyHandler handler) {
    for (QObject* child : widget->children())
        if (auto* filter = dynamic_cast<KeyDownFilter*>(child)) {
            delete filter;
            break;
        }
    if (handler)
        new KeyDownFilter(widget, std::move(handler));
}

} // namespace orupim::ui
