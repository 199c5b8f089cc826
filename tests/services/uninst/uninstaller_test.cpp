// The uninstaller over records of the test's own: finding the product from its arguments, refusing a record
// that cannot say what to remove, and taking away no more than the record names, with the real Program
// Manager (an in-process server carrying out the commands) and the real question box answered by a click.
#include "services/uninst/uninstaller.h"
#include "services/uninst/uninstallerapp.h"

#include "platform/core/replaceable.h"
#include "platform/core/text.h"
#include "platform/dde/conversation.h"
#include "platform/dde/server.h"
#include "platform/files/drivepath.h"
#include "platform/files/platformroot.h"
#include "platform/profile/inifile.h"
#include "platform/registry/reginifile.h"
#include "platform/registry/registry.h"
#include "platform/testing/platformrecorders.h"
#include "platform/testing/questionanswer.h"
#include "services/progman/programgroups.h"
#include "services/progman/programmanager.h"
#include "temproot.h"

#include <QTest>
#include <atomic>
#include <fstream>
#include <gtest/gtest.h>

namespace orupim::uninst {
namespace {

const char* const UninstallKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

class Uninstaller : public ::testing::Test {
protected:
    Uninstaller() {
        const auto xdg = orupim::test::tempRoot() / "xdg";
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((xdg / "data").string()));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((xdg / "config").string()));
        progman.start();
    }
    ~Uninstaller() override { progman.stop(); }

    // What an installation of `app` into `destination` leaves: its files, its record, its registry values,
    // its uninstall entry, and its group with its items.
    void install(const std::string& app, const std::string& destination, const std::string& group,
                 const std::vector<std::string>& files) {
        std::filesystem::create_directories(files::toHost(destination));
        IniFile record(destination + "\\oruinst.upi");
        record.writeString("User", "Name", "Ada");
        record.writeString("Install", "Path", destination);
        record.writeString("Uninstall", "DisplayName", app + " 1.1");
        record.writeString("Uninstall", "UninstallString",
                           "C:\\WINDOWS\\OruUninst.exe " + app + " " + destination);
        std::string items = "[CreateGroup(" + group + ")]";
        for (std::size_t k = 0; k < files.size(); ++k) {
            std::ofstream(files::toHost(destination + "\\" + files[k])) << "installed";
            record.writeString("Files", "File" + std::to_string(k + 1), destination + "\\" + files[k]);
            items += "[AddItem(" + destination + "\\" + files[k] + "," + app + " " + files[k] + ")]";
            record.writeString("Program Manager", "Item" + std::to_string(k + 1), app + " " + files[k]);
        }
        record.writeString("Program Manager", "Group", group);
        record.writeString("Registry", "Base", "\\Software\\Oru\\" + app);
        record.writeString("Registry", "Key1", "User");
        record.writeString("Registry", "Key1.Value1", "Name");
        RegIniFile("\\Software\\Oru\\" + app)
            .writeString("\\Software\\Oru\\" + app + "\\User", "Name", "Ada");
        Registry machine;
        machine.setRootKey(RootKey::LocalMachine);
        ASSERT_TRUE(machine.openKey(UninstallKey + app, true));
        machine.writeString("DisplayName", app + " 1.1");
        progman::ProgramManager manager(files::platformRoot() / "progman.ini");
        ASSERT_EQ(manager.execute(items), files.size() + 1);
    }

    // The items of a group as Program Manager keeps it; none when there is no such group.
    static std::optional<std::size_t> itemCount(const std::string& name) {
        const progman::ProgramGroups groups =
            progman::ProgramGroups::load(files::platformRoot() / "progman.ini");
        for (const progman::ProgramGroup& group : groups.groups())
            if (group.name == name)
                return group.items.size();
        return std::nullopt;
    }
    static bool hasGroup(const std::string& name) { return itemCount(name).has_value(); }
    static bool keyExists(RootKey root, const std::string& key) {
        Registry registry;
        registry.setRootKey(root);
        return registry.keyExists(key);
    }
    static std::size_t entryCount() {
        std::size_t count = 0;
        for (const char* dir : {"xdg/data/applications", "xdg/data/desktop-directories",
                                "xdg/config/menus/applications-merged"}) {
            std::error_code ignored;
            for (auto it = std::filesystem::directory_iterator(orupim::test::tempRoot() / dir, ignored);
                 it != std::filesystem::directory_iterator(); ++it)
                ++count;
        }
        return count;
    }

