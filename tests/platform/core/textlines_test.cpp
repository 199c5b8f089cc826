// The shared line reader: the two line-end rules, the byte-order mark, and how an INI-like line is
// classified.
#include "platform/core/textlines.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orupim {
namespace {

using Lines = std::vector<std::string_view>;

TEST(TextLines, SplitsByEitherLineEndRule) {
    struct Case {
        std::string text;
        Lines anyBreak;
        Lines lineFeed;
    };
    const Case cases[] = {
        {"", {}, {}},
        {"a", {"a"}, {"a"}},
        {"a\r\nb\r\n", {"a", "b"}, {"a", "b"}},
        {"a\nb", {"a", "b"}, {"a", "b"}},
        {"a\rb", {"a", "b"}, {"a\rb"}},
        {"v\r\r\n", {"v", ""}, {"v\r"}},
        {"a\n\nb\n", {"a", "", "b"}, {"a", "", "b"}},
        {"a\r", {"a"}, {"a"}},
        {std::string("a\0b\n", 4), {std::string_view("a\0b", 3)}, {std::string_view("a\0b", 3)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(splitLines(c.text, LineEnds::AnyBreak).lines, c.anyBreak);
        EXPECT_EQ(splitLines(c.text, LineEnds::LineFeed).lines, c.lineFeed);
    }
}

TEST(TextLines, ByteOrderMarkIsNoPartOfTheFirstLine) {
    for (LineEnds ends : {LineEnds::AnyBreak, LineEnds::LineFeed}) {
        TextLines marked = splitLines("\xEF\xBB\xBF[a]\nx=1", ends);
        EXPECT_TRUE(marked.byteOrderMark);
        EXPECT_EQ(marked.lines, (Lines{"[a]", "x=1"}));
        TextLines later = splitLines("[a]\n\xEF\xBB\xBFx", ends);
        EXPECT_FALSE(later.byteOrderMark);
        EXPECT_EQ(later.lines.at(1), "\xEF\xBB\xBFx");
    }
}

TEST(TextLines, ClassifiesIniLines) {
    using Kind = IniLine::Kind;
    struct Case {
        std::string line;
        Kind kind;
        std::string_view name;
        std::string_view value;
    };
    const Case cases[] = {
        {"", Kind::Other, "", ""},
        {"  \t", Kind::Other, "", ""},
        {"; x=1", Kind::Comment, "", ""},
        {"  ;x", Kind::Comment, "", ""},
        {"[ Sec ] tail", Kind::Section, "Sec", ""},
        {"[open", Kind::Other, "", ""},
        {"[open=1", Kind::Key, "[open", "1"},
        {" key \t=  v w ", Kind::Key, "key", "v w "},
        {"=x", Kind::Key, "", "x"},
        {"k=a=b", Kind::Key, "k", "a=b"},
        {std::string("k=v\0=junk", 9), Kind::Key, "k", "v"},
        {std::string("\0[s]", 4), Kind::Other, "", ""},
        {"no equals", Kind::Other, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        IniLine line = classifyIniLine(c.line);
        EXPECT_EQ(line.kind, c.kind);
        EXPECT_EQ(line.name, c.name);
        if (c.kind == Kind::Key) {
            EXPECT_EQ(line.visible.substr(line.valueStart), c.value);
        }
    }
}

} // namespace
} // namespace orupim
