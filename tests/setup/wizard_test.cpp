// The installation wizard driven as the user drives it: clicks on its buttons and keys in its fields, over a
// package of the test's own, with the registry's registration values and the drive map under the test root.
#include "setup/maindialog.h"

#include "platform/dde/channel.h"
#include "platform/dde/server.h"
#include "platform/dde/servicestarter.h"
#include "platform/files/filesystem.h"
#include "platform/files/platformroot.h"
#include "platform/kernel/sleep.h"
#include "platform/profile/inifile.h"
#include "platform/registry/keymarks.h"
#include "platform/registry/reginifile.h"
#include "platform/registry/registry.h"
#include "platform/testing/platformrecorders.h"
#include "platform/testing/questionanswer.h"
#include "platform/ui/application.h"
#include "platform/ui/directorylistbox.h"
#include "platform/ui/drivecombobox.h"
#include "platform/ui/label.h"
#include "platform/ui/screencursor.h"
#include "platform/ui/speedbutton.h"
#include "platform/ui/splashwindow.h"
#include "progmanprogram.h"
#include "screenshot.h"
#include "services/progman/programgroups.h"
#include "services/progman/programmanager.h"
#include "services/uninst/uninstallerapp.h"
#include "setup/mainwindow.h"
#include "setup/modulevalues.h"
#include "setup/packagereader.h"
#include "setup/programitems.h"
#include "setup/startup.h"
#include "setup/waitdialog.h"
#include "setupprogram.h"
#include "silentprogrammanager.h"
#include "temproot.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <mutex>
#include <optional>
#include <set>
#include <sstream>
#include <thread>
#include <unistd.h>

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
        QTest::keyClick(edit, Qt::Key_Delete);
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

// The pictures: the wizard's setup icon and the splash window's picture, each at its place and size, and a
// picture of both for a person to look at.
TEST_F(Wizard, ShowsTheSetupIconAndTheSplashPicture) {
    open(Package);
    const QPixmap icon = wizard().SetupIco->pixmap();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    const QImage iconImage = icon.toImage();
    EXPECT_EQ(iconImage.pixelColor(1, 1), QColor(0, 0, 128));
    EXPECT_EQ(iconImage.pixelColor(15, 6), QColor(255, 255, 0));
    EXPECT_EQ(iconImage.pixelColor(15, 20), QColor(192, 192, 192));

    TWaitDialog splash;
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    auto* image = splash.findChild<QLabel*>("Image");
    ASSERT_NE(image, nullptr);
    const QImage picture = image->pixmap().toImage();
    EXPECT_EQ(picture.size(), QSize(ui::SplashWindow::PictureWidth, ui::SplashWindow::PictureHeight));
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(0, 64, 96));

    orupim::test::saveScreenshot(wizard(), "setup-wizard");
    orupim::test::saveScreenshot(splash, "setup-splash");
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

// The installation run, started from the destination page with the path typed in. Program Manager takes every
// command unless a test puts another in its place (after resetting this one).
class InstallationRun : public Wizard {
protected:
    InstallationRun() { programManager->start(); }

