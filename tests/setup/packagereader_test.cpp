// The package description reader: defaults, the order and case of sections, the pairing of names and values
// by position, the Items default, the 255-character cut and the Expand number rule; and the staged sample
// package, whose files are all there to install.
#include "setup/packagereader.h"

#include "platform/files/drivepath.h"
#include "platform/files/filesystem.h"
#include "setup/modulevalues.h"
#include "setupprogram.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace orupim::setup {
namespace {

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void readFixture(const test::SetupDirectory& directory, const std::string& fixture) {
    directory.copyPackage(fixture);
    readPackage(files::programDirectory() + PackageFileName);
}

TEST(PackageReader, WithoutSettingsGivesTheDefaults) {
    test::SetupDirectory directory;
    readFixture(directory, "nosettings.ipi");
    EXPECT_EQ(AppName.str(), "OruTest");
    EXPECT_EQ(AppVersion.str(), "Beta");
    EXPECT_EQ(GroupName.str(), "OruWare");
    EXPECT_FALSE(ExpandFlag);
    EXPECT_EQ(DefaultDir.str(), "c:\\tmp");
    EXPECT_EQ(FilesInNames, (StringList{"flx.exe"}));
    for (const StringList* list :
         {&FilesOutNames, &FilesOutValues, &SysFilesInNames, &ItemsNames, &KeysValues})
        EXPECT_TRUE(list->empty());
}

TEST(PackageReader, FillsTheListsInFileOrderPairedByPosition) {
    test::SetupDirectory directory;
    readFixture(directory, "full.ipi");
    EXPECT_EQ(AppName.str(), "OruFLX");
    EXPECT_EQ(AppVersion.str(), "1.1");
    EXPECT_EQ(GroupName.str(), "OruPIM");
    EXPECT_FALSE(ExpandFlag);
    EXPECT_EQ(DefaultDir.str(), "c:\\oruflx");

    struct Case {
        const char* name;
        const StringList& list;
        StringList expected;
    };
    const Case cases[] = {
        {"FilesInNames", FilesInNames, {"a.exe", "b.dll"}},
        {"FilesOutNames", FilesOutNames, {"x.exe", "y.dll", "z.txt"}},
        {"FilesOutValues", FilesOutValues, {"0", "", "1"}},
        {"SysFilesInNames", SysFilesInNames, {"ctl3d.dll"}},
        {"SysFilesOutNames", SysFilesOutNames, {"ctl3dv2.dll"}},
        {"SysFilesOutValues", SysFilesOutValues, {"1"}},
        {"StartInfoNames", StartInfoNames, {"license.txt", "readme.txt"}},
        {"EndInfoNames", EndInfoNames, {"thanks.txt"}},
        {"ItemsNames", ItemsNames, {"OruFLX.exe", "notes.txt"}},
        // An empty value stays empty: the default description is for a key that has no value at all.
        {"ItemsValues", ItemsValues, {"OruFLX videos", ""}},
        {"AddOnsNames", AddOnsNames, {"extra"}},
        {"AddOnsValues", AddOnsValues, {"more"}},
        {"KeysNames", KeysNames, {"anything", "UserKeys"}},
        {"KeysValues", KeysValues, {"Software\\Brenmoor\\OruFLX", "User"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.list.items(), c.expected.items());
    }
}

TEST(PackageReader, ReadingAgainEmptiesTheListsFirst) {
    test::SetupDirectory directory;
    readFixture(directory, "full.ipi");
    readFixture(directory, "full.ipi");
    EXPECT_EQ(FilesInNames.count(), 2);
    EXPECT_EQ(FilesOutValues.count(), 3);
    EXPECT_EQ(KeysValues.count(), 2);
}

TEST(PackageReader, ExpandFollowsTheNumberRule) {
    struct Case {
        const char* text;
        bool on;
    };
    const Case cases[] = {{"1", true},  {"-1", true},   {"0x10", true}, {"0X1f", true},
                          {"0", false}, {"yes", false}, {"", false},    {"0x0", false}};
    test::SetupDirectory directory;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        directory.writePackage(std::string("[Settings]\r\nExpand=") + c.text + "\r\n");
        readPackage(files::programDirectory() + PackageFileName);
        EXPECT_EQ(ExpandFlag, c.on);
    }
}

TEST(PackageReader, CutsSettingsTextsTo255Characters) {
    test::SetupDirectory directory;
    const std::string longName(300, 'A');
    directory.writePackage("[Settings]\r\nApplication=" + longName + "\r\nDirectory=" + longName + "\r\n");
    readPackage(files::programDirectory() + PackageFileName);
    EXPECT_EQ(AppName.str(), std::string(255, 'A'));
    EXPECT_EQ(DefaultDir.str(), std::string(255, 'A'));
}

// The sample package as the build stages it beside OruInst: every file it installs is staged there, the very
// file the catalogue's own program directory holds, every file has its overwrite rule, and its notices and
// the items it adds to the program group are there too.
TEST(PackageReader, StagedSamplePackageFindsEveryFileItNames) {
    test::SetupDirectory directory; // the values read are put back after the case
    const std::filesystem::path stage = std::filesystem::path(ORUPIM_STAGE_DIR) / "OruInst";
    readPackage(files::toDrive(stage / PackageFileName));
    const std::filesystem::path catalogue = std::filesystem::path(ORUPIM_STAGE_DIR) / AppName.str();
    ASSERT_FALSE(FilesInNames.empty());
    EXPECT_NE(FilesInNames.indexOf(AppName.str()), -1) << "the package installs its program";
    for (const std::string& name : FilesInNames) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(std::filesystem::is_regular_file(stage / name));
        EXPECT_EQ(fileText(stage / name), fileText(catalogue / name));
        EXPECT_NE(FilesOutNames.indexOf(name), -1) << "no overwrite rule";
    }
    for (const StringList* notices : {&StartInfoNames, &EndInfoNames}) {
        ASSERT_FALSE(notices->empty());
        for (const std::string& name : *notices)
            EXPECT_TRUE(std::filesystem::is_regular_file(stage / name)) << name;
    }
    for (const std::string& item : ItemsNames)
        EXPECT_NE(FilesInNames.indexOf(item), -1) << item << " is not installed";
}

} // namespace
} // namespace orupim::setup
