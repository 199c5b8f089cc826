#include "platform/kernel/sleep.h"

#include "platform/core/replaceable.h"

#include <chrono>
#include <thread>

namespace orupim::kernel {

namespace {
Replaceable<void(std::uint32_t)>& sleeper() {
    static Replaceable<void(std::uint32_t)> implementation(hostSleep);
    return implementation;
}
} // namespace

void hostSleep(std::uint32_t milliseconds) {
    if (milliseconds == 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void Sleep(std::uint32_t milliseconds) {
    sleeper()(milliseconds);
}

SleepFunction setSleepImplementation(SleepFunction implementation) {
    return sleeper().replace(std::move(implementation));
}

} // namespace orupim::kernel
