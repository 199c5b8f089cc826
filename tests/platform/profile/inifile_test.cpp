// The INI object: integer reading, the 8192-byte key listing, failed writes and bare names in the Windows
// directory, and the two kinds of file the suite reads (a lookup list and a package description).
#include "platform/profile/inifile.h"

#include "platform/core/errors.h"
#include "platform/core/replaceable.h"
#include "platform/files/atomicfile.h"
#include "platform/files/drivepath.h"
#include "platform/files/filesystem.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace orupim {
namespace {

using test::fileBytes;
using test::putFile;

const char* const File = "C:\\PROFILE\\TEST.INI";

TEST(IniFile, ReadsIntegersByTheNumberRule) {
    struct Case {
        const char* line;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"k=0x10", 16}, {"k=0X1f", 31}, {"k=abc", 7},   {"k=-1", -1},   {"k=2", 2},
        {"k=0", 0},     {"k=", 7},      {"k=12abc", 7}, {"k=  5  ", 5}, {"k=\"5\"", 5},
        {"k=0x", 7},    {"j=1", 7},     {"k", 7},       {"k=yes", 7},   {"k=0xFFFFFFFF", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        putFile(File, std::string("[s]\r\n") + c.line + "\r\n");
        EXPECT_EQ(IniFile(File).readInteger("s", "k", 7), c.expected);
    }
}

TEST(IniFile, WritesIntegersAsDecimalText) {
    IniFile ini(File);
    putFile(File, "");
    ini.writeInteger("s", "a", -5);
    ini.writeInteger("s", "b", 16);
    EXPECT_EQ(fileBytes(File), "[s]\r\na=-5\r\nb=16\r\n");
    EXPECT_EQ(ini.readInteger("s", "a", 0), -5);
}

TEST(IniFile, ReadsAValueThroughItsBuffer) {
    putFile(File, "[s]\r\nk=" + std::string(1500, 'v') + "\r\n");
    EXPECT_EQ(IniFile(File).readString("s", "k", "def"), std::string(1023, 'v'));
    EXPECT_EQ(IniFile(File).readString("s", "none", "def"), "def");
}

TEST(IniFile, ReadSectionClearsTheListAndStopsAtTheFirstNameThatDoesNotFit) {
    // 81 names of 99 characters take 8100 bytes with their zeros; one of 90 fills the buffer to its last byte
    // (with the list's closing zero); the names after it, even short ones, are not read.
    std::string content = "[s]\r\n";
    StringList expected;
    for (int i = 0; i < 81; ++i) {
        std::string name = std::to_string(100 + i) + std::string(96, 'n');
        content += name + "=\r\n";
        expected.add(name);
    }
    std::string last(90, 'z');
    content += last + "=x\r\nshort=1\r\nb=2\r\n";
    expected.add(last);
    putFile(File, content);

    StringList names{"left over"};
    IniFile(File).readSection("s", names);
    EXPECT_EQ(names, expected);

    IniFile(File).readSection("missing", names);
    EXPECT_TRUE(names.empty());
}

TEST(IniFile, FailedWriteRaisesAndLeavesTheOldFileWhole) {
    const std::string before = "[Install]\r\nPath=c:\\old\r\n; kept\r\n";
    struct Case {
        const char* name;
        const char* file;
        std::function<void()> prepare;
        bool existing;
    };
    const Case cases[] = {
        {"missing directory", "C:\\NO SUCH DIR\\oruinst.upi", [] {}, false},
        {"unmapped drive", "Q:\\oruinst.upi", [] {}, false},
        {"read-only file", "C:\\DEST\\RO.UPI",
         [] {
             std::filesystem::permissions(files::toHost("C:\\DEST\\RO.UPI"),
                                          std::filesystem::perms::owner_read |
                                              std::filesystem::perms::group_read |
                                              std::filesystem::perms::others_read);
         },
         true},
        {"write seam fails", "C:\\DEST\\SEAM.UPI", [] {}, true},
        {"a directory in the file's place", "C:\\DEST\\ISADIR", [] {}, false},
    };
    std::filesystem::create_directories(files::toHost("C:\\DEST\\ISADIR"));
    Replacement seam(files::setWriteFailure,
                     [](const std::filesystem::path& p) { return p.filename() == "SEAM.UPI"; });
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.existing)
            putFile(c.file, before);
        c.prepare();
        IniFile ini(c.file);
        try {
            ini.writeString("Install", "Path", "c:\\new");
            ADD_FAILURE() << "no error raised";
        } catch (const IniFileError& e) {
            EXPECT_EQ(e.message(), std::string("Unable to write to ") + c.file);
        }
        EXPECT_THROW(ini.writeInteger("Install", "Count", 1), IniFileError);
        if (c.existing)
            EXPECT_EQ(fileBytes(c.file), before);
        else
            EXPECT_FALSE(std::filesystem::is_regular_file(files::toHost(c.file)));
    }
    // Nothing of a failed write is left beside the files.
    for (const auto& entry : std::filesystem::directory_iterator(files::toHost("C:\\DEST")))
        EXPECT_TRUE(entry.path().filename() == "RO.UPI" || entry.path().filename() == "SEAM.UPI" ||
                    entry.path().filename() == "ISADIR")
            << entry.path();
}

