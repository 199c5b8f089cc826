// The DDE client: a conversation with a service on a topic (Program Manager: service and topic "PROGMAN").
// Opening connects to the service's socket; when no server answers, the service's program is started and
// the connection is tried once more, waiting a few seconds for the new server to answer. An execute
// transaction hands the command text to the server and waits for its verdict. Every wait is bounded: by its
// own timeout, and by the conversation's deadline when the caller set one, so that a server that never
// answers holds the caller no longer than it chose.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orupim::dde {

class Conversation {
public:
    using Clock = std::chrono::steady_clock;

    Conversation(std::string service, std::string topic);
    ~Conversation();
    Conversation(const Conversation&) = delete;
    Conversation& operator=(const Conversation&) = delete;

    // Opens the conversation (an open one the server has not dropped stays as it is); answers whether it is
    // open.
    bool open();
    bool isOpen() const { return socket_ >= 0; }

    // Sends one execute transaction. Answers yes when the conversation is open and the server carried the
    // commands out; no when it refused them or did not answer in time. A server that is gone or does not
    // answer ends the conversation.
    bool execute(std::string_view command);

    void close();

    // After this time open() and execute() answer no without waiting; none (the default) lifts it.
    void setDeadline(std::optional<Clock::time_point> deadline) { deadline_ = deadline; }
    bool pastDeadline() const { return deadline_ && Clock::now() >= *deadline_; }

    const std::string& service() const { return service_; }
    const std::string& topic() const { return topic_; }

    // How long a connection or an answer is waited for (five seconds), and how long the retry after starting
    // the service's program waits for a server to answer (ten seconds). Tests set other waits; an empty
    // function brings back the usual one. Each answers the function it replaces (empty for the usual wait).
    using WaitFunction = std::function<std::chrono::milliseconds()>;
    static WaitFunction setReplyTimeout(WaitFunction timeout);
    static WaitFunction setStartWait(WaitFunction wait);

private:
    bool connectOnce();
    bool droppedByServer() const;
    Clock::time_point limit(std::chrono::milliseconds wait) const;

    std::string service_;
    std::string topic_;
    int socket_ = -1;
    std::optional<Clock::time_point> deadline_;
};

} // namespace orupim::dde
