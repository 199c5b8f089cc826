// A Program Manager that hangs, for a test: a listener on its socket that takes connections into its queue
// and never answers them. The socket goes with the object.
#pragma once

#include "platform/dde/channel.h"

#include <optional>
#include <sys/socket.h>
#include <unistd.h>

namespace orupim::test {

class SilentProgramManager {
public:
    explicit SilentProgramManager(int backlog = 16) {
        dde::makeServiceDirectory();
        std::optional<sockaddr_un> address = dde::serviceAddress("PROGMAN");
        socket_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        listening_ = address &&
                     ::bind(socket_, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0 &&
                     ::listen(socket_, backlog) == 0;
    }
    ~SilentProgramManager() {
        ::close(socket_);
        ::unlink(dde::serviceSocketPath("PROGMAN").c_str());
    }
    SilentProgramManager(const SilentProgramManager&) = delete;
    SilentProgramManager& operator=(const SilentProgramManager&) = delete;
    bool listening() const { return listening_; }

private:
    int socket_ = -1;
    bool listening_ = false;
};

} // namespace orupim::test
