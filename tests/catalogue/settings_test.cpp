// The creation handler's settings steps on a fresh platform root: the alias added, left alone or pointed back
// at the program directory; Sound seeded from the list file on the first start only and read from the
// settings key later; the lookup lists loaded sorted; the web browser's command cut at its first blank.
#include "catalogue/modulevalues.h"
#include "catalogue/videoedition.h"
#include "catalogueprogram.h"
#include "platform/db/session.h"
#include "platform/files/platformroot.h"
#include "platform/registry/keymarks.h"
#include "platform/registry/reginifile.h"
#include "platform/registry/registry.h"
#include "platform/testing/keymarktable.h"
#include "platform/ui/screencursor.h"

#include <cctype>
#include <fstream>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

constexpr const char* SettingsKey = "Software\\Brenmoor\\OruPIM";

// The aliases as a later run would find them: read anew from the engine's configuration file.
StringList savedAliasParams() {
    db::Session saved(files::platformRoot() / "engine.cfg");
    StringList params;
    saved.aliasParams("ORUPIM", params);
    return params;
}

std::string storedSetting(const char* name) {
    RegIniFile settings(SettingsKey);
    return settings.readString("Settings", name, "<none>");
}

TEST(Alias, FirstStartAddsItAndAMovedProgramPointsItBack) {
    {
        test::CatalogueProgram program(videoEdition(), "first");
        program.createTable();
        program.start();
        EXPECT_TRUE(program.boxes.boxes.empty());
        EXPECT_EQ(savedAliasParams(),
                  (StringList{"PATH=" + program.driveDirectory(), "DEFAULT DRIVER=PARADOX"}));
        EXPECT_EQ(program.window().caption(), "Filmdex 1.1");
    }
    test::CatalogueProgram moved(videoEdition(), "moved");
    moved.createTable({{{"Director", "Lang"}}});
    moved.start();
    EXPECT_TRUE(moved.boxes.boxes.empty());
    EXPECT_EQ(savedAliasParams(), (StringList{"PATH=" + moved.driveDirectory(), "DEFAULT DRIVER=PARADOX"}));
    EXPECT_EQ(moved.counts(), " rec. 1 of 1");
}

TEST(Alias, ARightAliasIsLeftAloneAndAWrongCaseNameIsRepaired) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    db::Session& session = db::Session::instance();
    session.addStandardAlias("orupim", "C:\\ELSEWHERE\\", "PARADOX");
    session.saveConfig();
    program.start();
    StringList names;
    session.aliasNames(names);
    EXPECT_EQ(names.count(), 1);
    EXPECT_EQ(savedAliasParams().at(0), "PATH=" + program.driveDirectory());

    const auto configFile = files::platformRoot() / "engine.cfg";
    const auto written = std::filesystem::last_write_time(configFile);
    std::filesystem::last_write_time(configFile, written - std::chrono::hours(1));
    program.stop();
    program.start();
    EXPECT_EQ(std::filesystem::last_write_time(configFile), written - std::chrono::hours(1)) << "saved again";
}

TEST(Alias, APathThatDiffersInCaseOrLacksItsBackslashIsReplacedAtEveryStart) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    const std::string directory = program.driveDirectory();
    std::string otherCase = directory;
    for (char& c : otherCase)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    ASSERT_NE(otherCase, directory);
    db::Session& session = db::Session::instance();
    session.addStandardAlias("ORUPIM", directory, "PARADOX");
    for (const std::string& stored : {otherCase, directory.substr(0, directory.size() - 1)}) {
        SCOPED_TRACE(stored);
        session.modifyAlias("ORUPIM", StringList{"PATH=" + stored, "DEFAULT DRIVER=PARADOX"});
        session.saveConfig();
        program.start();
        EXPECT_EQ(savedAliasParams(), (StringList{"PATH=" + directory, "DEFAULT DRIVER=PARADOX"}));
        program.stop();
    }
}

