// The REGEDIT4 text of the hives: a fixture with every value type and escape reads and writes back byte for
// byte, hand-written files in the looser forms read to the same keys, and damaged files name file and line.
#include "platform/registry/regeditformat.h"

#include "platform/core/errors.h"
#include "platform/registry/reginifile.h"
#include "registryroot.h"

#include <gtest/gtest.h>

namespace orupim::registry {
namespace {

using test::readFile;
using test::RegistryRootTest;
using test::writeFile;

std::string fixture(const std::string& name) {
    return test::readFile(std::string(ORUPIM_TEST_DATA) + "/registry/" + name);
}

class RegeditFormat : public RegistryRootTest {};

// A user hive's key line `depth` levels below the root, every level named "k".
std::string keyLine(std::size_t depth) {
    std::string line = "[HKEY_CURRENT_USER";
    for (std::size_t i = 0; i < depth; ++i)
        line += "\\k";
    return line + "]\r\n";
}

// Hives at the depth limit and with very many siblings read and write back as they were: the text written
// holds each key once, not once per level above it.
TEST_F(RegeditFormat, DeepAndWideHivesWriteBackAsTheyWere) {
    std::string deep = "REGEDIT4\r\n\r\n" + keyLine(MaxKeyDepth) + "\"v\"=\"deepest\"\r\n\r\n";
    std::string wide = "REGEDIT4\r\n";
    for (int i = 0; i < 100000; ++i)
        wide += "\r\n[HKEY_CURRENT_USER\\Software\\k" + std::to_string(i) + "]\r\n";
    wide += "\r\n";
    for (const std::string& text : {deep, wide}) {
        RegKey top = parseHive(text, Hive::User, "user.reg");
        EXPECT_EQ(formatHive(top, Hive::User), text);
    }
    EXPECT_EQ(parseHive(wide, Hive::User, "user.reg").find({"Software"})->subKeys().size(), 100000u);
}

TEST_F(RegeditFormat, KeysAreNotCreatedBelowTheDepthLimit) {
    std::string path = "Software";
    for (std::size_t depth = 2; depth <= MaxKeyDepth; ++depth)
        path += "\\k";
    Registry reg;
    EXPECT_TRUE(reg.createKey(path));
    EXPECT_THROW(reg.createKey(path + "\\one too deep"), RegistryError);
    EXPECT_TRUE(reg.keyExists(path));
    EXPECT_FALSE(reg.keyExists(path + "\\one too deep"));
    EXPECT_NO_THROW(parseHive(readFile(userHive()), Hive::User, "user.reg"));
}

TEST_F(RegeditFormat, ByteOrderMarkBeforeTheHeaderIsPassedOver) {
    writeFile(userHive(), "\xEF\xBB\xBFREGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n\"V\"=\"bom\"\r\n");
    RegIniFile reg("Software");
    EXPECT_EQ(reg.readString("", "V", "unread"), "bom");
    reg.writeString("", "W", "x");
    EXPECT_EQ(readFile(userHive()),
              "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n\"V\"=\"bom\"\r\n\"W\"=\"x\"\r\n\r\n");
}

TEST_F(RegeditFormat, FixtureWritesBackByteForByte) {
    std::string text = fixture("canonical.reg");
    EXPECT_EQ(formatHive(parseHive(text, Hive::User, "canonical.reg"), Hive::User), text);
}

TEST_F(RegeditFormat, FixtureValuesReadWithTheirTypes) {
    writeFile(userHive(), fixture("canonical.reg"));
    Registry reg;
    ASSERT_TRUE(reg.openKey("Software\\Brenmoor\\OruPIM", false));

    struct Case {
        const char* name;
        RegDataType type;
        const char* text; // null: reading it as text raises
    };
    const Case cases[] = {
        {"", RegDataType::String, "default text"},
        {"Text", RegDataType::String, "plain"},
        {"Escapes", RegDataType::String, "C:\\WINDOWS\\ and \"quoted\""},
        {"Empty", RegDataType::String, ""},
        {"Unicode", RegDataType::String, "Ünïcödé – ok"},
        {"Say \"hi\"", RegDataType::String, "name with quotes"},
        {"Back\\slash", RegDataType::String, "name with a backslash"},
        {"Lines", RegDataType::String, "a\r\nb"},
        {"Expand", RegDataType::ExpandString, "%SYSTEMROOT%"},
        {"Count", RegDataType::Integer, nullptr},
        {"Bytes", RegDataType::Binary, nullptr},
        {"NoBytes", RegDataType::Binary, nullptr},
        {"Long", RegDataType::Binary, nullptr},
        {"Multi", RegDataType::Unknown, nullptr},
        {"None", RegDataType::Unknown, nullptr},
        {"QWord", RegDataType::Unknown, nullptr},
        {"ShortDword", RegDataType::Unknown, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(reg.valueExists(c.name));
        EXPECT_EQ(reg.getDataType(c.name), c.type);
        if (c.text)
            EXPECT_EQ(reg.readString(c.name), c.text);
        else
            EXPECT_THROW(reg.readString(c.name), RegistryError);
    }
    EXPECT_EQ(reg.readInteger("Count"), 42);
    EXPECT_EQ(reg.readInteger("Max"), -1);
    EXPECT_TRUE(reg.keyExists("\\Software\\Empty Key"));
}

TEST_F(RegeditFormat, AChangeKeepsEveryOtherValueAndType) {
    std::string text = fixture("canonical.reg");
    writeFile(userHive(), text);
    RegIniFile reg("Software\\Brenmoor\\OruPIM");
    reg.writeString("Settings", "Sound", "0");
    reg.writeString("", "Added", "new");

    RegKey expected = parseHive(text, Hive::User, "canonical.reg");
    RegKey* key = expected.find({"Software", "Brenmoor", "OruPIM"});
    key->setValue("Added", RegValue::text("new"));
    key->subKey("Settings").setValue("Sound", RegValue::text("0"));
    EXPECT_EQ(parseHive(readFile(userHive()), Hive::User, "user.reg"), expected);
}

TEST_F(RegeditFormat, LooserHandWrittenFormsRead) {
    const std::string expected = "REGEDIT4\r\n"
                                 "\r\n"
                                 "[HKEY_CURRENT_USER\\Software\\Brenmoor]\r\n"
                                 "\"Text\"=\"second\"\r\n"
                                 "\"Count\"=dword:0000002a\r\n"
                                 "@=\"default\"\r\n"
                                 "\"Long\"=hex:00,01,02,03,04\r\n"
                                 "\"Type\"=hex(2):41,00\r\n"
                                 "\r\n"
                                 "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
                                 "\r\n";
    EXPECT_EQ(formatHive(parseHive(fixture("lenient.reg"), Hive::User, "lenient.reg"), Hive::User), expected);
}

TEST_F(RegeditFormat, TextsThatCannotStandInQuotesRoundTrip) {
    RegKey top;
    RegKey& key = top.subKey("K");
    const std::string texts[] = {"line\nbreak", "cr\rhere", std::string("zero\0byte", 9), "tab\tok",
                                 " blanks "};
    for (std::size_t i = 0; i < std::size(texts); ++i)
        key.setValue("v" + std::to_string(i), RegValue::text(texts[i]));
    EXPECT_EQ(parseHive(formatHive(top, Hive::User), Hive::User, "x"), top);
}

TEST_F(RegeditFormat, SystemHiveKeepsMachineKeys) {
    const std::string text = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n\"A\"=\"b\"\r\n\r\n";
    EXPECT_EQ(formatHive(parseHive(text, Hive::System, "system.reg"), Hive::System), text);
    EXPECT_THROW(parseHive(text, Hive::User, "user.reg"), RegistryError);
}

// Each damaged file names the file and the line, and neither a read nor a write changes it.
TEST_F(RegeditFormat, DamagedFilesGiveClearErrorsAndStayUntouched) {
    struct Case {
        Hive hive;
        std::string text;
        int line;
        const char* reason;
    };
    const std::string head = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n";
    const Case cases[] = {
        {Hive::User, "", 1, "the first line is not REGEDIT4"},
        {Hive::User, "Windows Registry Editor Version 5.00\r\n\r\n", 1, "the first line is not REGEDIT4"},
        {Hive::User, "REGEDIT4\r\n\"x\"=\"y\"\r\n", 2, "a value comes before the first key"},
        {Hive::User, "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\A]\r\n", 2, "the key is not below HKEY_CURRENT_USER"},
        {Hive::System, "REGEDIT4\r\n[HKEY_CURRENT_USER\\A]\r\n", 2,
         "the key is not below HKEY_LOCAL_MACHINE"},
        {Hive::User, "REGEDIT4\r\n[HKEY_CURRENT_USER\\A\r\n", 2, "a key line must end with \"]\""},
        {Hive::User, "REGEDIT4\r\n[HKEY_CURRENT_USER\\A\\\\B]\r\n", 2, "a key name is empty"},
        {Hive::User, head + "\"x\"=\"open\r\n", 4, "a closing quote is missing"},
        {Hive::User, head + "\"x\"=\"C:\\WINDOWS\"\r\n", 4,
         "a backslash in quotes must be followed by \\ or \""},
        {Hive::User, head + "\"x\"=\"a\" b\r\n", 4, "text follows the closing quote"},
        {Hive::User, head + "x=\"y\"\r\n", 4, "a value name must be in quotes, or @ for the default value"},
        {Hive::User, head + "\"x\" \"y\"\r\n", 4, "\"=\" must follow the value name"},
        {Hive::User, head + "\"x\"=dword:123456789\r\n", 4, "a dword must be 1 to 8 hex digits"},
        {Hive::User, head + "\"x\"=dword:\r\n", 4, "a dword must be 1 to 8 hex digits"},
        {Hive::User, head + "\"x\"=hex:01,zz\r\n", 4, "\"zz\" is not a hex byte"},
        {Hive::User, head + "\"x\"=hex:01,,02\r\n", 4, "\"\" is not a hex byte"},
        {Hive::User, head + "\"x\"=hex(q):01\r\n", 4, "hex(N): needs a type number N of 1 to 8 hex digits"},
        {Hive::User, head + "\"x\"=hex:01,\\\r\n  02,\\\r\n", 5, "the file ends inside a continued hex list"},
        {Hive::User, head + "\"x\"=hex:01,\\\r\n  0g\r\n", 5, "\"0g\" is not a hex byte"},
        {Hive::User, head + "\"x\"=-\r\n", 4, "the value's data must be \"text\", dword:, hex: or hex(N):"},
        {Hive::User, "REGEDIT4\r\n\r\n" + keyLine(MaxKeyDepth + 1), 3,
         "a key is nested deeper than 512 levels"},
        {Hive::User, "REGEDIT4\r\n" + keyLine(100000), 2, "a key is nested deeper than 512 levels"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        bool user = c.hive == Hive::User;
        std::filesystem::path file = user ? userHive() : systemHive();
        writeFile(userHive(), "REGEDIT4\r\n\r\n");
        writeFile(systemHive(), "REGEDIT4\r\n\r\n");
        RegIniFile reg("");
        reg.setRootKey(user ? RootKey::CurrentUser : RootKey::LocalMachine);
        writeFile(file, c.text);
        std::string message =
            "Damaged registry file " + file.string() + ", line " + std::to_string(c.line) + ": " + c.reason;
        test::expectRegistryError([&] { reg.readString("Software", "x", ""); }, message);
        EXPECT_THROW(reg.writeString("Software", "x", "y"), RegistryError);
        EXPECT_THROW(reg.createKey("New"), RegistryError);
        EXPECT_EQ(readFile(file), c.text);
    }
}

} // namespace
} // namespace orupim::registry
