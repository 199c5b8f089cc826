#include "platform/ui/dbcheckbox.h"

#include "platform/core/text.h"
#include "platform/ui/accessibility.h"
#include "platform/ui/growtofit.h"
#include "platform/ui/guard.h"

#include <QFocusEvent>
#include <QScopedValueRollback>

namespace orupim::ui {

DBCheckBox::DBCheckBox(QWidget* parent)
    : QCheckBox(parent), DataControl(
                             this,
                             [this](const FieldView& view) {
                                 if (view.replaceText) {
                                     QScopedValueRollback<bool> showing(setting_, true);
                                     setChecked(equalsIgnoreCase(view.text, ValueChecked));
                                 }
                             },
                             [this] { return std::string(isChecked() ? ValueChecked : ValueUnchecked); }) {
    installAccessibility();
    link().refresh();
}

// The form's check boxes carry their captions in labels beside them; the whole control takes the click, as
// the old check box did, not only its box.
bool DBCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void DBCheckBox::resizeEvent(QResizeEvent* event) {
    QCheckBox::resizeEvent(event);
    growToFit(this);
}

void DBCheckBox::changeEvent(QEvent* event) {
    QCheckBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        growToFit(this);
}

// Called by Qt for a click or the space bar, so it runs guarded.
void DBCheckBox::nextCheckState() {
    runGuarded([this] {
        if (!link().editable())
            return;
        // Told before the change, so that an edit started by it does not show the field's old value over it.
        link().userModified();
        if (link().editing()) {
            QScopedValueRollback<bool> changing(setting_, true);
            QCheckBox::nextCheckState();
        }
    });
}

// A change of the box that came neither from the record nor through nextCheckState (an assistive tool's
// Toggle, which Qt carries out with toggle()) is taken back and made the way a click makes it, so that it
// reaches the record while editing and is refused while browsing.
void DBCheckBox::checkStateSet() {
    QCheckBox::checkStateSet();
    if (setting_)
        return;
    {
        QScopedValueRollback<bool> undoing(setting_, true);
        setChecked(!isChecked());
    }
    nextCheckState();
}

void DBCheckBox::focusOutEvent(QFocusEvent* event) {
    QCheckBox::focusOutEvent(event);
    focusLeft(event->reason());
}

} // namespace orupim::ui
