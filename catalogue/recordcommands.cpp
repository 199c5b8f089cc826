// The record commands: the four moves, Add, Delete, Edit, Undo Changes and Save, each refusing with its
// status message when the record is in the wrong state, and the key re-query with which Edit Record makes a
// record of a result that cannot be modified editable.
#include "catalogue/mainwindow.h"

#include "catalogue/messagetable.h"
#include "catalogue/texts.h"

namespace orupim::catalogue {

bool TMainWindow::editing() const {
    const db::DataSetState state = mainDataSource_.state();
    return state == db::DataSetState::Edit || state == db::DataSetState::Insert;
}

void TMainWindow::runStatement(const std::string& statement) {
    mainQuery_.close();
    mainQuery_.clearSql();
    mainQuery_.addSql(statement);
    mainQuery_.open();
}

void TMainWindow::moveUnlessAtEdge(bool atEdge, Message edgeMessage, void (db::Query::*move)()) {
    if (editing())
        ShowErr(Message::UndoOrSaveFirst);
    else if (atEdge)
        ShowErr(edgeMessage);
    else
        (mainQuery_.*move)();
}

void TMainWindow::FirstRecClick() {
    moveUnlessAtEdge(mainQuery_.bof(), Message::AlreadyAtBeginning, &db::Query::first);
}

void TMainWindow::PrevRecClick() {
    moveUnlessAtEdge(mainQuery_.bof(), Message::NoPreviousRecord, &db::Query::prior);
}

void TMainWindow::NextRecClick() {
    moveUnlessAtEdge(mainQuery_.eof(), Message::NoNextRecord, &db::Query::next);
}

void TMainWindow::LastRecClick() {
    moveUnlessAtEdge(mainQuery_.eof(), Message::AlreadyAtEnd, &db::Query::last);
}

void TMainWindow::AddRecClick() {
    if (editing())
        ShowErr(Message::UndoOrSaveFirst);
    else
        mainQuery_.insert();
}

void TMainWindow::DeleteRecClick() {
    if (mainDataSource_.state() == db::DataSetState::Edit)
        mainQuery_.deleteRecord();
    else
        ShowErr(Message::GoToEditFirst);
}

void TMainWindow::EditRecClick() {
    if (editing()) {
        ShowErr(Message::UndoOrSaveFirst);
        return;
    }
    if (!mainQuery_.canModify())
        keyReQuery();
    mainQuery_.edit();
}

void TMainWindow::UndoChangesClick() {
    mainQuery_.cancel();
}

void TMainWindow::SaveRecClick() {
    if (editing())
        mainQuery_.post();
    else
        ShowErr(Message::AddOrEditFirst);
}

void TMainWindow::keyReQuery() {
    const std::string firstKey = controlText(0);
    const std::string secondKey = controlText(1);
    mainQuery_.disableControls();
    // The controls follow the query again also when the statement is refused, so that the record view does
    // not stay frozen after the error is shown.
    struct ControlsOn {
        db::Query& query;
        ~ControlsOn() { query.enableControls(); }
    } controlsOn{mainQuery_};
    runStatement(keyReQueryStatement(edition_.keyReQueryFormat, firstKey, secondKey));
}

} // namespace orupim::catalogue
