#include "platform/dde/channel.h"

#include "platform/files/localsocket.h"
#include "platform/files/platformroot.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace orupim::dde {
namespace {

bool waitFor(int socket, short events, Deadline deadline) {
    pollfd entry{socket, events, 0};
    for (;;) {
        int ready = poll(&entry, 1, millisecondsUntil(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0 && std::chrono::steady_clock::now() < deadline)
            continue;
        return ready > 0;
    }
}

bool writeAll(int socket, const char* data, std::size_t size, Deadline deadline) {
    while (size > 0) {
        if (!waitFor(socket, POLLOUT, deadline))
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

} // namespace

int millisecondsUntil(Deadline deadline) {
    auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(left.count(), 0, 60000));
}

std::filesystem::path serviceSocketPath(std::string_view service) {
    return files::platformRoot() / "dde" / std::string(service);
}

std::optional<sockaddr_un> serviceAddress(std::string_view service) {
    return files::localSocketAddress(serviceSocketPath(service));
}

bool makeServiceDirectory() {
    std::filesystem::path directory = files::platformRoot() / "dde";
    if (::mkdir(directory.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat status {};
    if (::lstat(directory.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::geteuid())
        return false;
    return (status.st_mode & 0777) == 0700 || ::chmod(directory.c_str(), 0700) == 0;
}

bool peerIsOwner(int socket) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
           credentials.uid == ::geteuid();
}

std::string encodeFrame(const Frame& frame) {
    auto size = static_cast<std::uint32_t>(frame.payload.size());
    std::string wire{frame.kind, static_cast<char>(size >> 24), static_cast<char>(size >> 16),
                     static_cast<char>(size >> 8), static_cast<char>(size)};
    return wire + frame.payload;
}

std::uint32_t announcedSize(std::string_view header) {
    auto byte = [&](std::size_t i) { return std::uint32_t{static_cast<unsigned char>(header[i])}; };
    return (byte(1) << 24) | (byte(2) << 16) | (byte(3) << 8) | byte(4);
}

bool writeFrame(int socket, const Frame& frame, Deadline deadline) {
    std::string wire = encodeFrame(frame);
    return writeAll(socket, wire.data(), wire.size(), deadline);
}

std::optional<char> readByte(int socket, Deadline deadline) {
    for (;;) {
        if (!waitFor(socket, POLLIN, deadline))
            return std::nullopt;
        char byte = 0;
        ssize_t got = recv(socket, &byte, 1, 0);
        if (got == 1)
            return byte;
        if (got == 0 || (errno != EINTR && errno != EAGAIN))
            return std::nullopt;
    }
}

int connectToService(std::string_view service, Deadline deadline) {
    const int socket = files::connectLocalSocket(serviceSocketPath(service), deadline).socket;
    if (socket >= 0 && !peerIsOwner(socket)) {
        ::close(socket);
        return -1;
    }
    return socket;
}

} // namespace orupim::dde