    // Waits until Program Manager has carried out what it was sent.
    static bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 5000); }

    dde::Server progman{
        "PROGMAN", "PROGMAN", [this](const std::string& text) {
            if (refuseCommands)
                return false;
            std::string refusal;
            progman::ProgramManager(files::platformRoot() / "progman.ini").execute(text, &refusal);
            return refusal.empty();
        }};
    testing::PlatformRecorders platform;
    std::atomic<bool> refuseCommands{false};
};

TEST_F(Uninstaller, RemovesEverythingTheInstallationMadeAfterAYes) {
    install("Flx", "C:\\Apps\\Flx", "Oru Flx", {"flx", "notes.txt"});
    ASSERT_EQ(entryCount(), 4u);
    testing::pressWhenShown(QMessageBox::Yes);
    EXPECT_EQ(runUninstaller({"Flx", "C:\\Apps\\Flx"}), 0);
    ASSERT_EQ(platform.messages.boxes.size(), 1u);
    EXPECT_EQ(platform.messages.boxes[0].text, "Flx 1.1 was removed from your computer.");
    EXPECT_FALSE(std::filesystem::exists(files::toHost("C:\\Apps\\Flx")));
    EXPECT_TRUE(std::filesystem::exists(files::toHost("C:\\Apps")));
    EXPECT_FALSE(keyExists(RootKey::CurrentUser, "\\Software\\Oru\\Flx"));
    EXPECT_FALSE(keyExists(RootKey::LocalMachine, std::string(UninstallKey) + "Flx"));
    EXPECT_TRUE(waitFor([] { return !hasGroup("Oru Flx") && entryCount() == 0; }));
}

TEST_F(Uninstaller, ANoRemovesNothing) {
    install("Prg", "C:\\Prg", "Oru Prg", {"prg"});
    testing::pressWhenShown(QMessageBox::No);
    EXPECT_EQ(runUninstaller({"Prg", "C:\\Prg"}), 1);
    EXPECT_TRUE(platform.messages.boxes.empty());
    EXPECT_TRUE(std::filesystem::exists(files::toHost("C:\\Prg\\prg")));
    EXPECT_TRUE(keyExists(RootKey::CurrentUser, "\\Software\\Oru\\Prg\\User"));
    EXPECT_TRUE(keyExists(RootKey::LocalMachine, std::string(UninstallKey) + "Prg"));
    EXPECT_TRUE(hasGroup("Oru Prg"));
}

TEST_F(Uninstaller, KeepsWhatTheUserAddedAndWhatOtherProductsShare) {
    install("Snd", "C:\\Shared\\Snd", "Oru Suite", {"snd"});
    install("Bks", "C:\\Shared\\Bks", "Oru Suite", {"bks"});
    std::ofstream(files::toHost("C:\\Shared\\Snd\\my list.txt")) << "mine";
    RegIniFile("").writeString("\\Software\\Oru\\Snd\\Settings", "Sound", "1");
    UninstallTarget target{"Snd", "C:\\Shared\\Snd"};
    std::vector<std::string> left = uninstall(target, UninstallRecord::read(target.destination));
    EXPECT_EQ(left,
              (std::vector<std::string>{"The directory C:\\Shared\\Snd holds files that were not installed "
                                        "with the product and was kept."}));
    EXPECT_FALSE(std::filesystem::exists(files::toHost("C:\\Shared\\Snd\\snd")));
    EXPECT_TRUE(std::filesystem::exists(files::toHost("C:\\Shared\\Snd\\my list.txt")));
    EXPECT_FALSE(keyExists(RootKey::CurrentUser, "\\Software\\Oru\\Snd\\User"));
    EXPECT_TRUE(keyExists(RootKey::CurrentUser, "\\Software\\Oru\\Snd\\Settings"));
    EXPECT_TRUE(keyExists(RootKey::CurrentUser, "\\Software\\Oru\\Bks\\User"));
    EXPECT_TRUE(waitFor([] { return itemCount("Oru Suite") == 1u; }));
    EXPECT_TRUE(std::filesystem::exists(files::toHost("C:\\Shared\\Bks\\bks")));
}

