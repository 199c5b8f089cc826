#include "setup/startup.h"

#include "platform/kernel/sleep.h"
#include "platform/ui/application.h"
#include "setup/mainwindow.h"
#include "setup/waitdialog.h"

#include <QApplication>
#include <memory>

namespace orupim::setup {
namespace {

constexpr std::uint32_t SplashPause = 3000;

} // namespace

void startSetup(ui::Application& application) {
    auto WaitDialog = std::make_unique<TWaitDialog>();
    WaitDialog->showNow();
    kernel::Sleep(SplashPause);
    WaitDialog.reset();

    application.setTitle(ApplicationTitle);
    application.createForm(MainWindow);
}

int runSetup(int argc, char** argv) {
    QApplication qt(argc, argv);
    ui::Application application;
    startSetup(application);
    return application.run();
}

} // namespace orupim::setup
