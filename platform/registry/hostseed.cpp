#include "platform/registry/hostseed.h"

#include "platform/core/text.h"
#include "platform/files/hostprogram.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace orupim::registry {

std::string hostOwnerName() {
    if (const passwd* entry = ::getpwuid(::getuid())) {
        std::string_view gecos = entry->pw_gecos ? entry->pw_gecos : "";
        std::string_view fullName = trimBlanks(gecos.substr(0, gecos.find(',')));
        if (!fullName.empty())
            return std::string(fullName);
        if (entry->pw_name && *entry->pw_name)
            return entry->pw_name;
    }
    for (const char* variable : {"USER", "LOGNAME"})
        if (const char* login = std::getenv(variable); login && *login)
            return login;
    return {};
}

std::string hostUrlOpenCommand() {
    // xdg-open is the desktop-neutral opener; the other two are the Debian alternatives for a browser.
    for (const char* program : {"xdg-open", "sensible-browser", "x-www-browser"})
        if (files::findHostProgram(program))
            return std::string(program) + " \"%1\"";
    return {};
}

RegKey seededSystemHive() {
    RegKey top;
    RegKey& software = top.subKey("SOFTWARE");
    RegKey& currentVersion = software.subKey("Microsoft").subKey("Windows").subKey("CurrentVersion");
    currentVersion.setValue("RegisteredOwner", RegValue::text(hostOwnerName()));
    currentVersion.setValue("RegisteredOrganization", RegValue::text(""));
    // The Windows directory's drive path, written out rather than asked of the drive map, so that a first
    // registry use never depends on drives.ini.
    currentVersion.setValue("SystemRoot", RegValue::text("C:\\WINDOWS"));
    RegKey& classes = software.subKey("Classes");
    if (std::string command = hostUrlOpenCommand(); !command.empty())
        classes.subKey("http").subKey("shell").subKey("open").subKey("command").setValue(
            "", RegValue::text(command));
    return top;
}

} // namespace orupim::registry
