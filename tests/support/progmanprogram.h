// The real Program Manager program of this build in a test: the test's program map points the DDE client at
// it (the test target defines ORUPIM_PROGMAN_PROGRAM), and a test that started it waits for it to exit by
// itself once idle (killing it if it does not), so that no process outlives the test.
#pragma once

#include "platform/dde/channel.h"
#include "platform/files/platformroot.h"

#include <chrono>
#include <csignal>
#include <fstream>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace orupim::test {

inline void useBuiltProgramManager() {
    std::ofstream(files::platformRoot() / "programs.ini", std::ios::app)
        << "[Programs]\r\nprogman.exe=\"" << ORUPIM_PROGMAN_PROGRAM << "\"\r\n";
}

// The running server's process id, asked of the socket itself; 0 when none listens.
inline pid_t programManagerProcess() {
    int socket = dde::connectToService("PROGMAN", std::chrono::steady_clock::now() + std::chrono::seconds(1));
    if (socket < 0)
        return 0;
    ucred credentials{};
    socklen_t size = sizeof credentials;
    getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &credentials, &size);
    ::close(socket);
    return credentials.pid;
}

// Whether a process has ended (gone, or a zombie its new parent has not reaped yet).
inline bool hasEnded(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return true;
    std::size_t close = line.rfind(')');
    return close != std::string::npos && line.substr(close + 2, 1) == "Z";
}

// Waits up to ten seconds for the server to exit by itself; kills it when it does not. Answers whether it
// exited by itself.
inline bool awaitProgramManagerExit(pid_t pid) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!hasEnded(pid)) {
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(pid, SIGKILL);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

} // namespace orupim::test
