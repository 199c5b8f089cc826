#include "platform/ui/dbcheckbox.h"

#include "platform/core/text.h"
#include "platform/ui/guard.h"

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

// Called by Qt for a click or the space bar, so it runs guarded.
void DBCheckBox::nextCheckState() {
    runGuarded([this] {
        if (!link().editable())
            return;
        // Told before the change, so that an edit started by it does not show the field's old value over it.
        link().userModified();
        if (link().editing())
            QCheckBox::nextCheckState();
    });
}

void DBCheckBox::focusOutEvent(QFocusEvent* event) {
    QCheckBox::focusOutEvent(event);
    focusLeft(event->reason());
}

} // namespace orupim::ui
