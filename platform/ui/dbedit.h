// The data-aware text field (single line): shows its field's text, limited to the field's size, editable
// while the record is edited or inserted (or when typing starts the edit, with automatic editing on).
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
};

} // namespace orupim::ui
