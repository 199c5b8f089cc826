// Duplicate Record: a new record in insert state that carries the edition's kept texts of the record shown.
// The texts are read before the key re-query that a result which cannot be modified needs, so the new record
// carries the values of the record that was shown when the command started.
#include "catalogue/mainwindow.h"

#include "catalogue/messagetable.h"
#include "platform/core/countedstring.h"

#include <map>

namespace orupim::catalogue {

void TMainWindow::DupRecClick() {
    if (editing()) {
        ShowErr(Message::UndoOrSaveFirst);
        return;
    }
    // Each kept text goes back into the field of the control it was read from.
    std::map<std::string, CountedString> kept;
    for (const std::string& name : edition_.duplicateKept)
        kept[edition_.control(name)->field] = CountedString(controlText(edition_.controlIndex(name)));
    if (!mainQuery_.canModify())
        keyReQuery();
    mainQuery_.insert();
    for (const std::string& field : edition_.duplicateWriteOrder)
        mainQuery_.fieldByName(field).setAsText(kept.at(field).str());
    ShowErr(Message::RecordDuplicated);
}

} // namespace orupim::catalogue
