// The uninstall record oruinst.upi that the setup program leaves in a product's destination directory, as the
// uninstaller reads it: [Uninstall] DisplayName (the product's name and version), [Files] File1..n the
// program files copied and CreatedDirectory the outermost directory made for the destination (if any),
// [Program Manager] the group and Item1..n the items created, [Registry] the base key and per key written
// below it KeyN (its subkey text) with KeyN.Value1..n (the names of its values).
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace orupim::uninst {

// A record that is missing or does not say what to remove; what() is the message the user sees.
class RecordError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct RecordedKey {
    std::string subkey;
    std::vector<std::string> values;
};

struct UninstallRecord {
    std::string displayName;
    std::vector<std::string> files;
    std::string createdDirectory;
    std::string group;
    std::vector<std::string> items;
    std::string registryBase;
    std::vector<RecordedKey> keys;

    // The record in a destination directory (a drive path). Raises RecordError when the file is missing or
    // names no product, or lists no files and no items: such a record cannot say what to remove.
    static UninstallRecord read(const std::string& destination);
};

// The record's path in a destination directory.
std::string recordPath(const std::string& destination);

} // namespace orupim::uninst
