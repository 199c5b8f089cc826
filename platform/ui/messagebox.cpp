#include "platform/ui/messagebox.h"

#include "platform/core/replaceable.h"
#include "platform/ui/accessibility.h"

#include <QApplication>
#include <QMessageBox>

namespace orupim::ui {
namespace {

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

// The real box on the screen.
void showHostMessageBox(const MessageBoxRequest& request) {
    installAccessibility();
    QMessageBox box(qtIcon(request.icon), QString::fromStdString(request.caption),
                    QString::fromStdString(request.text), QMessageBox::Ok, QApplication::activeWindow());
    // Shown as plain text: an error text is never markup.
    box.setTextFormat(Qt::PlainText);
    box.setAccessibleName(QString::fromStdString(request.caption));
    box.setAccessibleDescription(QString::fromStdString(request.text));
    // Kept above every other window: an error of start-up comes while the splash window, which stays on top,
    // is still up.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

Replaceable<void(const MessageBoxRequest&)>& shower() {
    static Replaceable<void(const MessageBoxRequest&)> implementation(showHostMessageBox);
    return implementation;
}

} // namespace

void showMessageBox(const std::string& caption, const std::string& text, MessageIcon icon) {
    shower()(MessageBoxRequest{caption, text, icon});
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

MessageBoxFunction setMessageBoxImplementation(MessageBoxFunction implementation) {
    return shower().replace(std::move(implementation));
}

} // namespace orupim::ui