TEST(IniFile, BareNameLiesInTheWindowsDirectory) {
    IniFile ini("oruinst.ini");
    EXPECT_EQ(ini.fileName(), "oruinst.ini");
    ini.writeString("Install", "Path", "c:\\tmp\\App");
    EXPECT_EQ(fileBytes(files::windowsDirectory() + "\\oruinst.ini"), "[Install]\r\nPath=c:\\tmp\\App\r\n");
    EXPECT_EQ(IniFile("C:\\WINDOWS\\ORUINST.INI").readString("install", "path", ""), "c:\\tmp\\App");
    EXPECT_EQ(IniFile("ORUINST.INI").readString("Install", "Path", ""), "c:\\tmp\\App");

    std::filesystem::permissions(files::toHost("C:\\WINDOWS\\oruinst.ini"),
                                 std::filesystem::perms::owner_read);
    try {
        ini.writeString("Install", "Path", "x");
        ADD_FAILURE() << "no error raised";
    } catch (const IniFileError& e) {
        EXPECT_EQ(e.message(), "Unable to write to oruinst.ini");
    }
}

TEST(IniFile, ReadsALookupListFile) {
    std::string list = files::toDrive(std::filesystem::path(ORUPIM_TEST_DATA) / "profile" / "oruflx.dat");
    IniFile ini(list);
    StringList category;
    ini.readSection("Category", category);
    EXPECT_EQ(category, (StringList{"Drama", "Comedy", "Action"}));
    StringList format;
    ini.readSection("FORMAT", format);
    EXPECT_EQ(format, (StringList{"VHS", "DVD"}));
    EXPECT_EQ(ini.readInteger("Settings", "Sound", 0), 1);
    StringList none;
    ini.readSection("Publisher", none);
    EXPECT_TRUE(none.empty());
}

TEST(IniFile, ReadsAPackageDescription) {
    std::string ipi = files::toDrive(std::filesystem::path(ORUPIM_TEST_DATA) / "profile" / "OruInst.ipi");
    IniFile ini(ipi);
    EXPECT_EQ(ini.readString("Settings", "Application", "OruTest"), "OruFLX");
    EXPECT_EQ(ini.readString("Settings", "ProgGroup", "OruWare"), "OruWare");
    EXPECT_EQ(ini.readInteger("Settings", "Expand", 0), 16);
    EXPECT_EQ(ini.readString("Settings", "Directory", "c:\\tmp"), "c:\\oru\\flx");
    StringList out;
    ini.readSection("FilesOut", out);
    ASSERT_EQ(out, (StringList{"oruflx.exe", "oruflx.dat"}));
    EXPECT_EQ(ini.readString("FilesOut", out.at(0), ""), "0");
    EXPECT_EQ(ini.readString("FilesOut", out.at(1), ""), "");
    EXPECT_EQ(ini.readString("Items", "oruflx.exe", "Comic Relief"), "");
    EXPECT_EQ(ini.readString("Items", "readme.txt", "Comic Relief"), "Read me");
    EXPECT_EQ(ini.readString("Keys", "Base", ""), "\\Software\\Brenmoor\\OruPIM");
    EXPECT_EQ(ini.readString("Prefs", "Name", ""), "$name");
}

} // namespace
} // namespace orupim
