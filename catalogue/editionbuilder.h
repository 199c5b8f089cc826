// Helpers with which the edition descriptions are written: a data control with the label of the same number,
// its default height, enter handler and clipboard behaviour for its kind.
#pragma once

#include "catalogue/edition.h"

#include <string>
#include <vector>

namespace orupim::catalogue {

struct LabelPlace {
    int left = 0;
    int top = 0;
};

// The height a control of this kind has when the description gives none.
int defaultHeight(ControlKind kind);

// What the clipboard commands do on a control of this kind: text fields and the memo use their own copy and
// paste, drop-down fields move their selected text, check boxes refuse with Message::FieldNotCopiable.
ClipboardStep defaultCopy(ControlKind kind);
ClipboardStep defaultPaste(ControlKind kind);

// Adds DBEdit<number> with Label<number> beside it; the control runs DBEdit<number>Enter, is searchable and
// has its kind's clipboard behaviour. A place without a height gets the kind's default height.
ControlDescription& addLabelledControl(Edition& edition, int number, ControlKind kind, std::string field,
                                       std::string caption, int page, int tabOrder, Place place,
                                       LabelPlace labelPlace);

// One control of the three-page record view: the field it shows, its label's caption, its tab order on its
// page.
struct RecordViewField {
    std::string field;
    std::string caption;
    int tabOrder = 0;
};

// The video window's twelve fields with their captions and tab orders, DBEdit1 to DBEdit12: the software,
// audio and printed-media editions change a few of them.
std::vector<RecordViewField> videoRecordViewFields();

// The record view that the video, software, audio and printed-media editions share: the pages "Main", "Notes"
// and "Loans", DBEdit1 to DBEdit12 (fields given in that order) of fixed kinds at fixed places, each with its
// label; the Notes memo and the Borrowed check box not searchable; the caption table from Label1 to Label12;
// the four lookup lists named after the fields of DBEdit3, DBEdit5, DBEdit6 and DBEdit7.
void addThreePageRecordView(Edition& edition, const std::vector<RecordViewField>& fields);

// The constants that follow from the edition code and its title words: table, statements, list file,
// application title, print heading, about hint, and the key re-query over the fields of DBEdit1 and DBEdit2
// (so the controls come first).
void setEditionConstants(Edition& edition, std::string deliverable, std::string code,
                         std::string windowTitle);

// The menu texts of every edition after the video edition: Newsletter1 "&Newsletter", MenuHelp, and the
// about item About "&About <code>...".
void setRenamedMenuTexts(Edition& edition);

} // namespace orupim::catalogue