    void run(const std::string& package, const char* destination) {
        for (const char* file : {"sys.dll", "a.exe", "b.dll", "c.txt"})
            std::ofstream(directory.path() / file) << "new " << file;
        open(package);
        kernel::setSleepImplementation([this](std::uint32_t milliseconds) {
            pauses.push_back(milliseconds);
            positions.push_back(wizard().ProgressBar->value());
        });
        next();
        next();
        retype(wizard().EditPath, destination);
        next();
        kernel::setSleepImplementation({});
    }
    static std::string read(const std::filesystem::path& path) {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::filesystem::path driveC() const { return orupim::test::tempRoot() / "drive_c"; }

    std::vector<std::uint32_t> pauses;
    std::vector<int> positions;
    std::optional<dde::Server> programManager{std::in_place, "PROGMAN", "PROGMAN",
                                              [](const std::string&) { return true; }};
};

const std::string RunPackage = std::string(Package) +
                               "[Keys]\r\nBase=\\Software\\Brenmoor\\OruFLX\r\nUser=User\r\n"
                               "[User]\r\nname=$name\r\nOrganization=$NAME\r\n";

const char* const FourFiles = "[SysFilesIn]\r\nsys.dll=\r\n[SysFilesOut]\r\nsys2.dll=0\r\n"
                              "[FilesIn]\r\na.exe=\r\nb.dll=\r\nc.txt=\r\n"
                              "[FilesOut]\r\nx.exe=0\r\ny.dll=\r\nz.txt=1\r\n";

TEST_F(InstallationRun, CopiesEveryFileAndAdvancesTheBarByStep) {
    run(RunPackage + FourFiles, "C:\\dest\\deep");
    EXPECT_EQ(pauses, (std::vector<std::uint32_t>{500, 500, 500, 500, 1000}));
    EXPECT_EQ(positions, (std::vector<int>{16, 32, 48, 64, 100}));
    EXPECT_EQ(read(driveC() / "WINDOWS" / "sys2.dll"), "new sys.dll");
    EXPECT_EQ(read(driveC() / "dest" / "deep" / "x.exe"), "new a.exe");
    EXPECT_EQ(read(driveC() / "dest" / "deep" / "y.dll"), "new b.dll");
    EXPECT_EQ(read(driveC() / "dest" / "deep" / "z.txt"), "new c.txt");
    EXPECT_EQ(wizard().SourceLabel->text().toStdString(), "c:\\disk1\\c.txt");
    EXPECT_EQ(wizard().DestinationLabel->text().toStdString(), "c:\\dest\\deep\\z.txt");
    EXPECT_EQ(WizardState, StepEndNotices);
    EXPECT_FALSE(wizard().PrevBut->isEnabled());
    EXPECT_TRUE(wizard().Panel5->isVisible());
    EXPECT_EQ(wizard().infoText(), "OruFLX 1.1 was installed successfuly. Please select next to continue.");
    EXPECT_EQ(ui::screenCursor(), ui::ScreenCursor::Default);
    EXPECT_TRUE(platform.messages.boxes.empty());
}

TEST_F(InstallationRun, OnlyTheFlagZeroReplacesAnExistingFile) {
    const char* flags[] = {"0", "1", "00", "no", ""};
    std::string package = RunPackage + "[FilesIn]\r\n";
    for (int i = 0; i < 5; ++i)
        package += "f" + std::to_string(i) + "=\r\n";
    package += "[FilesOut]\r\n";
    for (int i = 0; i < 5; ++i)
        package += "f" + std::to_string(i) + "=" + flags[i] + "\r\n";
    std::filesystem::create_directories(driveC() / "dest");
    for (int i = 0; i < 5; ++i) {
        std::ofstream(directory.path() / ("f" + std::to_string(i))) << "new";
        std::ofstream(driveC() / "dest" / ("f" + std::to_string(i))) << "old";
    }
    run(package, "C:\\dest");
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(flags[i]);
        EXPECT_EQ(read(driveC() / "dest" / ("f" + std::to_string(i))), i == 0 ? "new" : "old");
    }
}

TEST_F(InstallationRun, ExpandOnlyCreatesTheDestination) {
    run(std::string("[Settings]\r\nApplication=OruFLX\r\nVersion=1.1\r\nExpand=1\r\n") + FourFiles,
        "C:\\a\\b\\c");
    EXPECT_TRUE(std::filesystem::is_directory(driveC() / "a" / "b" / "c"));
    EXPECT_TRUE(std::filesystem::is_empty(driveC() / "a" / "b" / "c"));
    EXPECT_EQ(pauses, (std::vector<std::uint32_t>{1000}));
    EXPECT_EQ(wizard().ProgressBar->value(), 0);
    EXPECT_EQ(wizard().infoText(),
              "OruInstall is now copying the OruFLX 1.1 files to the selected destination.");
    EXPECT_EQ(WizardState, StepEndNotices);
    EXPECT_FALSE(wizard().PrevBut->isEnabled());
}

TEST_F(InstallationRun, ShortFilesOutEndsTheRunWithTheListError) {
    run(RunPackage + "[FilesIn]\r\na.exe=\r\nb.dll=\r\n[FilesOut]\r\nx.exe=0\r\n", "C:\\dest");
    ASSERT_EQ(platform.messages.boxes.size(), 1u);
    EXPECT_EQ(platform.messages.boxes[0].text, "List index out of bounds.");
    EXPECT_EQ(read(driveC() / "dest" / "x.exe"), "new a.exe");
    EXPECT_EQ(WizardState, StepDestination);
    EXPECT_TRUE(wizard().PrevBut->isEnabled());
    EXPECT_EQ(pauses.back(), 1000u);
    EXPECT_EQ(ui::screenCursor(), ui::ScreenCursor::Default);
}

