#include "platform/ui/application.h"

#include "platform/core/errors.h"
#include "platform/shell/winhelp.h"
#include "platform/ui/messagebox.h"

#include <QApplication>
#include <QThread>

namespace orupim::ui {
namespace {

Application*& currentApplication() {
    static Application* application = nullptr;
    return application;
}

} // namespace

Application::Application() : quitOnLastWindowClosed_(QApplication::quitOnLastWindowClosed()) {
    if (currentApplication())
        throw Error("An application object exists already");
    currentApplication() = this;
    // Only closing the main form ends the loop, not closing whichever window happens to be the last one
    // shown.
    QApplication::setQuitOnLastWindowClosed(false);
    previousReporter_ = shell::setOpenFailureReporter([](const shell::OpenFailure& failure) {
        auto show = [text = shell::openFailureText(failure)] {
            if (Application* application = current())
                showMessageBox(application->title(), text, MessageIcon::Warning);
        };
        QCoreApplication* qt = QCoreApplication::instance();
        if (!qt)
            return;
        if (QThread::currentThread() == qt->thread())
            show();
        else
            QMetaObject::invokeMethod(qt, show, Qt::QueuedConnection);
    });
}

Application::~Application() {
    shell::setOpenFailureReporter(std::move(previousReporter_));
    for (auto form = forms_.rbegin(); form != forms_.rend(); ++form)
        delete form->data();
    QApplication::setQuitOnLastWindowClosed(quitOnLastWindowClosed_);
    currentApplication() = nullptr;
}

Application* Application::current() {
    return currentApplication();
}

void Application::setTitle(std::string_view title) {
    title_ = title;
    QApplication::setApplicationName(QString::fromStdString(title_));
}

void Application::adopt(Form* form) {
    forms_.emplace_back(form);
    if (!mainForm_)
        mainForm_ = form;
    form->runCreateHandler();
}

int Application::run() {
    if (terminated_ || !mainForm_)
        return 0;
    mainForm_->show();
    if (terminated_ || !mainForm_ || !mainForm_->isVisible())
        return 0;
    running_ = true;
    int result = QApplication::exec();
    running_ = false;
    return result;
}

void Application::terminate() {
    terminated_ = true;
    // Asking Qt to exit while no loop runs would make the next loop of any kind (a modal one) end at once.
    if (running_)
        QApplication::exit(0);
}

bool Application::helpCommand(unsigned command, unsigned long data) {
    return shell::winHelp(helpFile_, command, data);
}

} // namespace orupim::ui
