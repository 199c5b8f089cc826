// The kernel's file services over drive paths: program and Windows directories, copying, directory tests and
// creation, and the current directory.
#include "platform/files/filesystem.h"

#include "hostfiles.h"
#include "platform/core/replaceable.h"
#include "platform/files/atomicfile.h"
#include "platform/files/drivepath.h"

#include <gtest/gtest.h>

namespace orupim::files {
namespace {

using test::driveC;
using test::namesIn;
using test::readText;
using test::writeText;

TEST(ProgramDirectory, IsTheExecutablesDirectoryEndingInABackslash) {
    std::string real = programDirectory();
    ASSERT_GE(real.size(), 3u);
    EXPECT_EQ(real.back(), '\\');
    EXPECT_EQ(toHost(real), std::filesystem::read_symlink("/proc/self/exe").parent_path());

    struct Case {
        std::filesystem::path program;
        const char* file;
        const char* directory;
    };
    const Case cases[] = {
        {driveC() / "Apps" / "OruFLX", "C:\\Apps\\OruFLX", "C:\\Apps\\"},
        {driveC() / "OruFLX", "C:\\OruFLX", "C:\\"},
        {"/opt/oru pim/OruInst", "Z:\\opt\\oru pim\\OruInst", "Z:\\opt\\oru pim\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program.string());
        Replacement program(setProgramFileImplementation, [&] { return c.program; });
        EXPECT_EQ(programFile(), c.file);
        EXPECT_EQ(programDirectory(), c.directory);
    }
    EXPECT_EQ(programDirectory(), real);
}

TEST(WindowsDirectory, IsCreatedOnFirstUse) {
    ASSERT_FALSE(std::filesystem::exists(driveC() / "WINDOWS"));
    EXPECT_EQ(windowsDirectory(), "C:\\WINDOWS");
    EXPECT_TRUE(std::filesystem::is_directory(driveC() / "WINDOWS"));
    EXPECT_TRUE(directoryExists("c:\\windows"));
}

TEST(CopyFile, WithAndWithoutFailIfExists) {
    struct Case {
        const char* name;
        const char* existing; // destination's content before, or nullptr when there is none
        bool readOnly;        // destination marked read-only
        bool failIfExists;
        bool copied;
    };
    const Case cases[] = {
        {"new file, replace", nullptr, false, false, true}, {"new file, keep", nullptr, false, true, true},
        {"existing, replace", "old", false, false, true},   {"existing, keep", "old", false, true, false},
        {"read-only, replace", "old", true, false, false},  {"read-only, keep", "old", true, true, false},
    };
    writeText(driveC() / "Setup" / "App.EXE", "new content");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::path dir = driveC() / "Dest";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        if (c.existing) {
            writeText(dir / "app.exe", c.existing);
            if (c.readOnly)
                std::filesystem::permissions(dir / "app.exe", std::filesystem::perms(0444));
        }
        EXPECT_EQ(copyFile("C:\\Setup\\App.EXE", "C:\\Dest\\app.exe", c.failIfExists), c.copied);
        EXPECT_EQ(readText(dir / "app.exe"), c.copied ? "new content" : c.existing);
        EXPECT_EQ(namesIn(dir), std::vector<std::string>{"app.exe"});
    }
}

TEST(CopyFile, ReplacesAnExistingNameOfAnotherCase) {
    writeText(driveC() / "src.txt", "new");
    writeText(driveC() / "Data" / "Old.Txt", "old");
    EXPECT_TRUE(copyFile("C:\\SRC.TXT", "C:\\DATA\\OLD.TXT", false));
    EXPECT_EQ(readText(driveC() / "Data" / "Old.Txt"), "new");
    EXPECT_EQ(namesIn(driveC() / "Data"), std::vector<std::string>{"Old.Txt"});
}

TEST(CopyFile, KeepsTheSourcesModeBits) {
    writeText(driveC() / "tool", "#!/bin/sh\n");
    std::filesystem::permissions(driveC() / "tool", std::filesystem::perms(0755));
    ASSERT_TRUE(copyFile("C:\\tool", "C:\\tool2", true));
    EXPECT_EQ(std::filesystem::status(driveC() / "tool2").permissions(), std::filesystem::perms(0755));
}

TEST(CopyFile, FailsWithoutThrowing) {
    writeText(driveC() / "src.txt", "data");
    std::filesystem::create_directories(driveC() / "Dir");
    struct Case {
        const char* source;
        const char* destination;
    };
    const Case cases[] = {
        {"C:\\missing.txt", "C:\\out.txt"},      // no source
        {"C:\\Dir", "C:\\out.txt"},              // source is a directory
        {"C:\\src.txt", "C:\\NoSuchDir\\x.txt"}, // destination's directory missing
        {"C:\\src.txt", "C:\\Dir"},              // destination is a directory
        {"Q:\\src.txt", "C:\\out.txt"},          // unmapped drives
        {"C:\\src.txt", "Q:\\out.txt"},
        {"", "C:\\out.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.source) + " -> " + c.destination);
        EXPECT_FALSE(copyFile(c.source, c.destination, false));
    }
    EXPECT_FALSE(std::filesystem::exists(driveC() / "out.txt"));
    EXPECT_TRUE(std::filesystem::is_directory(driveC() / "Dir"));
}

TEST(CopyFile, FailedWriteLeavesTheDestinationWhole) {
    writeText(driveC() / "src.txt", "new");
    writeText(driveC() / "dst.txt", "old");
    {
        Replacement failing(setWriteFailure,
                            [](const std::filesystem::path& p) { return p.filename() == "dst.txt"; });
        EXPECT_FALSE(copyFile("C:\\src.txt", "C:\\dst.txt", false));
    }
    EXPECT_EQ(readText(driveC() / "dst.txt"), "old");
    EXPECT_EQ(namesIn(driveC()), (std::vector<std::string>{"dst.txt", "src.txt"}));
}

TEST(Directories, TestsAndCreation) {
    writeText(driveC() / "file.txt", "x");
    std::filesystem::create_directories(driveC() / "Existing");

    EXPECT_TRUE(directoryExists("C:\\"));
    EXPECT_TRUE(directoryExists("C:\\EXISTING\\"));
    EXPECT_FALSE(directoryExists("C:\\file.txt"));
    EXPECT_FALSE(directoryExists("C:\\Missing"));
    EXPECT_FALSE(directoryExists("Q:\\"));
    EXPECT_TRUE(fileExists("c:\\FILE.TXT"));
    EXPECT_FALSE(fileExists("C:\\Existing"));

    struct Case {
        const char* path;
        bool one;    // createDirectory's answer
        bool forced; // forceDirectories's answer on a fresh tree
    };
    const Case cases[] = {
        {"C:\\New", true, true},
        {"C:\\New\\", true, true},
        {"C:\\Existing", false, true},
        {"C:\\Parent\\Child", false, true},
        {"C:\\A\\B\\C\\", false, true},
        {"C:\\file.txt", false, false},
        {"C:\\file.txt\\Below", false, false},
        {"Q:\\New", false, false},
        {"", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        for (const char* name : {"New", "Parent", "A"})
            std::filesystem::remove_all(driveC() / name);
        EXPECT_EQ(createDirectory(c.path), c.one);
        EXPECT_EQ(forceDirectories(c.path), c.forced);
        EXPECT_EQ(directoryExists(c.path), c.forced);
    }
    // Creating one directory a second time answers no; its existing parent is found whatever its case.
    EXPECT_FALSE(createDirectory("C:\\existing"));
    EXPECT_TRUE(createDirectory("C:\\EXISTING\\Sub"));
    EXPECT_TRUE(std::filesystem::is_directory(driveC() / "Existing" / "Sub"));
}

TEST(CurrentDirectory, GetAndSet) {
    std::filesystem::create_directories(driveC() / "Work" / "Sub");
    EXPECT_TRUE(setCurrentDirectory("c:\\WORK"));
    EXPECT_EQ(currentDirectory(), "C:\\Work");
    EXPECT_EQ(std::filesystem::current_path(), driveC() / "Work");

    EXPECT_TRUE(setCurrentDirectory("Sub"));
    EXPECT_EQ(currentDirectory(), "C:\\Work\\Sub");

    for (const char* bad : {"C:\\Missing", "Q:\\", "", "C:\\Work\\Sub\\nothing"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(setCurrentDirectory(bad));
        EXPECT_EQ(currentDirectory(), "C:\\Work\\Sub");
    }
    EXPECT_TRUE(setCurrentDirectory("C:\\"));
    EXPECT_EQ(currentDirectory(), "C:\\");
}

} // namespace
} // namespace orupim::files
