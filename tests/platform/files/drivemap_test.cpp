// The drive map file: created with its defaults, a user's own map, damaged maps falling back to the defaults,
// and edits taking effect at once.
#include "platform/files/drivemap.h"

#include "hostfiles.h"
#include "platform/files/drivepath.h"

#include <gtest/gtest.h>

namespace orupim::files {
namespace {

using test::driveC;
using test::readText;
using test::writeText;

std::filesystem::path drivesFile() {
    return orupim::test::tempRoot() / "drives.ini";
}

std::map<char, std::filesystem::path> defaults() {
    return {{'C', driveC()}, {'Z', "/"}};
}

TEST(DriveMap, FirstUseCreatesTheDefaultMap) {
    ASSERT_FALSE(std::filesystem::exists(drivesFile()));
    EXPECT_EQ(DriveMap::current().drives(), defaults());
    EXPECT_EQ(readText(drivesFile()), "[Drives]\r\nC=" + driveC().string() + "\r\nZ=/\r\n");
    EXPECT_TRUE(std::filesystem::is_directory(driveC()));
}

TEST(DriveMap, UsersOwnMap) { // as a user might write it, with a byte-order mark and odd lines
    writeText(drivesFile(), "\xEF\xBB\xBF[drives]\r\n"
                            "; my drives\r\n"
                            "  d: = /srv/data/  \r\n"
                            "E=/media/cd\n"
                            "bogus line\r\n"
                            "F=relative/dir\r\n"
                            "GG=/x\r\n"
                            "1=/y\r\n"
                            "e=/media/dvd\r\n"
                            "[Other]\r\nH=/h\r\n");
    std::map<char, std::filesystem::path> expected{{'D', "/srv/data"}, {'E', "/media/dvd"}};
    EXPECT_EQ(DriveMap::current().drives(), expected);
    EXPECT_EQ(toHost("D:\\Sub\\x"), "/srv/data/Sub/x");
    EXPECT_EQ(toHost("C:\\x"), std::filesystem::path()); // the user's map has no C:
    EXPECT_EQ(toDrive("/srv/data/y"), "D:\\y");
}

TEST(DriveMap, DamagedMapGivesTheDefaults) {
    const std::string damaged[] = {
        "",
        "garbage without sections\n",
        "C=/before/any/section\r\n",
        "[Other]\r\nC=/x\r\n",
        "[Drives\r\nC=/x\r\n",
        "[Drives]\r\nC=relative\r\nCC=/x\r\n1=/y\r\n=/z\r\n",
        std::string("[Drives]\r\n\0\xff\xfe", 13),
    };
    for (const std::string& text : damaged) {
        SCOPED_TRACE(text);
        writeText(drivesFile(), text);
        EXPECT_EQ(DriveMap::current().drives(), defaults());
        EXPECT_EQ(toHost("C:\\x"), driveC() / "x");
    }
}

TEST(DriveMap, EditsTakeEffectAtOnce) {
    EXPECT_EQ(toHost("D:\\x"), std::filesystem::path());
    writeText(drivesFile(), "[Drives]\r\nC=" + driveC().string() + "\r\nD=/one\r\n");
    EXPECT_EQ(toHost("D:\\x"), "/one/x");
    writeText(drivesFile(), "[Drives]\r\nC=" + driveC().string() + "\r\nD=/two\r\n");
    EXPECT_EQ(toHost("D:\\x"), "/two/x");
}

TEST(DriveMap, UnreadableMapIsNotReplaced) {
    // A directory where the file should be: the layer cannot read it, uses the defaults and leaves it alone.
    std::filesystem::create_directories(drivesFile());
    EXPECT_EQ(DriveMap::current().drives(), defaults());
    EXPECT_TRUE(std::filesystem::is_directory(drivesFile()));
}

} // namespace
} // namespace orupim::files
