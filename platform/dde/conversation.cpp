#include "platform/dde/conversation.h"

#include "platform/core/replaceable.h"
#include "platform/dde/channel.h"
#include "platform/dde/servicestarter.h"

#include <poll.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace orupim::dde {
namespace {

std::chrono::milliseconds fiveSeconds() {
    return std::chrono::seconds(5);
}

std::chrono::milliseconds tenSeconds() {
    return std::chrono::seconds(10);
}

Replaceable<std::chrono::milliseconds()>& replyTimeout() {
    static Replaceable<std::chrono::milliseconds()> timeout(fiveSeconds);
    return timeout;
}

Replaceable<std::chrono::milliseconds()>& startWait() {
    static Replaceable<std::chrono::milliseconds()> wait(tenSeconds);
    return wait;
}

} // namespace

Conversation::Conversation(std::string service, std::string topic)
    : service_(std::move(service)), topic_(std::move(topic)) {}

Conversation::~Conversation() {
    close();
}

Conversation::WaitFunction Conversation::setReplyTimeout(WaitFunction timeout) {
    return replyTimeout().replace(std::move(timeout));
}

Conversation::WaitFunction Conversation::setStartWait(WaitFunction wait) {
    return startWait().replace(std::move(wait));
}

Conversation::Clock::time_point Conversation::limit(std::chrono::milliseconds wait) const {
    Clock::time_point own = Clock::now() + wait;
    return deadline_ ? std::min(own, *deadline_) : own;
}

bool Conversation::connectOnce() {
    Clock::time_point deadline = limit(replyTimeout()());
    int socket = connectToService(service_, deadline);
    if (socket < 0)
        return false;
    // A server that is closing may still take the connection and then drop it: only its answer to the topic
    // counts as a server answering.
    if (writeFrame(socket, {topicFrame, topic_}, deadline) &&
        readByte(socket, deadline) == std::optional<char>(acceptedReply)) {
        socket_ = socket;
        return true;
    }
    ::close(socket);
    return false;
}

// The server ends a quiet conversation after a while; the socket then reads its end.
bool Conversation::droppedByServer() const {
    pollfd entry{socket_, POLLIN, 0};
    return ::poll(&entry, 1, 0) != 0;
}

bool Conversation::open() {
    if (isOpen() && droppedByServer())
        close();
    if (isOpen())
        return true;
    if (pastDeadline())
        return false;
    if (connectOnce())
        return true;
    if (pastDeadline() || !startServiceProgram(service_))
        return false;
    // The one further try waits for the started program to begin listening.
    Clock::time_point deadline = limit(startWait()());
    for (;;) {
        if (connectOnce())
            return true;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

bool Conversation::execute(std::string_view command) {
    if (!isOpen() || pastDeadline())
        return false;
    Clock::time_point deadline = limit(replyTimeout()());
    if (writeFrame(socket_, {executeFrame, std::string(command)}, deadline)) {
        std::optional<char> reply = readByte(socket_, deadline);
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
