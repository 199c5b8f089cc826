#include "platform/dde/servicestarter.h"

#include "platform/core/replaceable.h"
#include "platform/core/text.h"
#include "platform/shell/commandline.h"
#include "platform/shell/hostcommand.h"
#include "platform/shell/programmap.h"
#include "platform/shell/suiteprogram.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace orupim::dde {
namespace {

Replaceable<bool(std::string_view)>& starter() {
    static Replaceable<bool(std::string_view)> instance(&hostStartServiceProgram);
    return instance;
}

std::optional<shell::HostCommand> serviceCommand(std::string_view service) {
    std::string oldName = toLowerAscii(service) + ".exe";
    if (std::optional<std::string> mapped = shell::ProgramMap::current().commandFor(oldName)) {
        std::vector<std::string> words = shell::splitCommandLine(*mapped);
        if (words.empty())
            return std::nullopt;
        std::optional<std::filesystem::path> program = shell::findMappedProgram(words.front());
        if (!program)
            return std::nullopt;
        return shell::HostCommand{*program, {words.begin() + 1, words.end()}, {}};
    }
    if (std::optional<std::filesystem::path> program = findServiceProgram(service))
        return shell::HostCommand{*program, {}, {}};
    return std::nullopt;
}

} // namespace

std::optional<std::filesystem::path> findServiceProgram(std::string_view service) {
    return shell::findSuiteProgram("orupim-" + toLowerAscii(service));
}

bool hostStartServiceProgram(std::string_view service) {
    std::optional<shell::HostCommand> command = serviceCommand(service);
    return command && shell::startDetached(*command);
}

bool startServiceProgram(std::string_view service) {
    return starter()(service);
}

StartFunction setServiceStarter(StartFunction replacement) {
    return starter().replace(std::move(replacement));
}

} // namespace orupim::dde
