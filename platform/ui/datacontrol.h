// What every data-aware control has: its data source and the name of its field (the old DataSource and
// DataField properties), through a FieldLink that does the following and writing.
#pragma once

#include "platform/ui/fieldlink.h"

#include <Qt>

namespace orupim::ui {

class DataControl {
public:
    db::DataSource* dataSource() const { return link_.dataSource(); }
    // The source must outlive the binding: set another source (or none) before destroying the bound one, or
    // destroy the control first. Destroying the source while bound is fine as long as it is not bound again.
    void setDataSource(db::DataSource* source) { link_.setDataSource(source); }
    const std::string& dataField() const { return link_.fieldName(); }
    void setDataField(std::string_view fieldName) { link_.setFieldName(fieldName); }
    // The bound field of the current record, or none.
    db::Field* field() const { return link_.field(); }

protected:
    DataControl(QWidget* control, FieldLink::Show show, FieldLink::Read read)
        : link_(control, std::move(show), std::move(read)) {}
    ~DataControl() = default;

    FieldLink& link() { return link_; }
    const FieldLink& link() const { return link_; }
    // For the control's focus-out: hands a change to the field when the focus moves to another control of the
    // window (not when the window itself loses the focus or a popup opens).
    void focusLeft(Qt::FocusReason reason);

private:
    FieldLink link_;
};

} // namespace orupim::ui