TEST_F(InstallationRun, CopiesThePackageFileInTheCurrentDirectoryOnce) {
    std::ofstream(driveC() / "OruInst.up_") << "record";
    run(RunPackage, "C:\\dest");
    EXPECT_EQ(read(driveC() / "OruInst.upi"), "record");
    EXPECT_EQ(positions, (std::vector<int>{100}));
}

TEST_F(InstallationRun, WritesThePackagesValuesAndTheUninstallRegistration) {
    run(RunPackage, "C:\\dest");
    ASSERT_TRUE(platform.messages.boxes.empty());
    RegIniFile user("");
    EXPECT_EQ(user.readString("\\Software\\Brenmoor\\OruFLX\\User", "name", "-"), "Ada Owner");
    EXPECT_EQ(user.readString("\\Software\\Brenmoor\\OruFLX\\User", "Organization", "-"), "$NAME");
    EXPECT_EQ(user.readString("\\Software\\Brenmoor\\OruFLX\\Install", "Path", "-"), "C:\\dest");
    EXPECT_NE(user.readString("\\Software\\Brenmoor\\OruFLX\\Install", "Date", ""), "");
    user.setRootKey(RootKey::LocalMachine);
    const char* uninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\OruFLX";
    EXPECT_EQ(user.readString(uninstall, "DisplayName", "-"), "OruFLX 1.1");
    EXPECT_EQ(user.readString(uninstall, "UninstallString", "-"),
              "C:\\WINDOWS\\OruUninst.exe OruFLX C:\\dest");

    const IniFile record("C:\\dest\\oruinst.upi");
    EXPECT_EQ(record.readString("User", "name", "-"), "Ada Owner");
    EXPECT_EQ(record.readString("User", "Organization", "-"), "-");
    EXPECT_EQ(record.readString("Install", "Path", "-"), "C:\\dest");
    EXPECT_EQ(record.readString("Uninstall", "UninstallString", "-"),
              "C:\\WINDOWS\\OruUninst.exe OruFLX C:\\dest");
}

TEST_F(InstallationRun, UncreatableUninstallKeyEndsTheRunAfterTheUsersValues) {
    setKeyMarksForTesting(RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
                          KeyMarks{false, true, false});
    run(RunPackage, "C:\\dest");
    ASSERT_EQ(platform.messages.boxes.size(), 1u);
    EXPECT_EQ(platform.messages.boxes[0].text,
              "Failed to create key SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\OruFLX.");
    EXPECT_EQ(WizardState, StepDestination);
    const IniFile record("C:\\dest\\oruinst.upi");
    EXPECT_EQ(record.readString("Install", "Path", "-"), "C:\\dest");
    EXPECT_EQ(record.readString("Uninstall", "DisplayName", "-"), "-");
}

TEST_F(InstallationRun, EmptyKeysEndsTheRunBeforeAnythingIsWritten) {
    run(Package, "C:\\dest");
    ASSERT_EQ(platform.messages.boxes.size(), 1u);
    EXPECT_EQ(platform.messages.boxes[0].text, "List index out of bounds.");
    EXPECT_FALSE(std::filesystem::exists(driveC() / "dest" / "oruinst.upi"));
}

