#include "platform/ui/messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace orupim::ui {
namespace {

MessageBoxHandler& testHandler() {
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void showMessageBox(const std::string& caption, const std::string& text, MessageIcon icon) {
    if (testHandler()) {
        testHandler()(MessageBoxRequest{caption, text, icon});
        return;
    }
    QMessageBox box(qtIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    // Shown as plain text: an error text is never markup.
    box.setTextFormat(Qt::PlainText);
    box.setAccessibleName(QString::fromStdString(caption));
    box.setAccessibleDescription(QString::fromStdString(text));
    // Kept above every other window: an error of start-up comes while the splash window, which stays on top,
    // is still up.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

bool askYesNo(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    box.setTextFormat(Qt::PlainText);
    box.setAccessibleName(QString::fromStdString(caption));
    box.setAccessibleDescription(QString::fromStdString(text));
    return box.exec() == QMessageBox::Yes;
}

void setMessageBoxHandlerForTesting(MessageBoxHandler handler) {
    testHandler() = std::move(handler);
}

} // namespace orupim::ui
