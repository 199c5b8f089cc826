// What a new platform root's system hive starts with, taken from the host: the registered owner (the user's
// full name from the passwd entry, else the login name) and organisation (empty), the system root
// "C:\WINDOWS", and as the web browser's open command the host's URL opener when one is installed.
#pragma once

#include "platform/registry/regkey.h"

#include <string>

namespace orupim::registry {

RegKey seededSystemHive();

// The user's full name, else the login name.
std::string hostOwnerName();
// The open command of the host's URL opener, such as `xdg-open "%1"`; empty when none is on PATH.
std::string hostUrlOpenCommand();

} // namespace orupim::registry
