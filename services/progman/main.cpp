// orupim-progman: Program Manager, the DDE server of service and topic "PROGMAN". The DDE client starts it
// when no server answers; it carries out the commands it is sent, answering each transaction with whether
// they were all carried out, and exits by itself once no conversation has been open for 30 seconds
// ($ORUPIM_PROGMAN_IDLE_MS sets another time in milliseconds). A second copy started while one runs exits.
#include "platform/dde/server.h"
#include "services/progman/programmanager.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

std::chrono::milliseconds idleTime() {
    const char* value = std::getenv("ORUPIM_PROGMAN_IDLE_MS");
    if (value && *value) {
        char* end = nullptr;
        long milliseconds = std::strtol(value, &end, 10);
        if (*end == '\0' && milliseconds > 0)
            return std::chrono::milliseconds(milliseconds);
    }
    return std::chrono::seconds(30);
}

} // namespace

int main() {
    try {
        orupim::progman::ProgramManager manager;
        orupim::dde::Server server("PROGMAN", "PROGMAN", [&](const std::string& text) {
            std::string refusal;
            manager.execute(text, &refusal);
            if (!refusal.empty())
                std::cerr << "orupim-progman: refused: " << refusal << '\n';
            return refusal.empty();
        });
        server.serve(idleTime());
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "orupim-progman: " << error.what() << '\n';
        return 1;
    }
}
