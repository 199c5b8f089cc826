// How an item's command line becomes an entry's Exec= value.
#include "services/progman/desktopentries.h"

#include "platform/files/drivepath.h"

#include <gtest/gtest.h>

namespace orupim::progman {
namespace {

TEST(DesktopEntries, QuotesArgumentsByTheEntryRules) {
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/app", "/usr/bin/app"},
        {"/opt/My Apps/app", "\"/opt/My Apps/app\""},
        {"", "\"\""},
        {"a\"b", "\"a\\\"b\""},
        {"$HOME", "\"\\$HOME\""},
        {"back\\slash", "\"back\\\\slash\""},
        {"`cmd`", "\"\\`cmd\\`\""},
        {"50%", "50%%"},
        {"a;b|c&d", "\"a;b|c&d\""},
        {"it's", "\"it's\""},
    };
    for (const auto& [argument, quoted] : cases) {
        SCOPED_TRACE(argument);
        EXPECT_EQ(quoteExecArgument(argument), quoted);
    }
}

TEST(DesktopEntries, EscapesValues) {
    EXPECT_EQ(escapeEntryValue("a\\b\nc\td\re"), "a\\\\b\\nc\\td\\re");
}

TEST(DesktopEntries, TurnsDrivePathsIntoHostPaths) {
    std::string drive = files::toHost("C:\\").string();
    if (drive.back() == '/')
        drive.pop_back();
    EXPECT_EQ(hostCommandLine("C:\\WINDOWS\\Tool.exe OruFLX c:\\Program Files\\OruFLX"),
              (std::vector<std::string>{drive + "/WINDOWS/Tool.exe", "OruFLX", drive + "/Program",
                                        "Files\\OruFLX"}));
    EXPECT_EQ(execValue("\"C:\\My Apps\\a b.exe\" \"C:\\x y\\doc.txt\""),
              "\"" + drive + "/My Apps/a b.exe\" \"" + drive + "/x y/doc.txt\"");
    EXPECT_EQ(hostCommandLine(""), std::vector<std::string>{});
}

} // namespace
} // namespace orupim::progman
