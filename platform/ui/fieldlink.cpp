#include "platform/ui/fieldlink.h"

#include "platform/core/text.h"
#include "platform/ui/guard.h"

#include <QPointer>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>

namespace orupim::ui {

// Shared with the data source's callbacks through a weak pointer, so that whichever of the control and the
// data source goes first, nothing is called on the other afterwards.
struct FieldLink::State {
    QPointer<QWidget> control;
    Show show;
    Read read;
    db::DataSource* source = nullptr;
    std::string fieldName;
    int observerId = -1;
    int focusId = -1;
    int fieldId = -1;
    bool modified = false;
    std::string loaded;

    db::Field* field() const {
        if (!source || fieldName.empty() || source->state() == db::DataSetState::Inactive)
            return nullptr;
        return source->dataSet().findField(fieldName);
    }

    db::DataSetState state() const { return source ? source->state() : db::DataSetState::Inactive; }

    bool editing() const {
        return (state() == db::DataSetState::Edit || state() == db::DataSetState::Insert) && field();
    }

    // Browsing a result that can be modified, with automatic editing on: the first change starts the edit.
    bool startsEditing() const {
        return source && source->autoEdit() && state() == db::DataSetState::Browse && field() &&
               source->dataSet().canModify();
    }

    // The table numbers an auto-increment field itself; nobody types it.
    bool editable() const {
        db::Field* current = field();
        if (current && current->kind() == db::FieldKind::AutoIncrement)
            return false;
        return editing() || startsEditing();
    }

    void userModified() {
        if (editing()) {
            modified = true;
        } else if (editable()) {
            // Marked first, so that the notices of the edit keep the text the user has just changed.
            modified = true;
            if (!runGuarded([this] { source->dataSet().edit(); }) || !editing())
                load(true);
        } else {
            // A change that reached the control all the same (a program's paste, a drop) is taken back, so
            // that the control never shows what the field does not hold.
            load(true);
        }
    }

    void load(bool force) {
        db::Field* current = field();
        FieldView view;
        view.text = current ? current->asText() : std::string();
        view.editable = editable();
        view.maxLength = current && current->size() > 0 ? current->size() : 0;
        // Unwritten changes of the user survive a notice that left the field's value as it was.
        if (!force && modified && view.editable && view.text == loaded) {
            view.replaceText = false;
        } else {
            loaded = view.text;
            modified = false;
        }
        show(view);
    }

    void write() {
        db::Field* current = field();
        if (!modified || !current || !editing())
            return;
        current->setAsText(read());
        modified = false;
        load(true);
    }

    // Shows the pages that hold the control, then gives it the focus.
    void takeFocus() {
        if (!control || !control->isEnabled())
            return;
        for (QWidget* child = control; child && !child->isWindow(); child = child->parentWidget()) {
            auto* stack = qobject_cast<QStackedWidget*>(child->parentWidget());
            if (!stack)
                continue;
            // A tab widget's pages are switched through the tab widget, so that its tabs follow.
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
                tabs->setCurrentWidget(child);
            else
                stack->setCurrentWidget(child);
        }
        control->setFocus(Qt::OtherFocusReason);
    }
};

FieldLink::FieldLink(QWidget* control, Show show, Read read) : state_(std::make_shared<State>()) {
    state_->control = control;
    state_->show = std::move(show);
    state_->read = std::move(read);
}

// The subscriptions are not undone here: the data source may be gone already, and a callback of a link that
// is gone does nothing.
FieldLink::~FieldLink() = default;

db::DataSource* FieldLink::dataSource() const {
    return state_->source;
}

void FieldLink::setDataSource(db::DataSource* source) {
    if (source == state_->source)
        return;
    if (state_->source) {
        state_->source->unsubscribe(state_->observerId);
        state_->source->unsubscribeFocus(state_->focusId);
        state_->source->unsubscribeField(state_->fieldId);
    }
    state_->source = source;
    if (source) {
        std::weak_ptr<State> weak = state_;
        state_->observerId = source->subscribe([weak](db::DataChange change) {
            auto state = weak.lock();
            if (!state || !state->control)
                return;
            if (change == db::DataChange::UpdateRecord)
                state->write();
            else
                state->load(false);
        });
        state_->focusId = source->subscribeFocus([weak](const std::string& name) {
            auto state = weak.lock();
            if (state && state->control && !state->fieldName.empty() &&
                equalsIgnoreCase(name, state->fieldName))
                state->takeFocus();
        });
        // A program that sets this field of the edited record (a duplicate, a paste into the field) is shown.
        state_->fieldId = source->subscribeField([weak](const std::string& name) {
            auto state = weak.lock();
            if (state && state->control && !state->fieldName.empty() &&
                equalsIgnoreCase(name, state->fieldName))
                state->load(true);
        });
    }
    state_->load(true);
}

const std::string& FieldLink::fieldName() const {
    return state_->fieldName;
}

void FieldLink::setFieldName(std::string_view name) {
    state_->fieldName = name;
    state_->load(true);
}

db::Field* FieldLink::field() const {
    return state_->field();
}

bool FieldLink::editing() const {
    return state_->editing();
}

bool FieldLink::editable() const {
    return state_->editable();
}

void FieldLink::userModified() {
    state_->userModified();
}

bool FieldLink::modified() const {
    return state_->modified;
}

void FieldLink::updateRecord() {
    state_->write();
}

void FieldLink::refresh() {
    state_->load(true);
}

} // namespace orupim::ui
