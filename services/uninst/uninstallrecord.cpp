#include "services/uninst/uninstallrecord.h"

#include "platform/files/filesystem.h"
#include "platform/profile/inifile.h"

namespace orupim::uninst {
namespace {

// Values Prefix1, Prefix2, ... of a section, up to the first one missing.
std::vector<std::string> numbered(const IniFile& record, const std::string& section,
                                  const std::string& prefix) {
    std::vector<std::string> values;
    for (int k = 1;; ++k) {
        std::string value = record.readString(section, prefix + std::to_string(k), "");
        if (value.empty())
            return values;
        values.push_back(value);
    }
}

} // namespace

std::string recordPath(const std::string& destination) {
    std::string path = destination;
    if (!path.empty() && path.back() != '\\' && path.back() != '/')
        path += '\\';
    return path + "oruinst.upi";
}

UninstallRecord UninstallRecord::read(const std::string& destination) {
    const std::string path = recordPath(destination);
    if (!files::fileExists(path))
        throw RecordError("The uninstall record " + path + " was not found.");
    const IniFile record(path);
    UninstallRecord result;
    result.displayName = record.readString("Uninstall", "DisplayName", "");
    result.files = numbered(record, "Files", "File");
    result.createdDirectory = record.readString("Files", "CreatedDirectory", "");
    result.group = record.readString("Program Manager", "Group", "");
    result.items = numbered(record, "Program Manager", "Item");
    result.registryBase = record.readString("Registry", "Base", "");
    for (int k = 1;; ++k) {
        const std::string key = "Key" + std::to_string(k);
        std::string subkey = record.readString("Registry", key, "");
        if (subkey.empty())
            break;
        result.keys.push_back({subkey, numbered(record, "Registry", key + ".Value")});
    }
    if (result.displayName.empty() || (result.files.empty() && result.items.empty()))
        throw RecordError("The uninstall record " + path +
                          " is damaged: it does not say what was installed.");
    return result;
}

} // namespace orupim::uninst
