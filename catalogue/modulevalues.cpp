#include "catalogue/modulevalues.h"

namespace orupim::catalogue {

void resetModuleValues() {
    WindowTitle = CountedString();
    SoundOn = false;
    FieldCaptions = {};
    ActiveField = nullptr;
    SearchFieldName = CountedString();
    SearchFieldLabel = CountedString();
    NotSearchable = 0;
    SearchTableName = CountedString();
    SearchPattern.reset();
    QueryCancelled = 0;
    TotalCount = 0;
    MatchCount = 0;
    LastQuery = CountedString();
    MainWindow = nullptr;
    AboutDialog = nullptr;
    QueryDialog = nullptr;
}

} // namespace orupim::catalogue
