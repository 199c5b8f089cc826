// Helpers with which the edition descriptions are written: a data control with the label of the same number,
// its default height, enter handler and clipboard behaviour for its kind.
#pragma once

#include "catalogue/edition.h"

namespace orupim::catalogue {

struct LabelPlace {
    int left = 0;
    int top = 0;
};

// The height a control of this kind has when the description gives none.
int defaultHeight(ControlKind kind);

// What the clipboard commands do on a control of this kind: text fields and the memo use their own copy and
// paste, drop-down fields move their selected text, check boxes refuse with message 13.
ClipboardStep defaultCopy(ControlKind kind);
ClipboardStep defaultPaste(ControlKind kind);

// Adds DBEdit<number> with Label<number> beside it; the control runs DBEdit<number>Enter, is searchable and
// has its kind's clipboard behaviour. A place without a height gets the kind's default height.
ControlDescription& addLabelledControl(Edition& edition, int number, ControlKind kind, std::string field,
                                       std::string caption, int page, int tabOrder, Place place,
                                       LabelPlace labelPlace);

} // namespace orupim::catalogue
