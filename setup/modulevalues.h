// The setup program's module values: what the package description gives, what the wizard asks of the user,
// and the fourteen package lists, one instance each for the life of the process, shared by the backdrop, the
// wizard and the installation run as the old program's unit variables were.
#pragma once

#include "platform/core/countedstring.h"
#include "platform/core/stringlist.h"

namespace orupim::setup {

// The package description's name, beside the setup program.
inline constexpr const char* PackageFileName = "OruInst.ipi";

extern CountedString SetupDir; // the setup program's directory, ending in "\"
extern CountedString IpiPath;  // SetupDir + "OruInst.ipi"
extern CountedString AppName;
extern CountedString AppVersion;
extern CountedString GroupName;
extern bool ExpandFlag;
extern CountedString DefaultDir;
extern CountedString SetupTitle; // AppName + " " + AppVersion
extern CountedString UserName;
extern CountedString UserOrg;
extern CountedString DestPath;
extern int WizardState;
extern int StartInfoIndex;
extern int EndInfoIndex;

extern StringList FilesInNames;
extern StringList FilesOutNames;
extern StringList FilesOutValues;
extern StringList SysFilesInNames;
extern StringList SysFilesOutNames;
extern StringList SysFilesOutValues;
extern StringList StartInfoNames;
extern StringList EndInfoNames;
extern StringList ItemsNames;
extern StringList ItemsValues;
extern StringList AddOnsNames;
extern StringList AddOnsValues;
extern StringList KeysNames;
extern StringList KeysValues;

// Empties the fourteen package lists (their creation and their freeing).
void clearPackageLists();

// Puts every module value back to its value at the start of the process, lists emptied.
void resetModuleValues();

} // namespace orupim::setup