TEST_F(Uninstaller, SaysWhichItemsProgramManagerRefusedOrNeverHeardOf) {
    install("Ppl", "C:\\Ppl", "Oru Ppl", {"ppl"});
    refuseCommands = true;
    UninstallTarget target{"Ppl", "C:\\Ppl"};
    const UninstallRecord record = UninstallRecord::read(target.destination);
    EXPECT_EQ(uninstall(target, record),
              std::vector<std::string>{"Program Manager refused to remove the group Oru Ppl."});
    EXPECT_TRUE(hasGroup("Oru Ppl"));
    EXPECT_FALSE(std::filesystem::exists(files::toHost("C:\\Ppl")));

    progman.stop();
    Replacement startWait(dde::Conversation::setStartWait, [] { return std::chrono::milliseconds(100); });
    EXPECT_EQ(
        uninstall(target, record),
        std::vector<std::string>{
            "Program Manager did not answer: the group Oru Ppl and its menu entries were not removed."});
    EXPECT_TRUE(hasGroup("Oru Ppl"));
}

TEST_F(Uninstaller, ARecordThatCannotSayWhatToRemoveRemovesNothing) {
    struct Case {
        const char* name;
        std::string record; // empty: no record at all
        std::string message;
    };
    const std::vector<Case> cases = {
        {"missing", "", "The uninstall record C:\\Bad\\oruinst.upi was not found. Nothing was removed."},
        {"no product", "[Files]\r\nFile1=C:\\Bad\\keep\r\n",
         "The uninstall record C:\\Bad\\oruinst.upi is damaged: it does not say what was installed. Nothing "
         "was "
         "removed."},
        {"nothing listed", "[Uninstall]\r\nDisplayName=Bad 1.1\r\n",
         "The uninstall record C:\\Bad\\oruinst.upi is damaged: it does not say what was installed. Nothing "
         "was "
         "removed."},
        {"not an ini file", std::string("\x01\x02 no sections here\r\n"),
         "The uninstall record C:\\Bad\\oruinst.upi is damaged: it does not say what was installed. Nothing "
         "was "
         "removed."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages.boxes.clear();
        std::filesystem::remove_all(files::toHost("C:\\Bad"));
        std::filesystem::create_directories(files::toHost("C:\\Bad"));
        std::ofstream(files::toHost("C:\\Bad\\keep")) << "kept";
        if (!c.record.empty())
            std::ofstream(files::toHost("C:\\Bad\\oruinst.upi"), std::ios::binary) << c.record;
        EXPECT_EQ(runUninstaller({"Bad", "C:\\Bad"}), 1);
        ASSERT_EQ(platform.messages.boxes.size(), 1u);
        EXPECT_EQ(platform.messages.boxes[0].text, c.message);
        EXPECT_TRUE(std::filesystem::exists(files::toHost("C:\\Bad\\keep")));
    }
}

TEST_F(Uninstaller, FindsTheProductFromItsUnquotedArguments) {
    std::filesystem::create_directories(files::toHost("C:\\Program Files\\Oru PIM"));
    IniFile(std::string("C:\\Program Files\\Oru PIM\\oruinst.upi"))
        .writeString("Uninstall", "DisplayName", "Oru PIM 2.0");
    const std::string host = files::toHost("C:\\Program Files").string();
    struct Case {
        std::vector<std::string> arguments;
        std::string app;
        std::string destination;
    };
    const std::vector<Case> cases = {
        {{"Flx", "C:\\Apps\\Flx"}, "Flx", "C:\\Apps\\Flx"},
        {{"Oru", "PIM", "C:\\Program", "Files\\Oru", "PIM"}, "Oru PIM", "C:\\Program Files\\Oru PIM"},
        {{"Oru", "PIM", host.substr(0, host.find(' ')), "Files\\Oru", "PIM"},
         "Oru PIM",
         "C:\\Program Files\\Oru PIM"},
        {{"App", "c:\\"}, "App", "c:\\"},
    };
    for (const Case& c : cases) {
        std::optional<UninstallTarget> target = locateTarget(c.arguments);
        ASSERT_TRUE(target) << c.app;
        EXPECT_EQ(target->app, c.app);
        EXPECT_TRUE(equalsIgnoreCase(target->destination, c.destination)) << target->destination;
    }
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{}, {"Flx"}, {"Flx", "relative\\dir"}}) {
        EXPECT_FALSE(locateTarget(bad));
        EXPECT_EQ(runUninstaller(bad), 1);
    }
}

} // namespace
} // namespace orupim::uninst
