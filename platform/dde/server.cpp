#include "platform/dde/server.h"

#include "platform/core/text.h"
#include "platform/dde/channel.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <tuple>
#include <unistd.h>

namespace orupim::dde {
namespace {

// At most this many frames of one connection are carried out per round, so a flood waits its turn.
constexpr int framesPerRound = 16;
constexpr std::size_t readChunk = 4096;

bool someoneListens(const std::string& service) {
    int probe = connectToService(service, std::chrono::steady_clock::now());
    if (probe < 0)
        return false;
    ::close(probe);
    return true;
}

// A server that is exiting holds the lock a moment after it stopped listening; its successor waits for it. A
// server that still listens holds it for good, and is not waited for.
bool takeLock(int lock, const std::string& service) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (flock(lock, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline || someoneListens(service))
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

bool holdsWholeFrame(const std::string& input) {
    return input.size() >= frameHeaderSize && input.size() - frameHeaderSize >= announcedSize(input);
}

} // namespace

Server::Server(std::string service, std::string topic, ExecuteHandler handler, ServerLimits limits)
    : service_(std::move(service)), topic_(std::move(topic)), handler_(std::move(handler)), limits_(limits) {
    if (!makeServiceDirectory())
        throw std::runtime_error("the directory of " + service_ + "'s socket is not the owner's alone");
    std::string path = serviceSocketPath(service_).string();
    std::string lockPath = path + ".lock";
    lock_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lock_ < 0 || !takeLock(lock_, service_)) {
        if (lock_ >= 0)
            ::close(lock_);
        throw std::runtime_error("another server of " + service_ + " is running");
    }
    std::optional<sockaddr_un> address = serviceAddress(service_);
    if (!address) {
        ::close(lock_);
        throw std::runtime_error("the socket path " + path + " is too long");
    }
    // Holding the lock, any socket file left there belongs to a server that is gone.
    ::unlink(path.c_str());
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    int pipeEnds[2];
    // The socket is made the owner's alone before it listens, so nobody else connects in between.
    if (listener_ < 0 ||
        ::bind(listener_, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 ||
        ::chmod(path.c_str(), 0600) != 0 || ::listen(listener_, 16) != 0 ||
        ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::string reason = std::strerror(errno);
        if (listener_ >= 0) {
            ::unlink(path.c_str());
            ::close(listener_);
        }
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
    for (Connection& connection : connections_)
        ::close(connection.socket);
    connections_.clear();
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

void Server::acceptConnections(Clock::time_point now) {
    for (;;) {
        int socket = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (socket < 0) {
            // Out of descriptors or memory: rest instead of being woken by the same waiting client at once.
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM)
                listenerRestsUntil_ = now + limits_.acceptBackoff;
            return;
        }
        if (!peerIsOwner(socket)) {
            ::close(socket);
            continue;
        }
        if (connections_.size() >= limits_.connections) {
            // One that never named its topic goes first, then the one quiet for longest.
            auto quietest = std::min_element(connections_.begin(), connections_.end(),
                                             [](const Connection& a, const Connection& b) {
                                                 return std::tie(a.topicAccepted, a.lastProgress) <
                                                        std::tie(b.topicAccepted, b.lastProgress);
                                             });
            ::close(quietest->socket);
            connections_.erase(quietest);
        }
        Connection connection;
        connection.socket = socket;
        connection.lastProgress = now;
        connections_.push_back(std::move(connection));
    }
}

bool Server::readFrom(Connection& connection, Clock::time_point now) {
    char buffer[readChunk];
    ssize_t got = ::recv(connection.socket, buffer, sizeof buffer, 0);
    if (got == 0)
        return false;
    if (got < 0)
        return errno == EINTR || errno == EAGAIN;
    if (connection.input.empty())
        connection.frameStart = now;
    connection.input.append(buffer, static_cast<std::size_t>(got));
    connection.lastProgress = now;
    return true;
}

// Carries out the whole frames read so far, a few per round, queueing their answers; a frame that is too big
// or out of turn ends the connection once its answer is sent.
void Server::takeFrames(Connection& connection) {
    for (int taken = 0; taken < framesPerRound && !connection.closing; ++taken) {
        if (connection.input.size() >= frameHeaderSize &&
            announcedSize(connection.input) > maximumFrameSize) {
            connection.closing = true;
            connection.output.push_back(refusedReply);
            return;
        }
        if (!holdsWholeFrame(connection.input))
            return;
        std::uint32_t size = announcedSize(connection.input);
        char kind = connection.input[0];
        std::string payload = connection.input.substr(frameHeaderSize, size);
        connection.input.erase(0, frameHeaderSize + size);
        connection.frameStart = Clock::now();
        if (kind == topicFrame && !connection.topicAccepted) {
            connection.topicAccepted = equalsIgnoreCase(payload, topic_);
            connection.closing = !connection.topicAccepted;
            connection.output.push_back(connection.topicAccepted ? acceptedReply : refusedReply);
        } else if (kind != executeFrame || !connection.topicAccepted) {
            connection.closing = true;
            connection.output.push_back(refusedReply);
        } else {
            bool accepted = false;
            try {
                accepted = handler_ && handler_(payload);
            } catch (...) {
                accepted = false;
            }
            connection.output.push_back(accepted ? acceptedReply : refusedReply);
        }
    }
}

bool Server::writeTo(Connection& connection, Clock::time_point now) {
    if (connection.output.empty())
        return !connection.closing;
    ssize_t written = ::send(connection.socket, connection.output.data(), connection.output.size(),
                             MSG_NOSIGNAL | MSG_DONTWAIT);
    if (written < 0)
        return errno == EINTR || errno == EAGAIN;
    connection.output.erase(0, static_cast<std::size_t>(written));
    connection.lastProgress = now;
    return !(connection.output.empty() && connection.closing);
}

bool Server::overDeadline(const Connection& connection, Clock::time_point now) const {
    if (!connection.input.empty() && now - connection.frameStart >= limits_.frame)
        return true;
    return now - connection.lastProgress >= limits_.idle;
}

void Server::serve(std::chrono::milliseconds idle) {
    auto lastConversation = Clock::now();
    while (listener_ >= 0) {
        auto now = Clock::now();
        bool listening = now >= listenerRestsUntil_;
        bool framesWaiting = false;
        std::vector<pollfd> entries{{wakeRead_, POLLIN, 0}, {listening ? listener_ : -1, POLLIN, 0}};
        Clock::time_point wake = now + std::chrono::seconds(60);
        for (const Connection& connection : connections_) {
            // A connection is read only while it has taken its answers and no whole frame waits, so what it
            // sends beyond that stays in its socket and no client can grow the server's memory.
            bool frameWaits = connection.output.empty() && holdsWholeFrame(connection.input);
            short events = !connection.output.empty() ? POLLOUT : frameWaits ? 0 : POLLIN;
            entries.push_back({connection.socket, events, 0});
            framesWaiting = framesWaiting || frameWaits;
            wake = std::min(wake, connection.lastProgress + limits_.idle);
            if (!connection.input.empty())
                wake = std::min(wake, connection.frameStart + limits_.frame);
        }
        if (!listening)
            wake = std::min(wake, listenerRestsUntil_);
        if (connections_.empty()) {
            auto quiet = std::chrono::duration_cast<std::chrono::milliseconds>(now - lastConversation);
            if (quiet >= idle)
                break;
            wake = std::min(wake,
                            now + std::min<std::chrono::milliseconds>(idle - quiet, std::chrono::hours(1)));
        } else {
            lastConversation = now;
        }
        int ready = ::poll(entries.data(), entries.size(), framesWaiting ? 0 : millisecondsUntil(wake));
        if (ready < 0 && errno != EINTR)
            break;
        if (entries[0].revents)
            break;
        now = Clock::now();
        for (std::size_t i = connections_.size(); i-- > 0;) {
            Connection& connection = connections_[i];
            short events = entries[i + 2].revents;
            bool keep = true;
            if ((events & (POLLIN | POLLHUP | POLLERR)) && connection.output.empty() &&
                !holdsWholeFrame(connection.input))
                keep = readFrom(connection, now);
            if (events & (POLLERR | POLLNVAL))
                keep = false;
            if (keep && connection.output.empty())
                takeFrames(connection);
            if (keep)
                keep = writeTo(connection, now);
            if (keep && overDeadline(connection, now))
                keep = false;
            if (!keep) {
                ::close(connection.socket);
                connections_.erase(connections_.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
        if (listening && (entries[1].revents & POLLIN))
            acceptConnections(now);
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
