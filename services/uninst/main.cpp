// orupim-uninst: the uninstaller that OruInst registers as OruUninst.exe (programs.ini maps that name here),
// started with a product's application name and destination directory.
#include "platform/ui/application.h"
#include "services/uninst/uninstallerapp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    orupim::ui::Application application;
    application.setTitle("OruUninst");
    return orupim::uninst::runUninstaller(std::vector<std::string>(argv + 1, argv + argc));
}
