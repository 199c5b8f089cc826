// What the installation run made, added to the uninstall record oruinst.upi after its own sections, so that
// the uninstaller can take away exactly that: [Files] the program files in the destination directory and the
// outermost directory the run created for it,
// [Program Manager] the group and the names of the items created in it, [Registry] the base key and, per key
// written below it, its subkey text and the names of the values written there.
#include "setup/maindialog.h"

#include "platform/core/countedstring.h"
#include "platform/core/stringlist.h"
#include "platform/profile/inifile.h"
#include "setup/modulevalues.h"

#include <string>

namespace orupim::setup {
namespace {

void writeNumbered(IniFile& record, const std::string& section, const std::string& prefix,
                   const std::vector<std::string>& values) {
    for (std::size_t k = 0; k < values.size(); ++k)
        record.writeString(section, prefix + std::to_string(k + 1), values[k]);
}

} // namespace

void TMainDialog::RecordInstalledParts() {
    IniFile record((DestPath + "\\oruinst.upi").str());
    std::vector<std::string> files;
    for (int k = 0; k < FilesOutNames.count(); ++k)
        files.push_back(DestPath.str() + "\\" + FilesOutNames.at(k));
    writeNumbered(record, "Files", "File", files);
    if (!CreatedDirectory.empty())
        record.writeString("Files", "CreatedDirectory", CreatedDirectory);

    record.writeString("Program Manager", "Group", GroupName.str());
    std::vector<std::string> items(ItemsValues.begin(), ItemsValues.end());
    items.push_back("Uninstall " + AppName.str());
    writeNumbered(record, "Program Manager", "Item", items);

    record.writeString("Registry", "Base", CountedString(KeysValues.at(0)).str());
    const IniFile package(IpiPath.str());
    StringList names;
    int key = 0;
    auto recordKey = [&](const std::string& subkey, const std::vector<std::string>& values) {
        const std::string prefix = "Key" + std::to_string(++key);
        record.writeString("Registry", prefix, subkey);
        writeNumbered(record, "Registry", prefix + ".Value", values);
    };
    for (int i = 1; i < KeysNames.count(); ++i) {
        package.readSection(KeysNames.at(i), names);
        recordKey(KeysValues.at(i), std::vector<std::string>(names.begin(), names.end()));
    }
    if (KeysNames.count() > 1)
        recordKey("Install", {"Path", "Date"});
}

} // namespace orupim::setup
