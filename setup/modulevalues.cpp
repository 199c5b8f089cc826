#include "setup/modulevalues.h"

namespace orupim::setup {

CountedString SetupDir;
CountedString IpiPath;
CountedString AppName;
CountedString AppVersion;
CountedString GroupName;
bool ExpandFlag = false;
CountedString DefaultDir;
CountedString SetupTitle;
CountedString UserName;
CountedString UserOrg;
CountedString DestPath;
int WizardState = 0;
int StartInfoIndex = 0;
int EndInfoIndex = 0;

StringList FilesInNames;
StringList FilesOutNames;
StringList FilesOutValues;
StringList SysFilesInNames;
StringList SysFilesOutNames;
StringList SysFilesOutValues;
StringList StartInfoNames;
StringList EndInfoNames;
StringList ItemsNames;
StringList ItemsValues;
StringList AddOnsNames;
StringList AddOnsValues;
StringList KeysNames;
StringList KeysValues;

void clearPackageLists() {
    for (StringList* list : {&FilesInNames, &FilesOutNames, &FilesOutValues, &SysFilesInNames,
                             &SysFilesOutNames, &SysFilesOutValues, &StartInfoNames, &EndInfoNames,
                             &ItemsNames, &ItemsValues, &AddOnsNames, &AddOnsValues, &KeysNames, &KeysValues})
        list->clear();
}

void resetModuleValues() {
    for (CountedString* text : {&SetupDir, &IpiPath, &AppName, &AppVersion, &GroupName, &DefaultDir,
                                &SetupTitle, &UserName, &UserOrg, &DestPath})
        *text = CountedString();
    ExpandFlag = false;
    WizardState = 0;
    StartInfoIndex = 0;
    EndInfoIndex = 0;
    clearPackageLists();
}

} // namespace orupim::setup
