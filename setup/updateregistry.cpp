// The registry step of the installation run, TMainDialog::UpdateRegistry: the package's registry values
// under its base key of the current user (with the $NAME and $ORG macros), the "Install" key, the uninstall
// entry of the local machine, and the uninstall record oruinst.upi in the destination directory.
#include "setup/maindialog.h"

#include "platform/core/countedstring.h"
#include "platform/core/stringlist.h"
#include "platform/core/text.h"
#include "platform/profile/inifile.h"
#include "platform/registry/reginifile.h"
#include "setup/modulevalues.h"

#include <QDateTime>

namespace orupim::setup {
namespace {

// The class library's default date-and-time text: the short date, then the long time unless it is midnight.
std::string dateText() {
    const QDateTime now = QDateTime::currentDateTime();
    std::string text = now.date().toString("M/d/yyyy").toStdString();
    if (now.time() != QTime(0, 0, 0))
        text += " " + now.time().toString("h:mm:ss AP").toStdString();
    return text;
}

} // namespace

void TMainDialog::UpdateRegistry() {
    StringList names;
    const IniFile package(IpiPath.str());
    IniFile record((DestPath + "\\oruinst.upi").str());
    const CountedString baseKey(KeysValues.at(0));
    RegIniFile registry(baseKey.str());
    const std::string base = (baseKey + "\\").str();
    for (int i = 1; i < KeysNames.count(); ++i) {
        const std::string key = CountedString(base + KeysValues.at(i)).str();
        package.readSection(KeysNames.at(i), names);
        for (const std::string& name : names) {
            const std::string value = CountedString(package.readString(KeysNames.at(i), name, "")).str();
            if (equalsIgnoreCase(name, "Name") && equalsIgnoreCase(value, "$NAME")) {
                registry.writeString(key, name, UserName.str());
                record.writeString(KeysValues.at(i), name, UserName.str());
            } else if (equalsIgnoreCase(name, "Organization") && equalsIgnoreCase(value, "$ORG")) {
                registry.writeString(key, name, UserOrg.str());
                record.writeString(KeysValues.at(i), name, UserOrg.str());
            } else {
                registry.writeString(key, name, value);
            }
        }
        const std::string install = CountedString(base + "Install").str();
        registry.writeString(install, "Path", DestPath.str());
        record.writeString("Install", "Path", DestPath.str());
        registry.writeString(install, "Date", dateText());
        record.writeString("Install", "Date", dateText());
        names.clear();
    }
    registry.setRootKey(RootKey::LocalMachine);
    const CountedString systemRoot(
        registry.readString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "SystemRoot", ""));
    const std::string uninstallKey =
        CountedString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + AppName.str()).str();
    const std::string displayName = AppName.str() + " " + AppVersion.str();
    registry.writeString(uninstallKey, "DisplayName", displayName);
    record.writeString("Uninstall", "DisplayName", displayName);
    const CountedString uninstall =
        CountedString(systemRoot.str() + "\\OruUninst.exe " + AppName.str() + " " + DestPath.str());
    registry.writeString(uninstallKey, "UninstallString", uninstall.str());
    record.writeString("Uninstall", "UninstallString", uninstall.str());
}

} // namespace orupim::setup