TEST(Alias, AnAliasWithoutParametersEndsTheCreationHandler) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    db::Session& session = db::Session::instance();
    session.addStandardAlias("ORUPIM", program.driveDirectory(), "PARADOX");
    session.modifyAlias("ORUPIM", StringList{});
    program.startWithoutShowing();
    ASSERT_FALSE(program.boxes.boxes.empty());
    EXPECT_EQ(program.boxes.boxes[0].text, "List index out of bounds.");
    EXPECT_EQ(program.window().caption(), "FLX");
}

TEST(Sound, FirstStartWithoutAListFileIsOff) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    program.start();
    EXPECT_FALSE(SoundOn);
    EXPECT_EQ(storedSetting("Sound"), "0");
}

TEST(Sound, LaterStartsReadTheSettingsKeyByTheNumberRule) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    program.writeListFile("[Settings]\nSound=1\n");
    program.start(); // the first start, which stores the settings
    struct Case {
        const char* stored;
        bool on;
    } cases[] = {{"0x10", true}, {"abc", false}, {"0", false}, {"2", true}, {"", false}, {"1", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        program.stop();
        RegIniFile(SettingsKey).writeString("Settings", "Sound", c.stored);
        program.start();
        EXPECT_EQ(SoundOn, c.on);
        EXPECT_EQ(storedSetting("Sound"), c.stored);
    }
}

TEST(Sound, ANonTextValueEndsTheCreationHandler) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    program.writeListFile("[Category]\nDrama=\n");
    test::registerBrowser("C:\\WEB\\BROWSE.EXE");
    program.start();
    ASSERT_TRUE(program.window().browserConfigured());
    program.stop();
    RegIniFile(SettingsKey).writeInteger("Settings", "Sound", 1);
    program.start();
    ASSERT_EQ(program.boxes.boxes.size(), 1u);
    EXPECT_EQ(program.boxes.boxes[0].text, "Invalid data type for 'Sound'");
    EXPECT_FALSE(SoundOn);
    EXPECT_EQ(program.entries("DBEdit5").count(), 0);
    EXPECT_FALSE(program.window().browserConfigured());
    EXPECT_EQ(program.window().caption(), "Filmdex 1.1"); // the steps before stay done
    EXPECT_EQ(ui::screenCursor(), ui::ScreenCursor::Default);
}

TEST(Browser, TheCommandIsCutAtItsFirstBlank) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    const std::string longProgram = "C:\\" + std::string(150, 'b');
    struct Case {
        std::string command;
        std::string program;
    } cases[] = {
        {"C:\\WEB\\BROWSE.EXE -nohome", "C:\\WEB\\BROWSE.EXE"},
        {"C:\\PROGRAM FILES\\BROWSE.EXE", "C:\\PROGRAM"},
        {longProgram, longProgram.substr(0, 128)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        test::registerBrowser(c.command);
        program.start();
        EXPECT_TRUE(program.window().browserConfigured());
        EXPECT_EQ(program.window().browserCommand(), c.program);
        program.stop();
    }
}

TEST(Browser, AKeyThatCannotBeOpenedIsNoBrowser) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    test::registerBrowser("C:\\WEB\\BROWSE.EXE");
    {
        testing::KeyMarkTable keyMarks;
        keyMarks.mark(RootKey::ClassesRoot, "http\\shell\\open\\command", {true, false, false});
        program.start();
    }
    EXPECT_TRUE(program.boxes.boxes.empty());
    EXPECT_FALSE(program.window().browserConfigured());
}

TEST(Browser, AKeyWithoutDefaultValueGivesZero) {
    test::CatalogueProgram program(videoEdition());
    program.createTable();
    // A system hive of our own before the registry is first used, so that no host browser is seeded.
    std::ofstream(files::platformRoot() / "system.reg")
        << "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\http\\shell\\open\\command]\r\n"
           "\"Other\"=\"x\"\r\n";
    program.start();
    EXPECT_TRUE(program.boxes.boxes.empty());
    EXPECT_TRUE(program.window().browserConfigured());
    EXPECT_EQ(program.window().browserCommand(), "Zero");
}

} // namespace
} // namespace orupim::catalogue
