// The registry object as the programs use it: the catalogue's settings key and browser key, and the setup
// program's values under its base key, its reading of the system root and its uninstall entry.
#include "platform/registry/reginifile.h"

#include "platform/core/errors.h"
#include "platform/testing/keymarktable.h"
#include "registryroot.h"

#include <gtest/gtest.h>

namespace orupim {
namespace {

using test::readFile;
using test::RegistryRootTest;
using test::writeFile;

class RegIniFileTest : public RegistryRootTest {};

std::string valueAt(RootKey root, const std::string& key, const std::string& name) {
    RegIniFile reg("");
    reg.setRootKey(root);
    return reg.readString("\\" + key, name, "<none>");
}

TEST_F(RegIniFileTest, OpensItsKeyCreatingIt) {
    RegIniFile reg("Software\\Brenmoor\\OruPIM");
    EXPECT_EQ(reg.currentPath(), "Software\\Brenmoor\\OruPIM");
    EXPECT_TRUE(reg.keyExists("\\Software\\Brenmoor\\OruPIM"));
}

// Where the values of a package land, with the base key written with and without a leading "\".
TEST_F(RegIniFileTest, ValuesBelowTheBaseKey) {
    struct Case {
        std::string base;
        std::string settingsKey;
        std::string installKey;
    };
    const Case cases[] = {
        {"\\Software\\A\\B", "Software\\A\\B\\Settings", "Software\\A\\B\\Install"},
        {"Software\\A\\B", "Software\\A\\B\\Software\\A\\B\\Settings",
         "Software\\A\\B\\Software\\A\\B\\Install"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.base);
        freshRoot();
        RegIniFile reg(c.base);
        EXPECT_EQ(reg.currentPath(), "Software\\A\\B");
        reg.writeString(c.base + "\\Settings", "Sound", "1");
        reg.writeString(c.base + "\\Install", "Path", "c:\\tmp\\App");
        EXPECT_EQ(reg.currentPath(), "Software\\A\\B");
        EXPECT_EQ(valueAt(RootKey::CurrentUser, c.settingsKey, "Sound"), "1");
        EXPECT_EQ(valueAt(RootKey::CurrentUser, c.installKey, "Path"), "c:\\tmp\\App");
        EXPECT_EQ(reg.readString(c.base + "\\Settings", "Sound", "x"), "1");
    }
}

TEST_F(RegIniFileTest, BaseKeyThatCannotBeOpenedHoldsNoKey) {
    keyMarks.mark(RootKey::CurrentUser, "Software\\A\\B", {true, false, false});
    RegIniFile reg("Software\\A\\B");
    EXPECT_FALSE(reg.hasCurrentKey());
    EXPECT_TRUE(reg.keyExists("\\Software\\A\\B"));
    reg.writeString("Software\\C", "V", "x"); // from the root, as no key is held
    EXPECT_EQ(valueAt(RootKey::CurrentUser, "Software\\C", "V"), "x");
}

TEST_F(RegIniFileTest, WriteFailures) {
    RegIniFile reg("Software\\A\\B");
    keyMarks.mark(RootKey::CurrentUser, "Software\\A\\B\\Closed", {true, false, false});
    keyMarks.mark(RootKey::CurrentUser, "Software\\A\\B\\Fixed", {false, true, false});
    keyMarks.mark(RootKey::CurrentUser, "Software\\A\\B\\Frozen", {false, false, true});
    ASSERT_TRUE(reg.createKey("Fixed"));

    // A key that can be created but not opened is passed over without a message.
    EXPECT_NO_THROW(reg.writeString("Closed", "V", "x"));
    EXPECT_TRUE(reg.keyExists("Closed"));
    EXPECT_EQ(valueAt(RootKey::CurrentUser, "Software\\A\\B\\Closed", "V"), "<none>");

    struct Case {
        std::string section;
        std::string message;
    };
    const Case cases[] = {
        {"Fixed\\Sub", "Failed to create key Fixed\\Sub"},
        {"\\Software\\A\\B\\Fixed\\Sub", "Failed to create key \\Software\\A\\B\\Fixed\\Sub"},
        {"Frozen", "Failed to set data for 'Sound'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section);
        test::expectRegistryError([&] { reg.writeString(c.section, "Sound", "1"); }, c.message);
        EXPECT_EQ(reg.currentPath(), "Software\\A\\B");
    }
    EXPECT_FALSE(reg.keyExists("Fixed\\Sub"));
    EXPECT_TRUE(reg.keyExists("Frozen"));
}

TEST_F(RegIniFileTest, ReadingWithDefaults) {
    RegIniFile reg("Software\\Brenmoor\\OruPIM");
    reg.writeString("Settings", "Sound", "1");
    reg.writeInteger("Settings", "Number", 3);
    reg.writeString("", "Here", "held");
    ASSERT_TRUE(reg.createKey("Closed"));
    reg.writeString("Closed", "V", "hidden");
    keyMarks.mark(RootKey::CurrentUser, "Software\\Brenmoor\\OruPIM\\Closed", {true, false, false});

    struct Case {
        std::string section, ident, expected;
    };
    const Case cases[] = {
        {"Settings", "Sound", "1"},
        {"settings", "SOUND", "1"},
        {"Settings", "Missing", "dflt"},
        {"Missing", "Sound", "dflt"},
        {"", "Here", "held"},
        {"\\Software\\Brenmoor\\OruPIM", "Here", "held"},
        {"Closed", "V", "dflt"},
        {"", "", "dflt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section + "/" + c.ident);
        EXPECT_EQ(reg.readString(c.section, c.ident, "dflt"), c.expected);
    }
    test::expectRegistryError([&] { reg.readString("Settings", "Number", ""); },
                              "Invalid data type for 'Number'");
}

TEST_F(RegIniFileTest, Integers) {
    writeFile(userHive(), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K\\S]\r\n\"Bytes\"=hex:01\r\n\r\n");
    RegIniFile reg("K");
    reg.writeInteger("S", "Dword", 42);
    reg.writeString("S", "Hex", "0x10");
    reg.writeString("S", "Junk", "abc");
    RegIniFile check("K");
    struct Case {
        const char* ident;
        std::int32_t expected;
    };
    for (const Case& c : {Case{"Dword", 42}, Case{"Hex", 16}, Case{"Junk", -1}, Case{"Missing", -1}}) {
        SCOPED_TRACE(c.ident);
        EXPECT_EQ(check.readInteger("S", c.ident, -1), c.expected);
    }
    EXPECT_THROW(check.readInteger("S", "Bytes", 0), RegistryError);
    EXPECT_EQ(check.getDataType("Dword"), RegDataType::Unknown); // on the held key K, not S
    ASSERT_TRUE(check.openKey("S", false));
    EXPECT_EQ(check.getDataType("Dword"), RegDataType::Integer);
}

TEST_F(RegIniFileTest, SettingsValueThatIsNotText) {
    RegIniFile reg("Software\\Brenmoor\\OruPIM");
    reg.writeInteger("Settings", "Sound", 1);
    test::expectRegistryError([&] { reg.readString("Settings", "Sound", "0"); },
                              "Invalid data type for 'Sound'");
}

// The catalogue's browser step: root switched to the classes, the command key opened without creating it.
TEST_F(RegIniFileTest, BrowserCommandKey) {
    struct Case {
        const char* name;
        bool createKey;
        const char* defaultValue; // null: none
        bool closed;
        bool opens;
        std::string read;
    };
    const Case cases[] = {
        {"with a command", true, "C:\\WEB\\BROWSE.EXE -nohome", false, true, "C:\\WEB\\BROWSE.EXE -nohome"},
        {"without a default value", true, nullptr, false, true, "Zero"},
        {"missing key", false, nullptr, false, false, ""},
        {"no full access", true, "browse", true, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshRoot();
        writeFile(systemHive(), "REGEDIT4\r\n\r\n");
        if (c.createKey) {
            RegIniFile setup("");
            setup.setRootKey(RootKey::LocalMachine);
            setup.createKey("\\SOFTWARE\\Classes\\http\\shell\\open\\command");
            if (c.defaultValue)
                setup.writeString("SOFTWARE\\Classes\\http\\shell\\open\\command", "", c.defaultValue);
        }
        if (c.closed)
            keyMarks.mark(RootKey::ClassesRoot, "http\\shell\\open\\command", {true, false, false});
        RegIniFile reg("Software\\Brenmoor\\OruPIM");
        reg.setRootKey(RootKey::ClassesRoot);
        EXPECT_EQ(reg.openKey("\\http\\shell\\open\\command", false), c.opens);
        if (c.opens) {
            EXPECT_EQ(reg.readString("", "", "Zero"), c.read);
        }
        EXPECT_EQ(reg.keyExists("\\http\\shell\\open\\command"), c.createKey);
    }
}

// The setup program's machine step: the root change closes the base key, the system root is read from the
// root, and the uninstall entry is written there.
TEST_F(RegIniFileTest, MachineValuesAfterTheRootChange) {
    RegIniFile reg("\\Software\\A\\B");
    reg.setRootKey(RootKey::LocalMachine);
    EXPECT_FALSE(reg.hasCurrentKey());
    EXPECT_EQ(reg.readString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "SystemRoot", ""),
              "C:\\WINDOWS");
    reg.writeString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\App", "DisplayName", "App 1.0");
    EXPECT_EQ(valueAt(RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\App",
                      "DisplayName"),
              "App 1.0");

    keyMarks.mark(RootKey::LocalMachine, "", {false, true, false});
    test::expectRegistryError(
        [&] {
            reg.writeString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Other", "DisplayName",
                            "x");
        },
        "Failed to create key SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Other");
    // The values of keys that already exist can still be set.
    reg.writeString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\App", "UninstallString", "u");

    keyMarks.mark(RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                  {true, false, false});
    EXPECT_EQ(reg.readString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "SystemRoot", "none"), "none");

    keyMarks.clear();
    reg.writeInteger("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "SystemRoot", 5);
    EXPECT_THROW(reg.readString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "SystemRoot", ""),
                 RegistryError);
}

} // namespace
} // namespace orupim
