// Every window of the setup program shows its texts whole: the splash window, the backdrop, and each page of
// the wizard, the copy page with long paths included. Pictures of them are written when ORUPIM_SCREENSHOTS
// names a directory.
#include "platform/kernel/sleep.h"
#include "platform/testing/platformrecorders.h"
#include "platform/ui/application.h"
#include "platform/ui/label.h"
#include "platform/ui/speedbutton.h"
#include "screenshot.h"
#include "setup/maindialog.h"
#include "setup/mainwindow.h"
#include "setup/modulevalues.h"
#include "setup/waitdialog.h"
#include "setupprogram.h"
#include "userinput.h"
#include "windowfit.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>

namespace orupim::setup {
namespace {

using orupim::test::expectFits;

const char* const LongFile = "video-library-catalogue-notes.dat";
const char* const LongDestination =
    "C:\\Program Files\\Brenmoor\\Personal Information Manager\\Catalogues\\Videos and Films\\Library";

class SetupWindows : public ::testing::Test {
protected:
    SetupWindows() { application.setTitle("OruInst 1.0"); }

    void openWizard() {
        std::ofstream(directory.path() / "notice.txt") << "A notice.";
        std::ofstream(directory.path() / LongFile) << "data";
        directory.writePackage(std::string("[Settings]\r\nApplication=OruFLX\r\nVersion=1.1\r\n"
                                           "Directory=c:\\oru\\flx\r\n[StartInfo]\r\nnotice.txt=\r\n"
                                           "[EndInfo]\r\nnotice.txt=\r\n[FilesIn]\r\n") +
                               LongFile + "=\r\n[FilesOut]\r\n" + LongFile +
                               "=0\r\n[Keys]\r\nBase=\\Software\\Brenmoor\\OruFLX\r\n");
        test::showWizard(application);
    }
    static void next() { test::clickNext(); }

    test::SetupDirectory directory;
    orupim::testing::PlatformRecorders platform;
    ui::Application application;
};

TEST_F(SetupWindows, EveryWizardPageTheCopyPageWithLongPathsIncluded) {
    openWizard();
    expectFits(*MainDialog, "setup-welcome");
    next();
    expectFits(*MainDialog, "setup-notice");
    next();
    expectFits(*MainDialog, "setup-names");
    next();
    expectFits(*MainDialog, "setup-destination");
    MainDialog->EditPath->setText(LongDestination);
    bool copying = false;
    kernel::setSleepImplementation([&](std::uint32_t) {
        if (copying || !MainDialog->Panel5->isVisible())
            return;
        copying = true;
        // The destination is too long for the page: its directories lose their middle, the file name shows
        // whole, and a screen reader has the whole path.
        for (ui::Label* path : {MainDialog->SourceLabel, MainDialog->DestinationLabel}) {
            EXPECT_NE(path->caption().find(LongFile), std::string::npos);
            EXPECT_TRUE(path->text().endsWith(LongFile)) << path->text().toStdString();
            EXPECT_EQ(path->accessibleName().toStdString(), path->caption());
        }
        EXPECT_TRUE(MainDialog->DestinationLabel->text().contains(QStringLiteral("…")));
        expectFits(*MainDialog, "setup-copying");
    });
    next();
    kernel::setSleepImplementation({});
    EXPECT_TRUE(copying);
    expectFits(*MainDialog, "setup-copied");
    next();
    expectFits(*MainDialog, "setup-end-notice");
    next();
    expectFits(*MainDialog, "setup-final");
}

TEST_F(SetupWindows, CancelPageBackdropAndSplash) {
    openWizard();
    orupim::test::click(MainDialog->CancelBut);
    expectFits(*MainDialog, "setup-cancelled");

    TMainWindow backdrop;
    backdrop.runCreateHandler(); // reads the package and names the product
    backdrop.Timer1->stop();     // the wizard is up already
    backdrop.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&backdrop));
    expectFits(backdrop, "setup-backdrop");

    TWaitDialog splash;
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    expectFits(splash, "setup-splash");
}

} // namespace
} // namespace orupim::setup
