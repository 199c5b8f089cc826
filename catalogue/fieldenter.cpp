// The field-enter handlers (DBEdit1Enter to DBEdit12Enter): entering a data control makes it the search field
// and the field last entered, which the search and the clipboard commands act on. The label's caption and the
// field name are read from the controls each time, not taken from constants.
#include "catalogue/mainwindow.h"

#include "catalogue/modulevalues.h"
#include "catalogue/texts.h"
#include "platform/ui/datacontrol.h"
#include "platform/ui/label.h"

#include <QAbstractButton>

namespace orupim::catalogue {
void TMainWindow::fieldEnter(int controlIndex) {
    const ControlDescription& description = edition_.controls[static_cast<std::size_t>(controlIndex)];
    QWidget* control = dataControls_[static_cast<std::size_t>(controlIndex)];
    std::string caption;
    if (description.searchLabel == SearchLabelSource::OwnCaption) {
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            caption = button->text().toStdString();
    } else if (ui::Label* own = label(description.label)) {
        caption = own->caption();
    }
    SearchFieldLabel = searchFieldLabel(caption);
    const auto* data = dynamic_cast<const ui::DataControl*>(control);
    SearchFieldName = CountedString(data ? data->dataField() : std::string());
    ActiveField = control;
    NotSearchable = description.searchable ? 0 : 1;
}

} // namespace orupim::catalogue
