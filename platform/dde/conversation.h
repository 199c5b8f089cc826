// The DDE client: a conversation with a service on a topic (Program Manager: service and topic "PROGMAN").
// Opening connects to the service's socket; when no server answers, the service's program is started and
// the connection is tried once more, waiting a few seconds for the new server to answer. An execute
// transaction hands the command text to the server and does not wait for it to be carried out.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace orupim::dde {

class Conversation {
public:
    Conversation(std::string service, std::string topic);
    ~Conversation();
    Conversation(const Conversation&) = delete;
    Conversation& operator=(const Conversation&) = delete;

    // Opens the conversation (an open one stays as it is); answers whether it is open.
    bool open();
    bool isOpen() const { return socket_ >= 0; }

    // Sends one execute transaction. Answers yes when the conversation is open and the server accepted the
    // transaction: it read the whole command text and took it for carrying out, which happens afterwards;
    // whether the commands then succeed is not reported. A server that is gone ends the conversation.
    bool execute(std::string_view command);

    void close();

    const std::string& service() const { return service_; }
    const std::string& topic() const { return topic_; }

    // How long the retry after starting the service's program waits for a server to answer.
    static void setStartWaitForTesting(std::chrono::milliseconds wait);

private:
    bool connectOnce();

    std::string service_;
    std::string topic_;
    int socket_ = -1;
};

} // namespace orupim::dde
