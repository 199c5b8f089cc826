// The installation wizard driven as the user drives it: clicks on its buttons and keys in its fields, over a
// package of the test's own, with the registry's registration values and the drive map under the test root.
#include "setup/maindialog.h"

#include "platform/files/filesystem.h"
#include "platform/registry/keymarks.h"
#include "platform/registry/registry.h"
#include "platform/testing/platformrecorders.h"
#include "platform/ui/application.h"
#include "platform/ui/directorylistbox.h"
#include "platform/ui/drivecombobox.h"
#include "platform/ui/speedbutton.h"
#include "setup/mainwindow.h"
#include "setup/modulevalues.h"
#include "setup/packagereader.h"
#include "setup/startup.h"
#include "setupprogram.h"
#include "temproot.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>

namespace orupim::setup {
namespace {

constexpr const char* VersionKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

const char* const Notices = "Please read the following notices carefully, they contain important commercial "
                            "and technical information.";

class Wizard : public ::testing::Test {
protected:
    Wizard() {
        const auto d = orupim::test::tempRoot() / "drive_d";
        std::filesystem::create_directories(d / "apps");
        std::ofstream(orupim::test::tempRoot() / "drives.ini")
            << "[Drives]\nC=" << (orupim::test::tempRoot() / "drive_c").string() << "\nD=" << d.string()
            << "\n";
        application.setTitle("OruInst 1.0");
        writeRegistration("Ada Owner", "Brenmoor Ltd");
    }
    ~Wizard() override { clearKeyMarksForTesting(); }

    // The package, the notice files beside it, then the wizard created and shown.
    void open(const std::string& package,
              const std::vector<std::pair<std::string, std::string>>& notices = {}) {
        directory.writePackage(package);
        for (const auto& [name, text] : notices)
            std::ofstream(directory.path() / name, std::ios::binary) << text;
        SetupDir = CountedString(files::programDirectory());
        IpiPath = SetupDir + PackageFileName;
        readPackage(IpiPath);
        SetupTitle = AppName + " " + AppVersion.str();
        application.createForm(MainDialog);
        MainDialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(MainDialog));
    }

    static void writeRegistration(const std::string& owner, const std::string& organisation) {
        Registry registry;
        registry.setRootKey(RootKey::LocalMachine);
        ASSERT_TRUE(registry.openKey(VersionKey, true));
        registry.writeString("RegisteredOwner", owner);
        registry.writeString("RegisteredOrganization", organisation);
    }

