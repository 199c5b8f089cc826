// Find Record: asks for a pattern in the search dialog and replaces the record set by the records whose
// search field (the data control last entered) contains it, counting them for the right status panel. The
// pattern is matched as text (its quotes are doubled in the statement), its "%" and "_" are wildcards. A
// statement the engine still refuses is reported by the default exception handler after the record view is
// put back on the whole table with its counts, as Reset Data Set does, so the view is never left blank.
#include "catalogue/mainwindow.h"

#include "catalogue/messagetable.h"
#include "catalogue/modulevalues.h"
#include "catalogue/querydialog.h"
#include "catalogue/texts.h"
#include "platform/ui/statusbar.h"

namespace orupim::catalogue {

void TMainWindow::FindRecClick() {
    if (NotSearchable == 1) {
        ShowErr(Message::FieldNotSearchable);
        return;
    }
    if (editing()) {
        ShowErr(Message::UndoOrSaveFirst);
        return;
    }
    QueryDialog->showModal();
    if (QueryCancelled != 0 || !SearchPattern)
        return;

    LastQuery = searchStatement(SearchTableName.str(), SearchFieldName.str(), *SearchPattern);
    try {
        runStatement(LastQuery);
    } catch (...) {
        showWholeTable();
        throw;
    }
    MatchCount = 0;
    countResult(MatchCount);
    showCounts();
}

void TMainWindow::countResult(std::int32_t& count) {
    mainQuery_.disableControls();
    try {
        while (!mainQuery_.eof()) {
            mainQuery_.next();
            ++count;
        }
    } catch (...) {
        mainQuery_.first();
        mainQuery_.enableControls();
        throw;
    }
    mainQuery_.first();
    mainQuery_.enableControls();
}

void TMainWindow::showCounts() {
    statusBar_->setPanelText(1, countsText(MatchCount, TotalCount));
}

} // namespace orupim::catalogue