TEST_F(InstallationRun, CreatesTheGroupAndItemsSendingAnItemAgainUntilProgramManagerTakesIt) {
    programManager.reset();
    std::mutex lock;
    std::vector<std::string> received;
    int refusals = 0;
    // The first item is refused twice before it is taken; the run must send it again, and only then go on.
    dde::Server progman("PROGMAN", "PROGMAN", [&](const std::string& command) {
        std::lock_guard<std::mutex> guard(lock);
        if (command.find("flx.exe") != std::string::npos && ++refusals <= 2)
            return false;
        received.push_back(command);
        return true;
    });
    progman.start();
    run(RunPackage + "[Items]\r\nflx.exe=Video catalogue\r\nreadme.txt=Read me\r\n", "C:\\dest");
    progman.stop();
    ASSERT_TRUE(platform.messages.boxes.empty()) << platform.messages.boxes.front().text;
    EXPECT_EQ(received, (std::vector<std::string>{
                            "[CreateGroup(OruWare)]\r\n",
                            "[AddItem(C:\\dest\\flx.exe,Video catalogue)]\r\n",
                            "[AddItem(C:\\dest\\readme.txt,Read me)]\r\n",
                            "[AddItem(C:\\WINDOWS\\OruUninst.exe OruFLX C:\\dest,Uninstall OruFLX)]\r\n",
                        }));
    EXPECT_EQ(refusals, 3);
    EXPECT_FALSE(wizard().DdeClientConv.isOpen());
    EXPECT_EQ(wizard().infoText(), "OruFLX 1.1 was installed successfuly. Please select next to continue.");
}

// Every file below a directory, by its path there.
std::set<std::string> filesBelow(const std::filesystem::path& directory) {
    std::set<std::string> found;
    std::error_code ignored;
    for (auto it = std::filesystem::recursive_directory_iterator(directory, ignored);
         it != std::filesystem::recursive_directory_iterator(); ++it)
        found.insert(std::filesystem::relative(it->path(), directory).string());
    return found;
}

TEST_F(InstallationRun, TheSamplePackageInstallsAndTheUninstallerLeavesNothingOfIt) {
    const std::filesystem::path xdg = orupim::test::tempRoot() / "xdg";
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((xdg / "data").string()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((xdg / "config").string()));
    const std::filesystem::path store = files::platformRoot() / "progman.ini";
    auto itemsOf = [&](const std::string& name) -> std::optional<std::size_t> {
        const progman::ProgramGroups groups = progman::ProgramGroups::load(store);
        for (const progman::ProgramGroup& group : groups.groups())
            if (group.name == name)
                return group.items.size();
        return std::nullopt;
    };
    programManager.reset();
    dde::Server progman("PROGMAN", "PROGMAN", [&](const std::string& text) {
        std::string refusal;
        progman::ProgramManager(store).execute(text, &refusal);
        return refusal.empty();
    });
    progman.start();
    for (const char* file : {"OruFLX", "oruflx.dat", "instruct.txt", "flx.db", "license.txt", "thanks.txt"})
        std::ofstream(directory.path() / file) << file;
    std::ifstream sample(std::filesystem::path(ORUPIM_TEST_DATA) / "../../package/setup/OruInst.ipi");
    std::ostringstream package;
    package << sample.rdbuf();
    open(package.str());
    files::windowsDirectory();
    const std::set<std::string> before = filesBelow(driveC());
    for (int pages = 0; WizardState != StepDestination && pages < 5; ++pages)
        next();
    ASSERT_EQ(WizardState, StepDestination);
    retype(wizard().EditPath, "C:\\Oru Apps\\OruFLX");
    next();
    ASSERT_TRUE(platform.messages.boxes.empty()) << platform.messages.boxes.front().text;
    ASSERT_TRUE(QTest::qWaitFor([&] { return itemsOf("OruPIM") == std::optional<std::size_t>(3); }));
    EXPECT_EQ(filesBelow(xdg / "data/applications").size(), 3u);

    // Started as its uninstall entry says: the name and the directory, unquoted, after the program.
    RegIniFile machine("");
    machine.setRootKey(RootKey::LocalMachine);
    const std::string uninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\OruFLX";
    std::istringstream command(machine.readString(uninstallKey, "UninstallString", ""));
    std::vector<std::string> words{std::istream_iterator<std::string>(command), {}};
    ASSERT_GE(words.size(), 3u);
    testing::pressWhenShown(QMessageBox::Yes);
    EXPECT_EQ(uninst::runUninstaller({words.begin() + 1, words.end()}), 0);
    ASSERT_EQ(platform.messages.boxes.size(), 1u);
    EXPECT_EQ(platform.messages.boxes[0].text, "OruFLX 1.1 was removed from your computer.");

    EXPECT_EQ(filesBelow(driveC()), before);
    EXPECT_FALSE(Registry().keyExists("\\Software\\Brenmoor\\OruPIM"));
    EXPECT_EQ(machine.readString(uninstallKey, "DisplayName", "gone"), "gone");
    // Program Manager carries the commands out after it has taken them.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return !itemsOf("OruPIM") && filesBelow(xdg / "data/applications").empty() &&
               filesBelow(xdg / "config/menus/applications-merged").empty() &&
               filesBelow(xdg / "data/desktop-directories").empty();
    }));
    progman.stop();
}

