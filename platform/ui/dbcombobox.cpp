#include "platform/ui/dbcombobox.h"

#include "platform/ui/accessibility.h"
#include "platform/ui/guard.h"
#include "platform/ui/lineselection.h"
#include "platform/ui/qtext.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QWheelEvent>

namespace orupim::ui {

DBComboBox::DBComboBox(QWidget* parent)
    : QComboBox(parent), DataControl(
                             this,
                             [this](const FieldView& view) {
                                 lineEdit()->setReadOnly(!view.editable);
                                 lineEdit()->setMaxLength(view.maxLength > 0 ? view.maxLength : 32767);
                                 if (view.replaceText)
                                     showText(toQString(view.text));
                             },
                             [this] { return editText(); }) {
    installAccessibility();
    setEditable(true);
    // Typed text is the field's value, never a new entry; and no completion from the entries, which would
    // change what the user typed.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setDuplicatesEnabled(true);
    // As in the text field: a value set by an assistive tool counts as typed.
    connectGuarded(lineEdit(), &QLineEdit::textChanged, this, [this] {
        // An unbound control has no record to keep: a program may set its text freely.
        if (!showing_ && dataSource())
            link().userModified();
    });
    // The wheel over the field changes it only when the field has the focus, and never gives it the focus.
    setFocusPolicy(Qt::StrongFocus);
    connectGuarded(this, &QComboBox::activated, [this] { link().userModified(); });
    link().refresh();
}

void DBComboBox::addEntry(std::string_view entry) {
    QString text = toQString(entry);
    int index = count();
    // After the equal ones, so that entries keep the order they came in among themselves.
    for (int i = 0; i < count(); ++i)
        if (QString::compare(itemText(i), text, Qt::CaseInsensitive) > 0) {
            index = i;
            break;
        }
    QString shown = lineEdit()->text();
    QScopedValueRollback<bool> showing(showing_, true);
    insertItem(index, text);
    showText(shown);
}

void DBComboBox::addEntries(const StringList& entries) {
    for (const std::string& entry : entries)
        addEntry(entry);
}

void DBComboBox::clearEntries() {
    QString shown = lineEdit()->text();
    QScopedValueRollback<bool> showing(showing_, true);
    clear();
    showText(shown);
}

// The entry equal to the text becomes the current one (none when no entry is), so that the arrow keys move
// on from there; the text itself stays as it is, whatever the entries' case. Left untouched when it is
// already shown, so that the caret and the selection stay too.
void DBComboBox::showText(const QString& text) {
    QScopedValueRollback<bool> showing(showing_, true);
    int entry = findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (currentIndex() != entry)
        setCurrentIndex(entry);
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

StringList DBComboBox::entries() const {
    StringList list;
    for (int i = 0; i < count(); ++i)
        list.add(itemText(i).toStdString());
    return list;
}

std::string DBComboBox::editText() const {
    return lineEdit()->text().toStdString();
}

std::string DBComboBox::selectedText() const {
    return lineEdit()->selectedText().toStdString();
}

void DBComboBox::replaceSelectedText(std::string_view text) {
    if (lineEdit()->isReadOnly())
        return;
    lineEdit()->insert(toQString(text));
    link().userModified();
}

void DBComboBox::showPopup() {
    if (lineEdit()->isReadOnly())
        return;
    QComboBox::showPopup();
}

// The keys that would pick another entry do nothing while browsing; the others (moving, selecting, copying)
// go to the edit box as always.
void DBComboBox::keyPressEvent(QKeyEvent* event) {
    if (lineEdit()->isReadOnly()) {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_F4:
            event->accept();
            return;
        default:
            break;
        }
    }
    QComboBox::keyPressEvent(event);
}

void DBComboBox::wheelEvent(QWheelEvent* event) {
    if (lineEdit()->isReadOnly() || !hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void DBComboBox::focusOutEvent(QFocusEvent* event) {
    keepSelection(*lineEdit(), [&] {
        QComboBox::focusOutEvent(event);
        focusLeft(event->reason());
    });
}

} // namespace orupim::ui
