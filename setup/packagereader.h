// The package description reader: the [Settings] values with their defaults, then the key names (and for the
// paired sections the values at the same positions) of the list sections, in the order the setup program
// always read them. It only reads; an absent section gives empty lists and an absent key its default.
#pragma once

#include <string>

namespace orupim::setup {

// Fills AppName, AppVersion, GroupName, ExpandFlag, DefaultDir and the fourteen package lists from the
// package description at `ipiPath` (a drive path).
void readPackage(const std::string& ipiPath);

} // namespace orupim::setup
