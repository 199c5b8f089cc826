#include "catalogue/startup.h"

#include "catalogue/aboutdialog.h"
#include "catalogue/mainwindow.h"
#include "catalogue/modulevalues.h"
#include "catalogue/querydialog.h"
#include "catalogue/waitdialog.h"
#include "platform/ui/application.h"

#include <QApplication>
#include <memory>

namespace orupim::catalogue {
namespace {

constexpr unsigned SplashPause = 3000;

void pauseBehindSplash(unsigned milliseconds) {
    // FIXME: the kernel's Sleep(milliseconds) joins here once the kernel service is in the tree.
    (void)milliseconds;
}

} // namespace

void startCatalogue(ui::Application& application, const Edition& edition) {
    auto WaitDialog = std::make_unique<TWaitDialog>();
    WaitDialog->show();
    WaitDialog->repaint();

    application.setTitle(edition.applicationTitle);
    application.setHelpFile(HelpFile);
    application.createForm(MainWindow, edition);
    application.createForm(AboutDialog);
    application.createForm(QueryDialog);

    pauseBehindSplash(SplashPause);
    WaitDialog.reset();
}

int runCatalogue(int argc, char** argv, const Edition& edition) {
    QApplication qt(argc, argv);
    ui::Application application;
    startCatalogue(application, edition);
    return application.run();
}

} // namespace orupim::catalogue
