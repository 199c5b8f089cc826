#include "platform/ui/form.h"

#include "platform/ui/qtext.h"

#include "platform/ui/accessibility.h"
#include "platform/ui/application.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace orupim::ui {

Form::Form(QWidget* parent)
    : QWidget(parent, Qt::Window), layout_(new QVBoxLayout(this)), client_(new QWidget) {
    installAccessibility();
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(client_);
}

std::string Form::caption() const {
    return windowTitle().toStdString();
}

void Form::setCaption(std::string_view caption) {
    setWindowTitle(toQString(caption));
}

QMenuBar* Form::menuBar() {
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        // The window's own bar, also where the desktop would move menu bars elsewhere.
        menuBar_->setNativeMenuBar(false);
        layout_->setMenuBar(menuBar_);
    }
    return menuBar_;
}

void Form::setClientSize(int width, int height) {
    client_->setFixedSize(width, height);
    layout_->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

void Form::centerOnScreen() {
    QScreen* screen = this->screen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void Form::runCreateHandler() {
    if (created_)
        return;
    created_ = true;
    runGuarded(onCreate_);
}

void Form::showModal() {
    // As the old modal loop did, the window that was active before gets the activation back afterwards, so
    // that the focus returns to its control and typing goes on there.
    QPointer<QWidget> previous = QApplication::activeWindow();
    if (isVisible())
        hide();
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    auto connection = connect(this, &Form::hidden, &loop, &QEventLoop::quit);
    show();
    activateWindow();
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    disconnect(connection);
    setWindowModality(Qt::NonModal);
    if (previous && previous != this && previous->isVisible())
        previous->activateWindow();
}

void Form::showEvent(QShowEvent* event) {
    // A spontaneous show is the window system restoring a minimised window: the old OnShow did not run then.
    if (!event->spontaneous())
        runGuarded(onShow_);
    QWidget::showEvent(event);
}

void Form::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit hidden();
}

void Form::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    Application* application = Application::current();
    if (event->isAccepted() && application && application->mainForm() == this)
        application->terminate();
}

} // namespace orupim::ui
