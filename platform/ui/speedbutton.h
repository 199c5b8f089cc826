// Speed buttons: the tool bar's flat picture buttons, 26 by 26 pixels unless sized otherwise. They never take
// the input focus, so clicking one leaves the focus (and the field last entered) where it was. The hint is
// shown as the tool tip when the pointer rests on the button and is the button's accessible name. A caption
// with "&" gives the button its access key.
#pragma once

#include <QToolButton>
#include <string>
#include <string_view>

namespace orupim::ui {

class SpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit SpeedButton(QWidget* parent = nullptr);

    std::string hint() const;
    void setHint(std::string_view hint);
    void setCaption(std::string_view caption);
    // The picture, shown at `size`.
    void setPicture(const QIcon& picture, QSize size);

private:
    void showWhatItHas();
};

} // namespace orupim::ui
