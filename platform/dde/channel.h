// The wire of a DDE conversation: a Unix-domain stream socket at <root>/dde/<service>. Each message is one
// frame: a kind byte, the payload's length as four bytes (most significant first) and the payload. The client
// opens with a topic frame; the server answers every frame with one byte, 'A' (accepted) or 'N' (refused). An
// execute frame is answered as soon as it has been read whole, before its command is carried out.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orupim::dde {

inline constexpr char topicFrame = 'T';
inline constexpr char executeFrame = 'X';
inline constexpr char acceptedReply = 'A';
inline constexpr char refusedReply = 'N';

// Frames above this size are refused by the server, which then ends the conversation.
inline constexpr std::uint32_t maximumFrameSize = 64 * 1024;

// The socket a service listens on (the directory <root>/dde is created).
std::filesystem::path serviceSocketPath(std::string_view service);

struct Frame {
    char kind = 0;
    std::string payload;
};

// Blocking helpers on a connected socket; each gives up after `timeout` without progress.
bool writeFrame(int socket, const Frame& frame, std::chrono::milliseconds timeout);
std::optional<Frame> readFrame(int socket, std::chrono::milliseconds timeout);
bool writeByte(int socket, char byte, std::chrono::milliseconds timeout);
std::optional<char> readByte(int socket, std::chrono::milliseconds timeout);

// A connected socket to the service's path, or -1 when nobody listens there.
int connectToService(std::string_view service);

} // namespace orupim::dde
