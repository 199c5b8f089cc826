#include "platform/ui/lineselection.h"

#include <QLineEdit>

namespace orupim::ui {

void keepSelection(QLineEdit& edit, const std::function<void()>& focusOut) {
    const QString text = edit.text();
    const int start = edit.selectionStart();
    const int length = static_cast<int>(edit.selectedText().size());
    const bool caretAtStart = edit.cursorPosition() == start;
    focusOut();
    if (start < 0 || length == 0 || edit.text() != text || edit.hasSelectedText())
        return;
    // The caret stays at the end of the selection it was at.
    if (caretAtStart)
        edit.setSelection(start + length, -length);
    else
        edit.setSelection(start, length);
}

} // namespace orupim::ui
