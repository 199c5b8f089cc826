// Reaching a server on this machine through its Unix-domain stream socket, with a bound on the wait: a server
// whose queue of connections is full refuses a non-blocking connect at once (EAGAIN), so the connect is made
// again until the caller's deadline instead of failing on the first refusal or blocking without end.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <sys/un.h>

namespace orupim::files {

// The address of the socket at `path`; none when the path is too long for one.
std::optional<sockaddr_un> localSocketAddress(const std::filesystem::path& path);

struct LocalConnection {
    int socket = -1; // connected, non-blocking and closed on exec; -1 when no connection was made
    int error = 0;   // the errno of the last refusal when none was made (ENAMETOOLONG for a path too long)
};

// Connects to the socket at `path`, trying again while the server's queue is full until `deadline`; a
// deadline already passed makes one attempt. The caller closes the socket.
LocalConnection connectLocalSocket(const std::filesystem::path& path,
                                   std::chrono::steady_clock::time_point deadline);

} // namespace orupim::files
