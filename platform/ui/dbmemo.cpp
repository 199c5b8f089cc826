#include "platform/ui/dbmemo.h"

#include "platform/ui/guard.h"
#include "platform/ui/qtext.h"

#include <QFocusEvent>
#include <QTextCursor>

namespace orupim::ui {
namespace {

// Characters a text takes in the field, where each line break is CR LF.
int storedLength(const QString& text) {
    return static_cast<int>(text.size() + text.count(QLatin1Char('\n')));
}

} // namespace

DBMemo::DBMemo(QWidget* parent)
    : QPlainTextEdit(parent),
      DataControl(
          this, [this](const FieldView& view) { show(view); }, [this] { return storedText(); }) {
    setTabChangesFocus(true);
    connectGuarded(this, &QPlainTextEdit::textChanged, [this] { userChanged(); });
    link().refresh();
}

std::string DBMemo::storedText() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

void DBMemo::show(const FieldView& view) {
    setReadOnly(!view.editable);
    // Read-only still lets the keyboard move and select, for copying.
    setTextInteractionFlags(view.editable ? Qt::TextEditorInteraction
                                          : Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    maxLength_ = view.maxLength;
    if (!view.replaceText)
        return;
    QString text = toQString(view.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    loading_ = true;
    setPlainText(text);
    loading_ = false;
}

// A change the user made; one that would overflow the field loses the characters just typed or pasted past
// the limit, as an edit with a maximum length refuses them.
void DBMemo::userChanged() {
    if (loading_)
        return;
    if (maxLength_ > 0) {
        QString text = toPlainText();
        int excess = storedLength(text) - maxLength_;
        if (excess > 0) {
            QTextCursor cursor = textCursor();
            int end = cursor.position();
            int start = end;
            while (start > 0 && excess > 0) {
                --start;
                excess -= text.at(start) == QLatin1Char('\n') ? 2 : 1;
            }
            cursor.setPosition(start);
            cursor.setPosition(end, QTextCursor::KeepAnchor);
            loading_ = true;
            cursor.removeSelectedText();
            loading_ = false;
            setTextCursor(cursor);
        }
    }
    link().userModified();
}

void DBMemo::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    focusLeft(event->reason());
}

} // namespace orupim::ui
