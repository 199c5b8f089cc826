// A label bound to the control it names. The control's accessible name is the label's caption (without its
// "&" access marks), kept so whenever the caption changes, and an access key in the caption moves the focus
// to the control. As the old label did by default, a label sizes itself to its caption whenever the caption
// changes (unless it wraps its text in a box of its own). A label that shows a path can shorten it instead
// when it is too long for the room up to its parent's right edge: the directories lose their middle and the
// file name shows whole; its caption, tool tip and accessible name stay the whole path.
#pragma once

#include <QLabel>
#include <QPointer>
#include <string>
#include <string_view>

namespace orupim::ui {

class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(std::string_view caption = {}, QWidget* parent = nullptr);

    std::string caption() const;
    void setCaption(std::string_view caption);

    QWidget* focusControl() const { return control_; }
    void setFocusControl(QWidget* control);

    void setElidedInMiddle(bool elided) { elided_ = elided; }

private:
    void nameControl();

    QString caption_;
    QPointer<QWidget> control_;
    bool elided_ = false;
};

} // namespace orupim::ui
