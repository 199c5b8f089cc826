#include "platform/dde/conversation.h"

#include "platform/dde/channel.h"
#include "platform/dde/servicestarter.h"

#include <thread>
#include <unistd.h>
#include <utility>

namespace orupim::dde {
namespace {

// A server answers a frame at once (it carries commands out only after answering), so a short wait tells a
// live server from a hung one.
constexpr std::chrono::milliseconds replyTimeout{5000};

std::chrono::milliseconds& startWait() {
    static std::chrono::milliseconds wait{10000};
    return wait;
}

} // namespace

Conversation::Conversation(std::string service, std::string topic)
    : service_(std::move(service)), topic_(std::move(topic)) {}

Conversation::~Conversation() {
    close();
}

void Conversation::setStartWaitForTesting(std::chrono::milliseconds wait) {
    startWait() = wait;
}

bool Conversation::connectOnce() {
    int socket = connectToService(service_);
    if (socket < 0)
        return false;
    // A server that is closing may still take the connection and then drop it: only its answer to the topic
    // counts as a server answering.
    if (writeFrame(socket, {topicFrame, topic_}, replyTimeout) &&
        readByte(socket, replyTimeout) == std::optional<char>(acceptedReply)) {
        socket_ = socket;
        return true;
    }
    ::close(socket);
    return false;
}

bool Conversation::open() {
    if (isOpen() || connectOnce())
        return true;
    if (!startServiceProgram(service_))
        return false;
    // The one further try waits for the started program to begin listening.
    auto deadline = std::chrono::steady_clock::now() + startWait();
    for (;;) {
        if (connectOnce())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

bool Conversation::execute(std::string_view command) {
    if (!isOpen())
        return false;
    if (writeFrame(socket_, {executeFrame, std::string(command)}, replyTimeout)) {
        std::optional<char> reply = readByte(socket_, replyTimeout);
        if (reply == acceptedReply)
            return true;
        if (reply == refusedReply)
            return false;
    }
    close();
    return false;
}

void Conversation::close() {
    if (socket_ >= 0)
        ::close(socket_);
    socket_ = -1;
}

} // namespace orupim::dde
