// The data-aware text field (single line): shows its field's text, limited to the field's size, editable
// while the record is edited or inserted (or when typing starts the edit, with automatic editing on). A
// pasted text is taken up to its first line break.
#pragma once

#include "platform/ui/datacontrol.h"

#include <QLineEdit>

namespace orupim::ui {

class DBEdit : public QLineEdit, public DataControl {
    Q_OBJECT
public:
    explicit DBEdit(QWidget* parent = nullptr);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString previousText_; // the text before the change being made, for the line-break rule
    bool showing_ = false; // the field's own text is being shown
};

} // namespace orupim::ui
