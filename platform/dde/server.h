// The server side of DDE conversations on one service and topic: listens on the service's socket and serves
// every connection from one poll loop without ever blocking on a client, so that no client, slow, flooding or
// silent, can keep the others waiting. Each execute transaction is handed to the handler, in the order
// received, and answered with the handler's verdict once it has been carried out. Only one server of a
// service runs at a time: it holds <root>/dde/<service>.lock while it listens. The directory and the socket
// are the owner's alone, and a peer of another user is turned away. The Program Manager program serves until
// it has been idle; tests run one in-process on a thread.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace orupim::dde {

struct ServerLimits {
    // A frame must arrive whole within this time of its first byte.
    std::chrono::milliseconds frame{5000};
    // A connection that sends nothing and takes no answer for this long is dropped.
    std::chrono::milliseconds idle{60000};
    // After accept fails for want of descriptors or memory, the listener rests this long.
    std::chrono::milliseconds acceptBackoff{100};
    // More connections than this drop one: first one that never named its topic, then the quietest.
    std::size_t connections = 64;
};

class Server {
public:
    // Carries out the command text of one transaction; answers whether it was accepted.
    using ExecuteHandler = std::function<bool(const std::string& command)>;

    // Starts listening; throws std::runtime_error when another server of the service listens (one that is
    // closing is waited for a few seconds), or the socket cannot be made privately.
    Server(std::string service, std::string topic, ExecuteHandler handler, ServerLimits limits = {});
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Serves until no conversation has been open for `idle`, or until stop(); then stops listening.
    void serve(std::chrono::milliseconds idle);
    // Serves on a thread of its own until stop() or destruction.
    void start();
    // Ends serving (from any thread) and waits for a started thread.
    void stop();

private:
    using Clock = std::chrono::steady_clock;
    struct Connection {
        int socket = -1;
        bool topicAccepted = false;
        bool closing = false; // close once the pending answer is sent
        std::string input;    // bytes of frames not yet taken
        std::string output;   // answers not yet sent
        Clock::time_point frameStart;
        Clock::time_point lastProgress;
    };
    void acceptConnections(Clock::time_point now);
    bool readFrom(Connection& connection, Clock::time_point now);
    void takeFrames(Connection& connection);
    bool writeTo(Connection& connection, Clock::time_point now);
    bool overDeadline(const Connection& connection, Clock::time_point now) const;
    void stopListening();

    std::string service_;
    std::string topic_;
    ExecuteHandler handler_;
    ServerLimits limits_;
    int lock_ = -1;
    int listener_ = -1;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    Clock::time_point listenerRestsUntil_;
    std::vector<Connection> connections_;
    std::thread thread_;
};

} // namespace orupim::dde
