// The package description reader: defaults, the order and case of sections, the pairing of names and values
// by position, the Items default, the 255-character cut and the Expand number rule.
#include "setup/packagereader.h"

#include "platform/files/filesystem.h"
#include "setup/modulevalues.h"
#include "setupprogram.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace orupim::setup {
namespace {

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

TEST(PackageReader, SamplePackageListsItsOwnNoticesAndPairsEveryFile) {
    test::SetupDirectory directory;
    const std::filesystem::path sample =
        std::filesystem::path(ORUPIM_TEST_DATA) / ".." / ".." / "package" / "setup";
    for (const char* file : {"OruInst.ipi", "license.txt", "thanks.txt"})
        std::filesystem::copy_file(sample / file, directory.path() / file);
    readPackage(files::programDirectory() + PackageFileName);
    EXPECT_EQ(AppName.str(), "OruFLX");
    EXPECT_EQ(FilesInNames.items(),
              (std::vector<std::string>{"OruFLX", "oruflx.dat", "instruct.txt", "flx.db", "OruPIM.hlp"}));
    EXPECT_GE(FilesOutNames.count(), FilesInNames.count());
    for (const StringList* notices : {&StartInfoNames, &EndInfoNames}) {
        ASSERT_FALSE(notices->empty());
        for (const std::string& name : *notices)
            EXPECT_TRUE(files::fileExists(files::programDirectory() + name)) << name;
    }
    EXPECT_GE(KeysValues.count(), 2);
}

} // namespace
} // namespace orupim::setup
