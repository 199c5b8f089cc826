// Conformance tables of the private-profile functions: one row per case, as the old platform's public profile
// tests are written (file content, section, key, default, buffer size, expected text).
#include "platform/profile/privateprofile.h"

#include "platform/files/drivepath.h"
#include "temproot.h"
#include "testfiles.h"

#include <filesystem>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace orupim::profile {
namespace {

using test::fileBytes;
using test::putFile;

const char* const Sample = "[section1]\r\n"
                           "name1=val1\r\n"
                           "name2=\"val2\"\r\n"
                           "name3\r\n"
                           "name4=a\r\n"
                           "[section2]\r\n"
                           "name1=other\r\n";

const char* const File = "C:\\PROFILE\\TEST.INI";

struct ReadCase {
    std::string content;
    const char* section;
    const char* key;
    const char* defaultValue;
    std::size_t bufferSize;
    std::string expected;
};

TEST(PrivateProfile, ReadsOneValueByTheOldRules) {
    const ReadCase cases[] = {
        {Sample, "section1", "name1", "def", 1024, "val1"},
        {Sample, "SECTION1", "NAME1", "def", 1024, "val1"},
        {Sample, "section2", "name1", "def", 1024, "other"},
        {Sample, "  section1  ", "  name1  ", "def", 1024, "val1"},
        {Sample, "\tsection1", "name1", "def", 1024, "def"},
        {Sample, "section1", "name1\t", "def", 1024, "def"},
        {Sample, "section1", "name2", "def", 1024, "val2"},
        {Sample, "section1", "name3", "def", 1024, "def"},
        {Sample, "section1", "name9", "def", 1024, "def"},
        {Sample, "section9", "name1", "def", 1024, "def"},
        {Sample, "section1", "", "def", 1024, "def"},
        {Sample, "section1", "name9", "default  ", 1024, "default"},
        {Sample, "section1", "name9", "  default\t", 1024, "  default\t"},
        {Sample, "section1", "name9", "", 1024, ""},
        {Sample, "section1", "name1", "def", 4, "val"},
        {Sample, "section1", "name2", "def", 4, "val"},
        {Sample, "section1", "name1", "def", 5, "val1"},
        {Sample, "section1", "name1", "def", 1, ""},
        {Sample, "section1", "name1", "def", 0, ""},
        {Sample, "section1", "name9", "default", 4, "def"},
        {"[s]\r\nk='v'\r\n", "s", "k", "def", 1024, "v"},
        {"[s]\r\nk=\"v'\r\n", "s", "k", "def", 1024, "\"v'"},
        {"[s]\r\nk=\"\r\n", "s", "k", "def", 1024, "\""},
        {"[s]\r\nk=\"\"\r\n", "s", "k", "def", 1024, ""},
        {"[s]\r\nk=\"\"v\"\"\r\n", "s", "k", "def", 1024, "\"v\""},
        {"[s]\r\nk= \"  v  \" \r\n", "s", "k", "def", 1024, "  v  "},
        {"[s]\r\n\"k\"=v\r\n", "s", "\"k\"", "def", 1024, "v"},
        {"[\"s\"]\r\nk=v\r\n", "s", "k", "def", 1024, "def"},
        {"[s]\r\nk=\r\n", "s", "k", "def", 1024, ""},
        {"[s]\r\nk=VaLuE\r\n", "S", "K", "def", 1024, "VaLuE"},
        {"[s]\r\n  k  =  v w  \t\r\n", "s", "k", "def", 1024, "v w"},
        {"[s]\r\n\tk\t=\tv\r\n", "s", "k", "def", 1024, "v"},
        {"[s]\r\nk=a=b\r\n", "s", "k", "def", 1024, "a=b"},
        {"[s]\r\nk=v ; note\r\n", "s", "k", "def", 1024, "v ; note"},
        {"[s]\r\n;k=v\r\n", "s", "k", "def", 1024, "def"},
        {"[s]\r\n  ;k=v\r\n", "s", ";k", "def", 1024, "def"},
        {"[s]\r\n#k=v\r\n", "s", "#k", "def", 1024, "v"},
        {"[ s ]\r\nk=v\r\n", "s", "k", "def", 1024, "v"},
        {"  [s]\r\nk=v\r\n", "s", "k", "def", 1024, "v"},
        {"[s] text after ] is ignored\r\nk=v\r\n", "s", "k", "def", 1024, "v"},
        {"[s]\r\na=1\r\n[t\r\nb=2\r\n", "s", "b", "def", 1024, "2"},
        {"[s]\r\na=1\r\n[t\r\nb=2\r\n", "t", "b", "def", 1024, "def"},
        {"k=v\r\n[s]\r\n", "", "k", "def", 1024, "def"},
        {"k=v\r\n[s]\r\n", "s", "k", "def", 1024, "def"},
        {"k=v\r\n", "", "k", "def", 1024, "def"},
        {"[s]\r\na=1\r\n[s]\r\na=2\r\nb=3\r\n", "s", "a", "def", 1024, "1"},
        {"[s]\r\na=1\r\n[S]\r\na=2\r\nb=3\r\n", "s", "b", "def", 1024, "def"},
        {"[s]\r\na=1\r\nA=2\r\n", "s", "a", "def", 1024, "1"},
        {"[s]\r\nx=1\r\n[t]\r\nk=v\r\n", "s", "k", "def", 1024, "def"},
        {"[s]\nk=v\n", "s", "k", "def", 1024, "v"},
        {"[s]\rk=v\r", "s", "k", "def", 1024, "v"},
        {"[s]\r\nx=1\nk=v\ry=2", "s", "k", "def", 1024, "v"},
        {"[s]\r\nk=v", "s", "k", "def", 1024, "v"},
        {"[s]\r\n=v\r\n", "s", "", "def", 1024, "def"},
        {"[]\r\nk=v\r\n", "", "k", "def", 1024, "v"},
        {"\xEF\xBB\xBF[s]\r\nk=v\r\n", "s", "k", "def", 1024, "v"},
        {"[s]\r\nk=" + std::string(2000, 'x') + "\r\n", "s", "k", "def", 1024, std::string(1023, 'x')},
        {"[s]\r\nk=\"" + std::string(1023, 'x') + "\"\r\n", "s", "k", "def", 1024, std::string(1023, 'x')},
        {"[s]\r\nk=" + std::string(1030, 'x') + "\r\n", "s", "k", "def", 8192, std::string(1030, 'x')},
        {"[s]\r\nk=\xc3\xa9t\xc3\xa9\r\n", "s", "k", "def", 3, "\xc3\xa9t"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content.substr(0, 60) + " | " + c.section + " | " + c.key + " | " +
                     std::to_string(c.bufferSize));
        putFile(File, c.content);
        EXPECT_EQ(readProfileString(c.section, c.key, c.defaultValue, c.bufferSize, File), c.expected);
    }
}

TEST(PrivateProfile, MissingFileReadsAsEmpty) {
    EXPECT_EQ(readProfileString("s", "k", "def", 1024, "C:\\NOWHERE\\NONE.INI"), "def");
    EXPECT_EQ(readProfileKeyNames("s", 8192, "C:\\NOWHERE\\NONE.INI").count(), 0);
    EXPECT_EQ(readProfileString("s", "k", "def", 1024, "Q:\\UNMAPPED.INI"), "def");
}

TEST(PrivateProfile, ReadsTheFileAnewEachTime) {
    putFile(File, "[s]\r\nk=1\r\n");
    EXPECT_EQ(readProfileString("s", "k", "", 1024, File), "1");
    putFile(File, "[s]\r\nk=2\r\nj=3\r\n");
    EXPECT_EQ(readProfileString("s", "k", "", 1024, File), "2");
    EXPECT_EQ(readProfileKeyNames("s", 8192, File), (StringList{"k", "j"}));
}

struct ListCase {
    std::string content;
    const char* section;
    std::size_t bufferSize;
    StringList expected;
};

TEST(PrivateProfile, ListsKeyNamesInFileOrderThroughTheBuffer) {
    const ListCase cases[] = {
        {Sample, "section1", 1024, {"name1", "name2", "name4"}},
        {Sample, "Section1", 1024, {"name1", "name2", "name4"}},
        {Sample, " section2 ", 1024, {"name1"}},
        {Sample, "section9", 1024, {}},
        {Sample, "section1", 19, {"name1", "name2", "name4"}},
        {Sample, "section1", 18, {"name1", "name2"}},
        {Sample, "section1", 13, {"name1", "name2"}},
        {Sample, "section1", 12, {"name1"}},
        {Sample, "section1", 7, {"name1"}},
        {Sample, "section1", 6, {}},
        {Sample, "section1", 1, {}},
        {Sample, "section1", 0, {}},
        {"[s]\r\nlongname=1\r\nb=2\r\n", "s", 8, {}},
        {"[s]\r\na=1\r\nlongname=1\r\nb=2\r\n", "s", 9, {"a"}},
        {"[s]\r\nDrama=\r\nComedy=anything\r\nAction=\r\n", "s", 8192, {"Drama", "Comedy", "Action"}},
        {"[s]\r\na=1\r\nb=2\r\na=3\r\nA=4\r\n", "s", 8192, {"a", "b", "a", "A"}},
        {"[s]\r\na=1\r\n[s]\r\nb=2\r\n", "s", 8192, {"a"}},
        {"[s]\r\n;c=1\r\n  ;d=2\r\n#e=3\r\nplain line\r\n\r\nf=4\r\n", "s", 8192, {"#e", "f"}},
        {"[s]\r\n  Key One  = v\r\n\tk2\t=v\r\n", "s", 8192, {"Key One", "k2"}},
        {"[s]\r\n=v\r\nk=v\r\n", "s", 8192, {"k"}},
        {"a=1\r\n[s]\r\nb=2\r\n", "s", 8192, {"b"}},
        {"a=1\r\nb=2\r\n", "", 8192, {}},
        {"[s]\nx=1\ny=2\n[t]\nz=3\n", "s", 8192, {"x", "y"}},
        {"[s]\rx=1\ry=2", "s", 8192, {"x", "y"}},
        {"[s]\r\n\xc3\xa9=1\r\nb=2\r\n", "s", 5, {"\xc3\xa9", "b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content.substr(0, 60) + " | " + c.section + " | " + std::to_string(c.bufferSize));
        putFile(File, c.content);
        EXPECT_EQ(readProfileKeyNames(c.section, c.bufferSize, File), c.expected);
    }
}

TEST(PrivateProfile, MalformedFileReadsAsWellAsItCan) {
    std::string junk = std::string("\xff\xfe\0\x01garbage=1\r\n", 15) + std::string(200000, 'x') + "\r\n" +
                       "[s]\r\nk=v\r\n" + std::string("bad=a\0b\r\n", 9) +
                       std::string("\0[t]\r\nq=1\r\n", 11) + "[u]\r\n" + std::string(100000, '=') +
                       "\r\nlast=" + std::string(50000, 'y') + "\r\n";
    putFile(File, junk);
    EXPECT_EQ(readProfileString("s", "k", "def", 1024, File), "v");
    // A zero byte ends what can be seen of a line: the value stops there, and a header behind one is no
    // header.
    EXPECT_EQ(readProfileString("s", "bad", "def", 1024, File), "a");
    EXPECT_EQ(readProfileString("s", "q", "def", 1024, File), "1");
    EXPECT_EQ(readProfileString("t", "q", "def", 1024, File), "def");
    EXPECT_EQ(readProfileString("u", "last", "def", 1024, File), std::string(1023, 'y'));
    EXPECT_EQ(readProfileKeyNames("s", 8192, File), (StringList{"k", "bad", "q"}));
    EXPECT_EQ(readProfileKeyNames("u", 8192, File), (StringList{"last"}));

    putFile(File, "no sections here\r\nk=v\r\n\x01\x02\x03");
    EXPECT_EQ(readProfileString("", "k", "def", 1024, File), "def");
    EXPECT_EQ(readProfileKeyNames("", 8192, File).count(), 0);
}

struct WriteCase {
    const char* name;
    std::optional<std::string> before; // nothing: no file yet
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

TEST(PrivateProfile, WritesOneValueKeepingTheRestOfTheFile) {
    const WriteCase cases[] = {
        {"new file", std::nullopt, "Install", "Path", "c:\\tmp\\App", "[Install]\r\nPath=c:\\tmp\\App\r\n"},
        {"empty file", "", "s", "k", "v", "[s]\r\nk=v\r\n"},
        {"new section at the end", "[a]\r\nx=1\r\n", "b", "k", "v", "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
        {"new section after the last line", "[a]\r\nx=1\r\n\r\n;end\r\n", "b", "k", "v",
         "[a]\r\nx=1\r\n\r\n;end\r\n[b]\r\nk=v\r\n"},
        {"new section after a last line without line end", "[a]\r\nx=1", "b", "k", "v",
         "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
        {"new key after the last key of its section", "[a]\r\nx=1\r\ny=2\r\n\r\n;c\r\n[b]\r\nz=3\r\n", "a",
         "k", "v", "[a]\r\nx=1\r\ny=2\r\nk=v\r\n\r\n;c\r\n[b]\r\nz=3\r\n"},
        {"new key in the last section", "[a]\r\nx=1\r\n[b]\r\nz=3\r\n\r\n", "b", "k", "v",
         "[a]\r\nx=1\r\n[b]\r\nz=3\r\nk=v\r\n\r\n"},
        {"new key before a line without =", "[a]\r\nx=1\r\nname3\r\n", "a", "k", "v",
         "[a]\r\nx=1\r\nk=v\r\nname3\r\n"},
        {"new key in a section without keys", "[a]\r\n;only a note\r\n\r\n[b]\r\n", "a", "k", "v",
         "[a]\r\nk=v\r\n;only a note\r\n\r\n[b]\r\n"},
        {"section matched without regard to case", "[Install]\r\nPath=x\r\n", "INSTALL", "Date", "d",
         "[Install]\r\nPath=x\r\nDate=d\r\n"},
        {"existing key keeps its case and position", "[a]\r\nKey=1\r\nz=2\r\n", "A", "KEY", "new",
         "[a]\r\nKey=new\r\nz=2\r\n"},
        {"existing key keeps its layout", "[a]\r\n  Key = \"old\"  \r\n", "a", "key", "new",
         "[a]\r\n  Key = new\r\n"},
        {"existing key gets an empty value", "[a]\r\nk=old\r\n", "a", "k", "", "[a]\r\nk=\r\n"},
        {"first of duplicate keys", "[a]\r\nk=1\r\nk=2\r\n", "a", "k", "3", "[a]\r\nk=3\r\nk=2\r\n"},
        {"first of duplicate sections", "[a]\r\nx=1\r\n[b]\r\n[a]\r\nk=2\r\n", "a", "k", "3",
         "[a]\r\nx=1\r\nk=3\r\n[b]\r\n[a]\r\nk=2\r\n"},
        {"value written as given", "[a]\r\n", "a", "k", "  \"v\" ; x  ", "[a]\r\nk=  \"v\" ; x  \r\n"},
        {"names lose surrounding spaces", std::nullopt, "  a  ", "  k  ", "v", "[a]\r\nk=v\r\n"},
        {"a value ends at its first line break", "[a]\r\n", "a", "k", "v\r\n[evil]\r\nx=1", "[a]\r\nk=v\r\n"},
        {"lines before the first section kept", "junk\r\nk=1\r\n[a]\r\n", "a", "k", "2",
         "junk\r\nk=1\r\n[a]\r\nk=2\r\n"},
        {"comment lookalike is no key", "[a]\r\n;k=old\r\nx=1\r\n", "a", "k", "new",
         "[a]\r\n;k=old\r\nx=1\r\nk=new\r\n"},
        {"LF lines rewritten with CRLF", "[a]\nx=1\n\n[b]\n", "a", "y", "2",
         "[a]\r\nx=1\r\ny=2\r\n\r\n[b]\r\n"},
        {"CR lines rewritten with CRLF", "[a]\rx=1", "a", "y", "2", "[a]\r\nx=1\r\ny=2\r\n"},
        {"byte-order mark kept", "\xEF\xBB\xBF[a]\nx=1\n", "a", "x", "2", "\xEF\xBB\xBF[a]\r\nx=2\r\n"},
        {"binary junk kept", std::string("\x01\xff\0z\r\n[a]\r\nx=1\r\n", 16), "a", "x", "2",
         std::string("\x01\xff\0z\r\n[a]\r\nx=2\r\n", 16)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(files::toHost(File));
        if (c.before)
            putFile(File, *c.before);
        else
            putFile("C:\\PROFILE\\OTHER.INI", ""); // the directory exists, the file does not
        ASSERT_TRUE(writeProfileString(c.section, c.key, c.value, File));
        EXPECT_EQ(fileBytes(File), c.after);
    }
}

TEST(PrivateProfile, RefusesNamesThatWouldNotReadBack) {
    const std::string before = "[a]\r\nx=1\r\n";
    using namespace std::string_view_literals;
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"a", ""},    {"a", "  "},     {"a", "k=j"},  {"a", ";k"},     {"a", "[b]"},
        {"a]b", "k"}, {"a", "\tk"},    {"a", "k\t"},  {"a", "\t"},     {"a\t", "k"},
        {"\ta", "k"}, {"a", "k\0x"sv}, {"a", "\0"sv}, {"a\0b"sv, "k"}, {"\0"sv, "k"},
    };
    for (const auto& [section, key] : cases) {
        SCOPED_TRACE(std::string(section) + " | " + std::string(key));
        putFile(File, before);
        EXPECT_FALSE(writeProfileString(section, key, "v", File));
        EXPECT_EQ(fileBytes(File), before);
    }
}

TEST(PrivateProfile, AWriteToAFileThatCannotBeReadLeavesItWhole) {
    // A file the writer may replace but not read must not lose its content to the one key written. Root
    // reads every file, so the write is made by a child that has given up root.
    const std::string before = "[keep]\r\na=1\r\n";
    const char* file = "C:\\LOCKED\\SECRET.INI";
    putFile(file, before);
    const std::filesystem::path host = files::toHost(file);
    using std::filesystem::perms;
    std::filesystem::permissions(host, perms::owner_write);
    const bool root = ::geteuid() == 0;
    if (root) {
        ::chown(host.c_str(), 65534, 65534);
        std::filesystem::permissions(host.parent_path(), perms::all);
        // Only the case's own directories are opened to the child; the temporary directory above them is
        // open to everyone already.
        const auto caseDir = test::caseDirectory();
        for (auto dir = host.parent_path().parent_path();
             dir != caseDir.parent_path() && dir != dir.parent_path(); dir = dir.parent_path())
            std::filesystem::permissions(dir, perms::others_read | perms::others_exec,
                                         std::filesystem::perm_options::add);
    }
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        ::_exit(writeProfileString("Install", "Path", "c:\\new", file) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write reported success (or the child could not give up root)";
    std::filesystem::permissions(host, perms::owner_read | perms::owner_write);
    EXPECT_EQ(fileBytes(file), before);
}

TEST(PrivateProfile, WrittenValuesReadBack) {
    const char* file = "C:\\PROFILE\\ROUND.INI";
    putFile(file, "[Uninstall]\r\n");
    ASSERT_TRUE(writeProfileString("Uninstall", "DisplayName", "App 1.0", file));
    ASSERT_TRUE(writeProfileString("Uninstall", "UninstallString", "\\OruUninst.exe App c:\\tmp\\App", file));
    ASSERT_TRUE(writeProfileString("uninstall", "displayname", "App 2.0", file));
    EXPECT_EQ(readProfileString("Uninstall", "DisplayName", "", 1024, file), "App 2.0");
    EXPECT_EQ(readProfileKeyNames("Uninstall", 8192, file), (StringList{"DisplayName", "UninstallString"}));
    EXPECT_EQ(fileBytes(file),
              "[Uninstall]\r\nDisplayName=App 2.0\r\nUninstallString=\\OruUninst.exe App c:\\tmp\\App\r\n");
}

} // namespace
} // namespace orupim::profile
