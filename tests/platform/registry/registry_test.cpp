// The registry object: the key-path rule, opening and creating keys, the held key, typed values, letter case,
// the access marks and the error texts.
#include "platform/registry/registry.h"

#include "platform/core/errors.h"
#include "platform/testing/keymarktable.h"
#include "registryroot.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace orupim {
namespace {

using test::readFile;
using test::RegistryRootTest;
using test::writeFile;

class RegistryObject : public RegistryRootTest {};

// Whether value V of the key at `path` (from the root) holds `text`, seen by a new object.
bool landed(RootKey root, const std::string& path, const std::string& text) {
    Registry reg;
    reg.setRootKey(root);
    return reg.openKey("\\" + path, false) && reg.valueExists("V") && reg.readString("V") == text;
}

TEST_F(RegistryObject, KeyPathRule) {
    enum Kind { Open, OpenExisting, Close, SetRoot };
    struct Step {
        Kind kind;
        std::string path;
        bool result = true;
        RootKey root = RootKey::CurrentUser;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::string currentPath;
        RootKey landRoot;
        std::string landKey; // where a value written after the steps is stored
    };
    const Case cases[] = {
        {"no key held: the root", {}, "", RootKey::CurrentUser, ""},
        {"relative from the root",
         {{Open, "Software\\A"}},
         "Software\\A",
         RootKey::CurrentUser,
         "Software\\A"},
        {"leading backslash from the root",
         {{Open, "\\Software\\A"}},
         "Software\\A",
         RootKey::CurrentUser,
         "Software\\A"},
        {"nested below the held key",
         {{Open, "Software"}, {Open, "A"}, {Open, "B\\C"}},
         "Software\\A\\B\\C",
         RootKey::CurrentUser,
         "Software\\A\\B\\C"},
        {"leading backslash ignores the held key",
         {{Open, "Software\\A"}, {Open, "\\B"}},
         "B",
         RootKey::CurrentUser,
         "B"},
        {"same path again nests",
         {{Open, "Software\\A"}, {Open, "Software\\A"}},
         "Software\\A\\Software\\A",
         RootKey::CurrentUser,
         "Software\\A\\Software\\A"},
        {"empty names are passed over",
         {{Open, "Software\\\\A\\"}},
         "Software\\A",
         RootKey::CurrentUser,
         "Software\\A"},
        {"empty path holds the same key",
         {{Open, "Software"}, {Open, ""}},
         "Software",
         RootKey::CurrentUser,
         "Software"},
        {"failed open keeps the held key",
         {{Open, "Software\\A"}, {OpenExisting, "Missing", false}},
         "Software\\A",
         RootKey::CurrentUser,
         "Software\\A"},
        {"existing key opens without create",
         {{Open, "X\\Y"}, {Close, ""}, {OpenExisting, "X"}, {OpenExisting, "Y"}},
         "X\\Y",
         RootKey::CurrentUser,
         "X\\Y"},
        {"close returns to the root",
         {{Open, "Software\\A"}, {Close, ""}, {Open, "B"}},
         "B",
         RootKey::CurrentUser,
         "B"},
        {"root change closes the held key",
         {{Open, "Software\\A"}, {SetRoot, "", true, RootKey::LocalMachine}},
         "",
         RootKey::LocalMachine,
         ""},
        {"after a root change relative is from the new root",
         {{Open, "Software\\A"}, {SetRoot, "", true, RootKey::LocalMachine}, {Open, "SOFTWARE\\B"}},
         "SOFTWARE\\B",
         RootKey::LocalMachine,
         "SOFTWARE\\B"},
        {"classes root is below the machine's classes",
         {{SetRoot, "", true, RootKey::ClassesRoot}, {Open, "x\\y"}},
         "x\\y",
         RootKey::LocalMachine,
         "SOFTWARE\\Classes\\x\\y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshRoot();
        Registry reg;
        for (const Step& step : c.steps) {
            switch (step.kind) {
            case Open:
                EXPECT_EQ(reg.openKey(step.path, true), step.result) << step.path;
                break;
            case OpenExisting:
                EXPECT_EQ(reg.openKey(step.path, false), step.result) << step.path;
                break;
            case Close:
                reg.closeKey();
                break;
            case SetRoot:
                reg.setRootKey(step.root);
                EXPECT_FALSE(reg.hasCurrentKey());
                break;
            }
        }
        EXPECT_EQ(reg.currentPath(), c.currentPath);
        reg.writeString("V", c.name);
        EXPECT_TRUE(landed(c.landRoot, c.landKey, c.name));
    }
}

TEST_F(RegistryObject, CreateKeyMakesEveryMissingKeyAndKeepsTheHeldKey) {
    Registry reg;
    ASSERT_TRUE(reg.openKey("Software", true));
    EXPECT_TRUE(reg.createKey("A\\B\\C"));
    EXPECT_EQ(reg.currentPath(), "Software");
    EXPECT_TRUE(reg.keyExists("A\\B"));
    EXPECT_TRUE(reg.keyExists("\\Software\\A\\B\\C"));
    EXPECT_FALSE(reg.keyExists("\\A"));
    EXPECT_TRUE(reg.createKey("A\\B")); // already there
}

TEST_F(RegistryObject, DeletesKeysAndValues) {
    Registry reg;
    ASSERT_TRUE(reg.openKey("\\Software\\A\\B", true));
    reg.writeString("One", "1");
    reg.writeString("Two", "2");
    EXPECT_EQ(reg.valueNames(), (std::vector<std::string>{"One", "Two"}));
    EXPECT_TRUE(reg.deleteValue("one"));
    EXPECT_FALSE(reg.deleteValue("one"));
    EXPECT_EQ(reg.valueNames(), std::vector<std::string>{"Two"});
    EXPECT_FALSE(reg.hasSubKeys());
    ASSERT_TRUE(reg.openKey("\\Software\\A", false));
    EXPECT_TRUE(reg.hasSubKeys());
    // A key goes with everything below it; the held key inside it is closed.
    ASSERT_TRUE(reg.openKey("B", false));
    EXPECT_TRUE(reg.deleteKey("\\software\\a"));
    EXPECT_FALSE(reg.hasCurrentKey());
    EXPECT_FALSE(reg.keyExists("\\Software\\A"));
    EXPECT_FALSE(reg.deleteKey("\\Software\\A"));
    EXPECT_FALSE(reg.deleteKey("\\"));
    // A parent that cannot be opened for full access keeps its keys, and a key without values set keeps its.
    ASSERT_TRUE(reg.createKey("\\Locked\\Inner"));
    keyMarks.mark(RootKey::CurrentUser, "Locked", KeyMarks{true, false, false});
    EXPECT_FALSE(reg.deleteKey("\\Locked\\Inner"));
    keyMarks.clear();
    ASSERT_TRUE(reg.openKey("\\Fixed", true));
    reg.writeString("V", "v");
    keyMarks.mark(RootKey::CurrentUser, "Fixed", KeyMarks{false, false, true});
    EXPECT_FALSE(reg.deleteValue("V"));
    keyMarks.clear();
    EXPECT_TRUE(reg.keyExists("\\Locked\\Inner"));
    EXPECT_EQ(reg.readString("V"), "v");
}

TEST_F(RegistryObject, NamesMatchWithoutCaseAndKeepTheirCase) {
    Registry reg;
    ASSERT_TRUE(reg.openKey("Software\\Brenmoor", true));
    reg.writeString("Sound", "1");
    Registry other;
    ASSERT_TRUE(other.openKey("SOFTWARE\\brenmoor", false));
    EXPECT_EQ(other.readString("SOUND"), "1");
    other.writeString("sound", "0");
    EXPECT_EQ(reg.readString("Sound"), "0");
    EXPECT_NE(readFile(userHive()).find("[HKEY_CURRENT_USER\\Software\\Brenmoor]\r\n\"Sound\"=\"0\"\r\n"),
              std::string::npos);
}

TEST_F(RegistryObject, TypedValues) {
    Registry reg;
    ASSERT_TRUE(reg.openKey("K", true));
    reg.writeString("Text", "hello");
    reg.writeInteger("Number", -5);
    reg.writeString("", "default");
    EXPECT_EQ(reg.getDataType("Text"), RegDataType::String);
    EXPECT_EQ(reg.getDataType("Number"), RegDataType::Integer);
    EXPECT_EQ(reg.getDataType("Missing"), RegDataType::Unknown);
    EXPECT_EQ(reg.readString("Text"), "hello");
    EXPECT_EQ(reg.readString(""), "default");
    EXPECT_EQ(reg.readInteger("Number"), -5);
    EXPECT_EQ(reg.readString("Missing"), "");
    EXPECT_FALSE(reg.valueExists("Missing"));
    reg.writeInteger("Text", 7); // a value may change its type
    EXPECT_EQ(reg.getDataType("Text"), RegDataType::Integer);
}

TEST_F(RegistryObject, ErrorTexts) {
    Registry k;
    ASSERT_TRUE(k.openKey("K", true));
    k.writeInteger("Number", 1);
    k.writeString("Text", "x");
    keyMarks.mark(RootKey::CurrentUser, "Locked", {false, true, false});
    keyMarks.mark(RootKey::CurrentUser, "K", {false, false, true});
    Registry locked;
    ASSERT_TRUE(locked.openKey("\\Locked", true));

    struct Case {
        const char* name;
        std::function<void()> call;
        std::string message;
    };
    const Case cases[] = {
        {"create relative", [&] { locked.createKey("Sub\\Deeper"); }, "Failed to create key Sub\\Deeper"},
        {"create from the root", [&] { locked.createKey("\\Locked\\Sub"); },
         "Failed to create key \\Locked\\Sub"},
        {"create with a line break", [&] { locked.createKey("\\Free\nKey"); },
         "Failed to create key \\Free\nKey"},
        {"text read of a dword", [&] { k.readString("Number"); }, "Invalid data type for 'Number'"},
        {"integer read of a text", [&] { k.readInteger("Text"); }, "Invalid data type for 'Text'"},
        {"integer read of a missing value", [&] { k.readInteger("Missing"); },
         "Invalid data type for 'Missing'"},
        {"set on a marked key", [&] { k.writeString("Sound", "1"); }, "Failed to set data for 'Sound'"},
        {"value name with a line break", [&] { locked.writeString("a\nb", "1"); },
         "Failed to set data for 'a\nb'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::expectRegistryError(c.call, c.message);
    }
    EXPECT_FALSE(k.keyExists("\\Locked\\Sub"));
    EXPECT_FALSE(k.keyExists("\\Free"));
}

TEST_F(RegistryObject, FailedOpenRaisesNothingAndKeepsTheHeldKey) {
    Registry reg;
    ASSERT_TRUE(reg.openKey("Software\\A", true));
    ASSERT_TRUE(reg.createKey("\\Closed\\Inner"));
    keyMarks.mark(RootKey::CurrentUser, "Closed", {true, false, false});
    keyMarks.mark(RootKey::CurrentUser, "Software\\A", {false, true, false});

    EXPECT_FALSE(reg.openKey("Missing", false));
    EXPECT_FALSE(reg.openKey("CannotCreate", true));
    EXPECT_FALSE(reg.openKey("\\Closed", false));
    EXPECT_FALSE(reg.openKey("\\Closed\\Inner", true)); // the mark holds below the key too
    EXPECT_FALSE(reg.openKey("\\Closed\\New", true));   // created, but it cannot be opened
    EXPECT_TRUE(reg.keyExists("\\Closed\\New"));
    EXPECT_EQ(reg.currentPath(), "Software\\A");

    reg.setAccess(RegAccess::Read);
    EXPECT_TRUE(reg.openKey("\\Closed", false));
    EXPECT_EQ(reg.currentPath(), "Closed");
    EXPECT_THROW(reg.writeString("V", "x"), RegistryError); // held for reading only
}

TEST_F(RegistryObject, ReadOnlyHiveFileRefusesChanges) {
    Registry reg;
    ASSERT_TRUE(reg.openKey("K", true));
    reg.writeString("V", "before");
    std::string text = readFile(userHive());
    ::chmod(userHive().c_str(), 0444);
    EXPECT_THROW(reg.writeString("V", "after"), RegistryError);
    EXPECT_THROW(reg.createKey("Sub"), RegistryError);
    EXPECT_FALSE(reg.openKey("Other", true));
    EXPECT_EQ(reg.readString("V"), "before");
    EXPECT_EQ(readFile(userHive()), text);
}

} // namespace
} // namespace orupim
