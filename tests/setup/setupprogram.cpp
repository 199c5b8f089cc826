#include "setupprogram.h"

#include "platform/files/filesystem.h"
#include "platform/ui/application.h"
#include "platform/ui/speedbutton.h"
#include "setup/maindialog.h"
#include "setup/modulevalues.h"
#include "setup/packagereader.h"
#include "temproot.h"
#include "userinput.h"

#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

namespace orupim::setup::test {

SetupDirectory::SetupDirectory() : path_(orupim::test::tempRoot() / "drive_c" / "disk1") {
    std::filesystem::create_directories(path_);
    files::setProgramFileImplementation([program = path_ / "OruInst"] { return program; });
    resetModuleValues();
}

SetupDirectory::~SetupDirectory() {
    files::setProgramFileImplementation({});
    resetModuleValues();
    std::filesystem::remove_all(path_);
}

void SetupDirectory::copyPackage(const std::string& fixture) const {
    std::filesystem::copy_file(std::filesystem::path(ORUPIM_TEST_DATA) / "setup" / fixture,
                               path_ / PackageFileName, std::filesystem::copy_options::overwrite_existing);
}

void SetupDirectory::writePackage(const std::string& text) const {
    std::ofstream(path_ / PackageFileName, std::ios::binary) << text;
}

void showWizard(ui::Application& application) {
    SetupDir = CountedString(files::programDirectory());
    IpiPath = SetupDir + PackageFileName;
    readPackage(IpiPath);
    SetupTitle = AppName + " " + AppVersion.str();
    application.createForm(MainDialog);
    MainDialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(MainDialog));
}

void clickNext() {
    orupim::test::click(MainDialog->NextBut);
}

} // namespace orupim::setup::test
