// Starting a DDE service's program when no server answers, as the old client started the service
// application it was given. The program of service "PROGMAN" is the old name "progman.exe": a line for it in
// the program map (<root>/programs.ini, [Programs]) wins; else the suite's program "orupim-progman" where
// shell::findSuiteProgram finds it. It is started detached.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace orupim::dde {

using StartFunction = std::function<bool(std::string_view service)>;

// Starts the service's program through the current starter; answers whether a program was started.
bool startServiceProgram(std::string_view service);

// The host starter described above.
bool hostStartServiceProgram(std::string_view service);

// The host program the host starter would start for the service, if any is found.
std::optional<std::filesystem::path> findServiceProgram(std::string_view service);

// Replaces the starter (an empty function brings back the host's) and answers the one it replaces.
StartFunction setServiceStarter(StartFunction starter);

} // namespace orupim::dde
