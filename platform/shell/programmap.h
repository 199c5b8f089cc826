// The program map: which host command stands for a program name of the old platform, such as notepad.exe.
// Kept in <root>/programs.ini, section [Programs], one "name=host command" line each; the host command is
// split into words by the command-line rules, its first word a host program (a name searched in $PATH, or a
// host path; the suite's own "orupim-" programs are found as findSuiteProgram finds them) and the rest
// arguments put before the ones the caller passes. The file is created on first use with the text editor
// (defaultEditorCommand), the suite's help viewer "orupim-helpviewer" for winhlp32.exe and the suite's
// uninstaller "orupim-uninst" for OruUninst.exe.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orupim::shell {

class ProgramMap {
public:
    // The map of the current platform root, read from the file as it is now.
    static ProgramMap current();

    // The host command of a program name (only the last component of a path counts, without regard to case; a
    // name without an extension also finds its ".exe" entry). The first matching line wins; a name the file
    // does not list gets the suite's default for it, if any.
    std::optional<std::string> commandFor(std::string_view programName) const;

    const std::vector<std::pair<std::string, std::string>>& entries() const { return entries_; }

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

// The host command the map gives a text editor by default, always a graphical one, since the started program
// has no terminal to draw in: the command of the desktop's default application for text/plain (mimeapps.list,
// then the desktop's mime cache; its field codes left out) when its desktop entry is not a terminal one and
// its program is in $PATH, else the first of the desktops' common plain-text editors found in $PATH; empty
// when there is none.
std::string defaultEditorCommand();

} // namespace orupim::shell
