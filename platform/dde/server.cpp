#include "platform/dde/server.h"

#include "platform/core/text.h"
#include "platform/dde/channel.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <strings.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace orupim::dde {
namespace {

constexpr std::chrono::milliseconds frameTimeout{5000};

// A server that is exiting holds the lock a moment after it stopped listening; its successor waits for it.
bool takeLock(int lock) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (flock(lock, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

} // namespace

Server::Server(std::string service, std::string topic, ExecuteHandler handler)
    : service_(std::move(service)), topic_(std::move(topic)), handler_(std::move(handler)) {
    std::filesystem::path socketPath = serviceSocketPath(service_);
    std::string lockPath = socketPath.string() + ".lock";
    lock_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock_ < 0 || !takeLock(lock_)) {
        if (lock_ >= 0)
            ::close(lock_);
        throw std::runtime_error("another server of " + service_ + " is running");
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::string path = socketPath.string();
    if (path.size() >= sizeof address.sun_path) {
        ::close(lock_);
        throw std::runtime_error("the socket path " + path + " is too long");
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    // Holding the lock, any socket file left there belongs to a server that is gone.
    ::unlink(path.c_str());
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int pipeEnds[2];
    if (listener_ < 0 ||
        ::bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 16) != 0 || ::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        std::string reason = std::strerror(errno);
        if (listener_ >= 0)
            ::close(listener_);
        ::close(lock_);
        throw std::runtime_error("cannot listen on " + path + ": " + reason);
    }
    wakeRead_ = pipeEnds[0];
    wakeWrite_ = pipeEnds[1];
}

Server::~Server() {
    stop();
    stopListening();
    ::close(wakeRead_);
    ::close(wakeWrite_);
}

void Server::stopListening() {
    for (Client& client : clients_)
        ::close(client.socket);
    clients_.clear();
    if (listener_ >= 0) {
        // The name goes first, so that no client reaches a listener about to close.
        ::unlink(serviceSocketPath(service_).c_str());
        ::close(listener_);
        listener_ = -1;
    }
    if (lock_ >= 0) {
        ::close(lock_);
        lock_ = -1;
    }
}

bool Server::serveClient(Client& client) {
    std::optional<Frame> frame = readFrame(client.socket, frameTimeout);
    if (!frame)
        return false;
    if (frame->kind == topicFrame && !client.topicAccepted) {
        client.topicAccepted = equalsIgnoreCase(frame->payload, topic_);
        return writeByte(client.socket, client.topicAccepted ? acceptedReply : refusedReply, frameTimeout) &&
               client.topicAccepted;
    }
    if (frame->kind != executeFrame || !client.topicAccepted) {
        writeByte(client.socket, refusedReply, frameTimeout);
        return false;
    }
    bool accepted = !accept_ || accept_(frame->payload);
    if (!writeByte(client.socket, accepted ? acceptedReply : refusedReply, frameTimeout))
        return false;
    if (accepted && handler_)
        handler_(frame->payload);
    return true;
}

void Server::serve(std::chrono::milliseconds idle) {
    auto lastActivity = std::chrono::steady_clock::now();
    while (listener_ >= 0) {
        std::vector<pollfd> entries{{wakeRead_, POLLIN, 0}, {listener_, POLLIN, 0}};
        for (const Client& client : clients_)
            entries.push_back({client.socket, POLLIN, 0});
        int timeout = -1;
        if (clients_.empty()) {
            auto left = idle - std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now() - lastActivity);
            if (left.count() <= 0)
                break;
            timeout = static_cast<int>(std::min<std::chrono::milliseconds::rep>(left.count(), 60000));
        }
        int ready = ::poll(entries.data(), entries.size(), timeout);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready <= 0)
            continue;
        if (entries[0].revents)
            break;
        for (std::size_t i = clients_.size(); i-- > 0;) {
            if (!entries[i + 2].revents)
                continue;
            if (!serveClient(clients_[i])) {
                ::close(clients_[i].socket);
                clients_.erase(clients_.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
        if (entries[1].revents & POLLIN) {
            int socket = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (socket >= 0)
                clients_.push_back({socket, false});
        }
        lastActivity = std::chrono::steady_clock::now();
    }
    stopListening();
}

void Server::start() {
    thread_ = std::thread([this] { serve(std::chrono::milliseconds::max()); });
}

void Server::stop() {
    char byte = 0;
    [[maybe_unused]] ssize_t written = ::write(wakeWrite_, &byte, 1);
    if (thread_.joinable())
        thread_.join();
}

} // namespace orupim::dde
