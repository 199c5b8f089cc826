// Atomic writes: new and replaced files, modes, read-only files (also for root), and a failed write that
// leaves the old file whole.
#include "platform/files/atomicfile.h"

#include "hostfiles.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orupim::files {
namespace {

using test::namesIn;
using test::readText;
using test::writeText;

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { setWriteFailure({}); }
    fs::path dir = orupim::test::tempRoot() / "store";
};

TEST_F(AtomicFile, CreatesAndReplacesKeepingTheMode) {
    ASSERT_TRUE(writeFileAtomically(dir / "a.ini", "first"));
    EXPECT_EQ(readText(dir / "a.ini"), "first");
    EXPECT_EQ(fs::status(dir / "a.ini").permissions(), fs::perms(0600));

    fs::permissions(dir / "a.ini", fs::perms(0640));
    ASSERT_TRUE(writeFileAtomically(dir / "a.ini", std::string(200000, 'x')));
    EXPECT_EQ(readText(dir / "a.ini"), std::string(200000, 'x'));
    EXPECT_EQ(fs::status(dir / "a.ini").permissions(), fs::perms(0640));
    EXPECT_EQ(namesIn(dir), std::vector<std::string>{"a.ini"});
}

TEST_F(AtomicFile, FailedWriteLeavesTheOldFileWhole) {
    writeText(dir / "user.reg", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER]\r\n");
    writeText(dir / "other.ini", "x");
    setWriteFailure([](const fs::path& p) { return p.filename() == "user.reg"; });
    EXPECT_FALSE(writeFileAtomically(dir / "user.reg", "cut"));
    EXPECT_EQ(readText(dir / "user.reg"), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER]\r\n");
    EXPECT_TRUE(writeFileAtomically(dir / "other.ini", "y")); // the seam fails only what it names
    EXPECT_EQ(readText(dir / "other.ini"), "y");
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"other.ini", "user.reg"}));

    setWriteFailure({});
    EXPECT_TRUE(writeFileAtomically(dir / "user.reg", "whole"));
    EXPECT_EQ(readText(dir / "user.reg"), "whole");
}

TEST_F(AtomicFile, ReadOnlyByModeBitsEvenForRoot) {
    struct Case {
        unsigned mode;
        bool readOnly;
    };
    const Case cases[] = {{0444, true},  {0400, true},  {0000, true},  {0555, true},
                          {0644, false}, {0200, false}, {0464, false}, {0446, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        fs::path file = dir / "f.txt";
        fs::remove(file);
        writeText(file, "old");
        fs::permissions(file, fs::perms(c.mode));
        EXPECT_EQ(isReadOnlyFile(file), c.readOnly);
        EXPECT_EQ(writeFileAtomically(file, "new"), !c.readOnly);
        fs::permissions(file, fs::perms(0644));
        EXPECT_EQ(readText(file), c.readOnly ? "old" : "new");
    }
    EXPECT_FALSE(isReadOnlyFile(dir / "missing"));
}

// A killed writer's temporary file goes at the next write of its target; a live writer's (it holds the
// temporary file's lock), other targets' and names of another pattern stay.
TEST_F(AtomicFile, NextWriteRemovesStaleTemporaryFilesOnly) {
    const char* stale[] = {"a.ini.tmpAb12Cd", "a.ini.tmp000000"};
    const char* kept[] = {"a.ini.tmpLive01", "b.ini.tmpAb12Cd",  "a.ini.tmpAb12C", "a.ini.tmpAb12Cd3",
                          "a.ini.tmp-b12Cd", "xa.ini.tmpAb12Cd", "a.ini.bak"};
    for (const char* name : stale)
        writeText(dir / name, "half");
    for (const char* name : kept)
        writeText(dir / name, "other");
    fs::create_directory(dir / "a.ini.tmpDirect");
    int live = ::open((dir / "a.ini.tmpLive01").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(live, 0);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);

    pid_t child = ::fork(); // the live writer is another process, as in life
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(writeFileAtomically(dir / "a.ini", "new") ? 0 : 1);
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::close(live);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    EXPECT_EQ(readText(dir / "a.ini"), "new");
    std::vector<std::string> expected(std::begin(kept), std::end(kept));
    expected.push_back("a.ini");
    expected.push_back("a.ini.tmpDirect");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(namesIn(dir), expected);
}

TEST_F(AtomicFile, FollowsASymbolicLink) {
    writeText(dir / "real.ini", "old");
    fs::create_symlink("real.ini", dir / "link.ini");
    ASSERT_TRUE(writeFileAtomically(dir / "link.ini", "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.ini"));
    EXPECT_EQ(readText(dir / "real.ini"), "new");
}

TEST_F(AtomicFile, FailsWhereNothingCanBeWritten) {
    EXPECT_FALSE(writeFileAtomically(dir / "missing" / "a.ini", "x"));
    fs::create_directories(dir / "adir");
    EXPECT_FALSE(writeFileAtomically(dir / "adir", "x"));
    EXPECT_TRUE(fs::is_directory(dir / "adir"));
}

} // namespace
} // namespace orupim::files
