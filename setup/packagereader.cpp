#include "setup/packagereader.h"

#include "platform/profile/inifile.h"
#include "setup/modulevalues.h"

namespace orupim::setup {
namespace {

constexpr const char* Settings = "Settings";

// A section whose key names go into `names` and whose values, read key by key, into `values` at the same
// positions.
void readPairedSection(const IniFile& ini, const char* section, StringList& names, StringList& values,
                       const char* valueDefault) {
    ini.readSection(section, names);
    values.clear();
    for (int i = 0; i < names.count(); ++i)
        values.add(ini.readString(section, names.at(i), valueDefault));
}

} // namespace

void readPackage(const std::string& ipiPath) {
    const IniFile ini(ipiPath);
    AppName = CountedString(ini.readString(Settings, "Application", "OruTest"));
    AppVersion = CountedString(ini.readString(Settings, "Version", "Beta"));
    GroupName = CountedString(ini.readString(Settings, "ProgGroup", "OruWare"));
    ExpandFlag = ini.readInteger(Settings, "Expand", 0) != 0;
    DefaultDir = CountedString(ini.readString(Settings, "Directory", "c:\\tmp"));

    ini.readSection("FilesIn", FilesInNames);
    ini.readSection("SysFilesIn", SysFilesInNames);
    ini.readSection("StartInfo", StartInfoNames);
    ini.readSection("EndInfo", EndInfoNames);

    readPairedSection(ini, "FilesOut", FilesOutNames, FilesOutValues, "");
    readPairedSection(ini, "SysFilesOut", SysFilesOutNames, SysFilesOutValues, "");
    readPairedSection(ini, "Items", ItemsNames, ItemsValues, "Comic Relief");
    readPairedSection(ini, "AddOns", AddOnsNames, AddOnsValues, "");
    readPairedSection(ini, "Keys", KeysNames, KeysValues, "");
}

} // namespace orupim::setup
