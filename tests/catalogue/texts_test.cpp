// The composed texts: record counts, the key re-query statement (quotes doubled, 255-character cut), the
// search field's label and the web browser's program.
#include "catalogue/texts.h"

#include <gtest/gtest.h>

#include <string>

namespace orupim::catalogue {
namespace {

constexpr const char* VideoKeyFormat = "select * from flx where Director = '%s' and Title = '%s'";

TEST(CountsText, BeginsWithABlank) {
    EXPECT_EQ(countsText(12, 12), " rec. 12 of 12");
    EXPECT_EQ(countsText(0, 0), " rec. 0 of 0");
    EXPECT_EQ(countsText(3, 120), " rec. 3 of 120");
}

TEST(KeyReQueryStatement, FillsTheTwoKeys) {
    struct Case {
        const char* first;
        const char* second;
        const char* statement;
    } cases[] = {
        {"Lang", "Metropolis", "select * from flx where Director = 'Lang' and Title = 'Metropolis'"},
        {"", "", "select * from flx where Director = '' and Title = ''"},
        {"O'Brien", "It's", "select * from flx where Director = 'O''Brien' and Title = 'It''s'"},
        {"''", "a'b'c", "select * from flx where Director = '''''' and Title = 'a''b''c'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.statement);
        EXPECT_EQ(keyReQueryStatement(VideoKeyFormat, c.first, c.second).str(), c.statement);
    }
}

TEST(KeyReQueryStatement, IsCutTo255Characters) {
    const std::string title(240, 'T');
    const CountedString statement = keyReQueryStatement(VideoKeyFormat, "Lang", title);
    EXPECT_EQ(statement.length(), 255u);
    EXPECT_EQ(statement.str(),
              ("select * from flx where Director = 'Lang' and Title = '" + title).substr(0, 255));
}

TEST(KeyReQueryStatement, CutsEachKeyTo255BeforeDoublingQuotes) {
    // The key text is a counted string: a 300-character text is cut to 255 first; its quote then doubles.
    const std::string first = "'" + std::string(299, 'a');
    const CountedString statement = keyReQueryStatement("%s", first, "");
    EXPECT_EQ(statement.str(), ("''" + std::string(254, 'a')).substr(0, 255));
}

TEST(SearchFieldLabel, DropsTheLastTwoCharacters) {
    struct Case {
        std::string caption;
        std::string label;
    } cases[] = {
        {"Director :", "Director"},
        {"From/to :", "From/to"},
        {"X", "X"},
        {"ab", ""},
        {"", ""},
        {std::string(300, 'c'), std::string(253, 'c')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(searchFieldLabel(c.caption).str(), c.label);
    }
}

TEST(BrowserProgram, IsCutAtTheFirstBlankOrClosingQuoteAndTo128Characters) {
    const std::string longPath = "C:\\" + std::string(200, 'p');
    struct Case {
        std::string command;
        std::string program;
    } cases[] = {
        {"C:\\WEB\\BROWSE.EXE -nohome", "C:\\WEB\\BROWSE.EXE"},
        {"C:\\WEB\\BROWSE.EXE", "C:\\WEB\\BROWSE.EXE"},
        {"C:\\PROGRAM FILES\\WEB\\BROWSE.EXE \"%1\"", "C:\\PROGRAM"},
        {"xdg-open \"%1\"", "xdg-open"},
        {"\"C:\\PROGRAM FILES\\WEB\\BROWSE.EXE\" -nohome \"%1\"", "C:\\PROGRAM FILES\\WEB\\BROWSE.EXE"},
        {"\"C:\\WEB\\BROWSE.EXE\"", "C:\\WEB\\BROWSE.EXE"},
        {"\"C:\\WEB\\NO CLOSE", "C:\\WEB\\NO CLOSE"},
        {"\"\" x", ""},
        {"Zero", "Zero"},
        {"", ""},
        {" leading", ""},
        {longPath, longPath.substr(0, 128)},
        // The 255-character cut comes first: a blank after it does not count.
        {std::string(260, 'q') + " x", std::string(128, 'q')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(browserProgram(c.command), c.program);
    }
}

} // namespace
} // namespace orupim::catalogue
