// The base directories: only absolute values of the XDG variables count.
#include "platform/files/platformroot.h"
#include "platform/files/xdgdirectories.h"
#include "temproot.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace orupim::files {
namespace {

// Sets a variable for one scope, then puts back what was there.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedVariable() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(XdgDirectories, IgnoreRelativeAndEmptyValues) {
    ScopedVariable home("HOME", "/home/pat");
    const struct {
        const char* value;
        const char* data;
        const char* config;
    } cases[] = {
        {"/x/y", "/x/y", "/x/y"},
        {nullptr, "/home/pat/.local/share", "/home/pat/.config"},
        {"", "/home/pat/.local/share", "/home/pat/.config"},
        {"relative/dir", "/home/pat/.local/share", "/home/pat/.config"},
        {"./dir", "/home/pat/.local/share", "/home/pat/.config"},
    };
    for (const auto& [value, data, config] : cases) {
        SCOPED_TRACE(value ? value : "(unset)");
        ScopedVariable dataHome("XDG_DATA_HOME", value);
        ScopedVariable configHome("XDG_CONFIG_HOME", value);
        EXPECT_EQ(xdgDataHome(), data);
        EXPECT_EQ(xdgConfigHome(), config);
    }
}

TEST(XdgDirectories, SystemListsKeepTheirAbsoluteEntriesInOrderOrFallBackWhenUnsetOrEmpty) {
    using Paths = std::vector<std::filesystem::path>;
    const struct {
        const char* value;
        Paths data;
        Paths config;
    } cases[] = {
        {nullptr, {"/usr/local/share", "/usr/share"}, {"/etc/xdg"}},
        {"", {"/usr/local/share", "/usr/share"}, {"/etc/xdg"}},
        {"/b:/a/", {"/b", "/a/"}, {"/b", "/a/"}},
        {"relative:/a::./b:/c", {"/a", "/c"}, {"/a", "/c"}},
        {":relative", {}, {}}, // set, with nothing absolute: no system directory at all
    };
    for (const auto& [value, data, config] : cases) {
        SCOPED_TRACE(value ? value : "(unset)");
        ScopedVariable dataDirs("XDG_DATA_DIRS", value);
        ScopedVariable configDirs("XDG_CONFIG_DIRS", value);
        EXPECT_EQ(xdgDataDirs(), data);
        EXPECT_EQ(xdgConfigDirs(), config);
    }
}

TEST(XdgDirectories, TheDefaultPlatformRootLiesInTheDataHome) {
    // Below the case's own directory, which goes with the case whatever happens here.
    const std::filesystem::path base = test::caseDirectory() / "default";
    ScopedVariable root("ORUPIM_ROOT", nullptr);
    ScopedVariable home("HOME", (base / "home").c_str());
    {
        ScopedVariable dataHome("XDG_DATA_HOME", "relative");
        EXPECT_EQ(platformRoot(), base / "home/.local/share/orupim");
    }
    {
        ScopedVariable dataHome("XDG_DATA_HOME", (base / "data").c_str());
        EXPECT_EQ(platformRoot(), base / "data/orupim");
    }
}

} // namespace
} // namespace orupim::files