// However Program Manager fails, the run ends within the step's bound, finishes its other steps, and its last
// page names what was not created instead of success.
TEST_F(InstallationRun, AProgramManagerThatNeverAnswersHoldsTheRunOnlyForTheBound) {
    struct Case {
        const char* name;
        bool listening;
    };
    programManager.reset();
    for (Case c : {Case{"no Program Manager at all", false}, Case{"one that never answers", true}}) {
        SCOPED_TRACE(c.name);
        std::optional<orupim::test::SilentProgramManager> hung;
        if (c.listening)
            hung.emplace();
        setProgramManagerWaitForTesting(std::chrono::milliseconds(1500));
        auto start = std::chrono::steady_clock::now();
        run(RunPackage + "[Items]\r\nflx.exe=Video catalogue\r\nreadme.txt=Read me\r\n", "C:\\dest");
        auto took = std::chrono::steady_clock::now() - start;
        setProgramManagerWaitForTesting(std::chrono::seconds(15));
        // Well under one of the ten-second waits for a started service, with room for a loaded machine.
        EXPECT_LT(took, std::chrono::milliseconds(1500 + 6000));
        EXPECT_TRUE(platform.messages.boxes.empty());
        EXPECT_EQ(WizardState, StepEndNotices);
        EXPECT_EQ(IniFile("C:\\dest\\oruinst.upi").readString("Install", "Path", "-"), "C:\\dest");
        EXPECT_EQ(
            wizard().infoText(),
            "OruFLX 1.1 was installed, but some menu items are missing. Please select next to continue.");
        next();
        EXPECT_EQ(WizardState, StepFinal);
        EXPECT_EQ(wizard().infoText(),
                  "OruInstall has installed OruFLX 1.1, but some menu items are missing.");
        EXPECT_EQ(memo(), "Program Manager did not create the group \"OruWare\" or any of its items:\n    "
                          "Video catalogue\n    Read me\n    Uninstall OruFLX\n\nProgram Manager did not "
                          "answer in time.\n\nThe files are installed in C:\\dest; start the programs from "
                          "there, or install again once Program Manager works.");
        MainDialog->close();
        delete MainDialog;
        std::filesystem::remove_all(driveC() / "dest");
    }
}

// An empty or relative path, a drive root or a drive this computer lacks is refused on the destination page:
// the user is told, the field keeps the text and nothing is installed.
TEST_F(InstallationRun, ADestinationThatIsNoFullPathIsRefusedOnItsPage) {
    const std::string relative = "\" is not a directory OruInstall can install to. Please enter a full path "
                                 "below a drive's root, such as c:\\OruFLX.";
    struct Case {
        const char* path;
        std::string message;
    };
    const Case cases[] = {
        {"", "Please enter the directory to install OruFLX 1.1 in."},
        {"   ", "Please enter the directory to install OruFLX 1.1 in."},
        {"oru\\flx", "\"oru\\flx" + relative},
        {"c:oru", "\"c:oru" + relative},
        {"c:\\", "\"c:\\" + relative},
        {"\\", "\"\\" + relative},
        {"d:\\apps\\..", "\"d:\\apps\\.." + relative},
        {"q:\\oru", "\"q:\\oru" + relative},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        platform.messages.boxes.clear();
        run(RunPackage + "[Items]\r\nflx.exe=Video catalogue\r\n", c.path);
        ASSERT_EQ(platform.messages.boxes.size(), 1u);
        EXPECT_EQ(platform.messages.boxes[0].text, c.message);
        EXPECT_EQ(platform.messages.boxes[0].caption, "OruFLX 1.1 Installation");
        EXPECT_EQ(WizardState, StepDestination);
        EXPECT_TRUE(wizard().Panel4->isVisible());
        EXPECT_EQ(text(wizard().EditPath), c.path);
        EXPECT_TRUE(pauses.empty()) << "the run started"; // its closing steps always pause
        EXPECT_TRUE(platform.services.services.empty());
        MainDialog->close();
        delete MainDialog;
    }
}

