#include "catalogue/startup.h"

#include "catalogue/aboutdialog.h"
#include "catalogue/mainwindow.h"
#include "catalogue/modulevalues.h"
#include "catalogue/pictures.h"
#include "catalogue/querydialog.h"
#include "catalogue/waitdialog.h"
#include "platform/kernel/sleep.h"
#include "platform/ui/application.h"

#include <QApplication>
#include <QIcon>
#include <memory>

namespace orupim::catalogue {
namespace {

constexpr std::uint32_t SplashPause = 3000;

} // namespace

void startCatalogue(ui::Application& application, const Edition& edition) {
    QApplication::setWindowIcon(programIcon());
    auto WaitDialog = std::make_unique<TWaitDialog>();
    WaitDialog->showNow();

    application.setTitle(edition.applicationTitle);
    application.setHelpFile(HelpFile);
    application.createForm(MainWindow, edition);
    application.createForm(AboutDialog);
    application.createForm(QueryDialog, edition);

    kernel::Sleep(SplashPause);
    WaitDialog.reset();
}

int runCatalogue(int argc, char** argv, const Edition& edition) {
    QApplication qt(argc, argv);
    ui::Application application;
    startCatalogue(application, edition);
    return application.run();
}

} // namespace orupim::catalogue
