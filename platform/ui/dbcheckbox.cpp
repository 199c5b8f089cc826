#include "platform/ui/dbcheckbox.h"

#include "platform/core/text.h"

#include <QFocusEvent>

namespace orupim::ui {

DBCheckBox::DBCheckBox(QWidget* parent)
    : QCheckBox(parent), DataControl(
                             this,
                             [this](const FieldView& view) {
                                 if (view.replaceText)
                                     setChecked(equalsIgnoreCase(view.text, ValueChecked));
                             },
                             [this] { return std::string(isChecked() ? ValueChecked : ValueUnchecked); }) {
    link().refresh();
}

void DBCheckBox::nextCheckState() {
    if (!link().editing())
        return;
    QCheckBox::nextCheckState();
    link().userModified();
}

void DBCheckBox::focusOutEvent(QFocusEvent* event) {
    QCheckBox::focusOutEvent(event);
    focusLeft(event->reason());
}

} // namespace orupim::ui