// The real Program Manager program of the build, its refusals read from its standard error.
class WithProgramManager : public InstallationRun {
protected:
    WithProgramManager() {
        const auto root = orupim::test::tempRoot();
        std::filesystem::remove_all(root / "xdg");
        setenv("XDG_DATA_HOME", (root / "xdg/data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root / "xdg/config").c_str(), 1);
        setenv("ORUPIM_PROGMAN_IDLE_MS", "300", 1);
        orupim::test::useBuiltProgramManager();
        programManager.reset();
        previousStarter = dde::setServiceStarter(dde::hostStartServiceProgram);
        // The program started during the run inherits this standard error.
        savedError = ::dup(2);
        int log = ::open(errorLog().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        ::dup2(log, 2);
        ::close(log);
    }
    ~WithProgramManager() override {
        ::dup2(savedError, 2);
        ::close(savedError);
        dde::setServiceStarter(previousStarter);
    }
    std::filesystem::path errorLog() const { return orupim::test::tempRoot() / "progman-errors.txt"; }
    std::filesystem::path store() const { return orupim::test::tempRoot() / "progman.ini"; }
    int refusals() const {
        const std::string log = read(errorLog());
        int count = 0;
        for (std::size_t at = 0; (at = log.find("refused", at)) != std::string::npos; ++at)
            ++count;
        return count;
    }
    // Runs, then waits for the program to exit by itself once the run's conversation has ended.
    void runAndLetItExit(const std::string& package) {
        pid_t server = 0;
        std::thread watcher([&] {
            for (int i = 0; i < 500 && server == 0; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                server = orupim::test::programManagerProcess();
            }
        });
        run(package, "C:\\dest");
        watcher.join();
        ASSERT_NE(server, 0);
        EXPECT_TRUE(orupim::test::awaitProgramManagerExit(server));
    }

    dde::StartFunction previousStarter;
    int savedError = -1;
};

const std::string ItemsPackage = RunPackage + "[Items]\r\nflx.exe=Video catalogue\r\n";

TEST_F(WithProgramManager, ADamagedStoreIsReportedOnTheLastPageAndKept) {
    const std::string damaged = "[Program Manager]\r\nnot a setting\r\n";
    std::ofstream(store(), std::ios::binary) << damaged;
    setProgramManagerWaitForTesting(std::chrono::milliseconds(2000));
    runAndLetItExit(ItemsPackage);
    setProgramManagerWaitForTesting(std::chrono::seconds(15));
    EXPECT_GE(refusals(), 2) << "the group was not sent again";
    EXPECT_EQ(read(store()), damaged);
    EXPECT_EQ(WizardState, StepEndNotices);
    next();
    EXPECT_EQ(memo(), "Program Manager did not create the group \"OruWare\" or any of its items:\n    Video "
                      "catalogue\n    Uninstall OruFLX\n\nProgram Manager refused them; its file progman.ini "
                      "may be damaged.\n\nThe files are installed in C:\\dest; start the programs from "
                      "there, or install again once Program Manager works.");
}

TEST_F(WithProgramManager, ARefusedGroupIsSentAgainUntilProgramManagerCarriesItOut) {
    std::ofstream(store(), std::ios::binary) << "[Program Manager]\r\nnot a setting\r\n";
    // Once the program has refused the group, the store is mended; the run's next send must then succeed.
    std::thread mender([&] {
        for (int i = 0; i < 500 && refusals() == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::filesystem::remove(store());
    });
    runAndLetItExit(ItemsPackage);
    mender.join();
    EXPECT_GE(refusals(), 1);
    const std::string groups = read(store());
    EXPECT_NE(groups.find("Name=OruWare"), std::string::npos) << groups;
    EXPECT_NE(groups.find("Item=Video catalogue"), std::string::npos) << groups;
    EXPECT_NE(groups.find("Item=Uninstall OruFLX"), std::string::npos) << groups;
    EXPECT_EQ(wizard().infoText(), "OruFLX 1.1 was installed successfuly. Please select next to continue.");
    next();
    EXPECT_EQ(wizard().infoText(), "OruInstall has installed OruFLX 1.1 successfully, congratulations.");
}

} // namespace
} // namespace orupim::setup
