// The data-aware memo: several lines of its field's text, editable under the same rule as the text field.
// Lines are kept in the field with CR LF between them, as the old memo control gave them, and the text is
// limited to the field's size counted that way. Tab moves the focus on instead of typing a tab.
#pragma once

#include "platform/ui/datacontrol.h"

#include <QPlainTextEdit>

namespace orupim::ui {

class DBMemo : public QPlainTextEdit, public DataControl {
    Q_OBJECT
public:
    explicit DBMemo(QWidget* parent = nullptr);

    // The text as the field keeps it (CR LF line ends).
    std::string storedText() const;

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void show(const FieldView& view);
    void userChanged();

    bool loading_ = false;
    int maxLength_ = 0;
};

} // namespace orupim::ui
