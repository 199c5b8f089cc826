// A directory of host programs made for one test, put alone on $PATH, and a small program that reports how it
// was started: it writes its working directory, its arguments and its process id to the file named by its
// first argument, then ends. Tests wait for that file and then for the process to be gone, so none is left
// running.
#pragma once

#include "temproot.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace orupim::shell::test {

inline std::filesystem::path hostBin() {
    return orupim::test::tempRoot() / "bin";
}

// Makes a file in the test's bin directory with the given text and mode.
inline std::filesystem::path makeHostFile(const std::string& name, const std::string& text,
                                          unsigned mode = 0755) {
    std::filesystem::create_directories(hostBin());
    std::filesystem::path file = hostBin() / name;
    std::ofstream(file, std::ios::binary) << text;
    std::filesystem::permissions(file, std::filesystem::perms(mode));
    return file;
}

// Puts the bin directory alone on $PATH (each test runs in a process of its own).
inline void useOnlyHostBin() {
    std::filesystem::create_directories(hostBin());
    setenv("PATH", hostBin().c_str(), 1);
}

// The reporting program. Line by line: working directory, session id, standard input, whether the descriptor
// number given by $LEAK_FD is open, each argument after the first, and last the process id.
inline std::filesystem::path makeReporter(const std::string& name = "reporter") {
    return makeHostFile(name,
                        "#!/bin/sh\n"
                        "out=\"$1\"; shift\n"
                        "{\n"
                        "  pwd\n"
                        "  read -r stat < /proc/$$/stat; echo \"$stat\" | /usr/bin/cut -d' ' -f6\n"
                        "  /usr/bin/readlink /proc/$$/fd/0\n"
                        "  if [ -n \"$LEAK_FD\" ] && [ -e /proc/$$/fd/$LEAK_FD ]; then echo open; else echo "
                        "closed; fi\n"
                        "  for a in \"$@\"; do printf '%s\\n' \"$a\"; done\n"
                        "  echo $$\n"
                        "} > \"$out.part\" && /bin/mv \"$out.part\" \"$out\"\n");
}

inline std::vector<std::string> readLines(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Waits (at most ten seconds) for the reporter's file; its lines, or nothing when it never came.
inline std::optional<std::vector<std::string>> waitForReport(const std::filesystem::path& file) {
    for (int i = 0; i < 1000; ++i) {
        if (std::filesystem::exists(file))
            return readLines(file);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}

// Waits (at most ten seconds) until a process has ended: gone, or a zombie its new parent has yet to reap.
inline bool waitUntilEnded(const std::string& pid) {
    for (int i = 0; i < 1000; ++i) {
        std::ifstream stat("/proc/" + pid + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), {});
        auto close = text.rfind(')');
        if (!stat || close == std::string::npos || text.compare(close + 2, 1, "Z") == 0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

} // namespace orupim::shell::test
