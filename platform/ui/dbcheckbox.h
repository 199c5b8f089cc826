// The data-aware check box: checked when its field's text is "True" (in any letter case), unchecked otherwise
// (also for an empty field); writes "True" or "False". Clicking it changes it only while the record is edited
// or inserted, or when the click starts the edit (automatic editing on). A change made any other way (an
// assistive tool's Toggle) takes the same path as a click. A box whose caption does not fit the size it was
// given grows to the right.
#pragma once

#include "platform/ui/datacontrol.h"

#include <QCheckBox>

namespace orupim::ui {

class DBCheckBox : public QCheckBox, public DataControl {
    Q_OBJECT
public:
    explicit DBCheckBox(QWidget* parent = nullptr);

    static constexpr const char* ValueChecked = "True";
    static constexpr const char* ValueUnchecked = "False";

protected:
    void nextCheckState() override;
    void checkStateSet() override;
    bool hitButton(const QPoint& pos) const override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool setting_ = false; // the box is being set by the record or by a click's own change
};

} // namespace orupim::ui
