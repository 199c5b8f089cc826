// What the DDE tests share: the commands a server received.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace orupim::dde::test {

// The commands a server received, for a test to wait on; each is accepted.
class Received {
public:
    bool add(const std::string& command) {
        std::lock_guard<std::mutex> hold(mutex_);
        commands_.push_back(command);
        changed_.notify_all();
        return true;
    }
    std::vector<std::string> waitFor(std::size_t count) {
        std::unique_lock<std::mutex> hold(mutex_);
        changed_.wait_for(hold, std::chrono::seconds(10), [&] { return commands_.size() >= count; });
        return commands_;
    }
    std::size_t count() {
        std::lock_guard<std::mutex> hold(mutex_);
        return commands_.size();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> commands_;
};

} // namespace orupim::dde::test
