// Copy To Clipboard and Paste From Clipboard: both act on the field last entered (ActiveField), whatever page
// it is on, and do what the edition gives for that control: the control's own copy or paste of its
// selection, the drop-down field's selected text to or from the clipboard as text, or a refusal. There is no
// test of the record's state; whether a paste reaches the record is the data control's own rule.
#include "catalogue/mainwindow.h"

#include "catalogue/messagetable.h"
#include "catalogue/modulevalues.h"
#include "platform/ui/dbcombobox.h"
#include "platform/ui/qtext.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <algorithm>

namespace orupim::catalogue {
namespace {

enum class Direction { Copy, Paste };

// The edit control's own copy or paste of its selection; a drop-down field's edit box is such a control too.
void editCommand(QWidget* control, Direction direction) {
    if (auto* combo = qobject_cast<QComboBox*>(control))
        control = combo->lineEdit();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        direction == Direction::Copy ? edit->copy() : edit->paste();
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
        direction == Direction::Copy ? memo->copy() : memo->paste();
}

// The drop-down field's selected text replaces the clipboard, even when it is empty.
void listFieldCopy(ui::DBComboBox& field) {
    QGuiApplication::clipboard()->setText(ui::toQString(field.selectedText()));
}

// The clipboard's text replaces the drop-down field's selection; a clipboard without text changes nothing.
void listFieldPaste(ui::DBComboBox& field) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasText())
        field.replaceSelectedText(data->text().toStdString());
}

} // namespace

void TMainWindow::clipboardCommand(bool copy) {
    const Direction direction = copy ? Direction::Copy : Direction::Paste;
    QWidget* control = ActiveField;
    const auto found = std::find(dataControls_.begin(), dataControls_.end(), control);
    if (!control || found == dataControls_.end()) {
        ShowErr(copy ? Message::InvalidSelection : Message::SelectDestinationFirst);
        return;
    }
    const ControlDescription& description =
        edition_.controls[static_cast<std::size_t>(found - dataControls_.begin())];
    const ClipboardStep& step = copy ? description.copy : description.paste;
    switch (step.action) {
    case ClipboardStep::Action::Refuse:
        ShowErr(step.message);
        break;
    case ClipboardStep::Action::Edit:
        editCommand(control, direction);
        break;
    case ClipboardStep::Action::ListField:
        if (auto* field = qobject_cast<ui::DBComboBox*>(control))
            copy ? listFieldCopy(*field) : listFieldPaste(*field);
        break;
    }
}

void TMainWindow::CopyToClipClick() {
    clipboardCommand(true);
}

void TMainWindow::PasteFromClipClick() {
    clipboardCommand(false);
}

} // namespace orupim::catalogue
