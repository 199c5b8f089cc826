// Sharing the hives between processes, reading the latest file, and seeding a new root from the host.
#include "platform/registry/hivestore.h"

#include "platform/registry/reginifile.h"
#include "registryroot.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orupim {
namespace {

using test::readFile;
using test::RegistryRootTest;
using test::writeFile;

class HiveStore : public RegistryRootTest {};

constexpr int WritesPerProcess = 40;

void writeValues(const char* prefix) {
    RegIniFile reg("Software\\Shared");
    for (int i = 0; i < WritesPerProcess; ++i) {
        reg.writeString("", prefix + std::to_string(i), std::to_string(i));
        reg.createKey(prefix + std::string("Key") + std::to_string(i));
    }
}

TEST_F(HiveStore, TwoProcessesChangingDifferentValuesLoseNeither) {
    RegIniFile reader("Software\\Shared");
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::alarm(30); // never outlive a parent that has given up waiting
        int status = 0;
        try {
            writeValues("child");
        } catch (...) {
            status = 1;
        }
        ::_exit(status); // no atexit handlers: the root belongs to the parent
    }
    bool parentFailed = false;
    try {
        writeValues("parent");
    } catch (...) {
        parentFailed = true;
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_FALSE(parentFailed);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (const char* prefix : {"child", "parent"})
        for (int i = 0; i < WritesPerProcess; ++i) {
            EXPECT_EQ(reader.readString("", prefix + std::to_string(i), "lost"), std::to_string(i))
                << prefix << i;
            EXPECT_TRUE(reader.keyExists(prefix + std::string("Key") + std::to_string(i))) << prefix << i;
        }
}

TEST_F(HiveStore, ReadsSeeTheLatestFile) {
    RegIniFile reg("Software\\A");
    reg.writeString("", "V", "mine");
    EXPECT_EQ(reg.readString("", "V", ""), "mine");
    writeFile(userHive(), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n\"V\"=\"edited\"\r\n\r\n");
    EXPECT_EQ(reg.readString("", "V", ""), "edited");
    reg.writeString("", "W", "added");
    EXPECT_EQ(readFile(userHive()), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n"
                                    "\"V\"=\"edited\"\r\n\"W\"=\"added\"\r\n\r\n");
}

std::string expectedOwner() {
    const passwd* entry = ::getpwuid(::getuid());
    if (!entry)
        return std::getenv("USER") ? std::getenv("USER") : "";
    std::string gecos = entry->pw_gecos ? entry->pw_gecos : "";
    gecos = gecos.substr(0, gecos.find(','));
    return gecos.empty() ? entry->pw_name : gecos;
}

// A PATH of one directory holding the named programs.
class PathWith {
public:
    PathWith(const std::filesystem::path& dir, std::initializer_list<const char*> programs) {
        std::filesystem::create_directories(dir);
        for (const char* program : programs) {
            test::writeFile(dir / program, "#!/bin/sh\n");
            ::chmod((dir / program).c_str(), 0755);
        }
        saved_ = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", dir.c_str(), 1);
    }
    ~PathWith() { setenv("PATH", saved_.c_str(), 1); }

private:
    std::string saved_;
};

TEST_F(HiveStore, NewRootIsSeededFromTheHost) {
    struct Case {
        std::initializer_list<const char*> programs;
        std::string command; // empty: no browser key
    };
    const Case cases[] = {
        {{"xdg-open", "sensible-browser"}, "xdg-open \"%1\""},
        {{"sensible-browser"}, "sensible-browser \"%1\""},
        {{}, ""},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        freshRoot();
        PathWith path(root() / ("bin" + std::to_string(++n)), c.programs);
        RegIniFile reg("");
        reg.setRootKey(RootKey::LocalMachine);
        ASSERT_TRUE(reg.openKey("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion", false));
        EXPECT_EQ(reg.readString("RegisteredOwner"), expectedOwner());
        EXPECT_TRUE(reg.valueExists("RegisteredOrganization"));
        EXPECT_EQ(reg.readString("RegisteredOrganization"), "");
        EXPECT_EQ(reg.readString("SystemRoot"), "C:\\WINDOWS");
        reg.setRootKey(RootKey::ClassesRoot);
        EXPECT_TRUE(reg.keyExists("\\"));
        EXPECT_EQ(reg.openKey("\\http\\shell\\open\\command", false), !c.command.empty());
        if (!c.command.empty()) {
            EXPECT_EQ(reg.readString(""), c.command);
        }
        EXPECT_TRUE(std::filesystem::exists(systemHive()));
    }
}

TEST_F(HiveStore, ExistingSystemHiveIsNotSeeded) {
    const std::string text = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n\"Mine\"=\"1\"\r\n\r\n";
    writeFile(systemHive(), text);
    RegIniFile reg("Software\\A");
    reg.writeString("", "V", "x");
    reg.setRootKey(RootKey::LocalMachine);
    EXPECT_FALSE(reg.keyExists("SOFTWARE\\Microsoft"));
    EXPECT_EQ(readFile(systemHive()), text);
}

} // namespace
} // namespace orupim
