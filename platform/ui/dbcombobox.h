// The data-aware drop-down field: an edit box showing its field's text over a sorted list of entries, which
// also takes typed text that is in no list. Entries are kept in order without regard to letter case
// (duplicates kept); clearing them leaves the shown text. While the control may not change the record
// (browsing with automatic editing off) the edit box is read-only and the list does not open, so neither
// typing nor picking changes what is shown. The mouse wheel changes the field only while it has the focus.
#pragma once

#include "platform/core/stringlist.h"
#include "platform/ui/datacontrol.h"

#include <QComboBox>

namespace orupim::ui {

class DBComboBox : public QComboBox, public DataControl {
    Q_OBJECT
public:
    explicit DBComboBox(QWidget* parent = nullptr);

    // The entries (the old Items): each added in its sorted place.
    void addEntry(std::string_view entry);
    void addEntries(const StringList& entries);
    void clearEntries();
    StringList entries() const;

    // The edit box's text and its selected part (for copy and paste). Replacing the selection (or inserting
    // at the caret when nothing is selected) changes the text only while the control may change the record.
    std::string editText() const;
    std::string selectedText() const;
    void replaceSelectedText(std::string_view text);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showText(const QString& text);

    bool showing_ = false; // the field's own text or the entries are being shown
};

} // namespace orupim::ui
