#include "services/uninst/uninstallerapp.h"

#include "platform/ui/messagebox.h"
#include "services/uninst/uninstaller.h"

namespace orupim::uninst {
namespace {

const char* const Caption = "OruUninst";

int refuse(const std::string& text) {
    ui::showMessageBox(Caption, text, ui::MessageIcon::Error);
    return 1;
}

} // namespace

int runUninstaller(const std::vector<std::string>& arguments) {
    std::optional<UninstallTarget> target = locateTarget(arguments);
    if (!target)
        return refuse("OruUninst removes a product that OruInst installed. Start it with the product's name "
                      "and its destination directory, as the product's uninstall entry gives them.");
    UninstallRecord record;
    try {
        record = UninstallRecord::read(target->destination);
    } catch (const RecordError& error) {
        return refuse(std::string(error.what()) + " Nothing was removed.");
    }
    if (!ui::askYesNo(Caption, "Are you sure you want to remove " + record.displayName +
                                   " and all of its components from " + target->destination + "?"))
        return 1;
    std::vector<std::string> left = uninstall(*target, record);
    if (left.empty()) {
        ui::showMessageBox(Caption, record.displayName + " was removed from your computer.",
                           ui::MessageIcon::Information);
        return 0;
    }
    std::string text = record.displayName + " was removed from your computer, except:";
    for (const std::string& line : left)
        text += "\n" + line;
    ui::showMessageBox(Caption, text, ui::MessageIcon::Warning);
    return 1;
}

} // namespace orupim::uninst
