// The program map in programs.ini: its defaults on first use and looking a program name up in it.
#include "platform/shell/programmap.h"

#include "hostbin.h"

#include <gtest/gtest.h>

namespace orupim::shell {
namespace {

namespace fs = std::filesystem;

using test::makeHostFile;
using test::useOnlyHostBin;

std::filesystem::path programsFile() {
    return orupim::test::tempRoot() / "programs.ini";
}

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// XDG directories of the test's own, so that only the mime defaults a case writes count.
fs::path useOwnDesktopDirectories() {
    const fs::path desktop = orupim::test::tempRoot() / "desktop";
    setenv("XDG_CONFIG_HOME", (desktop / "config").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (desktop / "etc").c_str(), 1);
    setenv("XDG_DATA_HOME", (desktop / "data").c_str(), 1);
    setenv("XDG_DATA_DIRS", (desktop / "share").c_str(), 1);
    fs::create_directories(desktop / "share" / "applications");
    fs::create_directories(desktop / "config");
    return desktop;
}

void writeFile(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

std::string desktopEntry(const std::string& exec, bool terminal) {
    return "[Desktop Entry]\nType=Application\nName=Editor\nExec=" + exec +
           "\nTerminal=" + (terminal ? "true" : "false") + "\nMimeType=text/plain;\n";
}

TEST(ProgramMap, FirstUseMapsTheHelpViewerAndAGraphicalEditor) {
    useOnlyHostBin();
    useOwnDesktopDirectories();
    makeHostFile("mousepad", "#!/bin/sh\n");
    makeHostFile("kate", "#!/bin/sh\n");
    makeHostFile("gedit", "not executable\n", 0644);
    ProgramMap map = ProgramMap::current();
    EXPECT_EQ(fileText(programsFile()), "[Programs]\r\nnotepad.exe=kate\r\nwinhlp32.exe=orupim-"
                                        "helpviewer\r\nOruUninst.exe=orupim-uninst\r\n");
    EXPECT_EQ(map.commandFor("notepad.exe"), "kate");
    EXPECT_EQ(map.commandFor("winhlp32.exe"), "orupim-helpviewer");
    EXPECT_EQ(map.commandFor("C:\\WINDOWS\\OruUninst.exe"), "orupim-uninst");
}

TEST(ProgramMap, AFileWrittenBeforeANameWasMappedGetsItsDefault) {
    useOnlyHostBin();
    std::ofstream(programsFile(), std::ios::binary) << "[Programs]\r\nnotepad.exe=ed\r\n";
    EXPECT_EQ(ProgramMap::current().commandFor("OruUninst.exe"), "orupim-uninst");
    EXPECT_EQ(ProgramMap::current().commandFor("winhlp32.exe"), "orupim-helpviewer");
    EXPECT_EQ(ProgramMap::current().commandFor("notepad.exe"), "ed");
    EXPECT_EQ(ProgramMap::current().commandFor("calc.exe"), std::nullopt);
}

TEST(ProgramMap, TheEditorIsTheMimeDefaultOnlyWhenItIsGraphical) {
    useOnlyHostBin();
    const fs::path desktop = useOwnDesktopDirectories();
    makeHostFile("vim", "#!/bin/sh\n");
    makeHostFile("texteditor", "#!/bin/sh\n");
    makeHostFile("mousepad", "#!/bin/sh\n");
    const fs::path apps = desktop / "share" / "applications";
    writeFile(apps / "vim.desktop", desktopEntry("vim %F", true));
    writeFile(apps / "org.example.TextEditor.desktop", desktopEntry("texteditor --new-window %U", false));
    writeFile(apps / "gone.desktop", desktopEntry("no-such-editor %F", false));
    writeFile(apps / "wrapped.desktop", desktopEntry("texteditor run \"my editor\" --new %U", false));
    struct Case {
        const char* file; // below the desktop directory
        const char* text;
        const char* editor;
    };
    const Case cases[] = {
        {"config/mimeapps.list", "[Default Applications]\ntext/plain=org.example.TextEditor.desktop\n",
         "texteditor --new-window"},
        // The entry's options stay, its field codes go.
        {"config/mimeapps.list", "[Default Applications]\ntext/plain=wrapped.desktop\n",
         "texteditor run \"my editor\" --new"},
        // A terminal editor is passed over for the next one named, then for the list of common editors.
        {"config/mimeapps.list",
         "[Default Applications]\ntext/plain=vim.desktop;org.example.TextEditor.desktop;\n",
         "texteditor --new-window"},
        {"config/mimeapps.list", "[Default Applications]\ntext/plain=vim.desktop\n", "mousepad"},
        {"config/mimeapps.list", "[Default Applications]\ntext/plain=gone.desktop\n", "mousepad"},
        {"config/mimeapps.list", "[Added Associations]\ntext/plain=org.example.TextEditor.desktop\n",
         "mousepad"},
        {"etc/mimeapps.list", "[Default Applications]\ntext/plain=org.example.TextEditor.desktop\n",
         "texteditor --new-window"},
        {"share/applications/mimeinfo.cache",
         "[MIME Cache]\ntext/plain=vim.desktop;org.example.TextEditor.desktop;\n", "texteditor --new-window"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + ": " + c.text);
        fs::remove_all(desktop / "config");
        fs::remove(desktop / "etc" / "mimeapps.list");
        fs::remove(apps / "mimeinfo.cache");
        writeFile(desktop / c.file, c.text);
        EXPECT_EQ(defaultEditorCommand(), c.editor);
    }
}

TEST(ProgramMap, WithoutAGraphicalEditorNotepadIsMappedToNothing) {
    useOnlyHostBin();
    useOwnDesktopDirectories();
    makeHostFile("vim", "#!/bin/sh\n");
    makeHostFile("nano", "#!/bin/sh\n");
    EXPECT_EQ(defaultEditorCommand(), "");
    EXPECT_EQ(ProgramMap::current().commandFor("notepad.exe"), "");
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
