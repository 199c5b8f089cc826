#include "catalogue/querydialog.h"

#include "catalogue/modulevalues.h"

namespace orupim::catalogue {

TQueryDialog::TQueryDialog() {
    setObjectName("QueryDialog");
    setCaption("SQL Select");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setClientSize(294, 149);
    centerOnScreen();
    setOnCreate([this] { FormCreate(); });
}

void TQueryDialog::FormCreate() {
    setCaption(WindowTitle.str());
}

} // namespace orupim::catalogue
