// The kernel's Sleep: blocks the calling thread for a number of milliseconds, as the programs' start-up
// pauses and the setup program's pauses between copies expect. The wait goes through a replaceable
// implementation so that tests can make it return at once.
#pragma once

#include <cstdint>
#include <functional>

namespace orupim::kernel {

using SleepFunction = std::function<void(std::uint32_t milliseconds)>;

// Blocks for `milliseconds` (0 only gives up the rest of the thread's time slice).
void Sleep(std::uint32_t milliseconds);

// The real wait on the host clock, which Sleep uses while no other implementation is set.
void hostSleep(std::uint32_t milliseconds);

// Makes Sleep call `implementation` instead; an empty function brings back the real wait. Answers the
// implementation it replaces (empty for the real one), so that whoever replaces it can put it back.
SleepFunction setSleepImplementation(SleepFunction implementation);

} // namespace orupim::kernel