    TMainDialog& wizard() const { return *MainDialog; }
    void click(ui::SpeedButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }
    void next() const { click(wizard().NextBut); }
    std::string memo() const { return wizard().InfoMemo->toPlainText().toStdString(); }
    static std::string text(const QLineEdit* edit) { return edit->text().toStdString(); }
    static void retype(QLineEdit* edit, const char* text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    test::SetupDirectory directory;
    orupim::testing::PlatformRecorders platform;
    ui::Application application;
};

const char* const Package = "[Settings]\r\nApplication=OruFLX\r\nVersion=1.1\r\nDirectory=c:\\oru\\flx\r\n";

TEST_F(Wizard, LeadsThroughTheOpeningNoticesToTheNameAndDestinationPages) {
    open(std::string(Package) + "[StartInfo]\r\nfirst.txt=\r\nsecond.txt=\r\n",
         {{"first.txt", "First notice"}, {"second.txt", "Second notice"}});
    EXPECT_EQ(wizard().caption(), "OruFLX 1.1 Installation");
    EXPECT_EQ(wizard().infoText(),
              "Welcome to OruInstall. This program will automatically install and configure "
              "OruFLX 1.1 on your computer.");
    EXPECT_EQ(WizardState, StepStartNotices);
    EXPECT_FALSE(wizard().PrevBut->isEnabled());
    EXPECT_NE(memo().find("Brenmoor"), std::string::npos);

    next();
    EXPECT_EQ(memo(), "First notice");
    EXPECT_EQ(wizard().infoText(), Notices);
    next();
    EXPECT_EQ(memo(), "Second notice");
    EXPECT_EQ(StartInfoIndex, 2);
    EXPECT_EQ(WizardState, StepStartNotices);

    next();
    EXPECT_EQ(WizardState, StepNames);
    EXPECT_TRUE(wizard().Panel2->isVisible());
    EXPECT_FALSE(wizard().Panel1->isVisible());
    EXPECT_TRUE(wizard().PrevBut->isEnabled());
    EXPECT_EQ(text(wizard().EditName), "Ada Owner");
    EXPECT_EQ(text(wizard().EditOrg), "Brenmoor Ltd");
    retype(wizard().EditName, "Grace");
    QTest::keyClick(wizard().EditName, Qt::Key_Tab);
    EXPECT_TRUE(wizard().EditOrg->hasFocus());
    retype(wizard().EditOrg, "Navy");

    next();
    EXPECT_EQ(UserName.str(), "Grace");
    EXPECT_EQ(UserOrg.str(), "Navy");
    EXPECT_EQ(WizardState, StepDestination);
    EXPECT_FALSE(wizard().Panel2->isVisible());
    EXPECT_TRUE(wizard().Panel4->isVisible());
    EXPECT_TRUE(wizard().PrevBut->isEnabled());
    EXPECT_EQ(wizard().infoText(), "Please accept the default path displayed or select a different path to "
                                   "install OruFLX 1.1 on your computer.");
    // The proposal of the directory list is replaced by the package's directory.
    EXPECT_EQ(text(wizard().EditPath), "c:\\oru\\flx");
    EXPECT_EQ(files::currentDirectory(), "C:\\");
    EXPECT_TRUE(platform.messages.boxes.empty());
}

TEST_F(Wizard, WithoutOpeningNoticesTheFirstNextShowsTheNamePage) {
    open(Package);
    next();
    EXPECT_EQ(WizardState, StepNames);
    EXPECT_EQ(wizard().infoText(),
              "Please follow the instructions provided with your software to fill in your "
              "registration name and organisation fields.");
}

TEST_F(Wizard, MissingNoticeIsReportedOnEveryNextUntilCancel) {
    open(std::string(Package) + "[StartInfo]\r\nmissing.txt=\r\n");
    next();
    next();
    ASSERT_EQ(platform.messages.boxes.size(), 2u);
    for (const ui::MessageBoxRequest& box : platform.messages.boxes) {
        EXPECT_EQ(box.caption, "OruInst 1.0");
        EXPECT_EQ(box.text, "Cannot open file C:\\disk1\\missing.txt.");
        EXPECT_EQ(box.icon, ui::MessageIcon::Error);
    }
    EXPECT_EQ(StartInfoIndex, 0);
    EXPECT_EQ(WizardState, StepStartNotices);

    click(wizard().CancelBut);
    EXPECT_EQ(WizardState, StepFinal);
    EXPECT_EQ(wizard().infoText(), "The installation of OruFLX 1.1 was not performed successfuly.");
    EXPECT_EQ(wizard().NextBut->text().toStdString(), "&Finish");
    EXPECT_FALSE(wizard().CancelBut->isEnabled());
    EXPECT_FALSE(wizard().PrevBut->isEnabled());
    EXPECT_EQ(memo().rfind("You have selected to interrupt the installation.", 0), 0u);
    EXPECT_NE(memo().find("again.\n\nIf this was your intention"), std::string::npos);
    EXPECT_TRUE(wizard().Panel1->isVisible());

    next();
    EXPECT_TRUE(application.terminated());
}

TEST_F(Wizard, PreviousReturnsToTheNoticesAndNextPrefillsTheNamesAgain) {
    open(Package);
    next();
    retype(wizard().EditName, "Typed");
    next();
    click(wizard().PrevBut);
    EXPECT_EQ(WizardState, StepStartNotices);
    EXPECT_FALSE(wizard().PrevBut->isEnabled());
    EXPECT_TRUE(wizard().Panel1->isVisible());
    EXPECT_EQ(wizard().infoText(), Notices);

    next();
    EXPECT_EQ(WizardState, StepNames);
    EXPECT_EQ(text(wizard().EditName), "Ada Owner");
    next();
    EXPECT_EQ(text(wizard().EditPath), "c:\\oru\\flx");
}

TEST_F(Wizard, UnopenableRegistrationKeyKeepsTheNamesAsTheyStand) {
    setKeyMarksForTesting(RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                          KeyMarks{true, false, false});
    open(Package);
    next();
    EXPECT_EQ(text(wizard().EditName), "");
    EXPECT_EQ(text(wizard().EditOrg), "");
    retype(wizard().EditName, "Kept");
    next();
    click(wizard().PrevBut);
    next();
    EXPECT_EQ(text(wizard().EditName), "Kept");
}

TEST_F(Wizard, DirectoryListProposesTheProductFolderBelowTheChosenDirectory) {
    open(Package);
    next();
    next();
    wizard().DriveComboBox->setDrive('d');
    EXPECT_EQ(text(wizard().EditPath), "D:\\OruFLX");
    EXPECT_EQ(DestPath.str(), "D:\\OruFLX");
    EXPECT_TRUE(wizard().DirectoryListBox->setDirectory("d:\\apps"));
    EXPECT_EQ(text(wizard().EditPath), "D:\\apps\\OruFLX");
    EXPECT_EQ(files::currentDirectory(), "D:\\apps");

    retype(wizard().EditPath, "C:\\typed");
    next();
    EXPECT_EQ(DestPath.str(), "C:\\typed");
}

TEST_F(Wizard, ClosingNoticesFollowTheRunThenTheFinalPage) {
    open(std::string(Package) + "[EndInfo]\r\nthanks.txt=\r\n", {{"thanks.txt", "Thank you"}});
    WizardState = StepEndNotices;
    wizard().Panel1->hide();
    wizard().Panel5->show();

    next();
    EXPECT_EQ(memo(), "Thank you");
    EXPECT_TRUE(wizard().Panel1->isVisible());
    EXPECT_FALSE(wizard().Panel5->isVisible());
    next();
    EXPECT_EQ(WizardState, StepFinal);
    EXPECT_EQ(wizard().infoText(), "OruInstall has installed OruFLX 1.1 successfully, congratulations.");
    EXPECT_EQ(wizard().NextBut->text().toStdString(), "&Finish");
    EXPECT_NE(memo().find("package.\n\nA copy"), std::string::npos);
    EXPECT_FALSE(application.terminated());
    next();
    EXPECT_TRUE(application.terminated());
}

TEST_F(Wizard, CloseRequestEmptiesTheInstructionLine) {
    open(Package);
    wizard().close();
    EXPECT_EQ(wizard().infoText(), "");
    EXPECT_FALSE(wizard().isVisible());
}

} // namespace
} // namespace orupim::setup
