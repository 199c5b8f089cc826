#include "platform/kernel/messagebeep.h"

#include "platform/core/replaceable.h"

#include <unistd.h>

namespace orupim::kernel {

namespace {
Replaceable<void(unsigned)>& bell() {
    static Replaceable<void(unsigned)> implementation(terminalBell);
    return implementation;
}
} // namespace

void terminalBell(unsigned) {
    if (::isatty(STDERR_FILENO) == 1) {
        ssize_t written = ::write(STDERR_FILENO, "\a", 1);
        (void)written; // a bell that cannot be written is a bell not heard; nothing to report
    }
}

bool MessageBeep(unsigned type) {
    bell()(type);
    return true;
}

BeepFunction setBeepImplementation(BeepFunction implementation) {
    return bell().replace(std::move(implementation));
}

} // namespace orupim::kernel
