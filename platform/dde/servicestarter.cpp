#include "platform/dde/servicestarter.h"

#include "platform/core/replaceable.h"
#include "platform/core/text.h"
#include "platform/files/hostprogram.h"
#include "platform/shell/commandline.h"
#include "platform/shell/hostcommand.h"
#include "platform/shell/programmap.h"

#include <string>
#include <system_error>

namespace orupim::dde {
namespace {

Replaceable<bool(std::string_view)>& starter() {
    static Replaceable<bool(std::string_view)> instance(&hostStartServiceProgram);
    return instance;
}

std::optional<std::filesystem::path> executableIn(const std::filesystem::path& directory,
                                                  const std::string& name) {
    std::filesystem::path candidate = directory / name;
    if (files::isExecutableFile(candidate))
        return candidate;
    return std::nullopt;
}

std::optional<shell::HostCommand> serviceCommand(std::string_view service) {
    std::string oldName = toLowerAscii(service) + ".exe";
    if (std::optional<std::string> mapped = shell::ProgramMap::current().commandFor(oldName)) {
        std::vector<std::string> words = shell::splitCommandLine(*mapped);
        if (words.empty())
            return std::nullopt;
        std::optional<std::filesystem::path> program = files::findHostProgram(words.front());
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
    std::string name = "orupim-" + toLowerAscii(service);
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        if (auto found = executableIn(self.parent_path(), name))
            return found;
    if (auto found =
            executableIn(std::filesystem::path(ORUPIM_SERVICES_BINARY_DIR) / toLowerAscii(service), name))
        return found;
    return files::findHostProgram(name);
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
