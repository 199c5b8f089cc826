#include "platform/ui/dbedit.h"

#include "platform/ui/guard.h"
#include "platform/ui/lineselection.h"
#include "platform/ui/qtext.h"

#include <QFocusEvent>

namespace orupim::ui {

DBEdit::DBEdit(QWidget* parent)
    : QLineEdit(parent), DataControl(
                             this,
                             [this](const FieldView& view) {
                                 setReadOnly(!view.editable);
                                 setMaxLength(view.maxLength > 0 ? view.maxLength : 32767);
                                 if (view.replaceText)
                                     setText(toQString(view.text));
                             },
                             [this] { return text().toStdString(); }) {
    connectGuarded(this, &QLineEdit::textEdited, [this] { link().userModified(); });
    link().refresh();
}

void DBEdit::focusOutEvent(QFocusEvent* event) {
    keepSelection(*this, [&] {
        QLineEdit::focusOutEvent(event);
        focusLeft(event->reason());
    });
}

} // namespace orupim::ui
