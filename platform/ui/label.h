// A label bound to the control it names. The control's accessible name is the label's caption (without its
// "&" access marks), kept so whenever the caption changes, and an access key in the caption moves the focus
// to the control.
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

private:
    void nameControl();

    QPointer<QWidget> control_;
};

} // namespace orupim::ui
