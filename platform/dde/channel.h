// The wire of a DDE conversation: a Unix-domain stream socket at <root>/dde/<service>. Each message is one
// frame: a kind byte, the payload's length as four bytes (most significant first) and the payload. The client
// opens with a topic frame; the server answers every frame with one byte, 'A' (accepted) or 'N' (refused). An
// execute frame is answered once its command has been carried out. <root>/dde and the socket are the owner's
// alone, and each side checks that the other runs as the same user.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/un.h>

namespace orupim::dde {

inline constexpr char topicFrame = 'T';
inline constexpr char executeFrame = 'X';
inline constexpr char acceptedReply = 'A';
inline constexpr char refusedReply = 'N';

// Frames above this size are refused by the server, which then ends the conversation.
inline constexpr std::uint32_t maximumFrameSize = 64 * 1024;
inline constexpr std::size_t frameHeaderSize = 5;

using Deadline = std::chrono::steady_clock::time_point;

// The milliseconds a poll waits for the deadline (rounded up, at most a minute, never negative).
int millisecondsUntil(Deadline deadline);

// The socket a service listens on.
std::filesystem::path serviceSocketPath(std::string_view service);
// Its address; none when the path is too long for one.
std::optional<sockaddr_un> serviceAddress(std::string_view service);

// Makes <root>/dde (and a missing root) private to the owner, mode 0700 whatever the umask; false when it is
// not a directory of the owner's.
bool makeServiceDirectory();

// Whether the peer of a connected socket runs as this process's user.
bool peerIsOwner(int socket);

struct Frame {
    char kind = 0;
    std::string payload;
};

// The frame as it goes on the wire.
std::string encodeFrame(const Frame& frame);
// The payload length a frame header announces.
std::uint32_t announcedSize(std::string_view header);

// Helpers on a connected socket that give up at the deadline.
bool writeFrame(int socket, const Frame& frame, Deadline deadline);
std::optional<char> readByte(int socket, Deadline deadline);

// A connected socket to the service's path, or -1 when nobody of this user listens there or the connection is
// not made by the deadline (a server that takes no connections cannot hold the caller).
int connectToService(std::string_view service, Deadline deadline);

} // namespace orupim::dde
