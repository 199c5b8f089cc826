// The server side of DDE conversations on one service and topic: listens on the service's socket, answers
// each execute transaction as soon as it has read it, then hands the command text to its handler, in the
// order received. Only one server of a service runs at a time: it holds <root>/dde/<service>.lock while it
// listens. The Program Manager program serves until it has been idle; tests run one in-process on a thread.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace orupim::dde {

class Server {
public:
    using ExecuteHandler = std::function<void(const std::string& command)>;
    // Decides, before the answer, whether a transaction is accepted; a refused one is not carried out.
    using AcceptFunction = std::function<bool(const std::string& command)>;

    // Starts listening; throws std::runtime_error when another server of the service holds it (after waiting
    // a few seconds for one that is closing) or the socket cannot be made.
    Server(std::string service, std::string topic, ExecuteHandler handler);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    void setAcceptFunction(AcceptFunction accept) { accept_ = std::move(accept); }

    // Serves until no conversation has been open for `idle`, or until stop(); then stops listening.
    void serve(std::chrono::milliseconds idle);
    // Serves on a thread of its own until stop() or destruction.
    void start();
    // Ends serving (from any thread) and waits for a started thread.
    void stop();

private:
    struct Client {
        int socket;
        bool topicAccepted;
    };
    bool serveClient(Client& client);
    void stopListening();

    std::string service_;
    std::string topic_;
    ExecuteHandler handler_;
    AcceptFunction accept_;
    int lock_ = -1;
    int listener_ = -1;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::vector<Client> clients_;
    std::thread thread_;
};

} // namespace orupim::dde
