// A new platform root and the stores written in it are their owner's alone, whatever the umask.
#include "platform/files/platformroot.h"

#include "platform/files/atomicfile.h"
#include "temproot.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace orupim::files {
namespace {

namespace fs = std::filesystem;

class UmaskAndRoot {
public:
    UmaskAndRoot(mode_t mask, const fs::path& root)
        : saved_(::umask(mask)), oldRoot_(std::getenv("ORUPIM_ROOT")) {
        ::setenv("ORUPIM_ROOT", root.c_str(), 1);
    }
    ~UmaskAndRoot() {
        ::umask(saved_);
        ::setenv("ORUPIM_ROOT", oldRoot_.c_str(), 1);
    }

private:
    mode_t saved_;
    std::string oldRoot_;
};

TEST(PlatformRoot, NewRootAndStoresArePrivateWhateverTheUmask) {
    for (mode_t mask : {mode_t(0), mode_t(002), mode_t(022)}) {
        SCOPED_TRACE(mask);
        fs::path root = orupim::test::tempRoot() / ("new" + std::to_string(mask)) / "orupim";
        UmaskAndRoot scope(mask, root);
        ASSERT_EQ(platformRoot(), root);
        EXPECT_EQ(fs::status(root).permissions(), fs::perms(0700));
        ASSERT_TRUE(writeFileAtomically(root / "user.reg", "REGEDIT4\r\n"));
        EXPECT_EQ(fs::status(root / "user.reg").permissions(), fs::perms(0600));
    }
}

TEST(PlatformRoot, AnExistingRootKeepsItsMode) {
    fs::path root = orupim::test::tempRoot() / "shared";
    fs::create_directories(root);
    fs::permissions(root, fs::perms(0750));
    UmaskAndRoot scope(022, root);
    ASSERT_EQ(platformRoot(), root);
    EXPECT_EQ(fs::status(root).permissions(), fs::perms(0750));
}

} // namespace
} // namespace orupim::files
