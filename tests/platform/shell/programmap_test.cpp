// The program map in programs.ini: its defaults on first use and looking a program name up in it.
#include "platform/shell/programmap.h"

#include "hostbin.h"

#include <gtest/gtest.h>

namespace orupim::shell {
namespace {

using test::makeHostFile;
using test::useOnlyHostBin;

std::filesystem::path programsFile() {
    return orupim::test::tempRoot() / "programs.ini";
}

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ProgramMap, FirstUseMapsTheEditorAndHelpViewerToTheFirstHostEditorFound) {
    useOnlyHostBin();
    makeHostFile("mousepad", "#!/bin/sh\n");
    makeHostFile("kate", "#!/bin/sh\n");
    makeHostFile("gedit", "not executable\n", 0644);
    ProgramMap map = ProgramMap::current();
    EXPECT_EQ(fileText(programsFile()),
              "[Programs]\r\nnotepad.exe=kate\r\nwinhlp32.exe=kate\r\nOruUninst.exe=orupim-uninst\r\n");
    EXPECT_EQ(map.commandFor("notepad.exe"), "kate");
    EXPECT_EQ(map.commandFor("winhlp32.exe"), "kate");
    EXPECT_EQ(map.commandFor("C:\\WINDOWS\\OruUninst.exe"), "orupim-uninst");
}

TEST(ProgramMap, AFileWrittenBeforeANameWasMappedGetsItsDefault) {
    useOnlyHostBin();
    std::ofstream(programsFile(), std::ios::binary) << "[Programs]\r\nnotepad.exe=ed\r\n";
    EXPECT_EQ(ProgramMap::current().commandFor("OruUninst.exe"), "orupim-uninst");
    EXPECT_EQ(ProgramMap::current().commandFor("notepad.exe"), "ed");
    EXPECT_EQ(ProgramMap::current().commandFor("calc.exe"), std::nullopt);
}

TEST(ProgramMap, WithoutAnyHostEditorTheDesktopOpenerIsUsed) {
    useOnlyHostBin();
    EXPECT_EQ(ProgramMap::current().commandFor("notepad.exe"), "xdg-open");
    EXPECT_EQ(defaultEditorCommand(), "xdg-open");
}

TEST(ProgramMap, LooksUpNamesWithoutRegardToCase) {
    const std::string text = "; programs for the old names\r\n"
                             "[programs]\r\n"
                             "Notepad.EXE = ed1 --new-window \r\n"
                             "notepad.exe=second\r\n"
                             "myprog=/opt/my prog/run\r\n"
                             "write.exe\r\n"
                             "[Other]\r\ncalc.exe=gnome-calculator\r\n";
    std::ofstream(programsFile(), std::ios::binary) << text;
    ProgramMap map = ProgramMap::current();
    struct Case {
        const char* name;
        std::optional<std::string> command;
    };
    const Case cases[] = {
        {"notepad.exe", "ed1 --new-window"},
        {"NOTEPAD.EXE", "ed1 --new-window"},
        {"notepad", "ed1 --new-window"},
        {"C:\\WINDOWS\\notepad.exe", "ed1 --new-window"},
        {"c:/windows/Notepad.exe", "ed1 --new-window"},
        {"myprog", "/opt/my prog/run"},
        {"myprog.exe", std::nullopt},
        {"write.exe", std::nullopt},
        {"calc.exe", std::nullopt},
        {"C:\\WINDOWS\\", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(map.commandFor(c.name), c.command);
    }
    EXPECT_EQ(fileText(programsFile()), text); // a user's map is never rewritten
}

} // namespace
} // namespace orupim::shell
