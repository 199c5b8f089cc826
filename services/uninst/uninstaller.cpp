#include "services/uninst/uninstaller.h"

#include "platform/core/countedstring.h"
#include "platform/core/text.h"
#include "platform/dde/conversation.h"
#include "platform/files/drivepath.h"
#include "platform/files/platformroot.h"
#include "platform/registry/registry.h"
#include "services/progman/programgroups.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>

namespace orupim::uninst {
namespace {

const char* const UninstallKeys = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

bool isDrivePath(const std::string& text) {
    return text.size() >= 3 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':' &&
           (text[2] == '\\' || text[2] == '/');
}

// A destination as the arguments give it: a drive path as it stands, a host path taken back to its drive.
std::string drivePathOf(std::string text) {
    if (!text.empty() && text.front() == '/') {
        std::replace(text.begin(), text.end(), '\\', '/');
        return files::toDrive(text);
    }
    return isDrivePath(text) ? text : std::string();
}

std::string joined(const std::vector<std::string>& words, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t k = from; k < to; ++k)
        text += (k > from ? " " : "") + words[k];
    return text;
}

bool recordNamesProduct(const std::string& destination, const std::string& app) {
    try {
        const std::string name = UninstallRecord::read(destination).displayName;
        return name.size() > app.size() && equalsIgnoreCase(name.substr(0, app.size()), app) &&
               name[app.size()] == ' ';
    } catch (const RecordError&) {
        return false;
    }
}

void removeFiles(const UninstallTarget& target, const UninstallRecord& record,
                 std::vector<std::string>& left) {
    for (const std::string& file : record.files) {
        std::filesystem::path host = files::toHost(file);
        std::error_code error;
        if (host.empty() || !std::filesystem::is_regular_file(host, error))
            continue;
        if (!std::filesystem::remove(host, error))
            left.push_back("The file " + file + " could not be removed: " + error.message() + ".");
    }
    std::filesystem::path directory = files::toHost(target.destination);
    std::error_code error;
    std::filesystem::remove(files::toHost(recordPath(target.destination)), error);
    if (error)
        left.push_back("The uninstall record " + recordPath(target.destination) +
                       " could not be removed: " + error.message() + ".");
    if (!std::filesystem::is_directory(directory, error))
        return;
    if (!std::filesystem::is_empty(directory, error)) {
        left.push_back("The directory " + target.destination +
                       " holds files that were not installed with the product and was kept.");
        return;
    }
    if (!std::filesystem::remove(directory, error)) {
        left.push_back("The directory " + target.destination + " could not be removed: " + error.message() +
                       ".");
        return;
    }
    // The directories the setup made above the destination go too, while they are empty.
    const std::filesystem::path created = files::toHost(record.createdDirectory);
    if (created.empty() || directory.lexically_relative(created).empty() ||
        *directory.lexically_relative(created).begin() == "..")
        return;
    for (std::filesystem::path above = directory.parent_path(); above != created.parent_path();
         above = above.parent_path())
        if (!std::filesystem::is_empty(above, error) || !std::filesystem::remove(above, error))
            return;
}

bool isEmptyKey(const Registry& registry) {
    return registry.valueNames().empty() && !registry.hasSubKeys();
}

// Deletes the key held by `registry` and then each key above it that it leaves empty, short of the top key.
void deleteEmptyKeys(Registry& registry) {
    std::string path = registry.currentPath();
    while (path.find('\\') != std::string::npos) {
        Registry above;
        if (!above.openKey("\\" + path, false) || !isEmptyKey(above) || !above.deleteKey("\\" + path))
            return;
        path.erase(path.rfind('\\'));
    }
}

// The values the package wrote, each key being taken by the setup's key-path rule: below the base key it held
// open, or from the root for a path beginning with "\".
void removeRegistryValues(const UninstallRecord& record, std::vector<std::string>& left) {
    if (record.registryBase.empty())
        return;
    for (const RecordedKey& key : record.keys) {
        Registry registry;
        registry.openKey(record.registryBase, false);
        const std::string path = CountedString(record.registryBase + "\\" + key.subkey).str();
        if (!registry.openKey(path, false))
            continue;
        for (const std::string& value : key.values)
            if (registry.valueExists(value) && !registry.deleteValue(value))
                left.push_back("The registry value " + value + " of " + path + " could not be removed.");
        if (isEmptyKey(registry))
            deleteEmptyKeys(registry);
    }
}

void removeUninstallEntry(const std::string& app, std::vector<std::string>& left) {
    Registry registry;
    registry.setRootKey(RootKey::LocalMachine);
    const std::string key = CountedString(UninstallKeys + app).str();
    if (registry.keyExists(key) && !registry.deleteKey(key))
        left.push_back("The uninstall entry of " + app + " could not be removed.");
}

std::string quoted(const std::string& name) {
    return "\"" + name + "\"";
}

// The product's items, and its group when they are all it holds, through Program Manager, which removes their
// menu entries with them. An item the user already removed is passed over.
void removeProgramItems(const UninstallRecord& record, std::vector<std::string>& left) {
    if (record.group.empty())
        return;
    progman::ProgramGroups groups;
    try {
        groups = progman::ProgramGroups::load(files::platformRoot() / "progman.ini");
    } catch (const std::exception& error) {
        left.push_back("The Program Manager group " + record.group + " could not be read: " + error.what());
        return;
    }
    const auto group = std::find_if(groups.groups().begin(), groups.groups().end(), [&](const auto& found) {
        return equalsIgnoreCase(found.name, record.group);
    });
    if (group == groups.groups().end())
        return;
    auto recorded = [&](const progman::ProgramItem& item) {
        return std::any_of(record.items.begin(), record.items.end(),
                           [&](const std::string& name) { return equalsIgnoreCase(name, item.name); });
    };
    // Each command with what it removes, for the message when Program Manager refuses it.
    std::vector<std::pair<std::string, std::string>> commands;
    if (std::all_of(group->items.begin(), group->items.end(), recorded)) {
        commands.push_back({"[DeleteGroup(" + quoted(group->name) + ")]", "the group " + group->name});
    } else {
        for (const progman::ProgramItem& item : group->items)
            if (recorded(item))
                commands.push_back(
                    {"[ShowGroup(" + quoted(group->name) + ",1)][DeleteItem(" + quoted(item.name) + ")]",
                     "the item " + item.name + " of the group " + group->name});
    }
    // Bounded as the installation run's conversation is, so that a Program Manager that hangs cannot hold
    // the uninstaller.
    dde::Conversation conversation("PROGMAN", "PROGMAN");
    conversation.setDeadline(dde::Conversation::Clock::now() + std::chrono::seconds(15));
    for (const auto& [command, what] : commands) {
        if (conversation.open() && conversation.execute(command + "\r\n"))
            continue;
        // A conversation still open after a no is a refusal; a closed one had no answer, and neither will the
        // commands after it.
        if (conversation.isOpen()) {
            left.push_back("Program Manager refused to remove " + what + ".");
            continue;
        }
        left.push_back("Program Manager did not answer: " + what + " and its menu entries were not removed.");
        break;
    }
    conversation.close();
}

} // namespace

std::optional<UninstallTarget> locateTarget(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2)
        return std::nullopt;
    std::optional<UninstallTarget> fallback;
    for (std::size_t split = 1; split < arguments.size(); ++split) {
        const std::string destination = drivePathOf(joined(arguments, split, arguments.size()));
        if (destination.empty())
            continue;
        UninstallTarget target{joined(arguments, 0, split), destination};
        if (recordNamesProduct(destination, target.app))
            return target;
        if (!fallback)
            fallback = target;
    }
    return fallback;
}

std::vector<std::string> uninstall(const UninstallTarget& target, const UninstallRecord& record) {
    std::vector<std::string> left;
    removeFiles(target, record, left);
    removeRegistryValues(record, left);
    removeUninstallEntry(target.app, left);
    removeProgramItems(record, left);
    return left;
}

} // namespace orupim::uninst
