// The search dialog TQueryDialog: asks for the search pattern of Find Record. Created once at start-up, after
// the about box; its caption is the window title.
// FIXME: the dialog's fields, keys and Execute and Cancel are built with Find Record; for now it is the
// window with its caption.
#pragma once

#include "platform/ui/form.h"

namespace orupim::catalogue {

class TQueryDialog : public ui::Form {
    Q_OBJECT
public:
    TQueryDialog();

    void FormCreate();
};

} // namespace orupim::catalogue
