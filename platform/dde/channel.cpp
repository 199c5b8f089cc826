#include "platform/dde/channel.h"

#include "platform/files/platformroot.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <system_error>
#include <unistd.h>

namespace orupim::dde {
namespace {

bool waitFor(int socket, short events, std::chrono::milliseconds timeout) {
    pollfd entry{socket, events, 0};
    for (;;) {
        int ready = poll(&entry, 1, static_cast<int>(timeout.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        return ready > 0;
    }
}

bool writeAll(int socket, const char* data, std::size_t size, std::chrono::milliseconds timeout) {
    while (size > 0) {
        if (!waitFor(socket, POLLOUT, timeout))
            return false;
        ssize_t written = send(socket, data, size, MSG_NOSIGNAL);
        if (written < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool readAll(int socket, char* data, std::size_t size, std::chrono::milliseconds timeout) {
    while (size > 0) {
        if (!waitFor(socket, POLLIN, timeout))
            return false;
        ssize_t got = recv(socket, data, size, 0);
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return false;
        }
        if (got == 0)
            return false;
        data += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

} // namespace

std::filesystem::path serviceSocketPath(std::string_view service) {
    std::filesystem::path directory = files::platformRoot() / "dde";
    std::error_code ignored;
    std::filesystem::create_directories(directory, ignored);
    return directory / std::string(service);
}

bool writeFrame(int socket, const Frame& frame, std::chrono::milliseconds timeout) {
    auto size = static_cast<std::uint32_t>(frame.payload.size());
    char header[5] = {frame.kind, static_cast<char>(size >> 24), static_cast<char>(size >> 16),
                      static_cast<char>(size >> 8), static_cast<char>(size)};
    return writeAll(socket, header, sizeof header, timeout) &&
           writeAll(socket, frame.payload.data(), frame.payload.size(), timeout);
}

std::optional<Frame> readFrame(int socket, std::chrono::milliseconds timeout) {
    unsigned char header[5];
    if (!readAll(socket, reinterpret_cast<char*>(header), sizeof header, timeout))
        return std::nullopt;
    std::uint32_t size = (std::uint32_t{header[1]} << 24) | (std::uint32_t{header[2]} << 16) |
                         (std::uint32_t{header[3]} << 8) | std::uint32_t{header[4]};
    if (size > maximumFrameSize)
        return std::nullopt;
    Frame frame{static_cast<char>(header[0]), std::string(size, '\0')};
    if (!readAll(socket, frame.payload.data(), size, timeout))
        return std::nullopt;
    return frame;
}

bool writeByte(int socket, char byte, std::chrono::milliseconds timeout) {
    return writeAll(socket, &byte, 1, timeout);
}

std::optional<char> readByte(int socket, std::chrono::milliseconds timeout) {
    char byte = 0;
    if (!readAll(socket, &byte, 1, timeout))
        return std::nullopt;
    return byte;
}

int connectToService(std::string_view service) {
    std::string path = serviceSocketPath(service).string();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return -1;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

} // namespace orupim::dde
