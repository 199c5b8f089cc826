// Find Record: asks for a pattern in the search dialog and replaces the record set by the records whose
// search field (the data control last entered) contains it, counting them for the right status panel. The
// pattern goes into the like comparison as typed: its quotes end the literal, its "%" and "_" are wildcards.
// An error of the engine on the statement reaches the default exception handler and leaves the main query
// closed until the next search or reset.
#include "catalogue/mainwindow.h"

#include "catalogue/modulevalues.h"
#include "catalogue/querydialog.h"
#include "catalogue/texts.h"
#include "platform/core/text.h"
#include "platform/ui/statusbar.h"

namespace orupim::catalogue {
namespace {

constexpr std::uint32_t FieldNotSearchable = 2;
constexpr std::uint32_t UndoOrSaveFirst = 8;
constexpr const char* SearchFormat = "Select * from %s where %s like '%s%s%s'";

} // namespace

void TMainWindow::FindRecClick() {
    if (NotSearchable == 1) {
        ShowErr(FieldNotSearchable);
        return;
    }
    if (editing()) {
        ShowErr(UndoOrSaveFirst);
        return;
    }
    QueryDialog->showModal();
    if (QueryCancelled != 0 || !SearchPattern)
        return;

    const std::string statement =
        formatText(SearchFormat, {SearchTableName.str(), SearchFieldName.str(), "%", *SearchPattern, "%"});
    LastQuery = CountedString(statement);
    runStatement(LastQuery);
    MatchCount = 0;
    countResult(MatchCount);
    showCounts();
}

void TMainWindow::countResult(std::int32_t& count) {
    MainQuery.disableControls();
    try {
        while (!MainQuery.eof()) {
            MainQuery.next();
            ++count;
        }
    } catch (...) {
        MainQuery.first();
        MainQuery.enableControls();
        throw;
    }
    MainQuery.first();
    MainQuery.enableControls();
}

void TMainWindow::showCounts() {
    StatusBar->setPanelText(1, countsText(MatchCount, TotalCount));
}

} // namespace orupim::catalogue
