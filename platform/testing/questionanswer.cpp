#include "platform/testing/questionanswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

namespace orupim::testing {

void pressWhenShown(QMessageBox::StandardButton button) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->button(button))
            return;
        timer->stop();
        timer->deleteLater();
        box->button(button)->click();
    });
    timer->start(10);
}

} // namespace orupim::testing
