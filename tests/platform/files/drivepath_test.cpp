// Drive paths to host paths and back, over a drive map with C:, D: and Z:, from a current directory of
// C:\Work\Sub.
#include "platform/files/drivepath.h"

#include "hostfiles.h"
#include "platform/files/filesystem.h"

#include <gtest/gtest.h>

namespace orupim::files {
namespace {

using test::driveC;
using test::writeText;

class DrivePaths : public ::testing::Test {
protected:
    void SetUp() override {
        dataDir = orupim::test::tempRoot() / "data";
        writeText(orupim::test::tempRoot() / "drives.ini",
                  "[Drives]\r\nC=" + driveC().string() + "\r\nD=" + dataDir.string() + "\r\nZ=/\r\n");
        std::filesystem::create_directories(driveC() / "Work" / "Sub");
        std::filesystem::create_directories(dataDir);
        std::filesystem::current_path(driveC() / "Work" / "Sub");
    }
    std::filesystem::path dataDir;
};

TEST_F(DrivePaths, DrivePathToHost) {
    struct Case {
        const char* drivePath;
        std::filesystem::path expected; // relative to drive_c unless absolute; empty: no host path
    };
    const std::filesystem::path none;
    const Case cases[] = {
        {"C:\\", "."},
        {"c:/", "."},
        {"C:", "Work/Sub"},
        {"C:\\A\\B", "A/B"},
        {"C:/A\\B/", "A/B"},
        {"C:\\\\A//B", "A/B"},
        {"C:\\A\\.\\B", "A/B"},
        {"C:\\A\\..\\B", "B"},
        {"C:\\..\\..\\X", "X"},
        {"x.txt", "Work/Sub/x.txt"},
        {".\\x.txt", "Work/Sub/x.txt"},
        {"..\\x.txt", "Work/x.txt"},
        {"../../../../x.txt", "x.txt"},
        {"a\\..\\..\\x.txt", "Work/x.txt"},
        {"\\x.txt", "x.txt"},
        {"/A/B", "A/B"},
        {"C:x.txt", "Work/Sub/x.txt"},
        {"Z:\\tmp", "/tmp"},
        {"z:\\", "/"},
        {"Q:\\x", none},
        {"", none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.drivePath);
        std::filesystem::path expected = c.expected.empty() || c.expected.is_absolute() ? c.expected
                                         : c.expected == "."                            ? driveC()
                                                             : driveC() / c.expected;
        EXPECT_EQ(toHost(c.drivePath), expected);
    }
    // Another drive than the current directory's: "D:x" starts at D:'s root.
    EXPECT_EQ(toHost("D:x"), dataDir / "x");
    EXPECT_EQ(toHost("d:\\x\\y"), dataDir / "x" / "y");
}

TEST_F(DrivePaths, HostPathToDrive) {
    struct Case {
        std::filesystem::path host; // relative paths are taken from the current directory
        const char* expected;
    };
    const Case cases[] = {
        {driveC(), "C:\\"},
        {driveC() / "", "C:\\"},
        {driveC() / "A" / "B", "C:\\A\\B"},
        {driveC() / "A" / "B" / "", "C:\\A\\B"},
        {driveC() / "A" / ".." / "B", "C:\\B"},
        {"rel/x.txt", "C:\\Work\\Sub\\rel\\x.txt"},
        {"..", "C:\\Work"},
        {orupim::test::tempRoot() / "data" / "x", "D:\\x"},
        {"/usr/bin", "Z:\\usr\\bin"},
        {"/", "Z:\\"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.host.string());
        EXPECT_EQ(toDrive(c.host), c.expected);
    }
}

TEST_F(DrivePaths, RoundTripsThroughTheHost) {
    for (const char* drivePath : {"C:\\", "C:\\Work\\Sub", "D:\\x\\y.txt", "Z:\\usr\\lib"}) {
        SCOPED_TRACE(drivePath);
        EXPECT_EQ(toDrive(toHost(drivePath)), drivePath);
    }
}

TEST_F(DrivePaths, ExistingNamesAreFoundWithoutRegardToCase) {
    writeText(driveC() / "Catalog" / "Flx.DB", "x");
    writeText(driveC() / "Both" / "a.txt", "lower");
    writeText(driveC() / "Both" / "A.TXT", "upper");
    writeText(driveC() / "Many" / "rEAD.me", "1");
    writeText(driveC() / "Many" / "Read.Me", "2");
    struct Case {
        const char* drivePath;
        std::filesystem::path expected;
    };
    const Case cases[] = {
        {"C:\\CATALOG\\flx.db", "Catalog/Flx.DB"},
        {"c:/catalog/FLX.DB", "Catalog/Flx.DB"},
        {"C:\\catalog\\New.Txt", "Catalog/New.Txt"},                // a new name keeps its case
        {"C:\\CATALOG\\NewDir\\File.DB", "Catalog/NewDir/File.DB"}, // below a missing directory too
        {"C:\\Both\\a.txt", "Both/a.txt"},                          // the exact name wins
        {"C:\\Both\\A.TXT", "Both/A.TXT"},
        {"C:\\many\\READ.ME", "Many/Read.Me"}, // several: the first in byte order
        {"\\WORK\\sub", "Work/Sub"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.drivePath);
        EXPECT_EQ(toHost(c.drivePath), driveC() / c.expected);
    }
}

TEST_F(DrivePaths, DeepestMappedDriveNamesAHostPath) {
    std::filesystem::path deep = driveC() / "Deep";
    writeText(orupim::test::tempRoot() / "drives.ini",
              "[Drives]\r\nC=" + driveC().string() + "\r\nE=" + deep.string() + "/\r\nZ=/\r\n");
    EXPECT_EQ(toDrive(deep / "x"), "E:\\x");
    EXPECT_EQ(toDrive(deep), "E:\\");
    EXPECT_EQ(toDrive(driveC() / "Deeper"), "C:\\Deeper");
    EXPECT_EQ(toHost("E:\\x"), deep / "x");
}

TEST_F(DrivePaths, PathOutsideEveryDriveHasNoDrivePath) {
    writeText(orupim::test::tempRoot() / "drives.ini", "[Drives]\r\nC=" + driveC().string() + "\r\n");
    EXPECT_EQ(toDrive("/usr/bin"), "");
    EXPECT_EQ(toHost("Z:\\usr"), std::filesystem::path());
    EXPECT_EQ(toDrive(driveC() / "x"), "C:\\x");
}

TEST(DrivePath, ParsesAndPrints) {
    struct Case {
        const char* text;
        const char* printed;
    };
    const Case cases[] = {
        {"c:/a//b/./", "C:\\a\\b"},
        {"C:\\", "C:\\"},
        {"C:", "C:"},
        {"..\\..\\x", "..\\..\\x"},
        {"a\\..\\..\\x", "..\\x"},
        {"\\..\\x", "\\x"},
        {"/", "\\"},
        {"x", "x"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DrivePath::parse(c.text).str(), c.printed);
    }
}

TEST(DrivePath, DirectoryOfAFileName) {
    struct Case {
        const char* path;
        const char* directory;
    };
    const Case cases[] = {
        {"C:\\Apps\\OruFLX.exe", "C:\\Apps\\"},
        {"C:\\OruFLX.exe", "C:\\"},
        {"C:x.exe", "C:"},
        {"C:/Apps/x", "C:/Apps/"},
        {"x.exe", ""},
        {"C:\\Apps\\", "C:\\Apps\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(directoryOf(c.path), c.directory);
    }
}

} // namespace
} // namespace orupim::files
