#include "platform/files/localsocket.h"

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace orupim::files {

std::optional<sockaddr_un> localSocketAddress(const std::filesystem::path& path) {
    const std::string& name = path.native();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, name.c_str(), name.size() + 1);
    return address;
}

LocalConnection connectLocalSocket(const std::filesystem::path& path,
                                   std::chrono::steady_clock::time_point deadline) {
    const std::optional<sockaddr_un> address = localSocketAddress(path);
    if (!address)
        return {-1, ENAMETOOLONG};
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0)
        return {-1, errno};
    for (;;) {
        if (::connect(socket, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0)
            return {socket, 0};
        const int error = errno;
        const bool again = error == EAGAIN || error == EINTR;
        if (!again || std::chrono::steady_clock::now() >= deadline) {
            ::close(socket);
            return {-1, error};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

} // namespace orupim::files
