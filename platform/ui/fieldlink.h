// The link between one data-aware control and one field of a data source, as the old field data link was: the
// control names its field, follows the record and state changes of the data source, and hands its text to the
// field when the record is updated (before a post) or when the focus leaves it.
//
// Browsing: a control is editable while the data source is in edit or insert state. In browse state it is
// read-only when the source's automatic editing is off (or the result cannot be modified), so typing into it
// changes neither the field nor the text shown; with automatic editing on, the first change the user makes
// puts the record into edit state. A closed source and an auto-increment field leave the control read-only.
#pragma once

#include "platform/db/datasource.h"
#include "platform/db/query.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QWidget;

namespace orupim::ui {

// What a control shows: the field's text, whether the user may change it, and the field's size (0: no limit).
struct FieldView {
    std::string text;
    bool editable = false;
    int maxLength = 0;
    // Clear when the control keeps its own text (the user's unwritten changes) and only editability changes.
    bool replaceText = true;
};

class FieldLink {
public:
    using Show = std::function<void(const FieldView&)>;
    using Read = std::function<std::string()>;

    // `show` puts a view into the control; `read` gives the text the control holds, as the field stores it.
    FieldLink(QWidget* control, Show show, Read read);
    ~FieldLink();
    FieldLink(const FieldLink&) = delete;
    FieldLink& operator=(const FieldLink&) = delete;

    db::DataSource* dataSource() const;
    void setDataSource(db::DataSource* source);
    const std::string& fieldName() const;
    void setFieldName(std::string_view name);

    // The bound field of the current record, or none (no source, closed, or no field of that name).
    db::Field* field() const;
    // Whether the source is in edit or insert state and the field exists.
    bool editing() const;
    // Whether the user may change the control now (editing, or a change would start the edit).
    bool editable() const;

    // Called by the control when the user changed its text: marks it for writing, starts the edit where
    // automatic editing allows, and otherwise undoes the change.
    void userModified();
    bool modified() const;

    // Writes the control's text into the field when the user changed it while editing.
    void updateRecord();
    // Shows the field's current text again.
    void refresh();

private:
    struct State;
    std::shared_ptr<State> state_;
};

} // namespace orupim::ui
