// What the installation run's Program Manager step could not create, and how the wizard tells the user.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace orupim::setup {

struct ProgramItemsShortfall {
    bool groupMissing = false;      // the group was not created, so no item was sent
    std::vector<std::string> items; // the descriptions of the items not created
    bool refused = false;           // Program Manager answered, refusing; else it did not answer in time
    bool empty() const { return !groupMissing && items.empty(); }
};

// How long the run waits for Program Manager in all, whatever it sends again: fifteen seconds. Tests set
// another wait; an empty function brings back the fifteen seconds. Answers the function it replaces (empty
// for the fifteen seconds).
std::chrono::milliseconds programManagerWait();
using WaitFunction = std::function<std::chrono::milliseconds()>;
WaitFunction setProgramManagerWait(WaitFunction wait);

// The final page's report of a shortfall: what was not created, why, and where the programs are.
std::string shortfallReport(const ProgramItemsShortfall& shortfall, const std::string& group,
                            const std::string& destination);

} // namespace orupim::setup
