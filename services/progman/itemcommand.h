// An item's command line as the old platform read it: a program (a drive path, or a bare name searched in the
// path) and its arguments, and what it becomes on the host. A program path with blanks may stand unquoted:
// the first part up to a blank that names an existing file wins; when none exists yet, the first part ending
// in
// ".exe"; else the first word. The rest is split by the command-line rules.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orupim::progman {

struct ItemCommand {
    std::string program; // as written in the command line, quotes dropped
    std::vector<std::string> arguments;
};

ItemCommand splitItemCommand(std::string_view commandLine);

// The name an item given none takes: its program's file name without the extension.
std::string programNameOf(std::string_view commandLine);

// What an item starts on the host, as Exec= words.
struct HostItem {
    std::vector<std::string> words; // the host program, then its arguments
    bool document = false;          // the item names a document, opened by the desktop's opener
};

// The host words of an item: its program resolved as the shell resolves a program it starts (shellexecute.h:
// the program map, the suite's own programs such as the uninstaller among its commands, then the host
// program, ".exe" dropped where the host file lacks it); a program not installed yet named by its host path,
// and every full drive path among the arguments turned into its host path. A document (an existing file no
// one may execute, or a missing one whose extension is not a program's) is handed to the desktop's opener
// alone, since no one can execute it.
HostItem hostItem(std::string_view commandLine);

} // namespace orupim::progman
