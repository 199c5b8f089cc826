#include "catalogueprogram.h"

#include "catalogue/modulevalues.h"
#include "catalogue/startup.h"
#include "platform/files/filesystem.h"
#include "platform/ui/application.h"
#include "platform/ui/statusbar.h"
#include "temproot.h"

#include <QApplication>
#include <QTest>
#include <fstream>

namespace orupim::catalogue::test {

CatalogueProgram::CatalogueProgram(const Edition& edition, const std::string& directory)
    : edition_(edition), directory_(orupim::test::tempRoot() / directory) {
    std::filesystem::create_directories(directory_);
    files::setProgramFileForTesting(directory_ / edition.deliverable);
}

CatalogueProgram::~CatalogueProgram() {
    stop();
    files::setProgramFileForTesting({});
}

void CatalogueProgram::writeListFile(const std::string& text) const {
    std::ofstream(directory_ / edition_.listFile, std::ios::binary) << text;
}

void CatalogueProgram::startWithoutShowing() {
    application_ = std::make_unique<ui::Application>();
    startCatalogue(*application_, edition_);
}

void CatalogueProgram::show() {
    MainWindow->show();
    MainWindow->activateWindow();
    QApplication::setActiveWindow(MainWindow);
    (void)QTest::qWaitForWindowActive(MainWindow, 2000);
    QApplication::processEvents();
}

void CatalogueProgram::start() {
    startWithoutShowing();
    show();
}

void CatalogueProgram::stop() {
    application_.reset();
    MainWindow = nullptr;
    AboutDialog = nullptr;
    QueryDialog = nullptr;
}

TMainWindow& CatalogueProgram::window() const {
    return *MainWindow;
}

std::string CatalogueProgram::message() const {
    return MainWindow->StatusBar->panelText(0);
}

std::string CatalogueProgram::counts() const {
    return MainWindow->StatusBar->panelText(1);
}

} // namespace orupim::catalogue::test
